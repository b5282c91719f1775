#include "QtSoundPlayer.h"

#include <QApplication>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::prepare(const QString& filePath)
{
    std::unique_ptr<QSoundEffect>& holder = m_prepared[filePath];
    if (holder && holder->status() != QSoundEffect::Error)
        return;
    // A file that could not be read before (missing then, written since) is read afresh.
    holder.reset();
    holder = std::make_unique<QSoundEffect>();
    holder->setSource(QUrl::fromLocalFile(filePath));
}

void QtSoundPlayer::play(const QString& filePath)
{
    prepare(filePath);
    // Dropping the effect stops its sound: a new request replaces the one playing.
    m_playing.reset();
    m_playing = std::make_unique<QSoundEffect>();
    m_playing->setLoopCount(1);
    // The prepared effect holds the samples, so this one finds them ready and starts at once.
    m_playing->setSource(QUrl::fromLocalFile(filePath));
    m_playing->play();
}

void QtSoundPlayer::beep()
{
    QApplication::beep();
}

// What the program looks up in the module.
extern "C" Q_DECL_EXPORT SoundPlayer* tockwell_make_sound_player()
{
    return new QtSoundPlayer;
}
