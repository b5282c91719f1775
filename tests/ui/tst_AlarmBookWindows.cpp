#include "UiHarness.h"
#include "alarms/frmEdit.h"
#include "alarms/frmRecordNewTime.h"
#include "alarms/frmRemove.h"
#include "app/frmMain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString Duplicate = QStringLiteral("You have already recorded this time to your current session.");
const QString Saved = QStringLiteral("This alarm was successfully saved to your recorded alarms/session list.");
const QString Updated = QStringLiteral("This alarm was successfully updated.");

void click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

// Hour, minute, AM/PM and description, picked and typed as a user would; "" leaves a list without a choice.
void fill(AlarmTimeForm& window, const QStringList& typed)
{
    window.cmbHour->setCurrentIndex(window.cmbHour->findText(typed[0]));
    window.cmbMinutes->setCurrentIndex(window.cmbMinutes->findText(typed[1]));
    window.cmbAmPm->setCurrentIndex(window.cmbAmPm->findText(typed[2]));
    QTest::keyClick(window.txtShortDescription, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window.txtShortDescription, Qt::Key_Backspace);
    QTest::keyClicks(window.txtShortDescription, typed[3]);
}

QStringList shown(const AlarmTimeForm& window)
{
    return {window.cmbHour->currentText(), window.cmbMinutes->currentText(), window.cmbAmPm->currentText(),
            window.txtShortDescription->text()};
}

void clickLine(QListWidget* list, const QString& line)
{
    const QList<QListWidgetItem*> found = list->findItems(line, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(line));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

} // namespace

class tst_AlarmBookWindows : public UiTest {
    Q_OBJECT
private slots:
    void recordOpensEmptyAndComesForward();
    void recordAccept_data();
    void recordAccept();
    void recordRefusesAFullTableAndFillsAFreedSlot();
    void editAndRemoveNeedAnAlarm();
    void editAccept_data();
    void editAccept();
    void editOfIdenticalLinesTakesTheLowerSlot();
    void secondEditCommandLoadsTheNewAlarm();
    void editNeverOverwritesAnAlarmRecordedMeanwhile();
    void removalsAreCounted_data();
    void removalsAreCounted();
    void recordingAfterRemovalsKeepsTheRest();

private:
    frmRecordNewTime& openRecord()
    {
        click(m_main->cmdRecordNewAlarm);
        return context().form<frmRecordNewTime>();
    }
    frmEdit& openEdit(const QString& line)
    {
        m_main->GetRecordedTimes();
        clickLine(m_main->lstAlarmTimes, line);
        click(m_main->cmdEdit);
        return context().form<frmEdit>();
    }
    frmRemove& openRemove()
    {
        m_main->GetRecordedTimes();
        click(m_main->cmdRemove);
        return context().form<frmRemove>();
    }
    void removeLine(frmRemove& remove, const QString& line)
    {
        clickLine(remove.lstAlarmList, line);
        click(remove.cmdRemoveSelected);
    }
    void accept(AlarmTimeForm& window, const QString& message, bool pressEnter = false)
    {
        h->fakes.messages.expect(message);
        if (pressEnter)
            QTest::keyClick(window.txtShortDescription, Qt::Key_Return);
        else
            click(window.cmdAccept);
    }
    void expectRemovedTotal(int count)
    {
        h->fakes.messages.expect(QStringLiteral("A total of %1 alarms(s) were deleted from your session.").arg(count));
    }
    modMain& context() { return *h->context; }
    AlarmBook& book() { return h->context->Alarms; }
    void prepare() override
    {
        m_main = &h->context->form<frmMain>();
        m_main->show();
    }
    void finish() override
    {
        for (const FakeMessageBoxes::Call& call : h->fakes.messages.calls)
            QVERIFY(call.style == (MsgBox::OkOnly | MsgBox::Information) && call.title == QStringLiteral("Tockwell"));
    }

    frmMain* m_main = nullptr;
};

