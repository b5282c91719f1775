#include "TestFiles.h"
#include "UiHarness.h"
#include "alarms/SessionFile.h"
#include "alarms/frmEdit.h"
#include "alarms/frmRecordNewTime.h"
#include "alarms/frmRemove.h"
#include "app/WaveSynth.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>

#include <fcntl.h>
#include <unistd.h>

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

int cursorX(QLineEdit* box)
{
    box->grab(); // the box settles how far its text scrolls when it paints
    return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
}

} // namespace

// The record, edit and remove windows, and the session file commands, on the alarms they keep.
class tst_AlarmBookWindows : public UiTest {
    Q_OBJECT
private slots:
    void recordAndEdit()
    {
        const QString missing = QStringLiteral("You will need to enter %1 time for the alarm to be set off.");
        // Slot 0 is only ever filled by a session file, and its time counts like any other.
        book()[0] = {12, 0, QStringLiteral(" Tea  ")};
        book()[2] = {19, 0, QStringLiteral("Dinner")};
        click(main().cmdRecordNewAlarm);
        frmRecordNewTime& record = h->context->form<frmRecordNewTime>();
        fillAndAccept(record, u"07||PM|x"_qs, missing.arg("a minute"));
        fillAndAccept(record, u"07|05||x"_qs, missing.arg("an AM/PM"));
        QCOMPARE(shown(record), u"07|05||x"_qs); // refused: the window keeps the user's choices
        fillAndAccept(record, u"12|00|AM|"_qs, Duplicate);
        fillAndAccept(record, u"07|10|PM|  "_qs, Saved);
        QVERIFY(!h->context->isLoaded<frmRecordNewTime>());
        click(main().cmdRecordNewAlarm);
        fillAndAccept(h->context->form<frmRecordNewTime>(), u"12|00|PM|"_qs + QString(40, u'x'), Saved);
        QTRY_COMPARE(main().lstAlarmTimes->count(), 4);
        QCOMPARE(kept(), SessionFile::write(book().all()));

        // The edit window opens with the alarm's choices, blanks cut, and may keep the alarm's own time.
        QCOMPARE(edit(u"12:00 AM   -    Tea  "_qs, {}, Updated), u"12|00|AM|Tea"_qs);
        QCOMPARE(edit("24:00 PM   -   " + QString(35, u'x'), u"07|30|AM|"_qs, Updated),
                 "12|00|PM|" + QString(35, u'x'));
        QCOMPARE(edit(u"7:30 AM   -   N/A"_qs, u"07|00|PM|Tea"_qs, Duplicate), u"07|30|AM|N/A"_qs);
        QVERIFY(h->context->isLoaded<frmEdit>()); // refused: the window stays for another choice
        // Meanwhile the alarm goes and a new one takes its slot: nothing is written.
        frmEdit& again = openEdit(QStringLiteral("19:00 PM   -   Dinner"));
        book()[2] = {21, 0, QStringLiteral("News")};
        fillAndAccept(again, QStringLiteral("08|30|AM|Run"),
                      QStringLiteral("This alarm was changed or removed while you were editing it, so it was not "
                                     "updated. Please select it again from your ''Recorded Alarms'' list."));
        QVERIFY(!h->context->isLoaded<frmEdit>());
        QCOMPARE(book().lines(),
                 QStringList({"12:00 AM   -   Tea", "19:10 PM   -     ", "21:00 PM   -   News", "7:30 AM   -   N/A"}));
        // The change made behind the window's back is not one of the book's; everything before it is kept.
        book()[2] = {19, 0, QStringLiteral("Dinner")};
        QCOMPARE(kept(), SessionFile::write(book().all()));
    }
    // Days in the order of the user's week, its weekdays and weekend, once, and the switch on each line of the list;
    // each alarm's days stay with it through an edit and into the kept file.
    void days_data()
    {
        QTest::addColumn<QLocale>("region");
        QTest::addColumn<QString>("boxes");    // the days' boxes in order, 1 Monday .. 7 Sunday
        QTest::addColumn<QString>("weekdays"); // what "Weekdays", then "Weekend" check
        QTest::newRow("Sunday first") << QLocale(QLocale::English, QLocale::UnitedStates) << u"7123456"_qs
                                      << u"12345 67"_qs;
        QTest::newRow("weekend Friday and Saturday")
            << QLocale(QLocale::Arabic, QLocale::SaudiArabia) << u"7123456"_qs << u"12347 56"_qs;
        QTest::newRow("Monday first") << QLocale(QLocale::German, QLocale::Germany) << u"1234567"_qs << u"12345 67"_qs;
    }
    void days()
    {
        QFETCH(QLocale, region);
        QFETCH(QString, boxes);
        QFETCH(QString, weekdays);
        QLocale::setDefault(region);
        const auto days = [](const AlarmTimeForm& window) {
            QString order, checked;
            for (int i = 0; i < 7; ++i) {
                order += QString::number(window.dayOfBox[i]);
                checked += window.chkDays[i]->isChecked() ? QString::number(window.dayOfBox[i]) : QString();
            }
            std::sort(checked.begin(), checked.end());
            return order + u' ' + checked;
        };
        click(main().cmdRecordNewAlarm);
        frmRecordNewTime& record = h->context->form<frmRecordNewTime>();
        QCOMPARE(days(record), boxes + u' ' + u"1234567"_qs); // a new alarm rings every day, as ever
        record.cmdWeekdays->click();
        QCOMPARE(days(record).section(u' ', 1), weekdays.section(u' ', 0, 0));
        record.cmdWeekend->click();
        QCOMPARE(days(record).section(u' ', 1), weekdays.section(u' ', 1));
        for (QCheckBox* box : record.chkDays)
            box->setChecked(false);
        fillAndAccept(record, u"06|30|AM|Work"_qs,
                      u"You will need to choose a day for the alarm to be set off, or Ring once."_qs);
        record.cmdWeekdays->click();
        fillAndAccept(record, u"06|30|AM|Work"_qs, Saved);
        click(main().cmdRecordNewAlarm);
        frmRecordNewTime& again = h->context->form<frmRecordNewTime>();
        again.chkRingOnce->click();
        QVERIFY(!again.chkDays[0]->isEnabled() && !again.cmdWeekend->isEnabled());
        fillAndAccept(again, u"09|00|AM|Dentist"_qs, Saved);
        main().GetRecordedTimes();
        QCOMPARE(book()[1].days, weekdays.section(u' ', 0, 0) == u"12345" ? WeekDays(0x1F) : WeekDays(0x4F));
        QVERIFY(book()[2].once && book()[2].on);
        // The edit window opens with the alarm's days, and keeps its days when only the description changes.
        frmEdit& edit = openEdit(u"6:30 AM   -   Work"_qs);
        QCOMPARE(days(edit).section(u' ', 1), weekdays.section(u' ', 0, 0));
        QVERIFY(!edit.chkRingOnce->isChecked());
        fillAndAccept(edit, u"06|30|AM|Work!"_qs, Updated);
        QCOMPARE(book()[1].days, weekdays.section(u' ', 0, 0) == u"12345" ? WeekDays(0x1F) : WeekDays(0x4F));
        QCOMPARE(kept(), SessionFile::write(book().all()));
        // Space switches the chosen line's alarm off: it is kept so, and the list and the next ring say so.
        QListWidget* list = main().lstAlarmTimes;
        main().GetRecordedTimes();
        list->setCurrentItem(list->findItems(u"9:00 AM   -   Dentist"_qs, Qt::MatchExactly).value(0));
        QTest::keyClick(list, Qt::Key_Space);
        QVERIFY(!book()[2].on);
        QCOMPARE(list->currentItem()->data(Qt::AccessibleDescriptionRole).toString(), u"Off"_qs);
        QVERIFY(main().lblNextAlarm->text().endsWith(u" 6:30 AM"_qs));
        QCOMPARE(SessionFile::read(kept()).table, book().all());
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(list->currentItem()->data(Qt::AccessibleDescriptionRole).toString(), u"Once"_qs);
        QLocale::setDefault(QLocale::c());
    }
    // The sound of an alarm: a built-in one, a file chosen through the desktop's dialog (a cancel keeps what was
    // shown) and a volume, kept with the alarm on Accept, shown again by the edit window and kept by it.
    void sound_data()
    {
        QTest::addColumn<QStringList>("steps"); // see act()
        QTest::addColumn<QString>("stored");    // sound|file|volume
        QTest::addColumn<QString>("shown");     // the sound's line in the list, the volume
        const QString file = u"/home/u/Musique d'été/réveil 1.ogg"_qs;
        QTest::newRow("as ever") << QStringList() << u"||100"_qs << u"Alarm sound|100 %"_qs;
        QTest::newRow("chime, 40 %") << QStringList{"pick 1", "volume 40"} << u"chime||40"_qs << u"Chime|40 %"_qs;
        QTest::newRow("a file") << QStringList{"file " + file} << u"|"_qs + file + "|100" << u"réveil 1.ogg|100 %"_qs;
        QTest::newRow("file cancelled") << QStringList{"pick 2", "file "} << u"rising||100"_qs
                                        << u"Rising beeps|100 %"_qs;
        QTest::newRow("file, then built-in")
            << QStringList{"file /a.ogg", "pick 0", "volume 0"} << u"||0"_qs << u"Alarm sound|0 %"_qs;
    }
    void sound()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        click(main().cmdRecordNewAlarm);
        frmRecordNewTime& record = h->context->form<frmRecordNewTime>();
        for (const QString& step : steps)
            act(record, step);
        fillAndAccept(record, u"06|30|AM|Wake"_qs, Saved);
        const auto keptNow = [this] {
            const AlarmRecord& alarm = book()[1];
            return QStringList{alarm.sound, alarm.soundFile, QString::number(alarm.volume)}.join(u'|');
        };
        QCOMPARE(keptNow(), stored);
        QCOMPARE(SessionFile::read(kept()).table, book().all());
        frmEdit& edit = openEdit(u"6:30 AM   -   Wake"_qs);
        QCOMPARE(edit.cmbSound->currentText() + u'|' + edit.spnVolume->text(), shown);
        fillAndAccept(edit, u"06|30|AM|Woken"_qs, Updated);
        QCOMPARE(keptNow(), stored);
    }
    // Play previews the sound shown at the volume shown, once, never turning up the output; it stops on a second
    // press, another sound chosen, or the window going, and shows Play again then and when the sound ends.
    void previews_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("previews");
        QTest::addColumn<int>("stops");
        QTest::newRow("pressed again") << QStringList{"play", "play"} << 1 << 1;
        QTest::newRow("ended") << QStringList{"play", "ended", "play"} << 2 << 0;
        QTest::newRow("other sound") << QStringList{"play", "pick 1"} << 1 << 1;
        QTest::newRow("window closed") << QStringList{"play", "close"} << 1 << 1;
    }
    void previews()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, previews);
        QFETCH(int, stops);
        book()[1] = {7, 30, QStringLiteral("Tea")};
        frmEdit& edit = openEdit(u"7:30 AM   -   Tea"_qs);
        act(edit, u"file /gone.ogg"_qs);
        act(edit, u"volume 30"_qs);
        for (const QString& step : steps)
            act(edit, step);
        QCOMPARE(h->fakes.sound.stops, stops);
        SoundRequest preview;
        preview.file = u"/gone.ogg"_qs;
        preview.wave = WaveSynth::alarmSound();
        preview.volume = 30;
        QCOMPARE(h->fakes.sound.rung, QList<SoundRequest>(previews, preview));
        QCOMPARE(edit.cmdPlay->text(), steps.last() == u"play" && stops == 0 ? u"Stop"_qs : u"Play"_qs);
    }
    void recordFillsTheLowestFreeSlotUntilAllAreInUse()
    {
        for (int slot = 1; slot <= AlarmBook::LastSlot; ++slot)
            book()[slot] = {static_cast<float>(1 + slot / 60), static_cast<float>(slot % 60), QString()};
        // Free: slot 100, and slot 57 whose hour is not above 0.
        book().free(100);
        book()[57].Hour = -1;
        for (const QString& hour : {u"09"_qs, u"10"_qs, u"11"_qs}) {
            click(main().cmdRecordNewAlarm);
            fillAndAccept(h->context->form<frmRecordNewTime>(), hour + QStringLiteral("|59|PM|late"),
                          hour == u"11"
                              ? QStringLiteral("All 100 places for alarms are in use, so this alarm cannot be "
                                               "recorded. Please remove an alarm first.")
                              : Saved);
        }
    }
    void remove()
    {
        const QString total = QStringLiteral("A total of %1 alarms(s) were deleted from your session.");
        // From slot 0, which only a session file fills, and which must be removable all the same.
        for (int slot = 0; slot < 4; ++slot)
            book()[slot] = {static_cast<float>(slot + 1), 0, QStringLiteral("x")};
        main().GetRecordedTimes();
        click(main().cmdRemove);
        frmRemove& remove = h->context->form<frmRemove>();
        // Coming back to the window keeps the line the user chose.
        QListWidgetItem* chosen = remove.lstAlarmList->item(3);
        remove.lstAlarmList->setCurrentItem(chosen);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&remove, &activate);
        QCOMPARE(remove.lstAlarmList->selectedItems().value(0), chosen);
        click(remove.cmdClose); // nothing removed, nothing to report
        click(main().cmdRemove);
        for (int removed = 1; removed <= 3; ++removed)
            removeFirstLine();
        QCOMPARE(book().lines(), QStringList{"4:00 AM   -   x"});
        // The main list catches up only when the remove window closes, and then hears the count.
        h->fakes.messages.expect(total.arg(3));
        click(h->context->form<frmRemove>().cmdClose);
        QCOMPARE(main().lstAlarmTimes->count(), 1);
        // Removing the last alarm closes the window.
        click(main().cmdRemove);
        h->fakes.messages.expect(total.arg(1));
        removeFirstLine();
        QVERIFY(!h->context->isLoaded<frmRemove>());
        QCOMPARE(main().lstAlarmTimes->count(), 0);
        QCOMPARE(kept(), SessionFile::write(book().all()));
    }
    void saveAndLoad()
    {
        QTemporaryDir folder;
        const QString failed = QStringLiteral("An error has occurred %1 your session (Err: %2). Please try again.");
        QVERIFY(writeFile(folder.filePath(QStringLiteral("notes.txt")), "Shopping: eggs, milk\n"));
        book()[0] = {9, 15, QStringLiteral("Slot 0")};
        book()[60] = {13, 0, QStringLiteral("Lunch")};
        // The user cancels, and hears nothing of it.
        session(true, {}, {});
        session(true, folder.filePath(QStringLiteral("monday")),
                QStringLiteral("You have successfully saved your session."));
        book().free(0);
        const AlarmBook::Table table = book().all();
        session(true, folder.filePath(QStringLiteral("gone/a.tkw")), failed.arg("while saving").arg(76));
        session(false, folder.filePath(QStringLiteral("notes.txt")), failed.arg("during loading").arg(13));
        QVERIFY(book().all() == table && kept() == SessionFile::write(table));
        // The list is whole before the message box opens, not after it closes.
        const QStringList loaded = {"13:00 PM   -   Lunch", "9:15 AM   -   Slot 0"};
        session(false, folder.filePath(QStringLiteral("monday")),
                QStringLiteral("You have successfully loaded your session."),
                [&] { QCOMPARE(listed(main().lstAlarmTimes), loaded); });
        QCOMPARE(listed(main().lstAlarmTimes), loaded);
        QCOMPARE(kept(), SessionFile::write(book().all()));
        const FakeMessageBoxes::Call loadFailure = h->fakes.messages.calls.at(2);
        QCOMPARE(loadFailure.style, MsgBox::OkOnly | MsgBox::Critical);
        QVERIFY2(loadFailure.details.startsWith(folder.path() + u'/'), qPrintable(loadFailure.details));
    }
    void keptAcrossStarts()
    {
        const QString path = h->dataFolder() + "/alarms.tkw";
        book()[3] = {7, 5, QStringLiteral("Wake")};
        // A folder that takes no files: a failed write is told when the one before it succeeded, not with
        // every change.
        for (int spell = 0; spell < 2; ++spell) {
            QVERIFY(QDir(h->dataFolder()).removeRecursively() && writeFile(h->dataFolder(), "not a folder"));
            h->fakes.messages.expect("Tockwell could not keep your alarms for its next start (Err: 76): " + path +
                                     "\n\nUntil this is mended, save them to a session file before you exit.");
            book().free(1);
            book().free(1);
            // Told once the program is back in its loop, never inside the change (which may be an alarm ringing).
            QCOMPARE(h->fakes.messages.calls.size(), spell);
            QTRY_COMPARE(h->fakes.messages.calls.size(), spell + 1);
            QVERIFY(QFile::remove(h->dataFolder()));
            book().free(1); // kept again
        }
        const QByteArray wake = kept();
        // Too many files open (as no permission, a disk error): the file is sound. It stays as it is and
        // nothing is kept over it in that run, so the next start has the alarms back.
        h->context.reset();
        const int nextFile = ::open("/dev/null", O_RDONLY);
        ::close(nextFile);
        const QString unread = "Tockwell could not read the alarms it kept from its last run (Err: %1), so the list "
                               "starts empty.\n\n";
        h->fakes.messages.expect({});
        QVERIFY(withLimit(RLIMIT_NOFILE, nextFile, [&] { h->restart(); }));
        QVERIFY(h->fakes.messages.calls.last().text.startsWith(unread.arg(67) + path + "\nToo many open files\n\n"));
        book().free(1);
        QCOMPARE(kept(), wake);
        QCOMPARE(h->restart().Alarms.lines(), QStringList{"7:05 AM   -   Wake"});
        // Not a session file: moved aside, named by the day (the day's second with -2), and told once. With no
        // name left it stays, and nothing is kept over it in that run.
        const QString aside = path + ".bad-2026-12-05";
        for (int n = 3; n <= 100; ++n)
            QVERIFY(writeFile(aside + '-' + QString::number(n), {}));
        for (const QString& to : {aside, aside + "-2", QString()}) {
            QVERIFY(writeFile(path, "7\n"));
            h->fakes.messages.expect(to.isEmpty() ? to
                                                  : unread.arg(62) + "The file was moved aside, not deleted: " + to);
            h->restart().Alarms.free(1);
            QCOMPARE(readFile(to.isEmpty() ? path : to), "7\n");
        }
    }
    // The longest description fits whole in every list and box, at any screen scale.
    void longestTextShowsWhole()
    {
        const QString longest(MaxDescriptionLength, u'W');
        // Enough lines to bring up the vertical scroll bar, every one as wide as a line can be.
        for (int hour = 10; hour <= 24; ++hour)
            book()[hour - 9] = {static_cast<float>(hour), 59, longest};
        main().GetRecordedTimes();
        frmRemove& remove = h->context->form<frmRemove>();
        remove.show();
        remove.GetAlarmList();
        for (QListWidget* list : {main().lstAlarmTimes, remove.lstAlarmList}) {
            QVERIFY(QTest::qWaitForWindowExposed(list->window()));
            list->doItemsLayout();
            QVERIFY(list->verticalScrollBar()->isVisible());
            QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
            // The widest line, as the list's own items measure it, fits the visible part of the list.
            const int widest = list->sizeHintForColumn(0);
            QVERIFY(widest >= list->fontMetrics().horizontalAdvance(QStringLiteral("24:59 PM   -   ") + longest));
            QVERIFY(widest <= list->viewport()->width());
        }
        for (AlarmTimeForm* window : std::initializer_list<AlarmTimeForm*>{&h->context->form<frmRecordNewTime>(),
                                                                           &h->context->form<frmEdit>()}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            // The cursor after the text stands the text's width from where it stands in an empty box: any
            // less means the text scrolled and its first letters are hidden.
            QLineEdit* box = window->txtShortDescription;
            box->clear();
            const int emptyCursor = cursorX(box);
            QTest::keyClicks(box, longest);
            QVERIFY(qAbs(cursorX(box) - emptyCursor - box->fontMetrics().horizontalAdvance(longest)) <= 1);
            QVERIFY(box->inputMethodQuery(Qt::ImCursorRectangle).toRect().right() <= box->contentsRect().right());
        }
    }

