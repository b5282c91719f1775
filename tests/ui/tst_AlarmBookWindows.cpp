#include "UiHarness.h"
#include "alarms/frmEdit.h"
#include "alarms/frmRecordNewTime.h"
#include "alarms/frmRemove.h"
#include "app/frmMain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString Duplicate = QStringLiteral("You have already recorded this time to your current session.");
const QString Saved = QStringLiteral("This alarm was successfully saved to your recorded alarms/session list.");
const QString Updated = QStringLiteral("This alarm was successfully updated.");

void click(QWidget* widget, const QString& line = {})
{
    auto* list = qobject_cast<QListWidget*>(widget);
    const QPoint at = list ? list->visualItemRect(list->findItems(line, Qt::MatchExactly).value(0)).center() : QPoint();
    QTest::mouseClick(list ? list->viewport() : widget, Qt::LeftButton, {}, at);
}

// Hour, minute, AM/PM and description as the window shows them, joined by '|'.
QString shown(const AlarmTimeForm& window)
{
    return QStringList{window.cmbHour->currentText(), window.cmbMinutes->currentText(), window.cmbAmPm->currentText(),
                       window.txtShortDescription->text()}
        .join(u'|');
}

} // namespace

class tst_AlarmBookWindows : public UiTest {
    Q_OBJECT
private slots:
    void accept_data()
    {
        QTest::addColumn<AlarmRecord>("stored"); // the alarm edited; none: a new one is recorded
        QTest::addColumn<QString>("opened");     // what the window opens with
        QTest::addColumn<QString>("typed");      // empty: accepted as opened
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("line"); // the new or edited alarm's afterwards; none when refused

        const QString missing = QStringLiteral("You will need to enter %1 time for the alarm to be set off.");
        const AlarmRecord none;
        const QString fresh = QStringLiteral("|||");
        QTest::newRow("no hour") << none << fresh << "|05|AM|x" << missing.arg("an hour") << "";
        QTest::newRow("no minute") << none << fresh << "07||PM|x" << missing.arg("a minute") << "";
        QTest::newRow("no AM/PM") << none << fresh << "07|05||x" << missing.arg("an AM/PM") << "";
        QTest::newRow("12 AM again") << none << fresh << "12|00|AM|" << Duplicate << "";
        QTest::newRow("12 PM beside 12 AM")
            << none << fresh << "12|00|PM|" + QString(40, u'x') << Saved << "24:00 PM   -   " + QString(35, u'x');
        QTest::newRow("7 PM, no text") << none << fresh << "07|10|PM|" << Saved << "19:10 PM   -   N/A";
        QTest::newRow("blanks kept") << none << fresh << "12|59|AM|  " << Saved << "12:59 AM   -     ";
        const auto tea = [](float hour, float minute) { return AlarmRecord{hour, minute, QStringLiteral(" Tea  ")}; };
        QTest::newRow("edit 12 AM") << tea(12, 1) << "12|01|AM|Tea" << QString() << Updated << "12:01 AM   -   Tea";
        QTest::newRow("edit 12 PM") << tea(24, 45) << "12|45|PM|Tea" << QString() << Updated << "24:45 PM   -   Tea";
        QTest::newRow("AM to PM") << tea(7, 30) << "07|30|AM|Tea" << u"07|30|PM|Tea"_qs << Updated
                                  << "19:30 PM   -   Tea";
        QTest::newRow("text cleared") << tea(7, 30) << "07|30|AM|Tea" << u"07|30|AM|"_qs << Updated
                                      << "7:30 AM   -   N/A";
        QTest::newRow("another alarm's time") << tea(7, 30) << "07|30|AM|Tea" << u"07|00|PM|Tea"_qs << Duplicate << "";
    }
    void accept()
    {
        QFETCH(AlarmRecord, stored);
        QFETCH(QString, opened);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, line);
        // Slot 0 is only ever filled by a session file, and its time counts like any other.
        book()[0] = {19, 0, QStringLiteral("Dinner")};
        book()[2] = {12, 0, QStringLiteral("Midnight")};
        book()[3] = stored;
        const int slot = stored.inUse() ? 3 : 1;
        if (slot == 1)
            click(m_main->cmdRecordNewAlarm);
        AlarmTimeForm& window =
            slot == 1 ? static_cast<AlarmTimeForm&>(h->context->form<frmRecordNewTime>()) : openEdit(alarmLine(stored));
        QVERIFY(window.isVisible() && !window.isModal());
        QCOMPARE(shown(window), opened);
        AlarmBook::Table table = book().all();
        fillAndAccept(window, typed.isEmpty() ? opened : typed, message);
        if (line.isEmpty()) {
            QCOMPARE(shown(window), typed); // refused: the window keeps the user's choices
        } else {
            QCOMPARE(alarmLine(table[slot] = book()[slot]), line);
            QVERIFY(!h->context->isLoaded<frmRecordNewTime>() && !h->context->isLoaded<frmEdit>());
        }
        QVERIFY(book().all() == table);
        QTRY_COMPARE(listed(m_main->lstAlarmTimes).contains(line), !line.isEmpty());
    }
    void recordFillsTheLowestFreeSlotUntilAllAreInUse()
    {
        for (int slot = 1; slot <= AlarmBook::LastSlot; ++slot)
            book()[slot] = {static_cast<float>(1 + slot / 60), static_cast<float>(slot % 60), QString()};
        // Free: slot 100, and slot 57 whose hour is not above 0.
        book().free(100);
        book()[57].Hour = -1;
        const AlarmBook::Table before = book().all();
        for (const QString& hour : {u"09"_qs, u"10"_qs, u"11"_qs}) {
            click(m_main->cmdRecordNewAlarm);
            fillAndAccept(h->context->form<frmRecordNewTime>(), hour + QStringLiteral("|59|PM|late"),
                          hour == u"11"
                              ? QStringLiteral("All 100 places for alarms are in use, so this alarm cannot be "
                                               "recorded. Please remove an alarm first.")
                              : Saved);
        }
        QCOMPARE(book()[57], AlarmRecord({21, 59, QStringLiteral("late")}));
        QCOMPARE(book()[100], AlarmRecord({22, 59, QStringLiteral("late")}));
        QCOMPARE(book()[58], before[58]);
        QCOMPARE(book().AlarmCount(), 100);
    }
    void editFollowsTheLastCommandAndNeverOverwritesAnotherAlarm()
    {
        // Two identical lines: the edit takes the lower slot.
        book()[0] = {19, 0, QStringLiteral("Dinner")};
        book()[9] = book()[3] = {7, 30, QStringLiteral("Walk")};
        frmEdit& edit = openEdit(QStringLiteral("7:30 AM   -   Walk"));
        QCOMPARE(h->context->editAlarm.Edit_AlarmPosition, 3);
        edit.cmbHour->setCurrentIndex(edit.cmbHour->findText(QStringLiteral("09")));
        // A second edit command while the window is open: it shows, and an accept writes, the new alarm.
        QCOMPARE(&openEdit(QStringLiteral("19:00 PM   -   Dinner")), &edit);
        QCOMPARE(shown(edit), QStringLiteral("07|00|PM|Dinner"));
        fillAndAccept(edit, QStringLiteral("07|00|PM|Dinner out"), Updated);
        QCOMPARE(book().lines(),
                 QStringList({"19:00 PM   -   Dinner out", "7:30 AM   -   Walk", "7:30 AM   -   Walk"}));
        // Meanwhile the alarm goes and a new one takes its slot: nothing is written.
        frmEdit& again = openEdit(QStringLiteral("7:30 AM   -   Walk"));
        book().free(3);
        book()[3] = {21, 0, QStringLiteral("News")};
        fillAndAccept(again, QStringLiteral("08|30|AM|Run"),
                      QStringLiteral("This alarm was changed or removed while you were editing it, so it was not "
                                     "updated. Please select it again from your ''Recorded Alarms'' list."));
        QCOMPARE(book()[3], AlarmRecord({21, 0, QStringLiteral("News")}));
        QVERIFY(!h->context->isLoaded<frmEdit>());
    }
    void remove_data()
    {
        QTest::addColumn<int>("alarms");
        QTest::addColumn<int>("removals");
        QTest::addColumn<bool>("closeButton"); // else the last removal closes the window
        QTest::newRow("three of four, then Close") << 4 << 3 << true;
        QTest::newRow("the last of three") << 3 << 3 << false;
        QTest::newRow("Close without removals") << 2 << 0 << true;
    }
    void remove()
    {
        QFETCH(int, alarms);
        QFETCH(int, removals);
        QFETCH(bool, closeButton);
        const QString total = QStringLiteral("A total of %1 alarms(s) were deleted from your session.");
        // From slot 0, which only a session file fills, and which must be removable all the same.
        for (int slot = 0; slot < alarms; ++slot)
            book()[slot] = {static_cast<float>(slot + 1), 0, QStringLiteral("x")};
        m_main->GetRecordedTimes();
        click(m_main->cmdRemove);
        frmRemove& remove = h->context->form<frmRemove>();
        QCOMPARE(remove.lstAlarmList->count(), alarms);
        for (int removed = 1; removed <= removals; ++removed) {
            if (removed == alarms)
                h->fakes.messages.expect(total.arg(removed));
            click(remove.lstAlarmList, remove.lstAlarmList->item(0)->text());
            click(remove.cmdRemoveSelected);
            QCOMPARE(book().AlarmCount(), alarms - removed);
            // The main list catches up only when the remove window closes.
            QCOMPARE(m_main->lstAlarmTimes->count(), removed == alarms ? 0 : alarms);
        }
        if (closeButton && removals > 0)
            h->fakes.messages.expect(total.arg(removals));
        if (closeButton)
            click(remove.cmdClose);
        QVERIFY(!h->context->isLoaded<frmRemove>());
        QCOMPARE(m_main->lstAlarmTimes->count(), alarms - removals);
    }

