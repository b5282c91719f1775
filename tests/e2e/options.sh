#!/usr/bin/env bash
# The Options window from the keyboard: LED at start, green, 24 hour. After a restart the LED shows
# the hours in 24-hour form and in green.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
need Xvfb xdotool xwininfo xdpyinfo faketime

window_of() { windows_named "$1" | grep -v ' 496x254$' | cut -d' ' -f1 | grep .; } # $1 title; not the splash
gone() { ! window_of "$1" >/dev/null; }
keys() { # $1 window id, then key names
    local id=$1
    shift
    xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
    xdotool key --delay 60 "$@"
}
start_program() {
    DONT_FAKE_MONOTONIC=1 faketime -f "@2026-12-06 15:41:50" "$PROGRAM" >"$WORK/tockwell.log" 2>&1 &
    APP=$!
    PIDS+=("$APP")
    wait_for 15 window_of Tockwell >/dev/null || fail "the main window did not appear"
    main=$(window_of Tockwell)
}

start_x
start_program
# A window just mapped may not have taken the focus when the first key arrives: try again.
for attempt in 1 2 3 4 5; do
    keys "$main" ctrl+comma
    wait_for 2 window_of Options >/dev/null && break
done
options=$(window_of Options) || fail "Ctrl+comma did not open the Options window"
# General: the LED at start. Time & Display: Green, then 24 hour.
keys "$options" Tab space ctrl+Tab Down Tab Right
grab options-display "$options"
keys "$options" Escape
wait_for 5 gone Options || fail "Escape did not close the Options window"
kill "$APP"
wait "$APP" 2>/dev/null

start_program
led_shows_15_green() { try_grab options-restart "$main" && "$GRAB" --find-led "$ARTIFACTS/options-restart.png" 15 2; }
wait_for 5 led_shows_15_green || fail "after the restart the LED does not show 15 in green (see options-restart.png)"
echo "PASS: options set from the keyboard hold after a restart"
