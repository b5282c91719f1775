#!/usr/bin/env bash
# Sleep and waking, end to end, with a stand-in logind (python3-dbusmock's template) on a private system bus, a
# real-time clock that can wake the computer ($4 makes the kernel answer so), and the clock moved while the program
# is stopped, as a computer asleep. The wake helper, which nothing of the program's environment reaches, holds a
# wake-up a minute before the next alarm; after PrepareForSleep(false) an alarm 20 minutes past rings at once, and
# the computer is held awake (a logind inhibitor) while its window is open; one three hours past does not ring and
# is told as missed, once.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
need Xvfb dbus-daemon xdotool xwininfo
/usr/bin/python3 -c 'import dbusmock' 2>/dev/null || { echo "SKIP: python3-dbusmock is not installed" && exit 77; }

start_x
start_bus SYSTEM
/usr/bin/python3 -m dbusmock --system --template logind >"$WORK/logind.log" 2>&1 &
PIDS+=($!)
login1() { dbus-send --system --print-reply --dest=org.freedesktop.login1 /org/freedesktop/login1 "$@"; }
# Whether Tockwell holds a sleep inhibitor; logind saying the computer woke.
held() {
    login1 org.freedesktop.login1.Manager.ListInhibitors | tr -d '\n' | grep -q '"sleep" *string "Tockwell" *string "[^"]*" *string "block"'
}
resume() {
    /usr/bin/python3 -c 'import dbus; (dbus.SystemBus().get_object("org.freedesktop.login1", "/org/freedesktop/login1")
        .EmitSignal("org.freedesktop.login1.Manager", "PrepareForSleep", "b", [False], dbus_interface="org.freedesktop.DBus.Mock"))'
}
wait_for 15 eval 'login1 org.freedesktop.login1.Manager.CanSuspend >/dev/null' || fail "no logind: $(cat "$WORK/logind.log")"

# One alarm kept from an earlier run: 7:00 AM.
mkdir -p "$XDG_DATA_HOME/tockwell"
{
    printf ' 0 \r\n 0 \r\n\r\n 7 \r\n 0 \r\nsleep e2e\r\n'
    for _ in $(seq 99); do printf ' 0 \r\n 0 \r\n\r\n'; done
} >"$XDG_DATA_HOME/tockwell/alarms.tkw"

# Whether the helper's wake-up is set for $1 ("YYYY-MM-DD hh:mm:ss" UTC). The helper runs on the real clock (the
# shifted one does not reach it), and takes times at most 8 days ahead: the program's days are the next ones.
wakes_at() { timer_at "$(pgrep -P "$APP" -x tockwell-wake)" $(($(date -u -d "$1" +%s) - $(date +%s))); }
DAY1=$(date -u -d tomorrow +%F) DAY2=$(date -u -d '2 days' +%F)

RUN_WITH=("$4" yes)
start_program "$DAY1 06:00:00"
wait_for 10 wakes_at "$DAY1 06:59:00" || fail "the wake-up was not set a minute before the alarm"
[ ! -s "/proc/$(pgrep -P "$APP" -x tockwell-wake)/environ" ] || fail "the program's environment reached the wake helper"

# The program is stopped at 06:30 (its 7:00 alarm ahead), and logind says the computer woke at 07:20.
asleep "$DAY1 06:30:00" "$DAY1 07:20:00" && resumed=$(now_ms) && resume ||
    fail "the computer could not be put to sleep and woken"
wait_for 10 window_of Alarm >/dev/null || fail "the alarm 20 minutes past did not ring after the resume"
took=$(($(now_ms) - resumed))
wait_for 10 held || fail "no sleep inhibitor while the alarm window is open"
wait_for 10 wakes_at "$DAY2 06:59:00" || fail "the wake-up did not move on to the next day"
close_alarm
wait_for 10 eval '! held' || fail "the sleep inhibitor outlived the alarm window"
# Three hours past: not rung, and told as missed in a box, once.
asleep "$DAY2 06:30:00" "$DAY2 10:00:00" && resume || fail "the computer could not be put to sleep and woken"
wait_for 10 box Tockwell >/dev/null && ! window_of Alarm >/dev/null || fail "the alarm three hours past rang or was not told"
keys "$(box Tockwell)" Return && wait_for 10 eval '! box Tockwell' && ! wait_for 2 box Tockwell || fail "not told once"
echo "PASS: woken for the alarm, rang ${took} ms after the resume, held awake while it rang, told the missed one once"