void tst_AlarmBookWindows::recordOpensEmptyAndComesForward()
{
    frmRecordNewTime& record = openRecord();
    QVERIFY(record.isVisible() && !record.isModal());
    QCOMPARE(shown(record), QStringList({"", "", "", ""}));
    // A second click only brings it forward; the title-bar close records nothing and the next one is fresh.
    fill(record, {"05", "10", "PM", QString(40, u'x')});
    QCOMPARE(&openRecord(), &record);
    QCOMPARE(shown(record), QStringList({"05", "10", "PM", QString(35, u'x')}));
    record.close();
    QVERIFY(!context().isLoaded<frmRecordNewTime>());
    QCOMPARE(book().AlarmCount(), 0);
    QCOMPARE(shown(openRecord()), QStringList({"", "", "", ""}));
}

void tst_AlarmBookWindows::recordAccept_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<bool>("pressEnter");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("line"); // of the new alarm; empty when refused

    const QString missing = QStringLiteral("You will need to enter %1 time for the alarm to be set off.");
    const QString none;
    QTest::newRow("no hour") << QStringList{"", "05", "AM", "x"} << false << missing.arg("an hour") << none;
    QTest::newRow("no minute") << QStringList{"07", "", "PM", "x"} << false << missing.arg("a minute") << none;
    QTest::newRow("no AM/PM") << QStringList{"07", "05", "", "x"} << false << missing.arg("an AM/PM") << none;
    QTest::newRow("12 AM again, other text") << QStringList{"12", "00", "AM", "Other"} << false << Duplicate << none;
    QTest::newRow("12 AM again, no text") << QStringList{"12", "00", "AM", ""} << true << Duplicate << none;
    QTest::newRow("12 PM beside 12 AM") << QStringList{"12", "00", "PM", "Noon"} << false << Saved
                                        << QStringLiteral("24:00 PM   -   Noon");
    QTest::newRow("7 PM, no text") << QStringList{"07", "30", "PM", ""} << false << Saved
                                   << QStringLiteral("19:30 PM   -   N/A");
    QTest::newRow("Enter accepts, blanks kept")
        << QStringList{"12", "01", "AM", "  "} << true << Saved << QStringLiteral("12:01 AM   -     ");
}

void tst_AlarmBookWindows::recordAccept()
{
    QFETCH(QStringList, typed);
    QFETCH(bool, pressEnter);
    QFETCH(QString, message);
    QFETCH(QString, line);
    const AlarmRecord midnight{12, 0, QStringLiteral("Midnight")};
    book()[1] = midnight;
    frmRecordNewTime& record = openRecord();
    fill(record, typed);
    accept(record, message, pressEnter);
    QCOMPARE(book()[1], midnight);
    if (line.isEmpty()) {
        QCOMPARE(shown(record), typed);
        QCOMPARE(book().AlarmCount(), 1);
        return;
    }
    QCOMPARE(alarmLine(book()[2]), line);
    QVERIFY(!context().isLoaded<frmRecordNewTime>());
    QTRY_VERIFY(listed(m_main->lstAlarmTimes).contains(line));
}

void tst_AlarmBookWindows::recordRefusesAFullTableAndFillsAFreedSlot()
{
    for (int slot = 1; slot <= AlarmBook::LastSlot; ++slot)
        book()[slot] = {static_cast<float>(1 + slot / 60), static_cast<float>(slot % 60), QString()};
    const AlarmBook::Table full = book().all();
    frmRecordNewTime& record = openRecord();
    fill(record, {"11", "59", "PM", "late"});
    accept(record, {});
    QVERIFY(h->fakes.messages.calls.last().text.contains(QStringLiteral("100")));
    QCOMPARE(book().all(), full);

    book().free(57);
    accept(record, Saved);
    QCOMPARE(book()[57], AlarmRecord({23, 59, QStringLiteral("late")}));
    QCOMPARE(book()[58], full[58]);
}

void tst_AlarmBookWindows::editAndRemoveNeedAnAlarm()
{
    h->fakes.messages.expect(QStringLiteral("There are no recorded alarms to be removed."));
    click(m_main->cmdRemove);
    book()[1] = {7, 30, QStringLiteral("Walk")};
    m_main->GetRecordedTimes();
    h->fakes.messages.expect(
        QStringLiteral("Please select an alarm from your ''Recorded Alarms'' list before continuing."));
    click(m_main->cmdEdit);
    // A list out of date: the line no longer stands for any slot, and nothing happens.
    clickLine(m_main->lstAlarmTimes, QStringLiteral("7:30 AM   -   Walk"));
    book().free(1);
    click(m_main->cmdEdit);
    QVERIFY(!context().isLoaded<frmEdit>() && !context().isLoaded<frmRemove>());
}

