#pragma once

#include "engine/Ring.h"
#include "platform/Desktop.h"

#include <array>

// Which sound an alarm rings, how loud and for how long, and what the user is told about it.
namespace AlarmSound {

// The built-in sounds beside the alarm sound, by the names alarms keep.
inline const QString Chime = QStringLiteral("chime");
inline const QString Rising = QStringLiteral("rising");
// The ring lengths offered, in seconds; the first, the default, is the alarm sound's own length.
inline constexpr std::array<int, 6> RingLengths = {30, 60, 120, 300, 600, 900};
// The gentle starts offered, in seconds; 0 (the default) starts at full volume.
inline constexpr std::array<int, 4> GentleStarts = {0, 10, 30, 60};

// How long `timAlarm` stands for the sound of a ring of `ringSeconds`: the alarm sound's 29.1 s for the
// shortest, the whole length otherwise.
int timerMs(int ringSeconds);

struct Settings {
    int ringSeconds = RingLengths[0];
    int gentleStartSeconds = 0;
    bool ringWhenMuted = true;
};
// The whole RIFF/WAVE file of a built-in sound by its name; the alarm sound for an empty or unknown name.
using BuiltIn = std::function<QByteArray(const QString& name)>;

// How `ring` sounds: its chosen file, with its built-in sound to fall back on; else its built-in sound, the
// alarm sound from `alarmFile` where that file is there (empty: it is not).
SoundRequest ringRequest(const Ring& ring, const Settings& settings, const QString& alarmFile, const BuiltIn& builtIn);
// The same sound played once, at once, as a window's Play button previews it.
SoundRequest previewRequest(const Ring& ring, const QString& alarmFile, const BuiltIn& builtIn);

// What the alarm window says of a chosen file that could not be played.
QString unplayableText(const QString& file);
// What the alarm window and its notification say of an alarm that rang into a muted output.
QString rangSilentlyText();
// The main window's line while an alarm is set and the output is muted; what alarms will do about it.
QString mutedLine(bool ringWhenMuted);

} // namespace AlarmSound
