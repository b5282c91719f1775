#!/usr/bin/env bash
# The real program in German (the language alone: the region's settings stay C) through the real
# accessibility bus (at-spi2-core, read with pyatspi), as a screen reader meets it: window roles, names, the
# German labels, date and Qt buttons, the links and their default action, and the announcement of an alarm
# kept from an earlier run. $4 and $5: the web and e-mail addresses.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
need Xvfb dbus-daemon xwininfo /usr/libexec/at-spi-bus-launcher
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed" && exit 77; }
# A browser and mail program that write down what they are asked to open, after any QT_QPA_PLATFORM they were given
# (the user set none, so they must get none); slot 1 holds "Tea" at 07:05, slot 2 "Holiday" at 09:00, switched off.
mkdir -p "$WORK/bin" "$XDG_DATA_HOME/tockwell" && touch "$WORK/opened" && export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANGUAGE=de LANG=C.UTF-8 && unset LC_ALL
printf '#!/bin/sh\necho "${QT_QPA_PLATFORM+QT_QPA_PLATFORM=$QT_QPA_PLATFORM:}$1" >>"%s"\n' "$WORK/opened" >"$WORK/bin/xdg-open" && chmod +x "$WORK/bin/xdg-open"
{
    for slot in $(seq 0 100); do case $slot in 1) printf ' 7 \r\n 5 \r\nTea\r\n' ;; 2) printf ' 9 \r\n 0 \r\nHoliday\r\n' ;;
        *) printf ' 0 \r\n 0 \r\n\r\n' ;; esac; done
    printf 'Tockwell alarm extras 1\r\n2 on=0\r\n'
} >"$XDG_DATA_HOME/tockwell/alarms.tkw"
start_x
PATH="$WORK/bin:$PATH" start_program "2026-12-06 07:00:00"
/usr/bin/python3 "$(dirname "$0")/accessible.py" "$WORK/opened" "$ARTIFACTS/accessible-tree.txt" "$WORK/ready" "$4" "$5" &
CHECK=$! && PIDS+=("$CHECK")
wait_for 90 eval '[ -e "$WORK/ready" ] || ! kill -0 "$CHECK" 2>/dev/null'
[ -e "$WORK/ready" ] && set_clock "2026-12-06 07:04:57"
wait "$CHECK" || fail "through the accessibility bus"
