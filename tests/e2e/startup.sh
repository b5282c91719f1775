#!/usr/bin/env bash
# Starts the real program under Xvfb: the splash comes first, the main window about two
# seconds later, and the main window's clock keeps moving.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
need Xvfb xdotool xwininfo xdpyinfo

start_x
"$PROGRAM" >"$WORK/tockwell.log" 2>&1 &
PIDS+=($!)

find_sized() { # $1 = WxH wanted, or !WxH for any other size
    local id
    for id in $(windows_named Tockwell); do
        local size
        size=$(window_size "$id")
        if [ "${1#!}" != "$1" ]; then [ "$size" != "${1#!}" ] && { echo "$id"; return 0; }; else [ "$size" = "$1" ] && { echo "$id"; return 0; }; fi
    done
    return 1
}

wait_for 15 find_sized 496x254 >/dev/null || fail "the splash window did not appear"
splash=$(find_sized 496x254)
splash_seen=$(now_ms)
grab splash "$splash"

wait_for 10 find_sized '!496x254' >/dev/null || fail "the main window did not appear"
main_seen=$(now_ms)
main=$(find_sized '!496x254')
handover=$((main_seen - splash_seen))
echo "splash to main window: ${handover} ms"
# The splash was first seen some time after its timer started, so the hand-over looks a little short.
[ "$handover" -ge 1200 ] && [ "$handover" -le 4000 ] || fail "hand-over took ${handover} ms, expected about 2000"
splash_gone() { ! find_sized 496x254 >/dev/null; }
wait_for 3 splash_gone || fail "the splash stayed after the main window appeared"

grab main-1 "$main"
clock_moved() {
    grab main-2 "$main"
    ! cmp -s "$ARTIFACTS/main-1.png" "$ARTIFACTS/main-2.png"
}
wait_for 5 clock_moved || fail "the time label did not change"

for sound in 'snd1.$$$:476972' 'snd2.$$$:120696'; do
    file="$WORK/program/tempFiles/${sound%%:*}"
    [ -f "$file" ] || fail "$file was not written"
    [ "$(stat -c %s "$file")" = "${sound##*:}" ] || fail "$file has the wrong size"
done
echo "PASS: splash, main window and sound files; screenshots in $ARTIFACTS"
