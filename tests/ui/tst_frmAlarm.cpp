#include "TestFiles.h"
#include "UiHarness.h"
#include "app/WaveSynth.h"
#include "app/frmMain.h"
#include "engine/frmAlarm.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

enum class Closing { Close, Enter, Escape, StopThenClose, SoundRunsOut, TitleBar };

QDateTime at(int hour, int minute, int second, int ms)
{
    return QDateTime(QDate(2026, 12, 5), QTime(hour, minute, second, ms));
}

} // namespace

class tst_frmAlarm : public UiTest {
    Q_OBJECT
private slots:
    void nestedTicksNeverRingTwice();
    void ringsOnTheMinuteBetweenTicks();
    void sameMinuteAlarmsRingOneAfterAnother();
    void comesBackFromTheTray();
    void closing_data();
    void closing();
    void missingSoundFile_data();
    void missingSoundFile();

private:
    frmMain& main() { return h->context->form<frmMain>(); }
    // Ticks from `from` every 900 ms for `count` ticks.
    void tickFrom(const QDateTime& from, int count = 1)
    {
        h->fakes.clock.set(from);
        for (int i = 0; i < count; ++i) {
            main().timTimers_Timer();
            h->fakes.clock.advance(900);
        }
    }
    // The alarm window, while it is open, does `act` and nothing else.
    void whileOpen(std::function<void(frmAlarm&)> act)
    {
        h->fakes.modal.whileOpen = [act](QDialog& dialog) { act(static_cast<frmAlarm&>(dialog)); };
    }
    QString alarmSound() const { return h->context->alarmSoundPath(); }
    QString silence() const { return h->context->silenceSoundPath(); }
    void prepare() override
    {
        h->fakes.clock.set(at(7, 4, 58, 200));
        main().timTimers->stop(); // the test drives every tick itself
        main().timTimers_Timer();
        h->context->Alarms[1] = {7, 5, QStringLiteral("Wake")};
    }
};

void tst_frmAlarm::nestedTicksNeverRingTwice()
{
    h->context->Alarms[1].Description = QStringLiteral("<b>bold</b> &amp;");
    QString shown;
    whileOpen([&](frmAlarm& alarm) {
        QCOMPARE(alarm.lblAlarmInformation->textFormat(), Qt::PlainText);
        shown = alarm.lblAlarmInformation->text();
        QVERIFY(main().AlarmOpen && main().timAlarm->isActive());
        // The clock keeps ticking while the window is open, through the rest of the minute.
        tickFrom(at(7, 5, 0, 700), 80);
        QCOMPARE(main().lblCurrentTime->text().right(8), QStringLiteral("07:06:11"));
        alarm.cmdClose_Click();
    });
    tickFrom(at(7, 4, 59, 800), 2);
    QCOMPARE(h->fakes.modal.runs, 1);
    QCOMPARE(shown, QStringLiteral("7:05 AM   -   <b>bold</b> &amp;"));
    QCOMPARE(h->fakes.sound.played, QStringList({alarmSound(), silence()}));
    QVERIFY(!main().AlarmOpen);
}

void tst_frmAlarm::ringsOnTheMinuteBetweenTicks()
{
    whileOpen([](frmAlarm& alarm) { alarm.cmdClose_Click(); });
    // The last regular tick before the minute is 300 ms short of it; the next would come 600 ms late.
    tickFrom(at(7, 4, 59, 700));
    QCOMPARE(h->fakes.modal.runs, 0);
    h->fakes.clock.set(at(7, 5, 0, 2));
    // A real 300 ms timer: generous room for a loaded machine, and no cost when it is prompt.
    QTRY_COMPARE_WITH_TIMEOUT(h->fakes.modal.runs, 1, 20000);
    QCOMPARE(main().lblCurrentTime->text(), QStringLiteral("07:05:00 AM / 07:05:00"));
}

void tst_frmAlarm::sameMinuteAlarmsRingOneAfterAnother()
{
    h->context->Alarms[2] = {7, 5, QStringLiteral("second")};
    QStringList shown;
    whileOpen([&](frmAlarm& alarm) {
        shown << alarm.lblAlarmInformation->text();
        // The user takes a while to close the first one.
        tickFrom(h->fakes.clock.now().addMSecs(900), 30);
        alarm.cmdClose_Click();
    });
    tickFrom(at(7, 4, 59, 600), 3);
    QCOMPARE(shown, QStringList({"7:05 AM   -   Wake", "7:05 AM   -   second"}));
}

