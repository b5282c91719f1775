#include "UiHarness.h"
#include "app/frmMain.h"

#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

class tst_frmMain : public UiTest {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void load_data();
    void load();
    void captionDateMovesOnAtMidnight();
    void activationRefillsTheListKeepingTheChosenLine();
    void exitAskedFirst();
};

void tst_frmMain::load_data()
{
    QTest::addColumn<QStringList>("stored"); // time interval, graphical clock, date format
    QTest::addColumn<bool>("twelveHour");
    QTest::addColumn<bool>("ledShown");
    QTest::addColumn<QString>("pattern");

    QTest::newRow("nothing stored") << QStringList{} << true << false << "MMMM DD, YYYY";
    QTest::newRow("24 hour, LED on") << QStringList{"2", "2", "2"} << false << true << "MMM DD, YYYY";
    QTest::newRow("zero everywhere") << QStringList{"0", "0", "0"} << false << true << "";
    QTest::newRow("pattern 6") << QStringList{"1", "1", "6"} << true << false << "";
    QTest::newRow("255 and blanks") << QStringList{"255", " 1 ", " 5 "} << false << false << "DDDD DD MMMM, YYYY";
    QTest::newRow("garbage") << QStringList{"twelve", "-1", "3.0"} << false << true << "";
}

void tst_frmMain::load()
{
    QFETCH(QStringList, stored);
    QFETCH(bool, twelveHour);
    QFETCH(bool, ledShown);
    QFETCH(QString, pattern);

    const QStringList keys = {"Time Interval", "Graphical Clock on Startup", "Date Format"};
    for (qsizetype i = 0; i < stored.size(); ++i)
        h->storeSetting(keys[i], stored[i]);
    frmMain& main = h->context->form<frmMain>();
    QVERIFY(!main.isVisible());
    QCOMPARE(main.opt12HR->isChecked(), twelveHour);
    QCOMPARE(main.opt24HR->isChecked(), !twelveHour);
    QCOMPARE(!main.picLED->isHidden(), ledShown);
    QCOMPARE(h->context->DateFormat, pattern);
    QCOMPARE(main.windowTitle(), QStringLiteral("Tockwell"));
    QCOMPARE(main.lblCurrentTime->text(), QStringLiteral("01:05:09 PM / 13:05:09"));
    QCOMPARE(main.LiveTime, QStringLiteral("01:05:09 PM"));
    QVERIFY(main.timTimers->isActive());
    QVERIFY(!main.timAlarm->isActive() && !main.AlarmOpen);
    QVERIFY(h->fakes.settings.writes.isEmpty());
    // Filled at load, not left at its design text; an empty pattern gives the locale's short form.
    if (pattern.isEmpty())
        QCOMPARE(main.lblDate->text(), QStringLiteral("12/5/26"));
    else
        QCOMPARE(main.lblDate->text().right(4), QStringLiteral("2026"));
}

void tst_frmMain::captionDateMovesOnAtMidnight()
{
    h->storeSetting(QStringLiteral("Date in Form Caption"), QStringLiteral("2"));
    h->storeSetting(QStringLiteral("Date Format"), QStringLiteral("3"));
    frmMain& main = h->context->form<frmMain>();
    QCOMPARE(main.windowTitle(), QStringLiteral("Tockwell - 12/05/2026"));
    main.GetRecordedTimes();

    h->fakes.clock.set(QDateTime(QDate(2026, 12, 6), QTime(0, 0, 7)));
    main.timTimers_Timer();
    QCOMPARE(main.lblCurrentTime->text(), QStringLiteral("12:00:07 AM / 00:00:07"));
    QCOMPARE(main.LiveTime, QStringLiteral("12:00:07 AM"));
    QCOMPARE(main.windowTitle(), QStringLiteral("Tockwell - 12/06/2026"));
    QCOMPARE(main.lblDate->text(), QStringLiteral("12/06/2026"));
}

void tst_frmMain::activationRefillsTheListKeepingTheChosenLine()
{
    modMain& context = *h->context;
    context.Alarms[1] = {7, 5, QStringLiteral("Dentist")};
    context.Alarms[2] = {10, 15, QStringLiteral("Call")};
    context.Alarms[3] = {21, 0, QStringLiteral("<i>Film</i>")};
    context.Alarms[0] = {9, 0, QStringLiteral("From a file")};
    frmMain& main = context.form<frmMain>();
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.activateWindow();
    // In text order, not slot order.
    QTRY_COMPARE(listed(main.lstAlarmTimes), QStringList({"10:15 AM   -   Call", "21:00 PM   -   <i>Film</i>",
                                                          "7:05 AM   -   Dentist", "9:00 AM   -   From a file"}));
    QCOMPARE(main.lblDate->text(), QStringLiteral("December 05, 2026"));

    main.lstAlarmTimes->setCurrentRow(2);
    main.Form_Activate();
    QCOMPARE(main.lstAlarmTimes->currentRow(), 2);
    QVERIFY(main.lstAlarmTimes->item(2)->isSelected());
    context.Alarms.free(1);
    main.Form_Activate();
    QCOMPARE(main.lstAlarmTimes->count(), 3);
    QVERIFY(main.lstAlarmTimes->selectedItems().isEmpty());
}

void tst_frmMain::exitAskedFirst()
{
    const QString question = QStringLiteral("Are you sure you want to exit Tockwell?");
    const QStringList sounds = {h->context->alarmSoundPath(), h->context->silenceSoundPath()};
    modMain::WriteWaveResource(101, sounds[0]);
    modMain::WriteWaveResource(102, sounds[1]);
    h->fakes.tray.add(QStringLiteral("Tockwell"));
    frmMain& main = h->context->form<frmMain>();
    main.show();

    h->fakes.messages.expect(question, MsgBox::No);
    QVERIFY(!main.close());
    QCOMPARE(h->fakes.messages.calls.at(0).style, MsgBox::YesNo | MsgBox::Question);
    QCOMPARE(h->fakes.messages.calls.at(0).title, QStringLiteral("Tockwell"));
    QVERIFY(main.isVisible() && h->fakes.tray.shown);
    QVERIFY(QFile::exists(sounds[0]) && QFile::exists(sounds[1]));
    QCOMPARE(h->fakes.programEnd.ends, 0);

    h->fakes.messages.expect(question, MsgBox::Yes);
    main.close();
    QCOMPARE(h->fakes.programEnd.ends, 1);
    QVERIFY(!h->fakes.tray.shown);
    QVERIFY(!QFile::exists(sounds[0]) && !QFile::exists(sounds[1]));

    // A second close with the files already gone still ends the program.
    main.show();
    h->fakes.messages.expect(question, MsgBox::Yes);
    main.close();
    QCOMPARE(h->fakes.programEnd.ends, 2);
}

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
