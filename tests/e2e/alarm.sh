#!/usr/bin/env bash
# The program's main job, end to end: an alarm recorded through the record window, kept across an
# exit with Yes and a new start, rings at its minute with the alarm window and real sound, the stop
# button silences it and Enter closes it.
# Then the clock jumps past the alarm while the process is stopped (a computer asleep): two hours
# past, it stays silent when the program runs again; ten minutes past, it rings at once. Last, the
# ways the program is ended from outside: SIGTERM (alarm window open, main window shown), X server gone.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
need Xvfb dbus-daemon xdotool xwininfo pulseaudio pactl parec od awk

start_x
start_pulse
start_program "2026-12-06 06:30:00"
record_alarm 07 05 AM "e2e wake-up"
# Closed with Yes (Ctrl+Q asks as the close box does) and started again: the alarm is still there.
keys_until "box Tockwell" ctrl+q || fail "Ctrl+Q did not ask before closing"
keys "$(box Tockwell)" Return
wait_for 10 eval "! kill -0 $APP 2>/dev/null" || fail "Yes did not end the program"
# Once the program is up again, its clock moves to ten seconds before 07:05, however long a slow start
# and slow typing took on a loaded machine.
start_program "2026-12-06 06:40:00"
set_clock "2026-12-06 07:04:50"
minute_at=$(real_ms_at "2026-12-06 07:05:00")

start_recording "$WORK/sound.raw"
wait_for 60 window_of Alarm >/dev/null || fail "the alarm window did not appear"
delay=$(($(now_ms) - minute_at))

# Promptness is reported, not asserted (goals: the window within 100 ms of the minute, the sound
# within 30 ms of the window); on a loaded machine only a window in the wrong minute is a fault.
[ "$delay" -ge -150 ] && [ "$delay" -lt 30000 ] || fail "the alarm window came ${delay} ms after its minute"
audible() { loud=$(first_loud_sample "$WORK/sound.raw" $((RECORD_BYTES_AT_START / 2)) 1000) && [ -n "$loud" ]; }
wait_for 10 audible || fail "nothing audible came from the sound server"
echo "minute to alarm window: $delay ms; to first audible sample: $((RECORD_STARTED + (loud - RECORD_BYTES_AT_START / 2) / 8 - minute_at)) ms"

# Stop: the sound ends, the window stays. A loaded machine may take a moment to act on the key, so
# all from 2 s after it must be silent: the alarm sound beeps at least once a second.
keys "$(window_of Alarm)" Tab space
stop_sample=$((RECORD_BYTES_AT_START / 2 + ($(now_ms) - RECORD_STARTED) * 8))
recorded_past() { [ "$(stat -c %s "$WORK/sound.raw")" -gt $((2 * $1)) ]; }
wait_for 15 recorded_past $((stop_sample + 28000)) || fail "the recorder stalled"
[ -z "$(first_loud_sample "$WORK/sound.raw" $((stop_sample + 16000)) 2)" ] || fail "the alarm sound went on after Stop"
keys "$(window_of Alarm)" Return
wait_for 10 gone Alarm || fail "Close did not close the alarm window"

# The program is stopped at 06:50 of day $1 (its 07:05 alarm ahead) and runs again at $2.
stopped_until() { set_clock "$1 06:50:00" && kill -STOP "$APP" && set_clock "$1 $2" && kill -CONT "$APP"; }
stopped_until 2026-12-07 09:05:30
# Time enough for a loaded machine to act on the jump; the next check shows the program still runs.
sleep 5
gone Alarm || fail "an alarm two hours old rang"
stopped_until 2026-12-08 07:15:00
wait_for 30 window_of Alarm >/dev/null || fail "the alarm missed 10 minutes ago did not ring"

# The command $3.. ($1 tells what it does) ends the program with status $2 within a second, taking both
# sound files with it and asking nothing.
ends() {
    [ "$(compgen -G "$WORK/program/tempFiles/snd*" | wc -l)" -eq 2 ] || fail "no sound files before $1"
    (sleep 10 && kill -KILL "$APP") 2>/dev/null &
    local watchdog=$! took=$(now_ms) status
    "${@:3}"
    wait "$APP"
    status=$? took=$(($(now_ms) - took)) && kill "$watchdog"
    # A second is the goal (the times are printed); a sanitizer build checking for leaks on a loaded
    # machine gets some slack.
    [ "$status" -eq "$2" ] && [ "$took" -le 3000 ] || fail "$1: status $status after $took ms"
    ! compgen -G "$WORK/program/tempFiles/snd*" >/dev/null || fail "$1 left $(ls "$WORK/program/tempFiles")"
    ended+="$1: $took ms; "
}
ends "SIGTERM to the alarm window" 0 kill -TERM "$APP"
start_program "2026-12-09 12:00:00"
ends "SIGTERM to the main window" 0 kill -TERM "$APP"
start_program "2026-12-09 12:00:00"
ends "the X server gone" 1 kill "$XVFB" # Qt's own end: exit(1) at once, no window runs again
echo "PASS: recorded, kept across a restart, rang ${delay} ms after its minute, sounded, stopped, closed; missed, not rung 2 hours late, rung 10 minutes late; ended by $ended"
