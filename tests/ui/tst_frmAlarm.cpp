#include "UiHarness.h"
#include "app/frmMain.h"
#include "engine/frmAlarm.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

const QString NotClosedProperly = QStringLiteral(
    "An alarm has gone off but since your last alarm was not closed properly, a new page has not been opened");

QDateTime at(int hour, int minute, int second, int ms)
{
    return QDateTime(QDate(2026, 12, 5), QTime(hour, minute, second, ms));
}

} // namespace

class tst_frmAlarm : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void nestedTicksNeverRingTwice();
    void lateTickStillRingsOnce();
    void ringsOnTheMinuteBetweenTicks();
    void sameMinuteAlarmsRingOneAfterAnother();
    void comesBackFromTheTray();
    void openAlarmGivesTheMessageBox();
    void stopThenClose();
    void soundPeriodRunsOut();
    void titleBarCloseLeavesAlarmOpen();
    void keyboardCloses_data();
    void keyboardCloses();
    void descriptionIsPlainText();

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
    void closeWhenOpen()
    {
        whileOpen([](frmAlarm& alarm) { alarm.cmdClose_Click(); });
    }
    QString alarmSound() const { return h->context->alarmSoundPath(); }
    QString silence() const { return h->context->silenceSoundPath(); }

    std::unique_ptr<UiHarness> h;
};

void tst_frmAlarm::init()
{
    h = std::make_unique<UiHarness>();
    h->fakes.clock.set(at(7, 4, 58, 200));
    main().timTimers->stop(); // the test drives every tick itself
    main().timTimers_Timer();
    h->context->Alarms[1] = {7, 5, QStringLiteral("Wake")};
}

void tst_frmAlarm::cleanup()
{
    VERIFY_MESSAGES(*h);
    h.reset();
}

void tst_frmAlarm::nestedTicksNeverRingTwice()
{
    QString shown;
    whileOpen([&](frmAlarm& alarm) {
        shown = alarm.lblAlarmInformation->text();
        QVERIFY(main().AlarmOpen && main().timAlarm->isActive());
        // The clock keeps ticking while the window is open, through the rest of the minute.
        tickFrom(at(7, 5, 0, 700), 80);
        QCOMPARE(main().lblCurrentTime->text().right(8), QStringLiteral("07:06:11"));
        alarm.cmdClose_Click();
    });
    tickFrom(at(7, 4, 59, 800), 2);
    QCOMPARE(h->fakes.modal.runs, 1);
    QCOMPARE(shown, QStringLiteral("7:05 AM   -   Wake"));
    QCOMPARE(h->fakes.sound.played, QStringList({alarmSound(), silence()}));
    QVERIFY(!main().AlarmOpen);
}

void tst_frmAlarm::lateTickStillRingsOnce()
{
    closeWhenOpen();
    tickFrom(at(7, 4, 59, 500));
    // The event loop was blocked for 14 seconds: second 0 was never seen.
    tickFrom(at(7, 5, 14, 0), 30);
    QCOMPARE(h->fakes.modal.runs, 1);
}

