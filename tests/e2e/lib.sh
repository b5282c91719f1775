# Shared by the end-to-end tests: a private X server, a scratch home, and small polling helpers.
# Sourced with the program, the screenshot tool and the artifacts folder as $1..$3.

PROGRAM_BUILT=$1 GRAB=$2 ARTIFACTS=$3
mkdir -p "$ARTIFACTS"

need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed" && exit 77; }
    done
}

fail() {
    echo "FAIL: $*"
    [ -s "$WORK/tockwell.log" ] && sed 's/^/tockwell: /' "$WORK/tockwell.log"
    exit 1
}

WORK=$(mktemp -d /tmp/tockwell-e2e.XXXXXX)
PIDS=()
cleanup() {
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

# The program runs from a folder of its own, so its tempFiles land there.
mkdir -p "$WORK/program" "$WORK/home" && mkdir -m 700 "$WORK/runtime"
PROGRAM="$WORK/program/tockwell"
cp "$PROGRAM_BUILT" "$PROGRAM"
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_CACHE_HOME="$WORK/home/.cache"
export XDG_RUNTIME_DIR="$WORK/runtime"
unset QT_QPA_PLATFORM

now_ms() { date +%s%3N; }

# Polls a command until it succeeds or `seconds` pass.
wait_for() {
    local deadline=$(($(now_ms) + $1 * 1000))
    shift
    until "$@"; do
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# Xvfb picks a free display itself and writes its number once it takes connections, so tests
# running side by side never share (or race for) a display. Without -noreset the server resets
# whenever its last client leaves, and a client connecting during that reset is turned away.
start_x() {
    local number
    Xvfb -displayfd 3 -noreset -screen 0 1280x800x24 -nolisten tcp 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
    PIDS+=($!)
    wait_for 15 test -s "$WORK/display" || fail "no X server could be started"
    read -r number <"$WORK/display"
    export DISPLAY=":$number"
    wait_for 10 xdpyinfo >/dev/null 2>&1 || fail "the X server on $DISPLAY does not answer"
}

# Mapped top-level windows titled exactly $1, as "id WxH" lines, from one query of the tree
# (quick enough not to miss a window that is only up for a moment on a loaded machine).
windows_named() {
    local id size
    xwininfo -root -tree 2>/dev/null |
        awk -v title=" \"$1\": " 'index($0, title) {
            for (i = 1; i <= NF; i++) if ($i ~ /^[0-9]+x[0-9]+[+-]/) { split($i, g, /[+-]/); size = g[1] }
            print $1, size }' |
        while read -r id size; do
            xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && echo "$id $size"
        done
}

window_size() {
    xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'
}

# Saves a screenshot of window $2 (default: the screen) as $1.png; returns non-zero when the window
# could not be captured, e.g. because it was already gone.
try_grab() {
    "$GRAB" "$ARTIFACTS/$1.png" "${2:-0}" >"$WORK/grab.log" 2>&1
}
grab() {
    try_grab "$@" || { cat "$WORK/grab.log"; fail "screenshot $1 failed"; }
}

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
    parec -d tockwell_sink.monitor --format=s16le --rate=8000 --channels=1 --latency-msec=20 --raw >"$1" &
    PIDS+=($!)
    RECORDER=$!
    wait_for 5 test -s "$1" || fail "the recorder produced nothing"
    RECORD_STARTED=$(now_ms)
    RECORD_BYTES_AT_START=$(stat -c %s "$1")
}

# The index of the first sample in $1 at or after sample $2 whose magnitude exceeds $3, or nothing.
first_loud_sample() {
    od -An -v -t d2 -w2 "$1" | awk -v from="$2" -v limit="$3" \
        'NR > from { v = $1 < 0 ? -$1 : $1; if (v > limit) { print NR - 1; exit } }'
}

# The largest magnitude among samples $2..$3 of $1.
peak_between() {
    od -An -v -t d2 -w2 "$1" | awk -v from="$2" -v to="$3" \
        'NR > from && NR <= to { v = $1 < 0 ? -$1 : $1; if (v > m) m = v } END { print m + 0 }'
}
