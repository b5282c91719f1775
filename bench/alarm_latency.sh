#!/usr/bin/env bash
# How promptly the real program rings: from hh:mm:00 to the alarm window being mapped, and from the
# mapping to the first audible sample, over 20 alarms on an idle machine and 20 with both cores kept
# busy. The program runs under Xvfb with a private sound server (a null sink whose monitor is
# recorded) and a clock moved a day at a time by libfaketime, as the end-to-end tests do.
#
#   bash bench/alarm_latency.sh [build folder]      (default build/check; needs tockwell and tockwell_grab)
#
# Goals: the window within 100 ms of the minute at the 99th percentile under load, the first audible
# sample within 30 ms of the window. Measured, not asserted. The sound's time is read from the recording
# against the clock at a mark taken just before each minute, within the recorder's 5-10 ms latency;
# a negative figure means the sound came before the window.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build/check}" && pwd)
. "$here/tests/e2e/lib.sh" "$build/tockwell" "$build/tests/tockwell_grab" "$build/bench-artifacts"
need Xvfb xdotool xwininfo xdpyinfo xev stdbuf pulseaudio pactl parec od awk sort
ALARMS=${ALARMS:-20}

start_x
start_pulse
start_on_moving_clock "2026-12-06 06:50:00"
wait_for 15 window_titled Tockwell 496x254 >/dev/null || fail "the main window did not appear"
wait_for 5 bash -c '! xwininfo -root -tree | grep -q " 496x254+"' || true
record_alarm "$(window_titled Tockwell 496x254)" 07 05 AM "latency"

# Every top-level window mapped, stamped as X reports it: "ms id".
stdbuf -oL xev -root -event substructure 2>/dev/null | while IFS= read -r line; do
    case $line in
    MapNotify*) stamp=${EPOCHREALTIME/./} ;;
    *"override"*)
        [ -n "${stamp:-}" ] || continue
        window=${line##*window 0x}
        echo "$((stamp / 1000)) $((16#${window%%,*}))"
        stamp=
        ;;
    esac
done >"$WORK/maps" 2>/dev/null &
PIDS+=($!)
# 16-bit samples at 8000/s; a short latency keeps the file's growth close to real time.
parec -d tockwell_sink.monitor --format=s16le --rate=8000 --channels=1 --latency-msec=5 --raw >"$WORK/sound.raw" 2>/dev/null &
PIDS+=($!)
wait_for 5 test -s "$WORK/sound.raw" || fail "the recorder produced nothing"

first_loud_after() { # $1 first sample; prints the index of the first sample above 1000 in the next 5 s
    od -An -v -t d2 -w2 -j $(($1 * 2)) -N 80000 "$WORK/sound.raw" |
        awk -v from="$1" '{ v = $1 < 0 ? -$1 : $1; if (v > 1000) { print from + NR - 1; exit } }'
}

heard_after() { [ -n "$(first_loud_after "$1")" ]; }

day=0
take() { # $1 label; rings $ALARMS alarms, one a day at 07:05, and appends "label window_ms sound_ms" lines
    local i date minute_at anchor_ms anchor_sample alarm id map_ms loud
    for ((i = 0; i < ALARMS; i++)); do
        day=$((day + 1))
        date=$(date -u -d "2026-12-06 +$day days" +%F)
        set_clock "$date 07:04:57"
        minute_at=$(real_ms_at "$date 07:05:00")
        while [ "$(now_ms)" -lt $((minute_at - 800)) ]; do sleep 0.05; done
        anchor_ms=$(now_ms)
        anchor_sample=$(($(stat -c %s "$WORK/sound.raw") / 2))
        wait_for 20 window_titled Alarm >/dev/null || fail "alarm $day did not ring"
        alarm=$(window_titled Alarm)
        id=$((alarm))
        wait_for 5 grep -q " $id\$" "$WORK/maps" || fail "no map event for the alarm window"
        map_ms=$(awk -v id="$id" '$2 == id { print $1 }' "$WORK/maps" | tail -n 1)
        wait_for 5 heard_after "$anchor_sample" || fail "alarm $day was not heard"
        loud=$(first_loud_after "$anchor_sample")
        echo "$1 $((map_ms - minute_at)) $((anchor_ms + (loud - anchor_sample) / 8 - map_ms))" | tee -a "$WORK/results"
        type_keys "$alarm" Return
        wait_for 5 bash -c "! xwininfo -root -tree | grep -q '\"Alarm\"'" || fail "the alarm window stayed open"
    done
}

take idle
for core in 1 2; do
    yes >/dev/null &
    PIDS+=($!)
done
take loaded

summary() { # $1 label, $2 column
    awk -v l="$1" '$1 == l { print $'"$2"' }' "$WORK/results" | sort -n |
        awk '{ v[NR] = $1; s += $1 } END {
            p = int(NR * 0.99 + 0.999); if (p > NR) p = NR
            printf "min %d, median %d, p95 %d, p99 %d, max %d, mean %.1f\n",
                v[1], v[int((NR + 1) / 2)], v[int(NR * 0.95 + 0.999)], v[p], v[NR], s / NR }'
}
echo
for label in idle loaded; do
    echo "$label, hh:mm:00 to alarm window mapped (ms): $(summary $label 2)"
    echo "$label, window mapped to first audible sample (ms): $(summary $label 3)"
done
