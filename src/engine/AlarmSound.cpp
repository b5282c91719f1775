#include "AlarmSound.h"

#include <QCoreApplication>
#include <QDir>

namespace AlarmSound {

int timerMs(int ringSeconds)
{
    return ringSeconds <= RingLengths[0] ? 29100 : ringSeconds * 1000;
}

SoundRequest previewRequest(const Ring& ring, const QString& alarmFile, const BuiltIn& builtIn)
{
    SoundRequest request;
    request.volume = ring.volume;
    if (!ring.soundFile.isEmpty()) {
        request.file = ring.soundFile;
        request.wave = builtIn(ring.sound);
    } else if (ring.sound != Chime && ring.sound != Rising && !alarmFile.isEmpty()) {
        request.file = alarmFile;
    } else {
        request.wave = builtIn(ring.sound);
    }
    return request;
}

SoundRequest ringRequest(const Ring& ring, const Settings& settings, const QString& alarmFile, const BuiltIn& builtIn)
{
    SoundRequest request = previewRequest(ring, alarmFile, builtIn);
    // The shortest ring is the alarm sound once through (29.808 s); a shorter sound repeats to fill it.
    request.lengthMs = settings.ringSeconds <= RingLengths[0] ? 29808 : settings.ringSeconds * 1000;
    request.rampMs = settings.gentleStartSeconds * 1000;
    request.raiseMutedOutput = settings.ringWhenMuted;
    return request;
}

QString unplayableText(const QString& file)
{
    return QCoreApplication::translate("AlarmSound",
                                       "Tockwell could not play the sound file %1, so it rang its alarm sound instead.")
        .arg(QDir::toNativeSeparators(file));
}

QString rangSilentlyText()
{
    return QCoreApplication::translate("AlarmSound", "Your computer's sound is muted: this alarm rang silently.");
}

QString mutedLine(bool ringWhenMuted)
{
    return ringWhenMuted ? QCoreApplication::translate("AlarmSound", "Sound is muted: alarms will unmute it to ring.")
                         : QCoreApplication::translate("AlarmSound", "Sound is muted: alarms will ring silently.");
}

} // namespace AlarmSound
