#!/usr/bin/env bash
# The real program among real desktop parts: the Options window from the keyboard (LED at start, green,
# 24 hour); under a tray host the window goes away and comes back (double-click, tray host ended); a
# second start brings it to the front and ends with 0; a start after a SIGKILL comes up with the
# settings kept; the icon's menu ends the program without a question. $4 is the desktop entry.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
need Xvfb xdotool xwininfo xdpyinfo xprop xmessage trayer faketime

# The program's icon window, embedded in the tray host's panel.
icon() { xwininfo -root -tree | awk '/^ +0x[0-9a-f]+ "panel": / {p = 1; next} p && /^     0x/ {p = 0} p && /\("tockwell" "tockwell"\)/ {print $1; exit}' | grep .; }
no_icon() { ! icon >/dev/null; }
# With the main window away, a shown window of the program other than the icon is the menu.
menu_up() { xdotool search --onlyvisible --class tockwell | grep -vx "$(($(icon)))" | grep -q .; }
start_trayer() {
    trayer --edge top --align right --widthtype request --height 24 --transparent false >"$WORK/trayer.log" 2>&1 &
    TRAYER=$!
    PIDS+=("$TRAYER")
    wait_for 10 bash -c "xwininfo -root -tree | grep -q '\"panel\"'" || fail "the tray host did not start"
}
put_away() {
    # A window just mapped may not have taken the focus when the first key arrives: try again.
    for attempt in 1 2 3 4 5; do
        keys "$main" ctrl+m
        wait_for 2 gone Tockwell && break
    done
    wait_for 5 icon >/dev/null || fail "Ctrl+M put no icon under the tray host"
}
# The topmost viewable top-level window.
top_window() {
    for id in $(xwininfo -root -children | awk '$1 ~ /^0x/ { print $1 }'); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && { echo "$id"; return 0; }
    done
}
covered() { [ "$(top_window)" != "$main" ]; }
in_front() { [ "$(top_window)" = "$main" ]; }

start_x
start_trayer
start_program "2026-12-06 15:41:50"
class=$(xprop -id "$main" WM_CLASS | sed -n 's/.*, "\([^"]*\)"$/\1/p')
[ -n "$class" ] && grep -qx "StartupWMClass=$class" "$4" || fail "the window class '$class' is not the desktop entry's"

keys_until Options ctrl+comma || fail "Ctrl+comma did not open the Options window"
# General: the LED at start. Time & Display: Green, then 24 hour.
keys "$(window_of Options)" Tab space ctrl+Tab Down Tab Right Escape
wait_for 5 gone Options || fail "Escape did not close the Options window"

put_away
xdotool mousemove --window "$(icon)" 10 10 click --repeat 2 --delay 80 1
wait_for 5 window_of Tockwell >/dev/null || fail "a double-click on the icon did not bring the window back"
wait_for 5 no_icon || fail "the icon stayed after the window came back"
put_away
kill "$TRAYER"
wait_for 5 window_of Tockwell >/dev/null || fail "the window stayed hidden after the tray host ended"
start_trayer

# Another program's window covers the main window and takes the focus.
xmessage -name cover -geometry 1280x800+0+0 "another program" &
PIDS+=($!)
wait_for 10 covered || fail "nothing covered the main window"
timeout 30 "$PROGRAM" >"$WORK/second.log" 2>&1 || fail "the second start ended with status $?: $(cat "$WORK/second.log")"
wait_for 10 in_front || fail "the main window did not come to the front"
[ "$(windows_named Tockwell | wc -l)" = 1 ] || fail "not one Tockwell window: $(windows_named Tockwell)"
kill "${PIDS[-1]}"

# The program runs as faketime's child: the program itself is killed, leaving its socket behind.
pkill -KILL -P "$APP"
[ -S "$XDG_RUNTIME_DIR/tockwell-$(id -un)" ] || fail "the killed program left no socket behind, so this tests nothing"
wait_for 10 gone Tockwell || fail "the killed program's window stayed"
start_program "2026-12-06 15:41:50"
led_shows_15_green() { try_grab options-restart "$main" && "$GRAB" --find-led "$ARTIFACTS/options-restart.png" 15 2; }
wait_for 5 led_shows_15_green || fail "after the restart the LED does not show 15 in green (see options-restart.png)"

put_away
xdotool mousemove --window "$(icon)" 10 10 click 3
wait_for 5 menu_up || fail "the right button did not open the icon's menu"
xdotool key --delay 60 Up Return
wait_for 5 bash -c "! kill -0 $APP 2>/dev/null" || fail "Exit Tockwell from the icon's menu did not end the program"
wait "$APP" || fail "the program ended with status $?"
echo "PASS: options and update check from the keyboard, tray, second start, restart after SIGKILL, exit from the tray"
