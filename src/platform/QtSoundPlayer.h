#pragma once

#include "Desktop.h"

#include <map>
#include <memory>

class QSoundEffect;

// Qt Multimedia's player, built into the sound module that the program loads when it first needs a
// sound (QtDesktop.h).
class QtSoundPlayer final : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    void prepare(const QString& filePath) override;
    void play(const QString& filePath) override;
    void beep() override;
    // What a test can look at: the source and loop count of the sound playing.
    const QSoundEffect* playing() const { return m_playing.get(); }

private:
    // One effect per prepared file, never played: it keeps the file's samples in memory, where every
    // later request for the file finds them ready.
    std::map<QString, std::unique_ptr<QSoundEffect>> m_prepared;
    // The sound playing, a fresh effect per request: Qt's audio output for one effect falls silent
    // after a few stops and restarts.
    std::unique_ptr<QSoundEffect> m_playing;
};