private:
    // Picks and types "hour|minute|AM/PM|description" as a user would ("" leaves a list without a
    // choice), presses Enter and expects `message`.
    void fillAndAccept(AlarmTimeForm& window, const QString& typed, const QString& message)
    {
        const QStringList parts = typed.split(u'|');
        window.cmbHour->setCurrentIndex(window.cmbHour->findText(parts[0]));
        window.cmbMinutes->setCurrentIndex(window.cmbMinutes->findText(parts[1]));
        window.cmbAmPm->setCurrentIndex(window.cmbAmPm->findText(parts[2]));
        window.txtShortDescription->clear();
        QTest::keyClicks(window.txtShortDescription, parts[3]);
        h->fakes.messages.expect(message);
        QTest::keyClick(window.txtShortDescription, Qt::Key_Return);
    }
    frmEdit& openEdit(const QString& line)
    {
        m_main->GetRecordedTimes();
        click(m_main->lstAlarmTimes, line);
        click(m_main->cmdEdit);
        return h->context->form<frmEdit>();
    }
    AlarmBook& book() { return h->context->Alarms; }
    void prepare() override
    {
        m_main = &h->context->form<frmMain>();
        m_main->show();
    }

    frmMain* m_main = nullptr;
};

QTEST_MAIN(tst_AlarmBookWindows)
#include "tst_AlarmBookWindows.moc"
