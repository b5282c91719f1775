#include "UiHarness.h"
#include "app/frmMain.h"
#include "engine/frmAlarm.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class tst_frmAlarm : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ringsInSecondZeroOnly();
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
    void tickFrom(const QDateTime& from, int count);
    QString alarmSound() const { return h->context->alarmSoundPath(); }
    QString silence() const { return h->context->silenceSoundPath(); }

    std::unique_ptr<UiHarness> h;
};

void tst_frmAlarm::init()
{
    h = std::make_unique<UiHarness>();
    h->fakes.clock.set(QDateTime(QDate(2026, 12, 5), QTime(7, 4, 58, 200)));
    main().timTimers->stop(); // the test drives every tick itself
    main().timTimers_Timer();
}

void tst_frmAlarm::cleanup()
{
    QVERIFY2(h->fakes.messages.unexpected.isEmpty(), qPrintable(h->fakes.messages.unexpected.join(u'|')));
    h.reset();
}

void tst_frmAlarm::tickFrom(const QDateTime& from, int count)
{
    h->fakes.clock.set(from);
    for (int i = 0; i < count; ++i) {
        main().timTimers_Timer();
        h->fakes.clock.advance(900);
    }
}

void tst_frmAlarm::ringsInSecondZeroOnly()
{
    h->context->Alarms[1] = {7, 5, QStringLiteral("Dentist")};
    QList<QTime> ringTimes;
    h->fakes.modal.whileOpen = [&](QDialog& dialog) {
        ringTimes << h->fakes.clock.now().time();
        static_cast<frmAlarm&>(dialog).cmdClose_Click();
    };
    tickFrom(QDateTime(QDate(2026, 12, 5), QTime(7, 4, 59, 100)), 70);
    QCOMPARE(ringTimes, QList<QTime>{QTime(7, 5, 0, 0)});
    QCOMPARE(h->fakes.sound.played.first(), alarmSound());
}

void tst_frmAlarm::nestedTicksNeverRingTwice()
{
    h->context->Alarms[1] = {7, 5, QStringLiteral("Dentist")};
    QString shown;
    h->fakes.modal.whileOpen = [&](QDialog& dialog) {
        auto& alarm = static_cast<frmAlarm&>(dialog);
        shown = alarm.lblAlarmInformation->text();
        QVERIFY(main().AlarmOpen);
        QVERIFY(main().timAlarm->isActive());
        // The clock keeps ticking while the window is open, through the rest of the minute.
        for (int i = 0; i < 80; ++i) {
            h->fakes.clock.advance(900);
            main().timTimers_Timer();
        }
        QCOMPARE(main().lblCurrentTime->text().right(8), QStringLiteral("07:06:12"));
        alarm.cmdClose_Click();
    };
    tickFrom(QDateTime(QDate(2026, 12, 5), QTime(7, 4, 59, 800)), 2);
    QCOMPARE(h->fakes.modal.runs, 1);
    QCOMPARE(shown, QStringLiteral("7:05 AM   -   Dentist"));
    QCOMPARE(h->fakes.sound.played, QStringList({alarmSound(), silence()}));
    QVERIFY(!main().AlarmOpen);
}

void tst_frmAlarm::lateTickStillRingsOnce()
{
    h->context->Alarms[1] = {13, 30, QStringLiteral("Lunch")};
    h->fakes.modal.whileOpen = [](QDialog& dialog) { static_cast<frmAlarm&>(dialog).cmdClose_Click(); };
    tickFrom(QDateTime(QDate(2026, 12, 5), QTime(13, 29, 59, 500)), 1);
    // The event loop was blocked for 14 seconds: second 0 was never seen.
    tickFrom(QDateTime(QDate(2026, 12, 5), QTime(13, 30, 14)), 30);
    QCOMPARE(h->fakes.modal.runs, 1);
}