void tst_frmAlarm::ringsOnTheMinuteBetweenTicks()
{
    closeWhenOpen();
    // The last regular tick before the minute is 300 ms short of it; the next would come 600 ms late.
    tickFrom(at(7, 4, 59, 700));
    QCOMPARE(h->fakes.modal.runs, 0);
    h->fakes.clock.set(at(7, 5, 0, 2));
    QTRY_COMPARE_WITH_TIMEOUT(h->fakes.modal.runs, 1, 2000);
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

void tst_frmAlarm::openAlarmGivesTheMessageBox()
{
    main().AlarmOpen = true;
    h->fakes.messages.expect(NotClosedProperly);
    tickFrom(at(7, 5, 0, 100), 2);
    QCOMPARE(h->fakes.messages.calls.first().style, MsgBox::OkOnly | MsgBox::Critical);
    QCOMPARE(h->fakes.messages.calls.first().title, QStringLiteral("Tockwell"));
    QCOMPARE(h->fakes.modal.runs, 0);
    QCOMPARE(h->fakes.sound.played, QStringList{alarmSound()});
    QVERIFY(main().timAlarm->isActive());
}

void tst_frmAlarm::stopThenClose()
{
    whileOpen([&](frmAlarm& alarm) {
        QTest::mouseClick(alarm.cmdStop, Qt::LeftButton);
        QVERIFY(!alarm.cmdStop->isEnabled() && !main().timAlarm->isActive() && alarm.isVisible());
        alarm.timCheckMain_Timer();
        QVERIFY(!alarm.timCheckMain->isActive());
        QTest::mouseClick(alarm.cmdClose, Qt::LeftButton);
        QVERIFY(!h->context->isLoaded<frmAlarm>());
    });
    tickFrom(at(7, 5, 0, 100));
    QCOMPARE(h->fakes.sound.played, QStringList({alarmSound(), silence()}));
    QVERIFY(!main().AlarmOpen);
    QVERIFY(main().isVisible());
}

void tst_frmAlarm::soundPeriodRunsOut()
{
    whileOpen([&](frmAlarm& alarm) {
        QCOMPARE(main().timAlarm->interval(), 29100);
        alarm.timCheckMain_Timer();
        QVERIFY(alarm.cmdStop->isEnabled() && alarm.timCheckMain->isActive());
        main().timAlarm_Timer();
        alarm.timCheckMain_Timer();
        QVERIFY(!alarm.cmdStop->isEnabled() && !alarm.timCheckMain->isActive());
        alarm.cmdClose_Click();
    });
    tickFrom(at(7, 5, 0, 100));
    QCOMPARE(h->fakes.sound.played, QStringList{alarmSound()});
    QVERIFY(!main().AlarmOpen);
}

void tst_frmAlarm::titleBarCloseLeavesAlarmOpen()
{
    h->context->Alarms[2] = {7, 6, QStringLiteral("Again")};
    whileOpen([](frmAlarm& alarm) { alarm.close(); });
    tickFrom(at(7, 5, 0, 100));
    QVERIFY(!h->context->isLoaded<frmAlarm>());
    QVERIFY(main().AlarmOpen && main().timAlarm->isActive());
    QCOMPARE(h->fakes.sound.played, QStringList{alarmSound()});

    h->fakes.messages.expect(NotClosedProperly);
    tickFrom(at(7, 6, 0, 300));
    QCOMPARE(h->fakes.modal.runs, 1);
    QCOMPARE(h->fakes.sound.played, QStringList({alarmSound(), alarmSound()}));
}

void tst_frmAlarm::keyboardCloses_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void tst_frmAlarm::keyboardCloses()
{
    QFETCH(int, key);
    whileOpen([&](frmAlarm& alarm) {
        QVERIFY(QTest::qWaitForWindowActive(&alarm));
        QCOMPARE(QApplication::focusWidget(), alarm.cmdClose);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    });
    tickFrom(at(7, 5, 0, 100));
    QVERIFY(!main().AlarmOpen);
    QCOMPARE(h->fakes.sound.played, QStringList({alarmSound(), silence()}));
}

void tst_frmAlarm::descriptionIsPlainText()
{
    h->context->Alarms[1].Description = QStringLiteral("<b>bold</b> &amp;");
    whileOpen([&](frmAlarm& alarm) {
        QCOMPARE(alarm.lblAlarmInformation->textFormat(), Qt::PlainText);
        QCOMPARE(alarm.lblAlarmInformation->text(), QStringLiteral("7:05 AM   -   <b>bold</b> &amp;"));
        alarm.cmdClose_Click();
    });
    tickFrom(at(7, 5, 0, 100));
    QCOMPARE(h->fakes.modal.runs, 1);
}

QTEST_MAIN(tst_frmAlarm)
#include "tst_frmAlarm.moc"