void tst_AlarmBookWindows::editAccept_data()
{
    QTest::addColumn<AlarmRecord>("stored");
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<QStringList>("typed"); // empty: accepted as opened
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("line"); // of the edited slot afterwards

    const auto tea = [](float hour, float minute) { return AlarmRecord{hour, minute, QStringLiteral(" Tea  ")}; };
    const QStringList asOpened;
    QTest::newRow("12 AM kept") << tea(12, 0) << QStringList{"12", "00", "AM", "Tea"} << asOpened << Updated
                                << QStringLiteral("12:00 AM   -   Tea");
    QTest::newRow("7 PM kept") << tea(19, 5) << QStringList{"07", "05", "PM", "Tea"} << asOpened << Updated
                               << QStringLiteral("19:05 PM   -   Tea");
    QTest::newRow("12 PM kept") << tea(24, 45) << QStringList{"12", "45", "PM", "Tea"} << asOpened << Updated
                                << QStringLiteral("24:45 PM   -   Tea");
    const QStringList walk = {"07", "30", "AM", "Tea"};
    QTest::newRow("AM to PM") << tea(7, 30) << walk << QStringList{"07", "30", "PM", "Tea"} << Updated
                              << QStringLiteral("19:30 PM   -   Tea");
    QTest::newRow("text cleared") << tea(7, 30) << walk << QStringList{"07", "30", "AM", ""} << Updated
                                  << QStringLiteral("7:30 AM   -   N/A");
    QTest::newRow("another alarm's time") << tea(7, 30) << walk << QStringList{"07", "00", "PM", "Tea"} << Duplicate
                                          << QStringLiteral("7:30 AM   -    Tea  ");
}

void tst_AlarmBookWindows::editAccept()
{
    QFETCH(AlarmRecord, stored);
    QFETCH(QStringList, opened);
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    QFETCH(QString, line);
    const AlarmRecord dinner{19, 0, QStringLiteral("Dinner")};
    book()[1] = dinner;
    book()[3] = stored;
    frmEdit& edit = openEdit(alarmLine(book()[3]));
    QVERIFY(edit.isVisible() && !edit.isModal());
    QCOMPARE(shown(edit), opened);
    if (!typed.isEmpty())
        fill(edit, typed);
    // Rows that type accept with Enter, the others with a click.
    accept(edit, message, !typed.isEmpty());
    QCOMPARE(alarmLine(book()[3]), line);
    QCOMPARE(book()[1], dinner);
    QCOMPARE(context().isLoaded<frmEdit>(), message == Duplicate);
    if (message == Updated)
        QVERIFY(listed(m_main->lstAlarmTimes).contains(line));
}

void tst_AlarmBookWindows::editOfIdenticalLinesTakesTheLowerSlot()
{
    const AlarmRecord same{8, 15, QStringLiteral("Same")};
    book()[9] = same;
    book()[4] = same;
    frmEdit& edit = openEdit(QStringLiteral("8:15 AM   -   Same"));
    fill(edit, {"08", "20", "AM", "Same"});
    accept(edit, Updated);
    QCOMPARE(book()[4], AlarmRecord({8, 20, QStringLiteral("Same")}));
    QCOMPARE(book()[9], same);
}

void tst_AlarmBookWindows::secondEditCommandLoadsTheNewAlarm()
{
    book()[1] = {19, 0, QStringLiteral("Dinner")};
    book()[3] = {7, 30, QStringLiteral("Walk")};
    frmEdit& edit = openEdit(QStringLiteral("7:30 AM   -   Walk"));
    fill(edit, {"09", "30", "AM", "Walk"});
    QCOMPARE(&openEdit(QStringLiteral("19:00 PM   -   Dinner")), &edit);
    QCOMPARE(shown(edit), QStringList({"07", "00", "PM", "Dinner"}));
    QTest::keyClicks(edit.txtShortDescription, QStringLiteral(" out"));
    accept(edit, Updated);
    QCOMPARE(book()[1], AlarmRecord({19, 0, QStringLiteral("Dinner out")}));
    QCOMPARE(book()[3], AlarmRecord({7, 30, QStringLiteral("Walk")}));
}

