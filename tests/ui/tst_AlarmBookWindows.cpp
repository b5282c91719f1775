#include "UiHarness.h"
#include "alarms/frmEdit.h"
#include "alarms/frmRecordNewTime.h"
#include "alarms/frmRemove.h"
#include "app/frmMain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

const QString HourMissing = QStringLiteral("You will need to enter an hour time for the alarm to be set off.");
const QString MinuteMissing = QStringLiteral("You will need to enter a minute time for the alarm to be set off.");
const QString AmPmMissing = QStringLiteral("You will need to enter an AM/PM time for the alarm to be set off.");
const QString Duplicate = QStringLiteral("You have already recorded this time to your current session.");
const QString Saved = QStringLiteral("This alarm was successfully saved to your recorded alarms/session list.");
const QString Updated = QStringLiteral("This alarm was successfully updated.");

QString removedTotal(int count)
{
    return QStringLiteral("A total of %1 alarms(s) were deleted from your session.").arg(count);
}

void click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

// Picks, types and replaces as a user would; an empty choice leaves the list without one.
void fill(AlarmTimeForm& window, const QString& hour, const QString& minute, const QString& amPm,
          const QString& description)
{
    window.cmbHour->setCurrentIndex(window.cmbHour->findText(hour));
    window.cmbMinutes->setCurrentIndex(window.cmbMinutes->findText(minute));
    window.cmbAmPm->setCurrentIndex(window.cmbAmPm->findText(amPm));
    QTest::keyClick(window.txtShortDescription, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window.txtShortDescription, Qt::Key_Backspace);
    QTest::keyClicks(window.txtShortDescription, description);
}

// Clicks the first line with this text.
void clickLine(QListWidget* list, const QString& line)
{
    const QList<QListWidgetItem*> found = list->findItems(line, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(line));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

QStringList choices(const AlarmTimeForm& window)
{
    return {window.cmbHour->currentText(), window.cmbMinutes->currentText(), window.cmbAmPm->currentText(),
            window.txtShortDescription->text()};
}

QStringList listed(const QListWidget* list)
{
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines << list->item(row)->text();
    return lines;
}

} // namespace

class tst_AlarmBookWindows : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void recordOpensEmptyAndComesForward();
    void recordReportsTheFirstMissingChoice_data();
    void recordReportsTheFirstMissingChoice();
    void recordStoresTheHourOnTheDayScale_data();
    void recordStoresTheHourOnTheDayScale();
    void recordRefusesARecordedTime_data();
    void recordRefusesARecordedTime();
    void recordRefusesAFullTableAndFillsAFreedSlot();
    void editCommandNeedsOneListedAlarm();
    void editOpensWithTheAlarmAndMayKeepItsTime_data();
    void editOpensWithTheAlarmAndMayKeepItsTime();
    void editRewritesTheSameSlot_data();
    void editRewritesTheSameSlot();
    void editRefusesAnotherAlarmsTime();
    void editOfIdenticalLinesTakesTheLowerSlot();
    void secondEditCommandLoadsTheNewAlarm();
    void removeCommandNeedsAnAlarm();
    void removalsAreCounted_data();
    void removalsAreCounted();
    void titleBarCloseShowsNoCountAndReopeningStartsAtZero();
    void removeFreesTheLowerOfIdenticalLinesInPlace();
    void recordingAfterRemovalsKeepsTheRest();
    void activationRefillsTheRemoveList();

private:
    frmRemove& openRemove()
    {
        m_main->GetRecordedTimes();
        click(m_main->cmdRemove);
        return m_context->form<frmRemove>();
    }
    void removeLine(frmRemove& remove, const QString& line)
    {
        clickLine(remove.lstAlarmList, line);
        click(remove.cmdRemoveSelected);
    }

    frmEdit& openEdit(const QString& line)
    {
        m_main->GetRecordedTimes();
        clickLine(m_main->lstAlarmTimes, line);
        click(m_main->cmdEdit);
        return m_context->form<frmEdit>();
    }

    frmRecordNewTime& openRecord()
    {
        click(m_main->cmdRecordNewAlarm);
        return m_context->form<frmRecordNewTime>();
    }

    std::unique_ptr<UiHarness> h;
    modMain* m_context = nullptr;
    frmMain* m_main = nullptr;
};

