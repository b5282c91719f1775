#!/usr/bin/env bash
# The wake helper for real, read through the kernel's record of its timer, on a computer whose real-time clock can
# wake it ($5 makes the kernel answer so): run as root it keeps only cap_wake_alarm, may gain no privileges, keeps
# no file its starter left open, arms CLOCK_REALTIME_ALARM for the time written to it, moves it with each new line,
# disarms it on an empty one, refuses anything else (a time less than 10 s or more than 8 days ahead too) without
# a change, and ends when its input closes. Without such a clock it ends at once with status 3. A copy with
# cap_wake_alarm serves an ordinary user (refused without it: tst_desktop). $4: the helper.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
HELPER=$4 RTC=$5
[ "$(id -u)" -eq 0 ] || { echo "SKIP: only root can run the helper as another user and give it a capability" && exit 77; }
need setpriv setcap
chmod 755 "$WORK"

# Starts the helper ($@ before it, e.g. to run it as nobody) reading a pipe, with one more file open, and waits
# for its "ready".
start() {
    rm -f "$WORK/in" && mkfifo "$WORK/in"
    "$RTC" yes "$@" <"$WORK/in" >"$WORK/out" 2>"$WORK/err" 9</dev/null &
    PID=$! && PIDS+=("$PID") && exec {IN}>"$WORK/in" && wait_for 5 grep -qx ready "$WORK/out"
}
# Writes line $1, then waits until the timer has $2 seconds left.
tell() { printf '%s\n' "$1" >&"$IN" && wait_for 2 timer_at "$PID" "$2"; }
refusals() { [ "$(grep -c '^tockwell-wake: refused ' "$WORK/err")" -eq "$1" ]; }

"$RTC" no "$HELPER" </dev/null >"$WORK/out" 2>&1
[ $? -eq 3 ] && ! grep -q ready "$WORK/out" || fail "without a clock that can wake the computer: $(cat "$WORK/out")"
start "$HELPER" || fail "the helper did not start: $(cat "$WORK/err")"
[ "$(sed -n 's/^CapEff:\t//p' "/proc/$PID/status")" = 0000000800000000 ] || fail "it kept capabilities besides cap_wake_alarm"
grep -qx 'NoNewPrivs:.1' "/proc/$PID/status" || fail "it may gain privileges through a program it starts"
[ "$(ls "/proc/$PID/fd" | tr '\n' ' ')" = "0 1 2 3 " ] || fail "it kept other files open: $(ls -l "/proc/$PID/fd")"
now=$(date +%s)
tell $((now + 8 * 86400 - 60)) $((8 * 86400 - 60)) || fail "not armed for the time written, 8 days ahead"
tell $((now + 600)) 600 || fail "not moved to the new time"
printf '%s\n' abc 12x -5 0 99999999999999 "$(head -c 200 /dev/zero | tr '\0' 7)" $((now + 5)) $((now + 8 * 86400 + 60)) \
    99999999999999999999 >&"$IN"
wait_for 2 refusals 9 && timer_at "$PID" 600 || fail "refused lines were not told, or changed the timer: $(cat "$WORK/err")"
printf '12\0\n%s\n' $((now + 900)) >&"$IN" && wait_for 2 timer_at "$PID" 900 && refusals 10 ||
    fail "a line with a NUL byte was taken, or took the next line with it"
tell "" 0 || fail "an empty line did not disarm it"
tell $(($(date +%s) + 120)) 120 || fail "not armed again after the disarm"
exec {IN}>&-
wait_for 5 eval "! kill -0 $PID 2>/dev/null" && wait "$PID" || fail "it did not end with status 0 when its input closed"

cp "$HELPER" "$WORK/tockwell-wake" && setcap cap_wake_alarm+ep "$WORK/tockwell-wake" || fail "setcap failed"
start setpriv --reuid=65534 --regid=65534 --clear-groups "$WORK/tockwell-wake" || fail "the helper with its capability did not start: $(cat "$WORK/err")"
tell $(($(date +%s) + 300)) 300 || fail "the helper with its capability did not arm the timer for an ordinary user"
echo "PASS: ended 3 without a clock to wake with; armed, moved, refused 10 bad lines, disarmed, ended with its input; served nobody with its capability"
