#!/usr/bin/env bash
# The notification area under a real tray host: put the window away and bring it back with a
# double-click, the window comes back when the tray host ends, the icon's menu ends the program
# without a question; and an alarm brings the window back from the tray.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
need Xvfb xdotool xwininfo xdpyinfo trayer faketime

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
    gone Tockwell || fail "Ctrl+M left the main window on screen"
    wait_for 5 icon >/dev/null || fail "no icon appeared under the tray host"
}

start_x
start_trayer
start_program "2026-12-06 09:00:00"
put_away
grab tray-icon
xdotool mousemove --window "$(icon)" 10 10 click --repeat 2 --delay 80 1
wait_for 5 window_of Tockwell >/dev/null || fail "a double-click on the icon did not bring the window back"
wait_for 5 no_icon || fail "the icon stayed after the window came back"

put_away
kill "$TRAYER"
wait_for 5 window_of Tockwell >/dev/null || fail "the window stayed hidden after the tray host ended"
start_trayer

put_away
xdotool mousemove --window "$(icon)" 10 10 click 3
wait_for 5 menu_up || fail "the right button did not open the icon's menu"
grab tray-menu
xdotool key --delay 60 Up Return
wait_for 5 bash -c "! kill -0 $APP 2>/dev/null" || fail "Exit Tockwell did not end the program (a question may be open)"
wait "$APP" || fail "the program ended with status $?"

# An alarm rings while the window is in the tray: the window comes back with the alarm window.
launched=$(now_ms)
start_program "2026-12-06 07:04:20"
keys_until "Record New Time" ctrl+n || fail "the record window did not open"
record=$(window_of "Record New Time")
keys "$record" Tab 0 7 Tab 0 5 Tab A Tab
xdotool type --delay 30 "tray wake-up"
keys "$record" Return
confirmation() { windows_named Tockwell | cut -d' ' -f1 | grep -v "^$main\$" | grep .; }
wait_for 5 confirmation >/dev/null || fail "no confirmation after Accept"
keys "$(confirmation)" Return
wait_for 5 gone "Record New Time" || fail "the record window stayed open"
put_away
[ "$(now_ms)" -lt $((launched + 38000)) ] || fail "putting the alarm in place took too long to test the minute"
wait_for 60 window_of Alarm >/dev/null || fail "the alarm did not ring while the window was in the tray"
wait_for 5 window_of Tockwell >/dev/null || fail "the alarm did not bring the main window back"
no_icon || fail "the icon stayed in the tray after the alarm"
grab tray-alarm
echo "PASS: put away, brought back, exited from the tray menu, and rang from the tray"