void tst_frmAlarm::ringsOnTheMinuteBetweenTicks()
{
    h->context->Alarms[1] = {7, 5, QStringLiteral("Punctual")};
    h->fakes.modal.whileOpen = [](QDialog& dialog) { static_cast<frmAlarm&>(dialog).cmdClose_Click(); };
    // The last regular tick before the minute is 300 ms short of it; the next would come 600 ms late.
    tickFrom(QDateTime(QDate(2026, 12, 5), QTime(7, 4, 59, 700)), 1);
    QCOMPARE(h->fakes.modal.runs, 0);
    h->fakes.clock.set(QDateTime(QDate(2026, 12, 5), QTime(7, 5, 0, 2)));
    QTRY_COMPARE_WITH_TIMEOUT(h->fakes.modal.runs, 1, 2000);
    QCOMPARE(main().lblCurrentTime->text(), QStringLiteral("07:05:00 AM / 07:05:00"));
}

void tst_frmAlarm::sameMinuteAlarmsRingOneAfterAnother()
{
    h->context->Alarms[1] = {7, 5, QStringLiteral("first")};
    h->context->Alarms[2] = {7, 5, QStringLiteral("second")};
    QStringList shown;
    h->fakes.modal.whileOpen = [&](QDialog& dialog) {
        auto& alarm = static_cast<frmAlarm&>(dialog);
        shown << alarm.lblAlarmInformation->text();
        // The user takes a while to close the first one.
        for (int i = 0; i < 30; ++i) {
            h->fakes.clock.advance(900);
            main().timTimers_Timer();
        }
        alarm.cmdClose_Click();
    };
    tickFrom(QDateTime(QDate(2026, 12, 5), QTime(7, 4, 59, 600)), 3);
    QCOMPARE(shown, QStringList({"7:05 AM   -   first", "7:05 AM   -   second"}));
}

void tst_frmAlarm::comesBackFromTheTray()
{
    h->context->Alarms[1] = {7, 5, QStringLiteral("Wake")};
    main().show();
    h->context->tray().AddTrayIcon(QStringLiteral("Tockwell"));
    main().setWindowState(Qt::WindowMinimized);
    main().hide();
    bool shownWhileOpen = false;
    h->fakes.modal.whileOpen = [&](QDialog& dialog) {
        shownWhileOpen = main().isVisible() && !main().isMinimized() && !h->fakes.tray.shown;
        static_cast<frmAlarm&>(dialog).cmdClose_Click();
    };
    tickFrom(QDateTime(QDate(2026, 12, 5), QTime(7, 5, 0, 100)), 1);
    QVERIFY(shownWhileOpen);
}

void tst_frmAlarm::openAlarmGivesTheMessageBox()
{
    h->context->Alarms[1] = {7, 5, QStringLiteral("Wake")};
    main().AlarmOpen = true;
    h->fakes.messages.expect(QStringLiteral("An alarm has gone off but since your last alarm was not closed properly, "
                                            "a new page has not been opened"));
    tickFrom(QDateTime(QDate(2026, 12, 5), QTime(7, 5, 0, 100)), 2);
    QCOMPARE(h->fakes.messages.calls.size(), 1);
    QCOMPARE(h->fakes.messages.calls.first().style, MsgBox::OkOnly | MsgBox::Critical);
    QCOMPARE(h->fakes.messages.calls.first().title, QStringLiteral("Tockwell"));
    QCOMPARE(h->fakes.modal.runs, 0);
    QCOMPARE(h->fakes.sound.played, QStringList{alarmSound()});
    QVERIFY(main().timAlarm->isActive());
}

void tst_frmAlarm::stopThenClose()
{
    h->context->Alarms[1] = {7, 5, QStringLiteral("Wake")};
    h->fakes.modal.whileOpen = [&](QDialog& dialog) {
        auto& alarm = static_cast<frmAlarm&>(dialog);
        QVERIFY(alarm.cmdStop->isEnabled());
        QTest::mouseClick(alarm.cmdStop, Qt::LeftButton);
        QVERIFY(!alarm.cmdStop->isEnabled());
        QVERIFY(!main().timAlarm->isActive());
        QVERIFY(alarm.isVisible());
        alarm.timCheckMain_Timer();
        QVERIFY(!alarm.timCheckMain->isActive());
        QTest::mouseClick(alarm.cmdClose, Qt::LeftButton);
        QVERIFY(!h->context->isLoaded<frmAlarm>());
    };
    tickFrom(QDateTime(QDate(2026, 12, 5), QTime(7, 5, 0, 100)), 1);
    QCOMPARE(h->fakes.sound.played, QStringList({alarmSound(), silence()}));
    QVERIFY(!main().AlarmOpen);
    QVERIFY(main().isVisible());
}

