#!/usr/bin/env bash
# One Tockwell per user: a second start brings the running main window to the front and ends
# with status 0; after the first was killed outright, leaving its socket behind, the next start
# comes up normally. The window class the program sets is the one its desktop entry names.
# $4 is the desktop entry.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
DESKTOP_ENTRY=$4
need Xvfb xdotool xwininfo xdpyinfo xprop xmessage

start_x
SOCKET="$XDG_RUNTIME_DIR/tockwell-$(id -un)"

# The main window's id, once it is up (the splash is 496x254).
main_window() {
    windows_named Tockwell | awk '$2 != "496x254" { print $1; found = 1 } END { exit !found }'
}

# The topmost viewable top-level window.
top_window() {
    local id
    for id in $(xwininfo -root -children | awk '$1 ~ /^0x/ { print $1 }'); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && { echo "$id"; return 0; }
    done
    return 1
}

start_first() {
    "$PROGRAM" >>"$WORK/tockwell.log" 2>&1 &
    FIRST=$!
    PIDS+=($FIRST)
    wait_for 20 main_window >/dev/null || fail "$1: the main window did not appear"
    MAIN=$(main_window)
}

start_first "first start"
class=$(xprop -id "$MAIN" WM_CLASS | sed -n 's/.*= "\([^"]*\)", "\([^"]*\)"$/\2/p')
wm_class=$(sed -n 's/^StartupWMClass=//p' "$DESKTOP_ENTRY")
[ -n "$class" ] && [ "$class" = "$wm_class" ] ||
    fail "the window class is '$class', the desktop entry says StartupWMClass=$wm_class"

# Another program's window covers the main window and takes the focus.
xmessage -name cover -geometry 1280x800+0+0 "another program" &
PIDS+=($!)
covered() { [ "$(top_window)" != "$MAIN" ]; }
wait_for 10 covered || fail "the covering window did not come over the main window"

started=$(now_ms)
timeout 30 "$PROGRAM" >"$WORK/second.log" 2>&1
status=$?
[ "$status" = 0 ] || fail "the second start ended with status $status: $(cat "$WORK/second.log")"
echo "second start ended after $(($(now_ms) - started)) ms"
in_front() { [ "$(top_window)" = "$MAIN" ]; }
wait_for 10 in_front || fail "the main window did not come to the front"
grab in-front
kill -0 "$FIRST" 2>/dev/null || fail "the first program ended"
[ "$(windows_named Tockwell | wc -l)" = 1 ] || fail "more than one Tockwell window: $(windows_named Tockwell)"

kill -KILL "$FIRST"
wait "$FIRST" 2>/dev/null
[ -S "$SOCKET" ] || fail "the killed program left no socket behind, so this test tests nothing"
gone() { ! main_window >/dev/null; }
wait_for 10 gone || fail "the killed program's window stayed"
start_first "start after a kill"
echo "PASS: second start handed over and ended with 0; a start after SIGKILL came up normally"