void tst_AlarmBookWindows::init()
{
    h = std::make_unique<UiHarness>();
    m_context = h->context.get();
    m_main = &m_context->form<frmMain>();
    m_main->show();
}

void tst_AlarmBookWindows::cleanup()
{
    FakeMessageBoxes& messages = h->fakes.messages;
    QVERIFY2(messages.unexpected.isEmpty(), qPrintable(messages.unexpected.join(u'|')));
    if (!messages.script.empty())
        QFAIL(qPrintable(messages.script.front().text + " never came"));
    for (const FakeMessageBoxes::Call& call : messages.calls) {
        QCOMPARE(call.style, MsgBox::OkOnly | MsgBox::Information);
        QCOMPARE(call.title, QStringLiteral("Tockwell"));
    }
    h.reset();
}

void tst_AlarmBookWindows::recordOpensEmptyAndComesForward()
{
    frmRecordNewTime& record = openRecord();
    QVERIFY(record.isVisible());
    QVERIFY(!record.isModal() && !record.parentWidget() && record.windowFlags().testFlag(Qt::Tool));
    for (const QComboBox* list : {record.cmbHour, record.cmbMinutes, record.cmbAmPm}) {
        QCOMPARE(list->currentIndex(), -1);
        QVERIFY(list->currentText().isEmpty() && !list->isEditable());
    }
    QCOMPARE(record.cmbMinutes->count(), 60);
    QCOMPARE(record.cmbMinutes->itemText(9), QStringLiteral("09"));
    QTest::keyClicks(record.txtShortDescription, QString(40, u'x'));
    QCOMPARE(record.txtShortDescription->text(), QString(35, u'x'));

    // A second click only brings it forward; the title-bar close records nothing and the next one is fresh.
    fill(record, QStringLiteral("05"), QStringLiteral("10"), QStringLiteral("PM"), QStringLiteral("kept"));
    QCOMPARE(&openRecord(), &record);
    QCOMPARE(record.cmbHour->currentText(), QStringLiteral("05"));
    QCOMPARE(record.txtShortDescription->text(), QStringLiteral("kept"));
    record.close();
    QVERIFY(!m_context->isLoaded<frmRecordNewTime>());
    QCOMPARE(m_context->Alarms.AlarmCount(), 0);
    QCOMPARE(openRecord().cmbHour->currentIndex(), -1);
}

void tst_AlarmBookWindows::recordReportsTheFirstMissingChoice_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing") << QStringList{"", "", ""} << HourMissing;
    QTest::newRow("no hour") << QStringList{"", "05", "AM"} << HourMissing;
    QTest::newRow("no minute") << QStringList{"07", "", "PM"} << MinuteMissing;
    QTest::newRow("no AM/PM") << QStringList{"07", "05", ""} << AmPmMissing;
}

void tst_AlarmBookWindows::recordReportsTheFirstMissingChoice()
{
    QFETCH(QStringList, choices);
    QFETCH(QString, message);
    frmRecordNewTime& record = openRecord();
    fill(record, choices[0], choices[1], choices[2], QStringLiteral("x"));
    h->fakes.messages.expect(message);
    click(record.cmdAccept);
    QVERIFY(m_context->isLoaded<frmRecordNewTime>());
    QCOMPARE(record.cmbMinutes->currentText(), choices[1]);
    QCOMPARE(m_context->Alarms.AlarmCount(), 0);
}

void tst_AlarmBookWindows::recordStoresTheHourOnTheDayScale_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pressEnter");
    QTest::addColumn<QString>("line");
    QTest::newRow("12 PM beside 12 AM") << QStringList{"12", "00", "PM"} << "Noon" << false << "24:00 PM   -   Noon";
    QTest::newRow("7 PM") << QStringList{"07", "30", "PM"} << "" << false << "19:30 PM   -   N/A";
    QTest::newRow("blanks kept") << QStringList{"01", "59", "AM"} << "   " << false << "1:59 AM   -      ";
    QTest::newRow("Enter accepts") << QStringList{"12", "01", "AM"} << "x" << true << "12:01 AM   -   x";
}

