# Sourced by run.sh and test.sh: installs the Debian packages that are missing, and nothing else.

# qt6-svg-dev: the build paints the scalable icon with QSvgGenerator; the program itself does not link it.
# qt6-tools-dev (CMake's qt_add_translations) and qt6-l10n-tools (lupdate, lrelease): the catalogues.
BUILD_PACKAGES="cmake g++ make qt6-base-dev libpulse-dev libsndfile1-dev pkgconf qt6-svg-dev libfontconfig-dev qt6-tools-dev qt6-l10n-tools"
# Test-time tools: a virtual X server, a private session bus with a notification server and a monitor
# (dbus-bin), a stand-in logind on a private system bus (python3-dbusmock), a headless Wayland compositor
# with XWayland, a tray host, a private sound server, a shifted clock, the desktop's validators for the
# installed files, dpkg-shlibdeps and lintian for the Debian package, getcap and setcap for the wake
# helper's capability, and setpriv to run the installed program as an ordinary user.
# xdg-utils stays out on purpose: its xdg-open "succeeds" without any browser.
# clang and its runtimes build the session reader's fuzz target. Qt's own catalogue (its buttons in German),
# and the accessibility bus with the Python library a screen reader reads it through. openbox: a window manager
# that stacks windows as a desktop's does, for a second start that must bring the window over another program's.
TEST_PACKAGES="xvfb xauth dbus-daemon dbus-bin python3-dbusmock notification-daemon weston xwayland x11-utils xdotool trayer pulseaudio pulseaudio-utils sox libsox-fmt-all faketime tzdata python3 fonts-dejavu-core clang-format desktop-file-utils appstream dpkg-dev lintian libcap2-bin util-linux clang libclang-rt-dev qt6-translations-l10n at-spi2-core python3-pyatspi openbox"
# Only bench/ needs these: Google Benchmark, the X client library the window watch uses, and strace.
BENCH_PACKAGES="libbenchmark-dev libxcb1-dev pkgconf strace"

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

JOBS=$(nproc 2>/dev/null || echo 2)
