#!/usr/bin/env bash
# An alarm's own sound, end to end, against a private sound server whose output is recorded: a chosen Ogg file
# rings and the recording follows its spectrum; a muted output is turned up for the ring and muted again after
# Stop or the program's end, and with "Ring even when the computer's sound is muted" off the alarm rings
# silently and says so; a chosen file that is gone rings the alarm sound and the alarm names the file; a ring
# of one minute with a gentle start sounds for 60 s, its first second quieter than its last.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
need Xvfb dbus-daemon dbus-monitor xdotool xwininfo pulseaudio pactl parec sox /usr/bin/python3
NOTIFICATION_SERVER=/usr/lib/notification-daemon/notification-daemon
[ -x "$NOTIFICATION_SERVER" ] || { echo "SKIP: notification-daemon is not installed" && exit 77; }
check() { /usr/bin/python3 "$(dirname "$0")/soundcheck.py" "$@"; }

start_x
start_pulse
dbus-monitor --session "interface='org.freedesktop.Notifications'" >"$WORK/notifications.log" 2>&1 &
PIDS+=($!)
"$NOTIFICATION_SERVER" >"$WORK/notification-server.log" 2>&1 &
PIDS+=($!)
# A tune of four tones and a pause, as a user's Ogg Vorbis file in a folder whose name has a space and an accent.
MUSIC="$WORK/home/Musique d'été"
mkdir -p "$MUSIC"
for tone in 440 660 880 550 0; do sox -n -r 44100 -c 2 "$WORK/tone$tone.wav" synth 0.3 sine "$tone" vol 0.8; done
sox "$WORK"/tone{440,660,880,550,0}.wav "$MUSIC/tune.ogg"
sox "$MUSIC/tune.ogg" -r 8000 -c 1 -b 16 -e signed -t raw "$WORK/tune.raw"
encoded() { /usr/bin/python3 -c 'import sys, urllib.parse; print(urllib.parse.quote(sys.argv[1], safe=""))' "$1"; }

# 7:01 the tune; 7:02 and 7:03 the alarm sound; 7:04 a file that is gone; 7:05 and 7:09 the alarm sound again.
mkdir -p "$XDG_DATA_HOME/tockwell"
{
    printf ' 0 \r\n 0 \r\n\r\n'
    for minute in 1 2 3 4 5 9; do printf ' 7 \r\n %d \r\nSound %d\r\n' "$minute" "$minute"; done
    for _ in $(seq 94); do printf ' 0 \r\n 0 \r\n\r\n'; done
    printf 'Tockwell alarm extras 1\r\n1 file=%s volume=80\r\n4 file=%s\r\n' "$(encoded "$MUSIC/tune.ogg")" \
        "$(encoded "$WORK/unplugged/gone.ogg")"
} >"$XDG_DATA_HOME/tockwell/alarms.tkw"
# The options of the Desktop section, as the Options window writes them.
options() {
    mkdir -p "$XDG_CONFIG_HOME" && printf '[Desktop]\nRing%%20Seconds=%s\nGentle%%20Start%%20Seconds=%s\nRing%%20When%%20Muted=%s\n' \
        "$@" >"$XDG_CONFIG_HOME/tockwell.conf"
}
options 30 0 2
start_program "2026-12-07 06:59:00"
start_recording "$WORK/sound.raw"
# The index of the sample being recorded now.
recorded_now() { echo $((RECORD_BYTES_AT_START / 2 + ($(now_ms) - RECORD_STARTED) * 8)); }
# Rings the alarm of 7:0$1; sets WINDOW_AT, the sample recorded when the alarm window came.
ring() {
    set_clock "2026-12-07 07:0$(($1 - 1)):58"
    wait_for 20 window_of Alarm >/dev/null || fail "the alarm of 7:0$1 did not ring"
    WINDOW_AT=$(recorded_now)
}
# Waits until the recording reaches $1 samples past WINDOW_AT.
recorded_past() {
    local until=$((2 * (WINDOW_AT + $1)))
    wait_for 90 eval '[ "$(stat -c %s "$WORK/sound.raw")" -gt $until ]' || fail "the recorder stalled"
}
told() { local text=$1 && wait_for 10 eval 'grep -qF "$text" "$WORK/notifications.log"'; }

