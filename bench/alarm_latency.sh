#!/usr/bin/env bash
# How promptly the real program rings: from hh:mm:00 to the alarm window being mapped, and from the
# mapping to the first audible sample, over $ALARMS alarms (20) with both cores kept busy. Goals: the window within 100 ms of the minute at the 99th percentile under
# load, the first audible sample within 30 ms of the window. Measured, not asserted; a negative sound
# figure means the sound came before the window. The program runs as in the end-to-end tests, its
# clock moved a day at a time; the sound's time is read from a recording of the sink.
#
#   bash bench/alarm_latency.sh [build folder]      (default build/check; needs tockwell and tockwell_grab)
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build/check}" && pwd)
. "$here/tests/e2e/lib.sh" "$build/tockwell" "$build/tests/tockwell_grab" "$build/bench-artifacts"
need Xvfb xdotool xwininfo xev stdbuf pulseaudio pactl parec od awk sort
ALARMS=${ALARMS:-20}

start_x
start_pulse
start_program "2026-12-06 06:50:00"
record_alarm 07 05 AM "latency"

# Every top-level window mapped, stamped as X reports it: "ms id".
stdbuf -oL xev -root -event substructure 2>/dev/null | while IFS= read -r line; do
    [[ $line == MapNotify* ]] || continue
    stamp=${EPOCHREALTIME/./}
    # The next line names the mapped window: "event 0x..., window 0x..., override NO".
    read -r line
    window=${line##*window 0x}
    echo "$((stamp / 1000)) $((16#${window%%,*}))"
done >"$WORK/maps" 2>/dev/null &
PIDS+=($!)
start_recording "$WORK/sound.raw"
loud_after() { loud=$(first_loud_sample "$WORK/sound.raw" "$1" 1000) && [ -n "$loud" ]; }

for core in 1 2; do
    yes >/dev/null &
    PIDS+=($!)
done
# One alarm a day at 07:05; lines "window_ms sound_ms".
for ((day = 1; day <= ALARMS; day++)); do
    date=$(date -u -d "2026-12-06 +$day days" +%F)
    set_clock "$date 07:04:57"
    minute_at=$(real_ms_at "$date 07:05:00")
    while [ "$(now_ms)" -lt $((minute_at - 800)) ]; do sleep 0.05; done
    anchor_ms=$(now_ms)
    anchor_sample=$(($(stat -c %s "$WORK/sound.raw") / 2))
    wait_for 20 window_of Alarm >/dev/null || fail "alarm $day did not ring"
    id=$(($(window_of Alarm)))
    wait_for 5 grep -q " $id\$" "$WORK/maps" || fail "no map event for the alarm window"
    map_ms=$(awk -v id="$id" '$2 == id { print $1 }' "$WORK/maps" | tail -n 1)
    wait_for 5 loud_after "$anchor_sample" || fail "alarm $day was not heard"
    echo "$((map_ms - minute_at)) $((anchor_ms + (loud - anchor_sample) / 8 - map_ms))" | tee -a "$WORK/results"
    keys "$id" Return
    wait_for 5 gone Alarm || fail "the alarm window stayed open"
done

for column in "1 minute to window mapped" "2 window to first audible sample"; do
    sort -n -k "${column%% *}" "$WORK/results" | awk -v c="${column%% *}" -v name="${column#* }" '{ v[NR] = $c } END {
        printf "%s (ms): min %d, median %d, p99 %d, max %d\n", name, v[1], v[int((NR + 1) / 2)], v[int(NR * 0.99 + 0.999)], v[NR] }'
done