private:
    // Does `step` in the window: "pick N" (the Nth sound), "file PATH" (Choose a file..., PATH picked; none:
    // cancelled), "volume N", "play", "ended" (the sound played to its end), "close".
    void act(AlarmTimeForm& window, const QString& step)
    {
        const QString word = step.section(u' ', 0, 0), rest = step.section(u' ', 1);
        if (word == u"pick" || word == u"file") {
            h->fakes.files.nextOpen = rest;
            window.cmbSound->setCurrentIndex(word == u"pick" ? rest.toInt() : window.cmbSound->count() - 1);
            emit window.cmbSound->activated(window.cmbSound->currentIndex());
        } else if (word == u"volume") {
            window.spnVolume->setValue(rest.toInt());
        } else if (word == u"play") {
            click(window.cmdPlay);
        } else if (word == u"ended") {
            h->fakes.sound.onEnded();
        } else {
            window.reject();
        }
    }
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
    // Opens the edit window on `line`, accepts it with `typed` (empty: as opened) and expects `message`;
    // returns what the window opened with.
    QString edit(const QString& line, const QString& typed, const QString& message)
    {
        frmEdit& window = openEdit(line);
        const QString opened = shown(window);
        fillAndAccept(window, typed.isEmpty() ? opened : typed, message);
        return opened;
    }
    void removeFirstLine()
    {
        frmRemove& remove = h->context->form<frmRemove>();
        click(remove.lstAlarmList, remove.lstAlarmList->item(0)->text());
        click(remove.cmdRemoveSelected);
    }
    // Saves to or loads `path` (empty: the dialog is cancelled) and expects `message`.
    void session(bool save, const QString& path, const QString& message, std::function<void()> whileOpen = {})
    {
        if (!message.isEmpty())
            h->fakes.messages.expect(message, MsgBox::Ok, std::move(whileOpen));
        (save ? h->fakes.files.nextSave : h->fakes.files.nextOpen) = path;
        QTest::mouseClick(save ? main().cmdSave : main().cmdOpen, Qt::LeftButton);
    }
    frmEdit& openEdit(const QString& line)
    {
        main().GetRecordedTimes();
        click(main().lstAlarmTimes, line);
        click(main().cmdEdit);
        return h->context->form<frmEdit>();
    }
    AlarmBook& book() { return h->context->Alarms; }
    QByteArray kept() { return readFile(h->dataFolder() + "/alarms.tkw"); }
    void prepare() override { main().show(); }
};

QTEST_MAIN(tst_AlarmBookWindows)
#include "tst_AlarmBookWindows.moc"