# (a) The chosen Ogg file, heard as it is.
ring 1
recorded_past 24000
similar=$(check match "$WORK/sound.raw" "$WINDOW_AT" 24000 "$WORK/tune.raw")
close_alarm
awk -v s="$similar" 'BEGIN { exit !(s >= 0.9) }' || fail "the recording does not follow the chosen file: $similar"

# (b) A muted output at 30 %: turned up for the ring, muted again at 30 % after Stop; with the option off, silent.
pactl set-sink-volume tockwell_sink 30% && pactl set-sink-mute tockwell_sink 1
ring 2
recorded_past 16000
loud=$(first_loud_sample "$WORK/sound.raw" "$WINDOW_AT" 1000)
[ -n "$loud" ] || fail "the alarm was not heard through a muted output"
[[ "$(pactl get-sink-mute tockwell_sink)" == *no* ]] || fail "the output stayed muted during the ring"
close_alarm
wait_for 5 eval '[[ "$(pactl get-sink-mute tockwell_sink)" == *yes* ]]' || fail "the output was not muted again after Stop"
[[ "$(pactl get-sink-volume tockwell_sink)" == *" 30% "* ]] || fail "the volume did not go back: $(pactl get-sink-volume tockwell_sink)"
options 30 0 1
ring 3
recorded_past 16000
[ -z "$(first_loud_sample "$WORK/sound.raw" "$WINDOW_AT" 1000)" ] || fail "the alarm rang through a muted output with the option off"
told "Your computer's sound is muted: this alarm rang silently." || fail "the silent alarm did not say why"
close_alarm
pactl set-sink-mute tockwell_sink 0 && pactl set-sink-volume tockwell_sink 100%

# (c) A chosen file that is gone: the alarm sound, and the file named.
options 30 0 2
ring 4
recorded_past 16000
[ -n "$(first_loud_sample "$WORK/sound.raw" "$WINDOW_AT" 1000)" ] || fail "a gone file rang nothing"
told "could not play the sound file $WORK/unplugged/gone.ogg" || fail "the alarm did not name the file that is gone"
close_alarm

# (d, e) One minute, growing louder over 10 s: sounds 60 s, from the window on; its first second quieter than its last.
options 60 10 2
ring 5
recorded_past $((64 * 8000))
last=$(check last_loud "$WORK/sound.raw" "$WINDOW_AT" 1000)
length=$(((last - WINDOW_AT) / 8))
[ "$length" -ge 58000 ] && [ "$length" -le 62000 ] || fail "a ring of one minute sounded $length ms"
first_rms=$(check rms "$WORK/sound.raw" "$WINDOW_AT" 8000) last_rms=$(check rms "$WORK/sound.raw" $((last - 8000)) 8000)
awk -v a="$first_rms" -v b="$last_rms" 'BEGIN { exit !(a * 4 < b) }' || fail "no gentle start: RMS $first_rms, then $last_rms"
close_alarm

# The program ended during a ring that turned a muted output up: the output is muted again.
pactl set-sink-mute tockwell_sink 1
ring 9
wait_for 5 eval '[[ "$(pactl get-sink-mute tockwell_sink)" == *no* ]]' || fail "the output was not turned up"
kill -TERM "$APP" && wait "$APP"
[[ "$(pactl get-sink-mute tockwell_sink)" == *yes* ]] || fail "the output stayed unmuted after the program ended"
echo "PASS: chosen Ogg file heard (similarity $similar); muted output turned up and put back, also at the end;" \
    "silent ring told; gone file replaced and named; one minute sounded $length ms, RMS $first_rms in its first" \
    "second, $last_rms in its last"
