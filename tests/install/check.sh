#!/usr/bin/env bash
# $5 = installed: installs into a scratch prefix and checks it with the desktop's own validators.
# $5 = package: builds the Debian package and reads it with dpkg-deb.
# Either way: exactly the expected files. $1..$4: cmake, cpack, the build folder, the application id.
set -uo pipefail
CMAKE=$1 CPACK=$2 BUILD=$3 APP_ID=$4 MODE=$5
fail() { echo "FAIL: $*"; exit 1; }
[ "$MODE" = installed ] && tools="desktop-file-validate appstreamcli" || tools="dpkg-deb dpkg-shlibdeps"
for tool in $tools; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed" && exit 77; }
done
WORK=$(mktemp -d /tmp/tockwell-install.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
ROOT="$WORK/root/usr"

if [ "$MODE" = installed ]; then
    "$CMAKE" --install "$BUILD" --prefix "$ROOT" >"$WORK/log" 2>&1 || { cat "$WORK/log"; fail "install failed"; }
else
    (cd "$WORK" && "$CPACK" -G DEB --config "$BUILD/CPackConfig.cmake" -B "$WORK/out") >"$WORK/log" 2>&1 ||
        { cat "$WORK/log"; fail "cpack failed"; }
    DEB=$(echo "$WORK"/out/tockwell_*.deb)
    dpkg-deb -x "$DEB" "$WORK/root" || fail "no package: $DEB"
fi

{
    printf '%s\n' bin/tockwell "share/applications/$APP_ID.desktop" share/doc/tockwell/{changelog.gz,copyright} \
        "share/icons/hicolor/scalable/apps/$APP_ID.svg" share/man/man1/tockwell.1.gz "share/metainfo/$APP_ID.metainfo.xml"
    for size in 16 24 32 48 64 128 256; do echo "share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"; done
} | LC_ALL=C sort >"$WORK/expected"
(cd "$ROOT" && find . -type f -printf '%P\n' | LC_ALL=C sort) | diff -u "$WORK/expected" - || fail "other files than expected"

if [ "$MODE" = installed ]; then
    DESKTOP="$ROOT/share/applications/$APP_ID.desktop"
    desktop-file-validate "$DESKTOP" || fail "desktop-file-validate rejects the desktop entry"
    appstreamcli validate --no-net "$ROOT/share/metainfo/$APP_ID.metainfo.xml" || fail "appstreamcli rejects the metainfo"
    grep -qx "Icon=$APP_ID" "$DESKTOP" && grep -qx "Exec=tockwell" "$DESKTOP" || fail "Icon or Exec name nothing installed"
else
    depends=$(dpkg-deb -f "$DEB" Depends)
    for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libqt6network6 qt6-qpa-plugins; do
        [[ ", $depends," =~ ", $package"[\ ,] ]] || fail "Depends lacks $package: $depends"
    done
fi
echo "PASS: $MODE: $(wc -l <"$WORK/expected") files"
