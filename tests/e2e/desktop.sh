#!/usr/bin/env bash
# The real program among real desktop parts, a window manager and a tray host: its window class is the desktop
# entry's; the Options window from the keyboard (LED at start, green, 24 hour); under the tray host the window goes
# away and comes back (double-click, tray host ended); a second start brings it over the program that covered it
# and ends with 0; a start at login after a SIGKILL comes up in the tray with the settings kept; the login box
# writes and removes the autostart entry; the icon's menu ends the program without a question. First, a start
# without a display says why, in the user's language. $4 is the desktop entry.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
need Xvfb dbus-daemon xdotool xwininfo xprop xmessage openbox trayer desktop-file-validate
AUTOSTART="$XDG_CONFIG_HOME/autostart/$(basename "$4")"

# The program's icon window, embedded in the tray host's panel and shown there: only a shown icon
# takes a click.
icon() { local id; id=$(xwininfo -root -tree | awk '/^ +0x[0-9a-f]+ "panel": / {p = 1; next} p && /^     0x/ {p = 0} p && !id && /\("tockwell" "tockwell"\)/ {id = $1} END {if (id) print id; else exit 1}') && viewable "$id" && echo "$id"; }
# With the main window away, a shown window of the program other than the icon is the menu.
menu_up() { [ -n "$(xdotool search --onlyvisible --class tockwell | grep -vx "$(($(icon)))")" ]; }
start_trayer() {
    trayer --edge top --align right --widthtype request --height 24 --transparent false >"$WORK/trayer.log" 2>&1 &
    TRAYER=$! && PIDS+=("$TRAYER")
    wait_for 10 eval '[[ "$(xwininfo -root -tree)" == *\"panel\"* ]]' || fail "the tray host did not start"
}
# Whether window $1 is stacked above window $2: the window manager lists its windows from the bottom up.
above() { [[ " $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g') " == *" $(printf 0x%x $(($2))) "*"$(printf 0x%x $(($1))) "* ]]; }
put_away() { keys_until "gone Tockwell" ctrl+m && wait_for 10 icon >/dev/null || fail "Ctrl+M put no icon under the tray host"; }