void tst_frmAlarm::comesBackFromTheTray()
{
    main().show();
    h->context->tray().AddTrayIcon(QStringLiteral("Tockwell"));
    main().setWindowState(Qt::WindowMinimized);
    main().hide();
    bool shownWhileOpen = false;
    whileOpen([&](frmAlarm& alarm) {
        shownWhileOpen = main().isVisible() && !main().isMinimized() && !h->fakes.tray.shown;
        alarm.cmdClose_Click();
    });
    tickFrom(at(7, 5, 0, 100));
    QVERIFY(shownWhileOpen);
}

void tst_frmAlarm::closing_data()
{
    QTest::addColumn<Closing>("how");
    QTest::addColumn<bool>("silenced"); // the silence sound cuts the alarm sound short
    QTest::addColumn<bool>("stillOpen");
    QTest::newRow("Close") << Closing::Close << true << false;
    QTest::newRow("Enter") << Closing::Enter << true << false;
    QTest::newRow("Escape") << Closing::Escape << true << false;
    QTest::newRow("Stop, then Close") << Closing::StopThenClose << true << false;
    QTest::newRow("sound runs out, then Close") << Closing::SoundRunsOut << false << false;
    QTest::newRow("title bar") << Closing::TitleBar << false << true;
}

void tst_frmAlarm::closing()
{
    QFETCH(Closing, how);
    QFETCH(bool, silenced);
    QFETCH(bool, stillOpen);
    whileOpen([&](frmAlarm& alarm) {
        alarm.timCheckMain_Timer();
        QVERIFY(alarm.cmdStop->isEnabled() && alarm.timCheckMain->isActive());
        if (how == Closing::StopThenClose) {
            QTest::mouseClick(alarm.cmdStop, Qt::LeftButton);
            QVERIFY(!main().timAlarm->isActive() && alarm.isVisible());
        } else if (how == Closing::SoundRunsOut) {
            main().timAlarm_Timer();
        }
        if (how == Closing::StopThenClose || how == Closing::SoundRunsOut) {
            alarm.timCheckMain_Timer();
            QVERIFY(!alarm.cmdStop->isEnabled() && !alarm.timCheckMain->isActive());
        }
        if (how == Closing::TitleBar) {
            alarm.close();
        } else if (how == Closing::Enter || how == Closing::Escape) {
            QVERIFY(QTest::qWaitForWindowActive(&alarm));
            QCOMPARE(QApplication::focusWidget(), alarm.cmdClose);
            QTest::keyClick(QApplication::focusWidget(), how == Closing::Enter ? Qt::Key_Return : Qt::Key_Escape);
        } else {
            QTest::mouseClick(alarm.cmdClose, Qt::LeftButton);
        }
    });
    tickFrom(at(7, 5, 0, 100));
    QVERIFY(!h->context->isLoaded<frmAlarm>());
    QCOMPARE(h->fakes.sound.played, silenced ? QStringList({alarmSound(), silence()}) : QStringList{alarmSound()});
    QCOMPARE(main().AlarmOpen, stillOpen);
    if (!stillOpen)
        return;

    // Not closed properly: a later alarm sounds, but only a message box tells of it.
    QVERIFY(main().timAlarm->isActive());
    h->context->Alarms[2] = {7, 6, QStringLiteral("Again")};
    h->fakes.messages.expect(QStringLiteral("An alarm has gone off but since your last alarm was not closed "
                                            "properly, a new page has not been opened"));
    tickFrom(at(7, 6, 0, 300), 2);
    QCOMPARE(h->fakes.messages.calls.first().style, MsgBox::OkOnly | MsgBox::Critical);
    QCOMPARE(h->fakes.messages.calls.first().title, QStringLiteral("Tockwell"));
    QCOMPARE(h->fakes.modal.runs, 1);
    QCOMPARE(h->fakes.sound.played, QStringList({alarmSound(), alarmSound()}));
}

void tst_frmAlarm::missingSoundFile_data()
{
    QTest::addColumn<bool>("writable");
    QTest::newRow("deleted while running: written again") << true;
    QTest::newRow("cannot be written: the desktop's beep") << false;
}

void tst_frmAlarm::missingSoundFile()
{
    QFETCH(bool, writable);
    // Files and folder gone while the program runs; or a file where the folder belongs.
    QVERIFY(QDir(h->context->soundFolder()).removeRecursively());
    if (!writable)
        QVERIFY(writeFile(h->context->soundFolder(), "in the way"));
    whileOpen([](frmAlarm& alarm) { alarm.cmdClose_Click(); });
    tickFrom(at(7, 5, 0, 100));
    QCOMPARE(h->fakes.modal.runs, 1);
    QCOMPARE(h->fakes.sound.beeps, writable ? 0 : 1);
    QCOMPARE(h->fakes.sound.played.value(0), writable ? alarmSound() : silence());
    if (writable)
        QCOMPARE(readFile(alarmSound()), WaveSynth::alarmSound());
}

QTEST_MAIN(tst_frmAlarm)
#include "tst_frmAlarm.moc"
