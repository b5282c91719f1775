#include "app/WaveSynth.h"
#include "platform/QtDesktop.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The real player, against a sound server that does not exist: the alarm must carry on regardless.
class tst_QtSoundPlayer : public QObject {
    Q_OBJECT
private slots:
    void noAudioOutputAndMissingFilesAreHarmless();
};

void tst_QtSoundPlayer::noAudioOutputAndMissingFilesAreHarmless()
{
    QTemporaryDir folder;
    const QString alarm = folder.filePath(QStringLiteral("snd1.$$$"));
    QFile file(alarm);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(WaveSynth::alarmSound());
    file.close();

    QtSoundPlayer player;
    player.play(folder.filePath(QStringLiteral("missing.$$$")));
    player.play(alarm);
    player.play(alarm);
    QFile::remove(alarm);
    player.play(alarm);
    player.play(folder.filePath(QStringLiteral("snd2.$$$")));
    // Let the effect load and fail in its own time; nothing may crash meanwhile.
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
}

int main(int argc, char** argv)
{
    qputenv("PULSE_SERVER", "unix:/nonexistent/tockwell-test-socket");
    QGuiApplication app(argc, argv);
    tst_QtSoundPlayer test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_QtSoundPlayer.moc"