# No display: said in a sentence with status 1, not the toolkit's abort; --version needs none, and a platform that
# needs none still runs.
headless=$(env -u DISPLAY -u WAYLAND_DISPLAY sh -c '"$0" --version && "$0"' "$PROGRAM" 2>&1; echo "status $?")
[[ "$headless" == "tockwell "*$'\n'"Tockwell needs a graphical desktop session: no X11 or Wayland display was found (DISPLAY and WAYLAND_DISPLAY are not set)."$'\n'"status 1" ]] || fail "a start without a display: $headless"
[[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u LC_ALL LANGUAGE=de LANG=C.UTF-8 "$PROGRAM" 2>&1)" == "Tockwell benötigt eine grafische Desktop-Sitzung: "* ]] || fail "a start without a display said it in no German"

start_x
start_trayer
start_program "2026-12-06 15:41:50"
[[ "$(xprop -id "$main" WM_CLASS)" == *", \"$(sed -n 's/^StartupWMClass=//p' "$4")\"" ]] ||
    fail "the window class is not the desktop entry's: $(xprop -id "$main" WM_CLASS)"

keys_until "window_of Options" ctrl+comma || fail "Ctrl+comma did not open the Options window"
options=$(window_of Options)
# General: the LED at start, the start at login. Time & Display: Green, then 24 hour.
keys "$options" Tab space Tab space ctrl+Tab Down Tab Right
keys "$options" Escape
wait_for 10 gone Options || fail "Escape did not close the Options window"
desktop-file-validate "$AUTOSTART" || fail "no valid autostart entry"
grep -qx "Exec=$PROGRAM --autostart" "$AUTOSTART" || fail "the autostart entry runs $(grep ^Exec "$AUTOSTART")"

put_away
xdotool mousemove --window "$(icon)" 10 10 click --repeat 2 --delay 80 1
wait_for 10 window_of Tockwell >/dev/null || fail "a double-click on the icon did not bring the window back"
wait_for 10 eval "! icon >/dev/null" || fail "the icon stayed after the window came back"
put_away
kill "$TRAYER"
wait_for 10 window_of Tockwell >/dev/null || fail "the window stayed hidden after the tray host ended"
start_trayer

# Under a window manager, another program's window covers the main window and takes the focus.
openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
PIDS+=($!)
wait_for 15 eval '[[ "$(xprop -root _NET_SUPPORTING_WM_CHECK 2>&1)" == *"window id"* ]]' || fail "openbox did not start"
xmessage -geometry 1280x800+0+0 "another program" &
PIDS+=($!)
wait_for 10 eval 'cover=$(window_of xmessage) && above "$cover" "$main"' || fail "nothing covered the main window"
timeout 30 "$PROGRAM" >"$WORK/second.log" 2>&1 || fail "the second start ended with status $?: $(cat "$WORK/second.log")"
wait_for 10 above "$main" "$cover" || fail "the second start left the main window under the program that covered it"
[ "$(window_of Tockwell | wc -l)" = 1 ] || fail "not one Tockwell window: $(window_of Tockwell)"
kill "${PIDS[@]: -2}"

# Killed, the program leaves its socket behind.
kill -KILL "$APP"
[ -S "$XDG_RUNTIME_DIR/tockwell-$(id -un)" ] || fail "the killed program left no socket behind, so this tests nothing"
wait_for 10 gone Tockwell || fail "the killed program's window stayed"
# The start at login: neither splash nor main window, only the icon; another one then shows nothing.
start_program "2026-12-06 15:41:50" --autostart
shown() { splash_exists || window_of Tockwell >/dev/null; }
quietly_in_tray() { ! shown || fail "the start at login showed a window"; icon >/dev/null; }
wait_for 30 quietly_in_tray || fail "the start at login put no icon under the tray host"
timeout 30 "$PROGRAM" --autostart || fail "a second start at login ended with status $?"
sleep 3
! shown || fail "the start at login showed a window later"
xdotool mousemove --window "$(icon)" 10 10 click --repeat 2 --delay 80 1
wait_for 10 window_of Tockwell >/dev/null || fail "a double-click on the icon did not bring the window back"
main=$(window_of Tockwell)
# What the keyboard chose in the Options window was on disk before the SIGKILL.
kept=$(cat "$XDG_CONFIG_HOME/tockwell.conf")
for setting in "Graphical%20Clock%20on%20Startup=2" "Clock%20Colour=2" "Time%20Interval=2"; do
    [[ "$kept" == *"$setting"* ]] || fail "the settings lack $setting after the restart: $kept"
done
# The box shows the entry; unchecked, it takes the entry away.
keys_until "window_of Options" ctrl+comma || fail "Ctrl+comma did not open the Options window"
keys "$(window_of Options)" Tab Tab space Escape
wait_for 10 eval '! test -e "$AUTOSTART"' || fail "unchecking the start at login left the autostart entry"

put_away
# Once, in a CI run, the first right click opened nothing; none of 112 since (side by side, beside busy
# loops) missed. A second click is a user's answer too; a miss is said, and two fail.
xdotool mousemove --window "$(icon)" 10 10 click 3
wait_for 5 menu_up || { try_grab right-click-missed; echo "No menu after the first right click (right-click-missed.png)"; xdotool mousemove --window "$(icon)" 10 10 click 3; }
wait_for 10 menu_up || fail "the right button did not open the icon's menu"
xdotool key --delay 60 Up Return
wait_for 10 bash -c "! kill -0 $APP 2>/dev/null" || fail "Exit Tockwell from the icon's menu did not end the program"
wait "$APP" || fail "the program ended with status $?"
echo "PASS: options and start at login from the keyboard, tray, second start, start at login after SIGKILL, exit from the tray"
