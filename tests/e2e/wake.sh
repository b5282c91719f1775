#!/usr/bin/env bash
# The wake helper for real, read through the kernel's record of its timer: run as root it arms
# CLOCK_REALTIME_ALARM for the time written to it, moves it with each new line, disarms it on an empty one,
# refuses anything else without a change, and ends when its input closes. It keeps no other capability. A copy
# with cap_wake_alarm serves an ordinary user (refused without it: tst_desktop). $4: the helper.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
HELPER=$4
[ "$(id -u)" -eq 0 ] || { echo "SKIP: only root can run the helper as another user and give it a capability" && exit 77; }
need setpriv setcap
chmod 755 "$WORK"

# Starts the helper ($@ before it, e.g. to run it as nobody) reading a pipe, and waits for its "ready".
start() {
    rm -f "$WORK/in" && mkfifo "$WORK/in"
    "$@" <"$WORK/in" >"$WORK/out" 2>"$WORK/err" &
    PID=$! && PIDS+=("$PID") && exec {IN}>"$WORK/in" && wait_for 5 grep -qx ready "$WORK/out"
}
# Writes line $1, then waits until the timer has $2 seconds left.
tell() { printf '%s\n' "$1" >&"$IN" && wait_for 2 timer_at "$PID" "$2"; }

start "$HELPER" || fail "the helper did not start: $(cat "$WORK/err")"
[ "$(sed -n 's/^CapEff:\t//p' "/proc/$PID/status")" = 0000000800000000 ] || fail "it kept capabilities besides cap_wake_alarm"
tell $(($(date +%s) + 3600)) 3600 || fail "not armed for the time written"
tell $(($(date +%s) + 600)) 600 || fail "not moved to the new time"
for refused in abc 12x -5 0 99999999999999 "$(head -c 200 /dev/zero | tr '\0' 7)"; do
    tell "$refused" 600 || fail "'$refused' changed the timer"
done
[ "$(grep -c 'refused a line that is not a time' "$WORK/err")" -eq 6 ] || fail "refused lines were not told: $(cat "$WORK/err")"
tell "" 0 || fail "an empty line did not disarm it"
tell $(($(date +%s) + 120)) 120 || fail "not armed again after the disarm"
exec {IN}>&-
wait_for 5 eval "! kill -0 $PID 2>/dev/null" && wait "$PID" || fail "it did not end with status 0 when its input closed"

cp "$HELPER" "$WORK/tockwell-wake" && setcap cap_wake_alarm+ep "$WORK/tockwell-wake" || fail "setcap failed"
start setpriv --reuid=65534 --regid=65534 --clear-groups "$WORK/tockwell-wake" || fail "the helper with its capability did not start: $(cat "$WORK/err")"
tell $(($(date +%s) + 300)) 300 || fail "the helper with its capability did not arm the timer for an ordinary user"
echo "PASS: armed, moved, refused 6 bad lines, disarmed, ended with its input; served nobody with its capability"