void tst_frmAlarm::soundPeriodRunsOut()
{
    h->context->Alarms[1] = {7, 5, QStringLiteral("Wake")};
    h->fakes.modal.whileOpen = [&](QDialog& dialog) {
        auto& alarm = static_cast<frmAlarm&>(dialog);
        QCOMPARE(main().timAlarm->interval(), 29100);
        alarm.timCheckMain_Timer();
        QVERIFY(alarm.cmdStop->isEnabled());
        QVERIFY(alarm.timCheckMain->isActive());
        main().timAlarm_Timer();
        QVERIFY(!main().timAlarm->isActive());
        alarm.timCheckMain_Timer();
        QVERIFY(!alarm.cmdStop->isEnabled());
        QVERIFY(!alarm.timCheckMain->isActive());
        alarm.cmdClose_Click();
    };
    tickFrom(QDateTime(QDate(2026, 12, 5), QTime(7, 5, 0, 100)), 1);
    QCOMPARE(h->fakes.sound.played, QStringList{alarmSound()});
    QVERIFY(!main().AlarmOpen);
}

void tst_frmAlarm::titleBarCloseLeavesAlarmOpen()
{
    h->context->Alarms[1] = {7, 5, QStringLiteral("Wake")};
    h->context->Alarms[2] = {7, 6, QStringLiteral("Again")};
    h->fakes.modal.whileOpen = [](QDialog& dialog) { dialog.close(); };
    tickFrom(QDateTime(QDate(2026, 12, 5), QTime(7, 5, 0, 100)), 1);
    QVERIFY(!h->context->isLoaded<frmAlarm>());
    QVERIFY(main().AlarmOpen);
    QVERIFY(main().timAlarm->isActive());
    QCOMPARE(h->fakes.sound.played, QStringList{alarmSound()});

    h->fakes.messages.expect(QStringLiteral("An alarm has gone off but since your last alarm was not closed properly, "
                                            "a new page has not been opened"));
    tickFrom(QDateTime(QDate(2026, 12, 5), QTime(7, 6, 0, 300)), 1);
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
    h->context->Alarms[1] = {7, 5, QStringLiteral("Wake")};
    h->fakes.modal.whileOpen = [&](QDialog& dialog) {
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(), static_cast<frmAlarm&>(dialog).cmdClose);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    };
    tickFrom(QDateTime(QDate(2026, 12, 5), QTime(7, 5, 0, 100)), 1);
    QVERIFY(!main().AlarmOpen);
    QCOMPARE(h->fakes.sound.played, QStringList({alarmSound(), silence()}));
}

void tst_frmAlarm::descriptionIsPlainText()
{
    h->context->Alarms[1] = {7, 5, QStringLiteral("<b>bold</b> &amp;")};
    h->fakes.modal.whileOpen = [&](QDialog& dialog) {
        auto& alarm = static_cast<frmAlarm&>(dialog);
        QCOMPARE(alarm.lblAlarmInformation->textFormat(), Qt::PlainText);
        QCOMPARE(alarm.lblAlarmInformation->text(), QStringLiteral("7:05 AM   -   <b>bold</b> &amp;"));
        alarm.cmdClose_Click();
    };
    tickFrom(QDateTime(QDate(2026, 12, 5), QTime(7, 5, 0, 100)), 1);
    QCOMPARE(h->fakes.modal.runs, 1);
}

QTEST_MAIN(tst_frmAlarm)
#include "tst_frmAlarm.moc"