void tst_AlarmBookWindows::recordStoresTheHourOnTheDayScale()
{
    QFETCH(QStringList, choices);
    QFETCH(QString, typed);
    QFETCH(bool, pressEnter);
    QFETCH(QString, line);
    const AlarmRecord midnight{12, 0, QStringLiteral("Midnight")};
    m_context->Alarms[1] = midnight;
    frmRecordNewTime& record = openRecord();
    fill(record, choices[0], choices[1], choices[2], typed);
    h->fakes.messages.expect(Saved);
    if (pressEnter)
        QTest::keyClick(record.txtShortDescription, Qt::Key_Return);
    else
        click(record.cmdAccept);
    QCOMPARE(m_context->Alarms[1], midnight);
    QCOMPARE(alarmLine(m_context->Alarms[2]), line);
    QVERIFY(!m_context->isLoaded<frmRecordNewTime>());
    QTRY_VERIFY(listed(m_main->lstAlarmTimes).contains(line));
}

void tst_AlarmBookWindows::recordRefusesARecordedTime_data()
{
    QTest::addColumn<QString>("description");
    QTest::newRow("same description") << "Dinner";
    QTest::newRow("other description") << "Tea";
    QTest::newRow("no description") << "";
}

void tst_AlarmBookWindows::recordRefusesARecordedTime()
{
    QFETCH(QString, description);
    m_context->Alarms[1] = {19, 30, QStringLiteral("Dinner")};
    frmRecordNewTime& record = openRecord();
    fill(record, QStringLiteral("07"), QStringLiteral("30"), QStringLiteral("PM"), description);
    h->fakes.messages.expect(Duplicate);
    click(record.cmdAccept);
    QVERIFY(m_context->isLoaded<frmRecordNewTime>());
    QCOMPARE(m_context->Alarms.AlarmCount(), 1);
}

void tst_AlarmBookWindows::recordRefusesAFullTableAndFillsAFreedSlot()
{
    for (int slot = 1; slot <= AlarmBook::LastSlot; ++slot)
        m_context->Alarms[slot] = {static_cast<float>(1 + slot / 60), static_cast<float>(slot % 60), QString()};
    const AlarmBook::Table full = m_context->Alarms.all();
    frmRecordNewTime& record = openRecord();
    fill(record, QStringLiteral("11"), QStringLiteral("59"), QStringLiteral("PM"), QStringLiteral("late"));
    h->fakes.messages.expect({});
    click(record.cmdAccept);
    QVERIFY(h->fakes.messages.calls.last().text.contains(QStringLiteral("100")));
    QCOMPARE(m_context->Alarms.all(), full);

    m_context->Alarms.free(57);
    h->fakes.messages.expect(Saved);
    click(record.cmdAccept);
    QCOMPARE(m_context->Alarms[57], AlarmRecord({23, 59, QStringLiteral("late")}));
    QCOMPARE(m_context->Alarms[58], full[58]);
    QCOMPARE(m_context->Alarms[0], AlarmRecord{});
}

void tst_AlarmBookWindows::editCommandNeedsOneListedAlarm()
{
    m_context->Alarms[1] = {7, 30, QStringLiteral("Walk")};
    m_context->Alarms[2] = {8, 30, QStringLiteral("Bus")};
    m_main->GetRecordedTimes();
    h->fakes.messages.expect(
        QStringLiteral("Please select an alarm from your ''Recorded Alarms'' list before continuing."));
    click(m_main->cmdEdit);

    m_main->lstAlarmTimes->setSelectionMode(QAbstractItemView::MultiSelection);
    m_main->lstAlarmTimes->selectAll();
    h->fakes.messages.expect(QStringLiteral(
        "You can only edit one alarm at a time. Please deselect all but one alarm from your session list."));
    click(m_main->cmdEdit);
    m_main->lstAlarmTimes->setSelectionMode(QAbstractItemView::SingleSelection);

    // A list out of date: the line no longer stands for any slot, and nothing happens.
    clickLine(m_main->lstAlarmTimes, QStringLiteral("7:30 AM   -   Walk"));
    m_context->Alarms.free(1);
    click(m_main->cmdEdit);
    QVERIFY(!m_context->isLoaded<frmEdit>());
}

