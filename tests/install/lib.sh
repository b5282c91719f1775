# Shared by the install tests: tool checks, a scratch folder, and a failure that says why.
# Sourced with the cmake and cpack programs, the build folder and the application id as $1..$4.

CMAKE=$1
CPACK=$2
BUILD=$3
APP_ID=$4

need() {
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "SKIP: $tool is not installed"
            exit 77
        fi
    done
}

fail() {
    echo "FAIL: $*"
    exit 1
}

WORK=$(mktemp -d /tmp/tockwell-install.XXXXXX)
trap 'rm -rf "$WORK"' EXIT

# What an installation holds, below its prefix, one file a line in sorted order.
expected_files() {
    {
        echo "bin/tockwell"
        echo "share/applications/$APP_ID.desktop"
        echo "share/doc/tockwell/changelog.gz"
        echo "share/doc/tockwell/copyright"
        echo "share/man/man1/tockwell.1.gz"
        for size in 16 24 32 48 64 128 256; do
            echo "share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
        done
        echo "share/icons/hicolor/scalable/apps/$APP_ID.svg"
        echo "share/metainfo/$APP_ID.metainfo.xml"
    } | LC_ALL=C sort
}

# Runs a program the way a desktop would before any session exists: no display, a home of its own.
# The sanitizer settings pass through, so the sanitizer build can run it too.
run_bare() {
    env -i HOME="$WORK/home" PATH=/usr/bin:/bin ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" "$@"
}
