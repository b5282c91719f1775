#!/usr/bin/env bash
# Alarms for the week, end to end, the program's clock moved by libfaketime: a Monday-to-Friday alarm rings on a
# Friday and not on the Saturday, and on the Friday evening the wake helper's timer is set for Monday's; a one-time
# alarm rings once, is switched off in the kept file before its window shows, and stays off after a restart; an
# alarm switched off does not ring.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
need Xvfb dbus-daemon xdotool xwininfo
start_x
# Kept from an earlier run: 7:00 AM Work, Monday to Friday; 8:00 AM Dentist, once; 9:00 AM Holiday, off.
KEPT="$XDG_DATA_HOME/tockwell/alarms.tkw"
mkdir -p "$XDG_DATA_HOME/tockwell"
{
    printf ' 0 \r\n 0 \r\n\r\n 7 \r\n 0 \r\nWork\r\n 8 \r\n 0 \r\nDentist\r\n 9 \r\n 0 \r\nHoliday\r\n'
    for _ in $(seq 97); do printf ' 0 \r\n 0 \r\n\r\n'; done
    printf 'Tockwell alarm extras 1\r\n1 days=12345\r\n2 once=1\r\n3 on=0\r\n'
} >"$KEPT"

# The helper reads the real clock and takes no wake-up more than eight days ahead of it, so the week is the one
# whose Monday 06:59 (UTC) is the first still to come on the real clock; its Friday and Saturday before.
now=$(date +%s)
for days in 0 1 2 3 4 5 6 7; do
    monday=$(date -u -d "$(date -u -d "@$((now + days * 86400))" +%F) 06:59:00" +%s)
    [ "$(date -u -d "@$monday" +%u)" = 1 ] && [ "$monday" -gt $((now + 60)) ] && break
done
friday=$(date -u -d "@$((monday - 3 * 86400))" +%F) saturday=$(date -u -d "@$((monday - 2 * 86400))" +%F)
helper() { pgrep -P "$APP" -x tockwell-wake; }
# Whether the alarm window shows $1 before the program's clock reaches $2 ("YYYY-MM-DD hh:mm:ss"); a window that
# came is closed.
rings() {
    local until_ms=$(($(real_ms_at "$2") + 500))
    until window_of Alarm >/dev/null; do [ "$(now_ms)" -lt "$until_ms" ] && sleep 0.1 || return 1; done
    try_grab "alarm-$1"
    close_alarm
}

start_program "$friday 06:00:00"
set_clock "$friday 06:59:57"
rings Work "$friday 07:00:30" || fail "the Monday-to-Friday alarm did not ring on a Friday"
set_clock "$friday 07:59:57"
wait_for 10 window_of Alarm >/dev/null || fail "the one-time alarm did not ring"
grep -q $'^2 once=1 on=0\r$' "$KEPT" || fail "the one-time alarm was not kept switched off as it rang"
close_alarm
set_clock "$friday 08:59:57"
! rings Holiday "$friday 09:00:03" || fail "the alarm switched off rang"
set_clock "$friday 20:00:00"
wait_for 10 eval 'timer_at "$(helper)" $((monday - $(date +%s)))' ||
    fail "on Friday evening the wake-up is not set for Monday's alarm: $(timer_left "$(helper)") s left"
set_clock "$saturday 06:59:57"
! rings Work "$saturday 07:00:03" || fail "the Monday-to-Friday alarm rang on a Saturday"
kill -TERM "$APP" && wait "$APP"
sunday=$(date -u -d "@$((monday - 86400))" +%F)
start_program "$sunday 07:00:00"
set_clock "$sunday 07:59:57"
! rings Dentist "$sunday 08:00:03" || fail "the one-time alarm rang again after a restart"
echo "PASS: Mon-Fri rang on Friday, not Saturday, woke for Monday; once rang once and stayed off; off stayed silent"