void tst_AlarmBookWindows::editOpensWithTheAlarmAndMayKeepItsTime_data()
{
    QTest::addColumn<float>("hour");
    QTest::addColumn<float>("minute");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("12 AM") << 12.f << 0.f << QStringList{"12", "00", "AM", "Tea"};
    QTest::newRow("7 PM") << 19.f << 5.f << QStringList{"07", "05", "PM", "Tea"};
    QTest::newRow("12 PM") << 24.f << 45.f << QStringList{"12", "45", "PM", "Tea"};
}

void tst_AlarmBookWindows::editOpensWithTheAlarmAndMayKeepItsTime()
{
    QFETCH(float, hour);
    QFETCH(float, minute);
    QFETCH(QStringList, shown);
    m_context->Alarms[2] = {hour, minute, QStringLiteral(" Tea  ")};
    frmEdit& edit = openEdit(alarmLine(m_context->Alarms[2]));
    QVERIFY(edit.isVisible() && !edit.isModal());
    QCOMPARE(choices(edit), shown);
    QCOMPARE(m_context->editAlarm.Edit_AlarmPosition, 2);

    h->fakes.messages.expect(Updated);
    click(edit.cmdAccept);
    QCOMPARE(m_context->Alarms[2], AlarmRecord({hour, minute, QStringLiteral("Tea")}));
    QVERIFY(!m_context->isLoaded<frmEdit>());
}

void tst_AlarmBookWindows::editRewritesTheSameSlot_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<bool>("pressEnter");
    QTest::addColumn<QString>("line");
    QTest::newRow("AM to PM") << QStringList{"07", "30", "PM", "Walk"} << false << "19:30 PM   -   Walk";
    QTest::newRow("description cleared") << QStringList{"07", "30", "AM", ""} << false << "7:30 AM   -   N/A";
    QTest::newRow("Enter accepts") << QStringList{"08", "15", "AM", "Run"} << true << "8:15 AM   -   Run";
}

void tst_AlarmBookWindows::editRewritesTheSameSlot()
{
    QFETCH(QStringList, typed);
    QFETCH(bool, pressEnter);
    QFETCH(QString, line);
    m_context->Alarms[1] = {19, 0, QStringLiteral("Dinner")};
    m_context->Alarms[3] = {7, 30, QStringLiteral("Walk")};
    frmEdit& edit = openEdit(QStringLiteral("7:30 AM   -   Walk"));
    fill(edit, typed[0], typed[1], typed[2], typed[3]);
    h->fakes.messages.expect(Updated);
    if (pressEnter)
        QTest::keyClick(edit.cmbAmPm, Qt::Key_Return);
    else
        click(edit.cmdAccept);
    QCOMPARE(alarmLine(m_context->Alarms[3]), line);
    QCOMPARE(listed(m_main->lstAlarmTimes), QStringList({"19:00 PM   -   Dinner", line}));
}

void tst_AlarmBookWindows::editRefusesAnotherAlarmsTime()
{
    m_context->Alarms[1] = {19, 0, QStringLiteral("Dinner")};
    m_context->Alarms[3] = {7, 30, QStringLiteral("Walk")};
    const AlarmBook::Table before = m_context->Alarms.all();
    frmEdit& edit = openEdit(QStringLiteral("7:30 AM   -   Walk"));
    fill(edit, QStringLiteral("07"), QStringLiteral("00"), QStringLiteral("PM"), QStringLiteral("Walk"));
    h->fakes.messages.expect(Duplicate);
    click(edit.cmdAccept);
    QVERIFY(m_context->isLoaded<frmEdit>());
    edit.close();
    QVERIFY(!m_context->isLoaded<frmEdit>());
    QCOMPARE(m_context->Alarms.all(), before);
}

