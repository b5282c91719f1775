#!/usr/bin/env bash
# Installs into a scratch prefix: the expected files and nothing else, a desktop entry and
# AppStream data the desktop's own validators accept, icons of the sizes their folders promise,
# and a program that answers --version and --help without a display and without touching settings.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
need desktop-file-validate appstreamcli od

PREFIX="$WORK/prefix"
"$CMAKE" --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" 2>&1 || { cat "$WORK/install.log"; fail "install failed"; }
(cd "$PREFIX" && find . -type f -printf '%P\n' | LC_ALL=C sort) >"$WORK/installed"
expected_files >"$WORK/expected"
diff -u "$WORK/expected" "$WORK/installed" || fail "the installed files differ from the expected list"

DESKTOP="$PREFIX/share/applications/$APP_ID.desktop"
desktop-file-validate "$DESKTOP" || fail "desktop-file-validate rejects the desktop entry"
appstreamcli validate --no-net "$PREFIX/share/metainfo/$APP_ID.metainfo.xml" || fail "appstreamcli rejects the metainfo"
entry() { sed -n "s/^$1=//p" "$DESKTOP"; }
[ "$(entry Icon)" = "$APP_ID" ] || fail "the desktop entry names icon '$(entry Icon)'"
[ -x "$PREFIX/bin/$(entry Exec)" ] || fail "the desktop entry starts '$(entry Exec)', which is not installed"

for size in 16 24 32 48 64 128 256; do
    png="$PREFIX/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
    # Width and height are the two big-endian words after the 16-byte PNG signature and chunk head.
    read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$png")
    width=$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4))
    height=$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))
    [ "$width x $height" = "$size x $size" ] || fail "the ${size}x${size} icon is $width x $height"
done
tr '\n' ' ' <"$PREFIX/share/icons/hicolor/scalable/apps/$APP_ID.svg" | grep -q '<svg[^>]*viewBox="0 0 256 256"' ||
    fail "the scalable icon is not a square SVG picture"

version=$(run_bare "$PREFIX/bin/tockwell" --version) || fail "--version failed"
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$PREFIX/share/metainfo/$APP_ID.metainfo.xml")
[ "$version" = "tockwell $release" ] || fail "--version says '$version', the metainfo's release is '$release'"
run_bare "$PREFIX/bin/tockwell" --help | grep -q -- '--version' || fail "--help does not list --version"
[ -z "$(ls -A "$WORK/home" 2>/dev/null)" ] || fail "--help or --version wrote into the home folder: $(ls -AR "$WORK/home")"
echo "PASS: $(wc -l <"$WORK/installed") files installed; desktop entry and metainfo valid; $version"
