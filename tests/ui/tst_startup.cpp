#include "UiHarness.h"
#include "app/WaveSynth.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeText(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class tst_startup : public QObject {
    Q_OBJECT
private slots:
    void splashLoadsMainHiddenAndWritesSounds();
    void soundFilesWrittenOnlyWhenMissing_data();
    void soundFilesWrittenOnlyWhenMissing();
    void splashTimerHandsOver();
    void unwritableProgramFolderFallsBackToCache();
    void soundWriteCutShortLeavesNoFile();
    void unloadedWindowComesBackFresh();
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
    QCOMPARE(splash.lblVersion->text(), QStringLiteral("Version 1.00"));
    QVERIFY(splash.lblCopyright->text().contains(QStringLiteral("2007")));
    QVERIFY(splash.timLoad->isActive());
    QCOMPARE(splash.timLoad->interval(), 2000);
    QCOMPARE(splash.size(), QSize(496, 254));

    QCOMPARE(context.soundFolder(), h.programFolder() + QStringLiteral("/tempFiles"));
    QCOMPARE(readAll(context.alarmSoundPath()), WaveSynth::alarmSound());
    QCOMPARE(readAll(context.silenceSoundPath()), WaveSynth::silenceSound());
    QVERIFY(context.alarmSoundPath().endsWith(QStringLiteral("/tempFiles/snd1.$$$")));
    QVERIFY(context.silenceSoundPath().endsWith(QStringLiteral("/tempFiles/snd2.$$$")));
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
    if (alarmPresent)
        writeText(h.context->alarmSoundPath(), stranger);
    if (silencePresent)
        writeText(h.context->silenceSoundPath(), stranger);
    h.context->form<frmSplash>();
    QCOMPARE(readAll(h.context->alarmSoundPath()), alarmPresent ? stranger : WaveSynth::alarmSound());
    QCOMPARE(readAll(h.context->silenceSoundPath()), silencePresent ? stranger : WaveSynth::silenceSound());
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
    QTRY_COMPARE(main.lstAlarmTimes->count(), 1);
    QCOMPARE(main.lstAlarmTimes->item(0)->text(), QStringLiteral("6:30 AM   -   Run"));
}

void tst_startup::unwritableProgramFolderFallsBackToCache()
{
    UiHarness h;
    // A plain file where the folder should be: it cannot be created, even by root.
    QVERIFY(QDir(h.programFolder() + QStringLiteral("/tempFiles")).removeRecursively());
    writeText(h.programFolder() + QStringLiteral("/tempFiles"), "in the way");
    modMain& context = h.restart();
    QCOMPARE(context.soundFolder(), h.cacheFolder() + QStringLiteral("/tempFiles"));
    context.form<frmSplash>();
    QCOMPARE(readAll(context.alarmSoundPath()), WaveSynth::alarmSound());
}

void tst_startup::soundWriteCutShortLeavesNoFile()
{
    UiHarness h;
    // The system refuses every byte past 64 KiB, even to root: both writes fail part-way.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit original{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &original), 0);
    rlimit limited = original;
    limited.rlim_cur = 64 * 1024;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    modMain::WriteWaveResource(101, h.context->alarmSoundPath());
    modMain::WriteWaveResource(102, h.context->silenceSoundPath());
    ::setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, oldHandler);

    // A cut-off file would be kept, unchecked, for every later start; none may be left.
    QCOMPARE(QDir(h.context->soundFolder()).entryList(QDir::Files | QDir::Hidden), QStringList());
    h.context->form<frmSplash>();
    QCOMPARE(readAll(h.context->alarmSoundPath()), WaveSynth::alarmSound());
    QCOMPARE(readAll(h.context->silenceSoundPath()), WaveSynth::silenceSound());
}

void tst_startup::unloadedWindowComesBackFresh()
{
    UiHarness h;
    modMain& context = *h.context;
    frmMain& first = context.form<frmMain>();
    first.AlarmOpen = true;
    QPointer<frmMain> old = &first;
    context.unload<frmMain>();
    QVERIFY(!context.isLoaded<frmMain>());
    QTRY_VERIFY(old.isNull());
    QVERIFY(!context.form<frmMain>().AlarmOpen);
}

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
