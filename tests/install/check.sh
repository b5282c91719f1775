#!/usr/bin/env bash
# $5 = installed: installs into a scratch prefix, checks it with the desktop's own validators, and runs
# it under Xvfb as root and as an ordinary user (or as the caller alone), each able to write the prefix.
# $5 = package: builds the Debian package and reads it with dpkg-deb.
# Either way: exactly the expected files, and (as root) a wake helper that holds its capability. $1..$4: cmake,
# cpack, the build folder, the application id.
set -uo pipefail
CMAKE=$1 CPACK=$2 BUILD=$3 APP_ID=$4 MODE=$5
fail() { echo "FAIL: $*"; exit 1; }
[ "$MODE" = installed ] && tools="desktop-file-validate appstreamcli Xvfb setpriv getcap" || tools="dpkg-deb dpkg-shlibdeps lintian getcap setcap"
for tool in $tools; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed" && exit 77; }
done
WORK=$(mktemp -d /tmp/tockwell-install.XXXXXX)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$WORK"' EXIT
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
    printf '%s\n' bin/tockwell lib/tockwell/libtockwell_{sound,decoder}.so lib/tockwell/tockwell-wake "share/applications/$APP_ID.desktop" share/doc/tockwell/{changelog.gz,copyright} \
        "share/icons/hicolor/scalable/apps/$APP_ID.svg" share/man/man1/tockwell.1.gz "share/metainfo/$APP_ID.metainfo.xml"
    for size in 16 24 32 48 64 128 256; do echo "share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"; done
} | LC_ALL=C sort >"$WORK/expected"
(cd "$ROOT" && find . -type f -printf '%P\n' | LC_ALL=C sort) | diff -u "$WORK/expected" - || fail "other files than expected"
if [ "$MODE" = package ]; then
    # The package's own script, run as dpkg would run it for a system rooted at $WORK/root.
    dpkg-deb -e "$DEB" "$WORK/control" && DPKG_ROOT="$WORK/root" sh "$WORK/control/postinst" configure ||
        fail "the postinst failed"
fi
# Only root may give a file a capability; an install by anyone else says how to.
[ "$(id -u)" -ne 0 ] || [ "$(getcap "$ROOT/lib/tockwell/tockwell-wake")" = "$ROOT/lib/tockwell/tockwell-wake cap_wake_alarm=ep" ] ||
    fail "the wake helper lacks its capability: $(getcap "$ROOT/lib/tockwell/tockwell-wake")"

if [ "$MODE" = installed ]; then
    DESKTOP="$ROOT/share/applications/$APP_ID.desktop"
    desktop-file-validate "$DESKTOP" || fail "desktop-file-validate rejects the desktop entry"
    appstreamcli validate --no-net "$ROOT/share/metainfo/$APP_ID.metainfo.xml" || fail "appstreamcli rejects the metainfo"
    grep -qx "Icon=$APP_ID" "$DESKTOP" && grep -qx "Exec=tockwell" "$DESKTOP" || fail "Icon or Exec name nothing installed"

    # Running, the program writes its sound files to the user's cache and nothing under the prefix; a
    # SIGTERM ends it with status 0 and takes the files away.
    await() { for _ in $(seq 300); do "$@" && return 0; sleep 0.1; done; return 1; }
    Xvfb -displayfd 3 -noreset -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
    await test -s "$WORK/display" || fail "no X server could be started"
    users=$(id -un) && [ "$(id -u)" -ne 0 ] || users="root nobody"
    chmod 755 "$WORK" && find "$ROOT" | sort >"$WORK/before"
    for user in $users; do
        chown -R "$user" "$WORK/root" && home="$WORK/home-$user" && install -d -o "$user" -m 700 "$home"{,/run}
        as=() && [ "$user" = "$(id -un)" ] || as=(setpriv --reuid="$user" --regid="$(id -g "$user")" --init-groups)
        "${as[@]}" env -u QT_QPA_PLATFORM HOME="$home" XDG_CACHE_HOME="$home/cache" XDG_CONFIG_HOME="$home/config" \
            XDG_RUNTIME_DIR="$home/run" DISPLAY=":$(cat "$WORK/display")" "$ROOT/bin/tockwell" >"$WORK/run.log" 2>&1 &
        sounds=("$home/cache/tockwell/tempFiles/"snd{1,2}.\$\$\$)
        await test -s "${sounds[1]}" || { cat "$WORK/run.log"; fail "$user: no sound files in the cache"; }
        # The sound player is loaded from the prefix once the splash is up.
        await grep -q "$ROOT/lib/tockwell/libtockwell_sound.so" "/proc/$!/maps" ||
            { cat "$WORK/run.log"; fail "$user: the sound module was not loaded"; }
        # The decoder module waits for a sound file the user chose; the built-in sounds never load it. (The sound
        # server's client library maps libsndfile by itself, for its own sample cache.)
        ! grep -q libtockwell_decoder "/proc/$!/maps" || fail "$user: the decoder module was loaded at start"
        kill -TERM $! && wait $! || fail "$user: SIGTERM ended the program with status $?"
        ! ls "${sounds[@]}" 2>/dev/null || fail "$user: the sound files outlived SIGTERM"
        find "$ROOT" | sort | diff -u "$WORK/before" - || fail "$user: the program wrote under its prefix"
    done
else
    lintian --fail-on error,warning "$DEB" 2>&1 | grep -v 'running with root privileges' | tee "$WORK/lintian"
    [ "${PIPESTATUS[0]}" -eq 0 ] && ! grep -q . "$WORK/lintian" || fail "lintian finds fault with the package"
    depends=$(dpkg-deb -f "$DEB" Depends)
    for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libpulse0 libsndfile1 libcap2-bin qt6-qpa-plugins; do
        [[ ", $depends," =~ ", $package"[\ ,] ]] || fail "Depends lacks $package: $depends"
    done
fi
echo "PASS: $MODE: $(wc -l <"$WORK/expected") files${users:+, run by $users}"
