#!/usr/bin/env bash
# Sleep and waking, end to end, with a stand-in logind (python3-dbusmock's template) on a private system bus
# and the clock moved while the program is stopped, as a computer asleep. The wake helper holds a wake-up
# a minute before the next alarm; after PrepareForSleep(false) an alarm 20 minutes past rings at once, and
# the computer is held awake (a logind inhibitor) while its window is open. (Alarms passed by over an hour
# are told as missed: the window tests.)
set -uo pipefail
. "$(dirname "$0")/lib.sh"
need Xvfb dbus-daemon xdotool xwininfo
/usr/bin/python3 -c 'import dbusmock' 2>/dev/null || { echo "SKIP: python3-dbusmock is not installed" && exit 77; }

start_x
start_bus SYSTEM
/usr/bin/python3 -m dbusmock --system --template logind >"$WORK/logind.log" 2>&1 &
PIDS+=($!)
# $1 = resume: logind says the computer woke; = held: whether Tockwell holds a sleep inhibitor.
logind() {
    /usr/bin/python3 - "$1" <<'PY'
import sys, dbus
login = dbus.SystemBus().get_object('org.freedesktop.login1', '/org/freedesktop/login1')
if sys.argv[1] == 'resume':
    login.EmitSignal('org.freedesktop.login1.Manager', 'PrepareForSleep', 'b', [False],
                     dbus_interface='org.freedesktop.DBus.Mock')
else:
    held = [i for i in login.ListInhibitors(dbus_interface='org.freedesktop.login1.Manager')
            if tuple(map(str, (i[0], i[1], i[3]))) == ('sleep', 'Tockwell', 'block')]
    sys.exit(0 if held else 1)
PY
}
wait_for 15 eval 'logind held; [ $? -le 1 ]' || fail "the stand-in logind did not start: $(cat "$WORK/logind.log")"

# One alarm kept from an earlier run: 7:00 AM.
mkdir -p "$XDG_DATA_HOME/tockwell"
{
    printf ' 0 \r\n 0 \r\n\r\n 7 \r\n 0 \r\nsleep e2e\r\n'
    for _ in $(seq 99); do printf ' 0 \r\n 0 \r\n\r\n'; done
} >"$XDG_DATA_HOME/tockwell/alarms.tkw"

# Whether the helper's wake-up is set for $1 ("YYYY-MM-DD hh:mm:ss" UTC). The helper runs on the real clock
# (the shifted one does not reach it), so the program's times lie years ahead of it.
wakes_at() { timer_at "$(pgrep -P "$APP" -x tockwell-wake)" $(($(date -u -d "$1" +%s) - $(date +%s))); }

start_program "2030-01-07 06:00:00"
wait_for 10 wakes_at "2030-01-07 06:59:00" || fail "the wake-up was not set a minute before the alarm"

# The program is stopped at 06:30 (its 7:00 alarm ahead), and logind says the computer woke at 07:20.
asleep "2030-01-07 06:30:00" "2030-01-07 07:20:00" && resumed=$(now_ms) && logind resume ||
    fail "the computer could not be put to sleep and woken"
wait_for 10 window_of Alarm >/dev/null || fail "the alarm 20 minutes past did not ring after the resume"
took=$(($(now_ms) - resumed))
wait_for 10 logind held || fail "no sleep inhibitor while the alarm window is open"
wait_for 10 wakes_at "2030-01-08 06:59:00" || fail "the wake-up did not move on to the next day"
close_alarm
wait_for 10 eval '! logind held' || fail "the sleep inhibitor outlived the alarm window"
echo "PASS: woken for the alarm, rang ${took} ms after the resume, held awake while it rang"
