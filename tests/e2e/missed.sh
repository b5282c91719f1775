#!/usr/bin/env bash
# An alarm missed while the program could not run (stopped, or a computer asleep): the clock jumps
# past the alarm while the process is stopped. Ten minutes past, the alarm rings as soon as the
# program runs again; two hours past, it stays silent, and the next day's alarm still rings on time.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
need Xvfb xdotool xwininfo xdpyinfo date

start_x
start_on_moving_clock "2026-12-06 06:50:00"

wait_for 15 window_titled Tockwell 496x254 >/dev/null || fail "the main window did not appear"
wait_for 5 bash -c '! xwininfo -root -tree | grep -q " 496x254+"' || true
main=$(window_titled Tockwell 496x254)
record_alarm "$main" 07 05 AM "missed while asleep"

# Stopped at 06:50 (an alarm at 07:05 ahead), running again at 07:15.
kill -STOP "$PROGRAM_PID"
set_clock "2026-12-06 07:15:00"
kill -CONT "$PROGRAM_PID"
continued=$(now_ms)
wait_for 20 window_titled Alarm >/dev/null || fail "the alarm missed 10 minutes ago did not ring"
echo "alarm window $(($(now_ms) - continued)) ms after the program ran again"
alarm=$(window_titled Alarm)
grab missed-alarm "$alarm"
type_keys "$alarm" Return
wait_for 5 bash -c "! xwininfo -root -tree | grep -q '\"Alarm\"'" || fail "Close did not close the alarm window"

# The next morning the program is stopped before 07:05 and runs again two hours later.
set_clock "2026-12-07 06:50:00"
kill -STOP "$PROGRAM_PID"
set_clock "2026-12-07 09:05:30"
kill -CONT "$PROGRAM_PID"
# A window that came later than this would still be open, and too early, below.
sleep 3
window_titled Alarm >/dev/null && fail "an alarm two hours old rang"

# Still alive and still ringing: the day after, 07:05 rings in its minute, not before.
set_clock "2026-12-08 07:04:55"
minute_at=$(real_ms_at "2026-12-08 07:05:00")
wait_for 30 window_titled Alarm >/dev/null || fail "the next day's alarm did not ring"
early=$((minute_at - $(now_ms)))
[ "$early" -lt 150 ] || fail "an alarm window came ${early} ms before 07:05 of the next day"
echo "PASS: a missed alarm rang after 10 minutes, not after 2 hours, and the next day's rang on time"