void tst_AlarmBookWindows::editOfIdenticalLinesTakesTheLowerSlot()
{
    m_context->Alarms[9] = {8, 15, QStringLiteral("Same")};
    m_context->Alarms[4] = {8, 15, QStringLiteral("Same")};
    frmEdit& edit = openEdit(QStringLiteral("8:15 AM   -   Same"));
    edit.cmbMinutes->setCurrentIndex(edit.cmbMinutes->findText(QStringLiteral("20")));
    h->fakes.messages.expect(Updated);
    click(edit.cmdAccept);
    QCOMPARE(m_context->Alarms[4], AlarmRecord({8, 20, QStringLiteral("Same")}));
    QCOMPARE(m_context->Alarms[9], AlarmRecord({8, 15, QStringLiteral("Same")}));
}

void tst_AlarmBookWindows::secondEditCommandLoadsTheNewAlarm()
{
    m_context->Alarms[1] = {19, 0, QStringLiteral("Dinner")};
    m_context->Alarms[3] = {7, 30, QStringLiteral("Walk")};
    frmEdit& edit = openEdit(QStringLiteral("7:30 AM   -   Walk"));
    edit.cmbHour->setCurrentIndex(edit.cmbHour->findText(QStringLiteral("09")));
    QCOMPARE(&openEdit(QStringLiteral("19:00 PM   -   Dinner")), &edit);
    QCOMPARE(choices(edit), QStringList({"07", "00", "PM", "Dinner"}));
    QTest::keyClicks(edit.txtShortDescription, QStringLiteral(" out"));
    h->fakes.messages.expect(Updated);
    click(edit.cmdAccept);
    QCOMPARE(m_context->Alarms[1], AlarmRecord({19, 0, QStringLiteral("Dinner out")}));
    QCOMPARE(m_context->Alarms[3], AlarmRecord({7, 30, QStringLiteral("Walk")}));
}

void tst_AlarmBookWindows::removeCommandNeedsAnAlarm()
{
    h->fakes.messages.expect(QStringLiteral("There are no recorded alarms to be removed."));
    click(m_main->cmdRemove);
    QVERIFY(!m_context->isLoaded<frmRemove>());
}

void tst_AlarmBookWindows::removalsAreCounted_data()
{
    QTest::addColumn<int>("alarms");
    QTest::addColumn<int>("removals");
    QTest::addColumn<bool>("pressClose");
    QTest::newRow("three, then Close") << 4 << 3 << true;
    QTest::newRow("the last of three") << 3 << 3 << false;
    QTest::newRow("the only one") << 1 << 1 << false;
    QTest::newRow("Close without removals") << 2 << 0 << true;
}

void tst_AlarmBookWindows::removalsAreCounted()
{
    QFETCH(int, alarms);
    QFETCH(int, removals);
    QFETCH(bool, pressClose);
    for (int slot = 1; slot <= alarms; ++slot)
        m_context->Alarms[slot] = {static_cast<float>(slot), 0, QStringLiteral("x")};
    frmRemove& remove = openRemove();
    QCOMPARE(remove.lstAlarmList->count(), alarms);
    for (int removed = 1; removed <= removals; ++removed) {
        if (removed == alarms)
            h->fakes.messages.expect(removedTotal(removed));
        removeLine(remove, remove.lstAlarmList->item(0)->text());
        QCOMPARE(m_context->Alarms.AlarmCount(), alarms - removed);
        // The main list catches up only when the remove window closes.
        QCOMPARE(m_main->lstAlarmTimes->count(), removed == alarms ? 0 : alarms);
    }
    if (pressClose) {
        if (removals > 0)
            h->fakes.messages.expect(removedTotal(removals));
        click(remove.cmdClose);
    }
    QVERIFY(!m_context->isLoaded<frmRemove>());
    QCOMPARE(m_main->lstAlarmTimes->count(), alarms - removals);
}

