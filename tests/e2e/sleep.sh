#!/usr/bin/env bash
# Sleep and waking, end to end, with a stand-in logind (python3-dbusmock's template) on a private system bus, a
# real-time clock that can wake the computer ($4 makes the kernel answer so), and the clock moved while the program
# is stopped, as a computer asleep. The wake helper, which nothing of the program's environment reaches, holds a
# wake-up a minute before the next alarm. Woken then, the computer is held awake, with its lid closed too (a logind
# inhibitor), until the alarm has rung and its window is closed; after PrepareForSleep(false) an alarm 20 minutes
# past rings at once; one three hours past does not ring and is told as missed, once.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
need Xvfb dbus-daemon xdotool xwininfo
/usr/bin/python3 -c 'import dbusmock' 2>/dev/null || { echo "SKIP: python3-dbusmock is not installed" && exit 77; }

start_x
start_bus SYSTEM
/usr/bin/python3 -m dbusmock --system --template logind >"$WORK/logind.log" 2>&1 &
PIDS+=($!)
login1() { dbus-send --system --print-reply --dest=org.freedesktop.login1 /org/freedesktop/login1 "$@"; }
# Whether Tockwell holds the computer awake, lid switch included; logind saying the computer woke.
held() {
    login1 org.freedesktop.login1.Manager.ListInhibitors | tr -d '\n' |
        grep -q '"sleep:handle-lid-switch" *string "Tockwell" *string "[^"]*" *string "block"'
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
DAY1=$(date -u -d tomorrow +%F) DAY2=$(date -u -d '2 days' +%F) DAY3=$(date -u -d '3 days' +%F)

RUN_WITH=("$4" yes)
start_program "$DAY1 06:00:00"
wait_for 10 wakes_at "$DAY1 06:59:00" || fail "the wake-up was not set a minute before the alarm"
[ ! -s "/proc/$(pgrep -P "$APP" -x tockwell-wake)/environ" ] || fail "the program's environment reached the wake helper"

# Stopped at 06:30, and logind says the computer woke at 06:59: held from then until the alarm window closes.
asleep "$DAY1 06:30:00" "$DAY1 06:59:00" && resume || fail "the computer could not be put to sleep and woken"
wait_for 10 held && ! window_of Alarm >/dev/null || fail "not held awake between the wake-up and the alarm"
set_clock "$DAY1 06:59:58"
wait_for 10 window_of Alarm >/dev/null || fail "the alarm did not ring on its minute"
held || fail "not held awake while the alarm window is open"
wait_for 10 wakes_at "$DAY2 06:59:00" || fail "the wake-up did not move on to the next day"
close_alarm
wait_for 10 eval '! held' || fail "the inhibitor outlived the alarm window"
# Woken at 07:20: the alarm 20 minutes past rings at once.
asleep "$DAY2 06:30:00" "$DAY2 07:20:00" && resumed=$(now_ms) && resume ||
    fail "the computer could not be put to sleep and woken"
wait_for 10 window_of Alarm >/dev/null || fail "the alarm 20 minutes past did not ring after the resume"
took=$(($(now_ms) - resumed))
close_alarm
# Three hours past: not rung, and told as missed in a box, once.
asleep "$DAY3 06:30:00" "$DAY3 10:00:00" && resume || fail "the computer could not be put to sleep and woken"
wait_for 10 box Tockwell >/dev/null && ! window_of Alarm >/dev/null || fail "the alarm three hours past rang or was not told"
keys "$(box Tockwell)" Return && wait_for 10 eval '! box Tockwell' && ! wait_for 2 box Tockwell || fail "not told once"
echo "PASS: woken for the alarm and held awake until its window closed, rang ${took} ms after a late resume, told the missed one once"
