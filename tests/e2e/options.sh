#!/usr/bin/env bash
# The Options window from the keyboard: LED at start, green, 24 hour. After a restart the LED shows
# the hours in 24-hour form and in green.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
need Xvfb xdotool xwininfo xdpyinfo faketime

start_x
start_program "2026-12-06 15:41:50"
keys_until Options ctrl+comma || fail "Ctrl+comma did not open the Options window"
options=$(window_of Options)
# General: the LED at start. Time & Display: Green, then 24 hour.
keys "$options" Tab space ctrl+Tab Down Tab Right
grab options-display "$options"
keys "$options" Escape
wait_for 5 gone Options || fail "Escape did not close the Options window"
# The program runs as faketime's child: end the program itself, or the next start hands over to it.
pkill -P "$APP"
wait "$APP" 2>/dev/null

start_program "2026-12-06 15:41:50"
led_shows_15_green() { try_grab options-restart "$main" && "$GRAB" --find-led "$ARTIFACTS/options-restart.png" 15 2; }
wait_for 5 led_shows_15_green || fail "after the restart the LED does not show 15 in green (see options-restart.png)"
echo "PASS: options set from the keyboard hold after a restart"