void tst_AlarmBookWindows::titleBarCloseShowsNoCountAndReopeningStartsAtZero()
{
    for (int slot = 1; slot <= 3; ++slot)
        m_context->Alarms[slot] = {static_cast<float>(slot), 0, QStringLiteral("x")};
    frmRemove& remove = openRemove();
    removeLine(remove, QStringLiteral("1:00 AM   -   x"));
    remove.close();
    QVERIFY(!m_context->isLoaded<frmRemove>());
    QCOMPARE(m_main->lstAlarmTimes->count(), 3);

    frmRemove& again = openRemove();
    removeLine(again, QStringLiteral("2:00 AM   -   x"));
    h->fakes.messages.expect(removedTotal(1));
    click(again.cmdClose);
    QCOMPARE(listed(m_main->lstAlarmTimes), QStringList({"3:00 AM   -   x"}));
}

void tst_AlarmBookWindows::removeFreesTheLowerOfIdenticalLinesInPlace()
{
    m_context->Alarms[9] = {8, 15, QStringLiteral("Same")};
    m_context->Alarms[4] = {8, 15, QStringLiteral("Same")};
    m_context->Alarms[6] = {9, 0, QStringLiteral("Other")};
    frmRemove& remove = openRemove();
    click(remove.cmdRemoveSelected);
    QCOMPARE(m_context->Alarms.AlarmCount(), 3);
    removeLine(remove, QStringLiteral("8:15 AM   -   Same"));
    QCOMPARE(m_context->Alarms[4], AlarmRecord{});
    QCOMPARE(m_context->Alarms[9], AlarmRecord({8, 15, QStringLiteral("Same")}));
    QCOMPARE(m_context->Alarms[6], AlarmRecord({9, 0, QStringLiteral("Other")}));
    QCOMPARE(listed(remove.lstAlarmList), QStringList({"8:15 AM   -   Same", "9:00 AM   -   Other"}));
    h->fakes.messages.expect(removedTotal(1));
    click(remove.cmdClose);
}

void tst_AlarmBookWindows::recordingAfterRemovalsKeepsTheRest()
{
    m_context->Alarms[1] = {7, 0, QStringLiteral("A")};
    m_context->Alarms[2] = {8, 0, QStringLiteral("B")};
    m_context->Alarms[3] = {9, 0, QStringLiteral("C")};
    frmRemove& remove = openRemove();
    removeLine(remove, QStringLiteral("8:00 AM   -   B"));
    removeLine(remove, QStringLiteral("7:00 AM   -   A"));
    h->fakes.messages.expect(removedTotal(2));
    click(remove.cmdClose);
    for (const QString& hour : {QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("12")}) {
        frmRecordNewTime& record = openRecord();
        fill(record, hour, QStringLiteral("00"), QStringLiteral("AM"), hour);
        h->fakes.messages.expect(Saved);
        click(record.cmdAccept);
    }
    QCOMPARE(m_context->Alarms[1].Description, QStringLiteral("10"));
    QCOMPARE(m_context->Alarms[2].Description, QStringLiteral("11"));
    QCOMPARE(m_context->Alarms[3].Description, QStringLiteral("C"));
    QCOMPARE(m_context->Alarms[4].Description, QStringLiteral("12"));
}

void tst_AlarmBookWindows::activationRefillsTheRemoveList()
{
    m_context->Alarms[1] = {7, 0, QStringLiteral("A")};
    frmRemove& remove = openRemove();
    m_main->activateWindow();
    QTRY_VERIFY(m_main->isActiveWindow());
    m_context->Alarms[2] = {6, 0, QStringLiteral("B")};
    QCOMPARE(remove.lstAlarmList->count(), 1);
    remove.activateWindow();
    QTRY_COMPARE(listed(remove.lstAlarmList), QStringList({"6:00 AM   -   B", "7:00 AM   -   A"}));
}

QTEST_MAIN(tst_AlarmBookWindows)
#include "tst_AlarmBookWindows.moc"
