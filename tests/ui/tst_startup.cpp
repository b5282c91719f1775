#include "TestFiles.h"
#include "UiHarness.h"
#include "app/WaveSynth.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"

#include <QDir>
#include <QTimer>

class tst_startup : public UiTest {
    Q_OBJECT
private slots:
    void splashHandsOverAfterTwoSeconds()
    {
        // The main window waits behind the splash for two seconds, then takes its place.
        const QPointer<frmSplash> splash = &h->context->form<frmSplash>();
        QVERIFY(splash->timLoad->isActive() && splash->timLoad->isSingleShot());
        QCOMPARE(splash->timLoad->interval(), 2000);
        // A coarse timer may fire 5 % early, and the splash would go before its two seconds are up.
        QCOMPARE(splash->timLoad->timerType(), Qt::PreciseTimer);
        splash->timLoad->stop(); // the hand-over is this test's to make
        // The main window and the sounds are loaded once the splash is on screen, not before it.
        QVERIFY(!h->context->isLoaded<frmMain>() && h->fakes.sound.prepared.isEmpty());
        splash->show();
        QTRY_COMPARE(h->fakes.sound.prepared.size(), 2);
        QVERIFY(h->context->isLoaded<frmMain>() && !h->context->form<frmMain>().isVisible());
        splash->timLoad_Timer();
        QVERIFY(h->context->form<frmMain>().isVisible());
        QVERIFY(!h->context->isLoaded<frmSplash>());
        // Destroyed, not merely hidden: its window would otherwise stay for the life of the process.
        QTRY_VERIFY(splash.isNull());
    }
    void soundFilesGoToTheCacheWhenTheProgramFolderIsNotWritable()
    {
        // A plain file where the folder should be: it cannot be created, even by root.
        QVERIFY(QDir(h->programFolder()).removeRecursively() && QDir().mkpath(h->programFolder()));
        QVERIFY(writeFile(h->programFolder() + "/tempFiles", "stranger"));
        // A sound file already there is used as it is: written only when missing.
        const QString folder = h->cacheFolder() + "/tempFiles/";
        QVERIFY(QDir().mkpath(folder) && writeFile(folder + "snd1.$$$", "stranger"));
        h->restart().form<frmSplash>().LoadBehind();
        QCOMPARE(h->fakes.sound.prepared, QStringList({folder + "snd1.$$$", folder + "snd2.$$$"}));
        QCOMPARE(readFile(folder + "snd1.$$$"), "stranger");
        // A RIFF/WAVE header for 16-bit mono PCM with an 18-byte format chunk, then silence.
        const QByteArray silence = readFile(folder + "snd2.$$$");
        QCOMPARE(silence.left(46).toHex(),
                 "5249464670d7010057415645666d7420120000000100010044ac000088580100020010000000646174614ad70100");
        QCOMPARE(silence.mid(46), QByteArray(120'650, '\0'));
    }
    void soundWriteCutShortLeavesNoFile()
    {
        // Both writes fail part-way: a cut-off file would be kept, unchecked, for every later start.
        QVERIFY(withFileSizeLimit(64 * 1024, [&] { h->context->form<frmSplash>().LoadBehind(); }));
        QCOMPARE(QDir(h->context->soundFolder()).entryList(QDir::Files | QDir::Hidden), QStringList());
        h->restart().form<frmSplash>().LoadBehind();
        QCOMPARE(readFile(h->context->alarmSoundPath()), WaveSynth::alarmSound());
        QCOMPARE(readFile(h->context->silenceSoundPath()), WaveSynth::silenceSound());
    }
};

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
