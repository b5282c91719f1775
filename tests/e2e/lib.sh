# Shared by the end-to-end tests: a private X server, a scratch home, and small polling helpers.
# Sourced with the program, the screenshot tool and the artifacts folder as $1..$3.

PROGRAM_BUILT=$1 GRAB=$2 ARTIFACTS=$3

need() { for tool; do command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed" && exit 77; }; done; }

# Says what went wrong and what the test saw: the named windows with their sizes and map states, a
# screenshot, and the program's log.
fail() {
    echo "FAIL: $*"
    if [ -n "${DISPLAY:-}" ]; then
        echo "Windows (id, title, class, geometry, map state):"
        xwininfo -root -tree 2>/dev/null | awk '$1 ~ /^0x/ && !/\(has no name\)/' | while read -r id rest; do
            echo "  $id $rest $(xwininfo -id "$id" 2>/dev/null | sed -n 's/^ *Map State: //p')"
        done
        try_grab failure && echo "Screenshot: $ARTIFACTS/failure.png"
    fi
    [ -s "$WORK/tockwell.log" ] && sed 's/^/tockwell: /' "$WORK/tockwell.log"
    exit 1
}

WORK=$(mktemp -d /tmp/tockwell-e2e.XXXXXX)
PIDS=()
trap 'kill "${PIDS[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$WORK"' EXIT

# The program runs from a folder of its own, so its tempFiles land there.
mkdir -p "$ARTIFACTS" "$WORK/program" "$WORK/home" && mkdir -m 700 "$WORK/runtime"
PROGRAM="$WORK/program/tockwell"
cp "$PROGRAM_BUILT" "$PROGRAM"
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_CACHE_HOME="$WORK/home/.cache" \
    XDG_DATA_HOME="$WORK/home/.local/share" XDG_RUNTIME_DIR="$WORK/runtime"
unset QT_QPA_PLATFORM
# No test reaches the machine's own system bus; one that wants a system bus starts its own.
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$WORK/no-system-bus"

now_ms() { date +%s%3N; }

# Polls a command until it succeeds or `seconds` pass.
wait_for() {
    local deadline=$(($(now_ms) + $1 * 1000))
    until "${@:2}"; do [ "$(now_ms)" -lt "$deadline" ] && sleep 0.05 || return 1; done
}

# Xvfb picks a free display itself and writes its number once it takes connections, so tests
# running side by side never share (or race for) a display. Without -noreset the server resets
# whenever its last client leaves, and a client connecting during that reset is turned away.
start_x() {
    start_bus
    Xvfb -displayfd 3 -noreset -screen 0 1280x800x24 -nolisten tcp 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
    XVFB=$! && PIDS+=("$XVFB")
    wait_for 15 test -s "$WORK/display" || fail "no X server could be started"
    export DISPLAY=":$(cat "$WORK/display")"
}

# Whether window $1 is mapped and viewable. The whole answer is read before it is looked at: a reader
# that stops at the first match would leave xwininfo writing into a closed pipe.
viewable() { [[ "$(xwininfo -id "$1" 2>/dev/null)" == *"Map State: IsViewable"* ]]; }

# Ids of the viewable top-level windows titled exactly $1, the splash (496x254) left out, from one
# query of the tree (quick enough not to miss a window that is only up for a moment on a loaded
# machine); fails when there is none.
window_of() {
    local id size ids=""
    while read -r id size; do
        if [ "$size" != 496x254 ] && viewable "$id"; then ids+="$id"$'\n'; fi
    done < <(xwininfo -root -tree 2>/dev/null |
        awk -v title=" \"$1\": " 'index($0, title) {
            for (i = 1; i <= NF; i++) if ($i ~ /^[0-9]+x[0-9]+[+-]/) { split($i, g, /[+-]/); size = g[1] }
            print $1, size }')
    [ -n "$ids" ] && printf '%s' "$ids"
}

# Whether a window of the splash's size exists, mapped or not: once the main window has taken over,
# the splash must be destroyed, not merely hidden.
splash_exists() { [[ "$(xwininfo -root -tree 2>/dev/null)" == *" 496x254+"* ]]; }

# A private session bus: with none, the toolkit's first D-Bus call either fails or, where dbus-x11 is
# installed, launches a bus of its own that outlives the test. Either way the run would depend on
# what the machine happens to have.
# With $1 = SYSTEM, a private bus that stands in for the system bus.
start_bus() {
    local kind=${1:-SESSION}
    dbus-daemon --session --fork --nopidfile --print-address=4 --print-pid=5 4>"$WORK/$kind-address" 5>"$WORK/$kind-pid" ||
        fail "no $kind bus could be started"
    PIDS+=("$(cat "$WORK/$kind-pid")") && export "DBUS_${kind}_BUS_ADDRESS=$(cat "$WORK/$kind-address")"
}

# Saves a screenshot of window $2 (default: the screen) as $1.png; returns non-zero when the window
# could not be captured, e.g. because it was already gone.
try_grab() { "$GRAB" "$ARTIFACTS/$1.png" "${2:-0}" 2>/dev/null; }

# A private sound server whose only output is a null sink; its monitor is what the program played.
start_pulse() {
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
        --load="module-null-sink sink_name=tockwell_sink rate=44100" \
        --load="module-native-protocol-unix socket=$XDG_RUNTIME_DIR/pulse-native" \
        --load="module-always-sink" >"$WORK/pulse.log" 2>&1 &
    PIDS+=($!)
    export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse-native"
    wait_for 10 pactl info >/dev/null 2>&1 || fail "the sound server did not start"
    pactl set-default-sink tockwell_sink >/dev/null
}

# Records the sink's monitor as raw 16-bit mono at 8000 samples/s into $1; sets RECORD_STARTED (ms).
start_recording() {
    parec -d tockwell_sink.monitor --format=s16le --rate=8000 --channels=1 --latency-msec=5 --raw >"$1" &
    PIDS+=($!)
    wait_for 10 test -s "$1" || fail "the recorder produced nothing"
    RECORD_STARTED=$(now_ms)
    RECORD_BYTES_AT_START=$(stat -c %s "$1")
}

# The index of the first sample in $1 at or after sample $2 whose magnitude exceeds $3, or nothing.
# awk reads to the end rather than stopping at the answer, so od never writes into a closed pipe.
first_loud_sample() {
    od -An -v -t d2 -w2 "$1" | awk -v from="$2" -v limit="$3" \
        'found == "" && NR > from { v = $1 < 0 ? -$1 : $1; if (v > limit) found = NR - 1 } END { if (found != "") print found }'
}

gone() { ! window_of "$1" >/dev/null; }
# Return in the alarm window, which closes it.
close_alarm() { keys "$(window_of Alarm)" Return && wait_for 10 gone Alarm || fail "Return did not close the alarm window"; }
# The seconds left on the wake-up timer (clock 8, CLOCK_REALTIME_ALARM) of process $1, as the kernel records it.
timer_left() {
    local fd
    fd=$(find "/proc/$1/fd" -lname 'anon_inode:\[timerfd\]' -printf '%f\n' | head -n 1) && [ -n "$fd" ] &&
        grep -qx 'clockid: 8' "/proc/$1/fdinfo/$fd" && sed -n 's/^it_value: (\([0-9]*\),.*/\1/p' "/proc/$1/fdinfo/$fd" | grep .
}
# Whether `timer_left $1` is $2 seconds, give or take 5.
timer_at() { local left; left=$(timer_left "$1") && [ "$left" -ge $(($2 - 5)) ] && [ "$left" -le $(($2 + 5)) ]; }
# The first window titled $1 other than the main window: a message box of the program carries its name.
box() { window_of "$1" | grep -vx "$main" | sed -n 1p | grep .; }
# Focuses window $1, then presses the keys that follow.
keys() { xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"; xdotool key --delay 60 "${@:2}"; }
# Presses $2.. in window $main until the command $1 succeeds: a window just mapped may not have
# taken the focus when the first key arrives.
keys_until() {
    for _ in 1 2 3 4 5; do keys "$main" "${@:2}"; wait_for 2 eval "$1" >/dev/null && return 0; done
    return 1
}

# A clock the test moves while the program runs. libfaketime reads the program's offset from a file
# at every reading of the wall clock; timers keep to the real monotonic clock, as they do when a
# computer sleeps or its clock is set. Times are UTC.
FAKETIME_LIB=$(compgen -G "/usr/lib/*/faketime/libfaketime.so.1" | head -n 1)
CLOCK_FILE="$WORK/clock-offset"
export TZ=UTC

# Starts the program with its clock at $1 ("YYYY-MM-DD hh:mm:ss") and the arguments $2.., output to
# tockwell.log; waits for its main window and the splash to go, unless it starts at login (--autostart).
# Sets APP (the program's process) and main. RUN_WITH: words before the program on its command line.
RUN_WITH=()
start_program() {
    [ -n "$FAKETIME_LIB" ] || { echo "SKIP: libfaketime is not installed"; exit 77; }
    set_clock "$1"
    LD_PRELOAD="$FAKETIME_LIB" FAKETIME_TIMESTAMP_FILE="$CLOCK_FILE" FAKETIME_NO_CACHE=1 DONT_FAKE_MONOTONIC=1 \
        "${RUN_WITH[@]}" "$PROGRAM" "${@:2}" >"$WORK/tockwell.log" 2>&1 &
    APP=$!
    PIDS+=("$APP")
    [ "${2:-}" != --autostart ] || return 0
    # A sanitizer build on a loaded machine can take many seconds to come up.
    wait_for 60 window_of Tockwell >/dev/null || fail "the main window did not appear"
    main=$(window_of Tockwell)
    [ "$(wc -l <<<"$main")" = 1 ] || fail "more than one main window: $main"
    wait_for 10 eval '! splash_exists' || fail "the splash window was not destroyed after the hand-over"
}

# From now on the program's clock reads $1 ("YYYY-MM-DD hh:mm:ss") plus the real time since.
# Sets CLOCK_OFFSET_MS: the program's clock minus the real one.
set_clock() {
    CLOCK_OFFSET_MS=$((($(date -u -d "$1" +%s%3N) - $(now_ms)) / 1000 * 1000))
    printf '%+d\n' $((CLOCK_OFFSET_MS / 1000)) >"$CLOCK_FILE.new" && mv "$CLOCK_FILE.new" "$CLOCK_FILE"
}

# The program is stopped with its clock at $1 and runs again at $2, as a computer asleep in between.
asleep() { set_clock "$1" && kill -STOP "$APP" && set_clock "$2" && kill -CONT "$APP"; }

# The real time (ms) at which the program's clock shows $1 ("YYYY-MM-DD hh:mm:ss").
real_ms_at() { echo $(($(date -u -d "$1" +%s%3N) - CLOCK_OFFSET_MS)); }
