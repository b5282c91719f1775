#include "TestFiles.h"
#include "UiHarness.h"
#include "app/WaveSynth.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"

#include <QDir>
#include <QTest>
#include <QTimer>

class tst_startup : public QObject {
    Q_OBJECT
private slots:
    void splashLoadsMainHiddenAndWritesSounds();
    void soundFilesWrittenOnlyWhenMissing_data();
    void soundFilesWrittenOnlyWhenMissing();
    void splashTimerHandsOver();
    void unwritableProgramFolderFallsBackToCache();
    void soundWriteCutShortLeavesNoFile();
};

void tst_startup::splashLoadsMainHiddenAndWritesSounds()
{
    UiHarness h;
    modMain& context = *h.context;
    QVERIFY(!context.isLoaded<frmMain>());
    frmSplash& splash = context.form<frmSplash>();
    QVERIFY(context.isLoaded<frmMain>());
    QVERIFY(!context.form<frmMain>().isVisible());
    QVERIFY(context.form<frmMain>().timTimers->isActive());
    QVERIFY(splash.timLoad->isActive());

    QCOMPARE(context.alarmSoundPath(), h.programFolder() + QStringLiteral("/tempFiles/snd1.$$$"));
    QCOMPARE(context.silenceSoundPath(), h.programFolder() + QStringLiteral("/tempFiles/snd2.$$$"));
    QCOMPARE(readFile(context.alarmSoundPath()), WaveSynth::alarmSound());
    QCOMPARE(readFile(context.silenceSoundPath()), WaveSynth::silenceSound());
    QCOMPARE(h.fakes.sound.prepared, QStringList({context.alarmSoundPath(), context.silenceSoundPath()}));
}

void tst_startup::soundFilesWrittenOnlyWhenMissing_data()
{
    QTest::addColumn<bool>("alarmPresent");
    QTest::addColumn<bool>("silencePresent");
    QTest::newRow("both present") << true << true;
    QTest::newRow("only silence present") << false << true;
    QTest::newRow("only alarm present") << true << false;
}

void tst_startup::soundFilesWrittenOnlyWhenMissing()
{
    QFETCH(bool, alarmPresent);
    QFETCH(bool, silencePresent);
    UiHarness h;
    const QByteArray stranger("not a wave file");
    QVERIFY(QDir().mkpath(h.context->soundFolder()));
    if (alarmPresent)
        QVERIFY(writeFile(h.context->alarmSoundPath(), stranger));
    if (silencePresent)
        QVERIFY(writeFile(h.context->silenceSoundPath(), stranger));
    h.context->form<frmSplash>();
    QCOMPARE(readFile(h.context->alarmSoundPath()), alarmPresent ? stranger : WaveSynth::alarmSound());
    QCOMPARE(readFile(h.context->silenceSoundPath()), silencePresent ? stranger : WaveSynth::silenceSound());
}

void tst_startup::splashTimerHandsOver()
{
    UiHarness h;
    h.storeSetting(QStringLiteral("Date in Form Caption"), QStringLiteral("2"));
    modMain& context = *h.context;
    context.Alarms[1] = {6, 30, QStringLiteral("Run")};
    QPointer<frmSplash> splash = &context.form<frmSplash>();
    splash->show();
    // The caption is already set while the main window is still hidden.
    QCOMPARE(context.form<frmMain>().windowTitle(), QStringLiteral("Tockwell - December 05, 2026"));
    splash->timLoad_Timer();
    frmMain& main = context.form<frmMain>();
    QVERIFY(main.isVisible());
    QVERIFY(!context.isLoaded<frmSplash>());
    QTRY_VERIFY(splash.isNull());
    QTRY_COMPARE(listed(main.lstAlarmTimes), QStringList{QStringLiteral("6:30 AM   -   Run")});
}

void tst_startup::unwritableProgramFolderFallsBackToCache()
{
    UiHarness h;
    // A plain file where the folder should be: it cannot be created, even by root.
    QVERIFY(QDir(h.programFolder() + QStringLiteral("/tempFiles")).removeRecursively());
    QVERIFY(QDir().mkpath(h.programFolder()));
    QVERIFY(writeFile(h.programFolder() + QStringLiteral("/tempFiles"), "in the way"));
    modMain& context = h.restart();
    QCOMPARE(context.soundFolder(), h.cacheFolder() + QStringLiteral("/tempFiles"));
    context.form<frmSplash>();
    QCOMPARE(readFile(context.alarmSoundPath()), WaveSynth::alarmSound());
}

void tst_startup::soundWriteCutShortLeavesNoFile()
{
    UiHarness h;
    // Both writes fail part-way.
    QVERIFY(withFileSizeLimit(64 * 1024, [&] {
        modMain::WriteWaveResource(101, h.context->alarmSoundPath());
        modMain::WriteWaveResource(102, h.context->silenceSoundPath());
    }));
    // A cut-off file would be kept, unchecked, for every later start; none may be left.
    QCOMPARE(QDir(h.context->soundFolder()).entryList(QDir::Files | QDir::Hidden), QStringList());
    h.context->form<frmSplash>();
    QCOMPARE(readFile(h.context->alarmSoundPath()), WaveSynth::alarmSound());
    QCOMPARE(readFile(h.context->silenceSoundPath()), WaveSynth::silenceSound());
}

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
