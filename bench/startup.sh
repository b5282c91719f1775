#!/usr/bin/env bash
# What starting and then idling costs, against the floor: a bare Qt program that opens one window.
# Both are built here, in one Release build (with build/bench/bench/tockwell_bench, the logic
# benchmark), and started $RUNS times (6) in turn under Xvfb with a private session bus and sound
# server, as in the end-to-end tests. Per figure it prints the median
# and range of each and the ratio of the medians:
#   exec to the first window mapped (the splash) and to the main window; resident memory 5 s after
#   the main window, all and anonymous (heap and private); threads; shared objects mapped; CPU over
#   $IDLE_SECONDS (60) idle; and, from the first run of each, the stat calls of /etc/localtime in
#   $STRACE_SECONDS (30) idle. The resident memory of the first run is broken down by mapping into
#   bench-artifacts/smaps-*.txt.
#
#   bash bench/startup.sh        (RUNS, IDLE_SECONDS, STRACE_SECONDS, BUILD=build/bench)
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(mkdir -p "${BUILD:-$here/build/bench}" && cd "${BUILD:-$here/build/bench}" && pwd)
. "$here/scripts/deps.sh"
# shellcheck disable=SC2086
install_missing $BUILD_PACKAGES $TEST_PACKAGES $BENCH_PACKAGES
echo "Building the program and the floor in $build"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTOCKWELL_BENCH=ON >/dev/null &&
    cmake --build "$build" -j2 --target tockwell tockwell_grab tockwell_bare tockwell_mapwatch tockwell_bench >/dev/null || exit 1
. "$here/tests/e2e/lib.sh" "$build/tockwell" "$build/tests/tockwell_grab" "$build/bench-artifacts"
need Xvfb dbus-daemon pulseaudio pactl strace
RUNS=${RUNS:-6} IDLE_SECONDS=${IDLE_SECONDS:-60} STRACE_SECONDS=${STRACE_SECONDS:-30}
unset TZ # as on a desktop: the zone comes from /etc/localtime
TICK_MS=$((1000 / $(getconf CLK_TCK)))

start_x
start_pulse

# The times in $WORK/maps, in ms after the exec: of the first window mapped and of the $1-th.
map_times() {
    awk -v nth="$1" '$2 == "exec" { exec = $1; next }
        !($2 in seen) { seen[$2] = 1; if (++n == 1) first = $1 - exec; if (n == nth) { print first, $1 - exec; exit } }' "$WORK/maps" 2>/dev/null
}
cpu_ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }
status_kb() { awk -v key="$2:" '$1 == key { print $2 }' "/proc/$1/status"; }

# Resident memory by mapping, largest first: "kB name", anonymous mappings as [anon].
smaps_summary() {
    awk '/^[0-9a-f]+-[0-9a-f]+ / { name = NF >= 6 ? $6 : "[anon]" } /^Rss:/ { kb[name] += $2 }
        END { for (n in kb) if (kb[n] > 0) print kb[n], n }' "/proc/$1/smaps" | sort -rn
}

# Starts $2 (whose main window is the $3-th it maps) once; appends a line of figures to $WORK/$1.
# With $4 = warm-up only the caches are filled.
run_once() {
    local name=$1 program=$2 nth=$3 pid times cpu localtime=""
    rm -f "$WORK/maps" # a watch of the run before may still write to the old file
    "$build/bench/tockwell_mapwatch" "$WORK/maps" "$program" >>"$WORK/$name.log" 2>&1 &
    pid=$!
    PIDS+=("$pid")
    wait_for 60 eval '[ -n "$(map_times "$nth")" ]' || fail "$name: its main window did not appear"
    times=$(map_times "$nth")
    if [ "${4:-}" != warm-up ]; then
        sleep 5
        local rss anon threads libs
        rss=$(status_kb "$pid" VmRSS) anon=$(status_kb "$pid" RssAnon) threads=$(status_kb "$pid" Threads)
        libs=$(awk '$6 ~ /\.so/ { print $6 }' "/proc/$pid/maps" | sort -u | wc -l)
        [ -s "$ARTIFACTS/smaps-$name.txt" ] || smaps_summary "$pid" >"$ARTIFACTS/smaps-$name.txt"
        cpu=$(cpu_ticks "$pid")
        sleep "$IDLE_SECONDS"
        cpu=$((($(cpu_ticks "$pid") - cpu) * TICK_MS))
        if [ ! -s "$ARTIFACTS/startup-$name.txt" ]; then
            timeout -s INT "$STRACE_SECONDS" strace -f -qq -e trace=/stat -o "$WORK/strace" -p "$pid" 2>/dev/null
            localtime=$(grep -c '"/etc/localtime"' "$WORK/strace")
        fi
        echo "$times $rss $anon $threads $libs $cpu $localtime" >>"$ARTIFACTS/startup-$name.txt"
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null # its status is that of the kill
    return 0
}

# Median, range and the ratio of the medians of column $1 (named $2, in unit $3, divided by $4).
report() {
    local column=$1 label=$2 unit=$3 divisor=$4 program floor
    stats() {
        awk -v c="$column" -v d="$divisor" '$c != "" { print $c / d }' "$ARTIFACTS/startup-$1.txt" | sort -n |
            awk '{ v[NR] = $1 } END { if (NR) printf "%.4g %.4g %.4g\n", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2, v[1], v[NR] }'
    }
    read -r program pmin pmax < <(stats tockwell)
    read -r floor fmin fmax < <(stats floor)
    awk -v l="$label" -v u="$unit" -v p="$program" -v f="$floor" -v a="$pmin" -v b="$pmax" -v c="$fmin" -v d="$fmax" \
        'BEGIN { printf "%-46s %8s %-14s %8s %-14s %s\n", u == "" ? l : l " (" u ")", p, "(" a "-" b ")", f, "(" c "-" d ")", (f > 0 ? sprintf("%.2f", p / f) : "-") }'
}

rm -f "$ARTIFACTS"/smaps-*.txt "$ARTIFACTS"/startup-*.txt
echo "Warming up"
run_once tockwell "$PROGRAM" 2 warm-up
run_once floor "$build/bench/tockwell_bare" 1 warm-up
for ((run = 1; run <= RUNS; run++)); do
    echo "Run $run of $RUNS"
    # In turn, and each first every other run, so a drift in the machine's load falls on both alike.
    if ((run % 2)); then
        run_once tockwell "$PROGRAM" 2
        run_once floor "$build/bench/tockwell_bare" 1
    else
        run_once floor "$build/bench/tockwell_bare" 1
        run_once tockwell "$PROGRAM" 2
    fi
done

printf '\n%-46s %8s %-14s %8s %-14s %s\n' "$RUNS runs, median (range)" Tockwell "" floor "" ratio
report 1 "exec to the first window" ms 1
report 2 "exec to the main window" ms 1
report 3 "resident memory 5 s after the main window" MiB 1024
report 4 "of it anonymous" MiB 1024
report 5 threads "" 1
report 6 "shared objects mapped" "" 1
report 7 "CPU over ${IDLE_SECONDS} s idle" ms 1
report 8 "stat calls of /etc/localtime in ${STRACE_SECONDS} s" "first run" 1
echo "Resident memory by mapping: $ARTIFACTS/smaps-tockwell.txt, $ARTIFACTS/smaps-floor.txt"
