#!/usr/bin/env bash
# How promptly the real program rings: from hh:mm:00 to the alarm window being mapped, and to the
# first audible sample the sound server played, and from the window to the sound, as p50 and p99 over $ALARMS alarms (20), once on an
# idle machine and once with two busy loops ($LOADS, "idle busy"). Goals: the window within 100 ms of
# the minute, the sound within 30 ms of the window. The program runs as in the end-to-end tests,
# its clock moved a day at a time; the sound's time is read from a recording of the sink.
#
#   bash bench/alarm_latency.sh        (ALARMS, LOADS, BUILD=build/bench)
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(mkdir -p "${BUILD:-$here/build/bench}" && cd "${BUILD:-$here/build/bench}" && pwd)
. "$here/scripts/deps.sh"
# shellcheck disable=SC2086
install_missing $BUILD_PACKAGES $TEST_PACKAGES $BENCH_PACKAGES
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTOCKWELL_BENCH=ON >/dev/null &&
    cmake --build "$build" -j2 --target tockwell tockwell_grab tockwell_mapwatch >/dev/null || exit 1
. "$here/tests/e2e/lib.sh" "$build/tockwell" "$build/tests/tockwell_grab" "$build/bench-artifacts"
need Xvfb dbus-daemon xdotool xwininfo pulseaudio pactl parec od awk sort
ALARMS=${ALARMS:-20} LOADS=${LOADS:-idle busy}

start_x
start_pulse
# One alarm, 7:05 AM every day, kept from an earlier run.
mkdir -p "$XDG_DATA_HOME/tockwell"
{
    printf ' 0 \r\n 0 \r\n\r\n 7 \r\n 5 \r\nlatency\r\n'
    for _ in $(seq 99); do printf ' 0 \r\n 0 \r\n\r\n'; done
} >"$XDG_DATA_HOME/tockwell/alarms.tkw"
start_program "2026-12-07 06:50:00" # the day of the first alarm: a day skipped would be a missed alarm
"$build/bench/tockwell_mapwatch" "$WORK/maps" &
PIDS+=($!)
start_recording "$WORK/sound.raw"
loud_after() { loud=$(first_loud_sample "$WORK/sound.raw" "$1" 1000) && [ -n "$loud" ]; }

day=0
for load in $LOADS; do
    busy=()
    if [ "$load" = busy ]; then
        for _ in 1 2; do
            yes >/dev/null &
            busy+=($!)
        done
        PIDS+=("${busy[@]}")
    fi
    : >"$WORK/results"
    # One alarm a day at 07:05; lines "window_ms sound_ms", both after the minute.
    for ((n = 1; n <= ALARMS; n++)); do
        day=$((day + 1))
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
        sound_ms=$((anchor_ms + (loud - anchor_sample) / 8))
        echo "$((map_ms - minute_at)) $((sound_ms - minute_at)) $((sound_ms - map_ms))" >>"$WORK/results"
        keys "$id" Return
        wait_for 5 gone Alarm || fail "the alarm window stayed open"
    done
    [ ${#busy[@]} -eq 0 ] || kill "${busy[@]}"
    for column in "1 minute to window mapped" "2 minute to first audible sample" "3 window mapped to first audible sample"; do
        sort -n -k "${column%% *}" "$WORK/results" | awk -v c="${column%% *}" -v name="${column#* }" -v load="$load" '
            { v[NR] = $c } END { printf "%s, %s (ms, %d alarms): p50 %d, p99 %d, range %d to %d\n", load, name, NR,
                v[int((NR + 1) / 2)], v[int(NR * 0.99 + 0.999)], v[1], v[NR] }'
    done
done