void tst_AlarmBookWindows::editNeverOverwritesAnAlarmRecordedMeanwhile()
{
    book()[1] = {7, 30, QStringLiteral("Walk")};
    frmEdit& edit = openEdit(QStringLiteral("7:30 AM   -   Walk"));
    fill(edit, {"08", "30", "AM", "Run"});
    // Meanwhile the alarm goes and a new one takes its slot.
    book().free(1);
    book()[1] = {21, 0, QStringLiteral("News")};
    accept(edit, QStringLiteral("This alarm was changed or removed while you were editing it, so it was not updated. "
                                "Please select it again from your ''Recorded Alarms'' list."));
    QCOMPARE(book()[1], AlarmRecord({21, 0, QStringLiteral("News")}));
    QCOMPARE(book().AlarmCount(), 1);
    QVERIFY(!context().isLoaded<frmEdit>());
}

void tst_AlarmBookWindows::removalsAreCounted_data()
{
    QTest::addColumn<int>("alarms");
    QTest::addColumn<int>("removals");
    QTest::addColumn<QString>("closedBy"); // empty: the last removal closes the window
    QTest::newRow("three, then Close") << 4 << 3 << "Close";
    QTest::newRow("the last of three") << 3 << 3 << "";
    QTest::newRow("Close without removals") << 2 << 0 << "Close";
    QTest::newRow("title-bar close") << 3 << 1 << "title bar";
}

void tst_AlarmBookWindows::removalsAreCounted()
{
    QFETCH(int, alarms);
    QFETCH(int, removals);
    QFETCH(QString, closedBy);
    for (int slot = 1; slot <= alarms; ++slot)
        book()[slot] = {static_cast<float>(slot), 0, QStringLiteral("x")};
    frmRemove& remove = openRemove();
    QCOMPARE(remove.lstAlarmList->count(), alarms);
    for (int removed = 1; removed <= removals; ++removed) {
        if (removed == alarms)
            expectRemovedTotal(removed);
        removeLine(remove, remove.lstAlarmList->item(0)->text());
        QCOMPARE(book().AlarmCount(), alarms - removed);
        // The main list catches up only when the remove window closes.
        QCOMPARE(m_main->lstAlarmTimes->count(), removed == alarms ? 0 : alarms);
    }
    if (closedBy == QLatin1String("Close")) {
        if (removals > 0)
            expectRemovedTotal(removals);
        click(remove.cmdClose);
    } else if (!closedBy.isEmpty()) {
        remove.close();
    }
    QVERIFY(!context().isLoaded<frmRemove>());
    QCOMPARE(m_main->lstAlarmTimes->count(), closedBy == QLatin1String("title bar") ? alarms : alarms - removals);
}

void tst_AlarmBookWindows::recordingAfterRemovalsKeepsTheRest()
{
    for (int slot = 1; slot <= 3; ++slot)
        book()[slot] = {static_cast<float>(slot), 0, QStringLiteral("kept")};
    frmRemove& remove = openRemove();
    removeLine(remove, QStringLiteral("2:00 AM   -   kept"));
    removeLine(remove, QStringLiteral("1:00 AM   -   kept"));
    expectRemovedTotal(2);
    click(remove.cmdClose);
    for (const QString hour : {"10", "11", "12"}) {
        frmRecordNewTime& record = openRecord();
        fill(record, {hour, "00", "AM", "new"});
        accept(record, Saved);
    }
    QCOMPARE(book().lines(),
             QStringList({"10:00 AM   -   new", "11:00 AM   -   new", "3:00 AM   -   kept", "12:00 AM   -   new"}));
}

QTEST_MAIN(tst_AlarmBookWindows)
#include "tst_AlarmBookWindows.moc"
