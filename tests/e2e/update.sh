#!/usr/bin/env bash
# The update check against a real HTTP server on this machine: a newer version brings the download
# question; with the server gone, the check says it could not check.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
need Xvfb xdotool xwininfo xdpyinfo faketime python3

mkdir -p "$WORK/www/tockwell"
printf '1.0.1' >"$WORK/www/tockwell/tkw-latestversion.ver"
printf 'Tockwell 1.0.1 rings <b>louder</b>.\r\nDownload it now?' >"$WORK/www/tockwell/tkw-latestversion.txt"
python3 -u -m http.server --bind 127.0.0.1 --directory "$WORK/www" 0 >"$WORK/http.log" 2>&1 &
SERVER=$!
PIDS+=("$SERVER")
wait_for 10 grep -q 'port [0-9]' "$WORK/http.log" || fail "the HTTP server did not start"
port=$(grep -o 'port [0-9]*' "$WORK/http.log" | head -n 1 | cut -d' ' -f2)
export TOCKWELL_UPDATE_SERVER="http://127.0.0.1:$port"

start_x
start_program "2026-12-06 09:00:00"
keys_until Options ctrl+comma || fail "Ctrl+comma did not open the Options window"
options=$(window_of Options)
# From the first tab's first control to the fourth tab's only button.
keys "$options" ctrl+Tab ctrl+Tab ctrl+Tab Tab
# The program's own message boxes carry its name; the main window is the one not new.
box() { window_of "$1" | grep -vx "$main" | head -n 1 | grep .; }
no_box() { ! box "$1" >/dev/null; }
keys "$options" space
wait_for 20 box "Download Latest Version" >/dev/null || fail "no download question for a newer version"
grab update-question "$(box "Download Latest Version")"
grep -q 'GET /tockwell/tkw-latestversion.txt' "$WORK/http.log" || fail "the notice was not fetched"
keys "$(box "Download Latest Version")" Escape
wait_for 5 no_box "Download Latest Version" || fail "No did not close the question"

kill "$SERVER"
wait "$SERVER" 2>/dev/null
keys "$options" space
wait_for 20 box Tockwell >/dev/null || fail "no message when the server is gone"
grab update-failed "$(box Tockwell)"
keys "$(box Tockwell)" Return
wait_for 5 no_box Tockwell || fail "the failure message stayed"
echo "PASS: newer version offered; a missing server reported"
