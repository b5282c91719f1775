#include "TestFiles.h"
#include "UiHarness.h"
#include "app/SnoozedLines.h"
#include "app/WaveSynth.h"
#include "app/frmSplash.h"
#include "engine/frmAlarm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <fcntl.h>
#include <unistd.h>

class tst_frmAlarm : public UiTest {
    Q_OBJECT
private slots:
    void ringsOnceWhileTicksGoOn()
    {
        // Alarms of one minute ring one after another, slot 0 (only a session file fills it) first.
        h->context->Alarms[0] = {7, 5, QStringLiteral("<b>bold</b> &amp;")};
        h->context->Alarms[2] = {7, 5, QStringLiteral("third")};
        // Files and folder gone while the program runs (a cache cleaner): written again.
        QVERIFY(QDir(h->context->soundFolder()).removeRecursively());
        // Put away in the tray: the alarm brings the window back and takes the icon away.
        main().show();
        h->context->tray().AddTrayIcon(QStringLiteral("Tockwell"));
        main().setWindowState(Qt::WindowMinimized);
        main().hide();
        QStringList shown;
        whileOpen([&](frmAlarm& alarm) {
            QVERIFY(main().isVisible() && !h->fakes.tray.shown);
            QCOMPARE(alarm.lblAlarmInformation->textFormat(), Qt::PlainText);
            QCOMPARE(alarm.lblAlarmInformation->palette().color(QPalette::WindowText), QColor(0, 128, 0));
            QVERIFY(alarm.windowFlags() & Qt::WindowStaysOnTopHint);
            QTRY_VERIFY(alarm.isActiveWindow());
            shown << alarm.lblAlarmInformation->text();
            QCOMPARE(h->fakes.notifications.notices.last(), frmAlarm::Notice(shown.last(), true));
            // The clock keeps ticking while the window is open, through the rest of the minute.
            tickAt(h->fakes.clock.now().addMSecs(900), 70);
            alarm.cmdClose_Click();
        });
        tickAt(QDateTime(QDate(2026, 12, 5), QTime(7, 4, 59, 800)), 2);
        QCOMPARE(shown, QStringList({"7:05 AM   -   <b>bold</b> &amp;", "7:05 AM   -   Wake", "7:05 AM   -   third"}));
        QCOMPARE(main().lblCurrentTime->text(), QStringLiteral("07:08:11 AM / 07:08:11"));
        QCOMPARE(heard(), QStringLiteral("ASASAS"));
        QCOMPARE(h->fakes.notifications.calls, u"PWPWPW"_qs);
        QCOMPARE(readFile(h->context->silenceSoundPath()), WaveSynth::silenceSound());
    }
    void closing_data()
    {
        QTest::addColumn<QString>("steps"); // what happens while the alarm window is open
        // Of this alarm and the next one: A the alarm sound, S the silence that cuts it short; the next
        // finds a file where the sound folder belongs and rings the alarm sound from memory instead (W).
        QTest::addColumn<QString>("sounds");
        // The desktop notifications of both: P posted with "Stop Alarm", U updated to none (the sound is
        // over), W withdrawn.
        QTest::addColumn<QString>("told");
        QTest::newRow("Escape") << u"Escape"_qs << u"ASWS"_qs << u"PWPW"_qs;
        QTest::newRow("Stop, then Close") << u"Stop, Close"_qs << u"ASWS"_qs << u"PUWPUW"_qs;
        // By keyboard: Tab, Space on Stop, then Return, which closes (never snoozes) whatever has the focus.
        QTest::newRow("Stop, then Return") << u"Stop by keys"_qs << u"ASWS"_qs << u"PUWPUW"_qs;
        // Not closed properly: the next alarm sounds, but only a message box (and the notification
        // while it is open, its "Stop Alarm" used) tells of it.
        QTest::newRow("title bar") << u"title bar"_qs << u"AWS"_qs << u"PWPUW"_qs;
    }
    void closing()
    {
        QFETCH(QString, steps);
        QFETCH(QString, sounds);
        QFETCH(QString, told);
        whileOpen([&](frmAlarm& alarm) {
            const bool stop = steps.startsWith(u"Stop");
            const auto key = [](Qt::Key pressed) { QTest::keyClick(QApplication::focusWidget(), pressed); };
            if (steps == u"Stop by keys") {
                QTRY_VERIFY(alarm.isActiveWindow());
                key(Qt::Key_Tab);
                key(Qt::Key_Space);
            } else if (stop) {
                QTest::mouseClick(alarm.cmdStop, Qt::LeftButton);
            }
            alarm.timCheckMain_Timer();
            QVERIFY(main().timAlarm->isActive() != stop && alarm.cmdStop->isEnabled() != stop);
            QVERIFY(alarm.timCheckMain->isActive() != stop);
            if (steps == u"title bar")
                alarm.close();
            else if (steps == u"Escape")
                QTest::keyClick(alarm.cmdClose, Qt::Key_Escape);
            else if (steps == u"Stop by keys")
                key(Qt::Key_Return);
            else
                QTest::mouseClick(alarm.cmdClose, Qt::LeftButton);
        });
        tickAt(QDateTime(QDate(2026, 12, 5), QTime(7, 5, 0, 100)));
        QVERIFY(!h->context->isLoaded<frmAlarm>() && h->context->Snoozed.all().isEmpty());
        const bool open = steps == u"title bar";
        QCOMPARE(main().AlarmOpen, open);
        h->context->Alarms[2] = {7, 6, QStringLiteral("Again")};
        QVERIFY(QDir(h->context->soundFolder()).removeRecursively());
        QVERIFY(writeFile(h->context->soundFolder(), "in the way"));
        if (open)
            h->fakes.messages.expect(QStringLiteral("An alarm has gone off but since your last alarm was not closed "
                                                    "properly, a new page has not been opened"),
                                     MsgBox::Ok, [&] { h->fakes.notifications.onStop(); });
        tickAt(QDateTime(QDate(2026, 12, 5), QTime(7, 6, 0, 300))); // and closed the same way
        QCOMPARE(heard(), sounds);
        QCOMPARE(h->fakes.sound.rung.last().wave, WaveSynth::alarmSound());
        QCOMPARE(h->fakes.modal.runs, open ? 1 : 2);
        if (open)
            QCOMPARE(h->fakes.messages.calls.at(0).style, MsgBox::OkOnly | MsgBox::Critical);
        QCOMPARE(h->fakes.notifications.calls, told);
        QCOMPARE(h->fakes.notifications.notices.last().body, u"7:06 AM   -   Again"_qs);
        // Only an alarm window snoozes: the notice of an alarm a box told of offers none, not even after its sound.
        QCOMPARE(h->fakes.notifications.notices.last().offerSnooze, !open);
        // A click on the notification brings the program to the front.
        main().hide();
        h->fakes.notifications.onActivate();
        QVERIFY(main().isVisible());
    }

    // The alarm rings its own sound, at its volume, for the ring length (timAlarm runs as long), gently where
    // asked; a muted output is turned up unless the option is off, when the window and notification say it rang
    // silently; a chosen file the player cannot play is named beside the line.
    void ringsItsOwnSound_data()
    {
        QTest::addColumn<QString>("options"); // ring seconds|gentle start seconds|ring when muted (1 off, 2 on)
        QTest::addColumn<QString>("alarm");   // sound|file|volume
        QTest::addColumn<bool>("muted");      // the output
        QTest::addColumn<QString>("rings");   // file ("A": the alarm sound's), length ms, ramp ms, raise|timAlarm ms
        QTest::addColumn<QString>("failure"); // what the player then reports
        QTest::addColumn<QString>("note");    // beside the line, and in the notification
        const QString silent = "Your computer's sound is muted: this alarm rang silently.";
        QTest::newRow("as ever") << u"||"_qs << u"||100"_qs << false << u"A 29808 0 1|29100"_qs << u""_qs << u""_qs;
        QTest::newRow("chime, 2 min, gentle")
            << u"120|30|"_qs << u"chime||40"_qs << false << u" 120000 30000 1|120000"_qs << u""_qs << u""_qs;
        QTest::newRow("muted, turned up")
            << u"900||2"_qs << u"rising||100"_qs << true << u" 900000 0 1|900000"_qs << u""_qs << u""_qs;
        QTest::newRow("muted, left") << u"60|10|1"_qs << u"||100"_qs << true << u"A 60000 10000 0|60000"_qs << u""_qs
                                     << silent;
        QTest::newRow("heard, option off")
            << u"||1"_qs << u"||100"_qs << false << u"A 29808 0 0|29100"_qs << u""_qs << u""_qs;
        QTest::newRow("file gone")
            << u"||"_qs << u"|/media/usb/réveil 1.ogg|70"_qs << false << u"/media/usb/réveil 1.ogg 29808 0 1|29100"_qs
            << u"/media/usb/réveil 1.ogg"_qs
            << u"Tockwell could not play the sound file /media/usb/réveil 1.ogg, so it rang its "_qs
               "alarm sound instead.";
    }
    void ringsItsOwnSound()
    {
        QFETCH(QString, options);
        QFETCH(QString, alarm);
        QFETCH(QString, rings);
        QFETCH(bool, muted);
        QFETCH(QString, failure);
        QFETCH(QString, note);
        const QStringList keys{"Ring Seconds", "Gentle Start Seconds", "Ring When Muted"};
        for (int i = 0; i < 3; ++i)
            if (!options.section(u'|', i, i).isEmpty())
                h->fakes.settings.values.insert(UiHarness::Application + "/Desktop/" + keys[i],
                                                options.section(u'|', i, i));
        h->fakes.sound.muted = muted;
        AlarmRecord& record = h->context->Alarms[1];
        record.sound = alarm.section(u'|', 0, 0);
        record.soundFile = alarm.section(u'|', 1, 1);
        record.volume = alarm.section(u'|', 2).toInt();
        QString shown;
        whileOpen([&](frmAlarm& window) {
            if (!failure.isEmpty())
                h->fakes.sound.onFileFailed(failure, QStringLiteral("No such file or directory"));
            shown = window.lblSoundNote->isVisible() ? window.lblSoundNote->text() : QString();
            QCOMPARE(window.lblSoundNote->textFormat(), Qt::PlainText);
            QCOMPARE(h->fakes.notifications.notices.last(),
                     frmAlarm::Notice(window.lblAlarmInformation->text(), true, note));
            // Its time over, a ring longer than the alarm sound is silenced; the alarm sound plays out as ever.
            const qsizetype played = h->fakes.sound.played.size();
            main().timAlarm_Timer();
            QCOMPARE(h->fakes.sound.played.size() - played, main().timAlarm->interval() > 29100 ? 1 : 0);
            window.cmdClose_Click();
        });
        tickAt(QDateTime(QDate(2026, 12, 5), QTime(7, 5, 0, 100)));
        QCOMPARE(h->fakes.sound.rung.size(), 1);
        const SoundRequest& request = h->fakes.sound.rung[0];
        const QString file = request.file == h->context->alarmSoundPath() ? u"A"_qs : request.file;
        QCOMPARE(QStringLiteral("%1 %2 %3 %4|%5")
                     .arg(file)
                     .arg(request.lengthMs)
                     .arg(request.rampMs)
                     .arg(request.raiseMutedOutput)
                     .arg(main().timAlarm->interval()),
                 rings);
        QCOMPARE(request.volume, record.volume);
        const QByteArray wave = record.sound == "chime"    ? WaveSynth::chimeSound()
                                : record.sound == "rising" ? WaveSynth::risingSound()
                                : file == u"A"             ? QByteArray()
                                                           : WaveSynth::alarmSound();
        QVERIFY(request.wave == wave);
        QCOMPARE(shown, note);
    }

    // The wake-up follows the next alarm. Alarms passed by over an hour while the computer slept are told as
    // missed, once: a notification at once, and a box, with why waking did not work, once the user is back.
    void missedWhileAsleep()
    {
        h->context->Alarms.record({9, 0, QStringLiteral("Late")});
        // At the first tick, no alarm recorded through the book yet; then 7:05 is two seconds away: too close.
        QCOMPARE(h->fakes.wakeTimer.calls, QStringList({"disarm"}));
        main().show();
        main().cmdMinimize_Click();
        h->fakes.wakeTimer.reason = QStringLiteral("Tockwell may not wake the computer.");
        notTranslated(h->fakes.wakeTimer.reason);
        const auto night = [&](int day) {
            h->fakes.clock.set(QDateTime(QDate(2026, 12, day), QTime(12, 30)));
            h->fakes.sleepWatcher.onResume(); // the computer woke
        };
        night(5);
        QCOMPARE(h->fakes.wakeTimer.calls.last(), "arm 2026-12-06 07:04:00");
        const QString saturday = u"7:05 AM   -   Wake (Saturday, 5 December 2026)\n9:00 AM   -   Late (Saturday, "
                                 u"5 December 2026)"_qs;
        notTranslated(saturday);
        QCOMPARE(h->fakes.notifications.notices, QList<Notifications::Notice>({{"Missed alarms", saturday, false}}));
        // A second night, with ten alarms more, while the window waits in the tray: told at once, ten by name.
        for (int slot = 10; slot < 20; ++slot)
            h->context->Alarms[slot] = {8, float(slot), u"Also"_qs};
        night(6);
        QCOMPARE(h->fakes.notifications.notices.size(), 2);
        QCOMPARE(h->fakes.notifications.notices.last().body.count(u"(Sunday, 6 December 2026)"_qs), 10);
        QVERIFY(h->fakes.notifications.notices.last().body.endsWith(u"\nand 2 more"_qs));
        // Minimised to the task bar, the window is not in front of the user: the box waits.
        main().mnuShow_Click();
        main().showMinimized();
        main().timTimers_Timer();
        QVERIFY(h->fakes.messages.calls.isEmpty());
        h->fakes.messages.expect({});
        main().showNormal();
        main().Form_Activate();
        QTRY_COMPARE(h->fakes.messages.calls.size(), 1);
        // Both nights, each alarm with its day, ten of fourteen by name: a box within the screen.
        const QString box = h->fakes.messages.calls[0].text;
        QVERIFY2(box.startsWith("These alarms did not ring: their time passed more than an hour before Tockwell could "
                                "look at the clock (the computer was asleep, or its clock was set forward).\n\n" +
                                saturday + u"\n7:05 AM   -   Wake (Sunday, 6 December 2026)\n8:10 AM"_qs) &&
                     box.endsWith(u"\nand 4 more\n\nTockwell may not wake the computer."_qs) && box.count(u'\n') == 14,
                 qPrintable(box));
        tickAt(QDateTime(QDate(2026, 12, 6), QTime(12, 31)), 2);
        main().Form_Activate();
        QCoreApplication::processEvents();
        QCOMPARE(h->fakes.notifications.notices.size() + h->fakes.messages.calls.size(), 3); // each told once
    }

    // Snooze closes the window as Close does, and rings the same line once more, exactly the chosen minutes
    // later; a snoozed ring snoozes again, beside a recorded alarm of the same minute; a cancelled one stays silent.
    void snooze_data()
    {
        QTest::addColumn<QString>("stored"); // the snooze length in the settings
        // How each alarm window is left, in turn: s Snooze, x Snooze and then Cancel Snooze in the main window,
        // c Close. (Alt+S and the notification's Snooze: e2e.alarm.)
        QTest::addColumn<QString>("answers");
        // After the first snooze: the button's tooltip, the time on the main window's line, the wake-up.
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("rings");
        QTest::newRow("ten minutes by default; again, then cancelled")
            << u""_qs << u"scx"_qs << u"10 minutes|7:15 AM|07:09:00"_qs << u"5:00 Wake, 10:00 Tea, 15:00 Wake"_qs;
        QTest::newRow("one minute") << u"1"_qs << u"scc"_qs << u"1 minute|7:06 AM|07:06:00"_qs
                                    << u"5:00 Wake, 6:00 Wake, 10:00 Tea"_qs;
        QTest::newRow("twice, on a recorded alarm's minute")
            << u"5"_qs << u"scsc"_qs << u"5 minutes|7:10 AM|07:09:00"_qs
            << u"5:00 Wake, 10:00 Tea, 10:00 Wake, 15:00 Wake"_qs;
    }
    void snooze()
    {
        QFETCH(QString, stored);
        QFETCH(QString, answers);
        QFETCH(QString, told);
        QFETCH(QString, rings);
        h->fakes.settings.values.insert(UiHarness::Application + "/Desktop/Snooze Minutes", stored);
        h->context->Alarms[2] = {7, 10, QStringLiteral("Tea")};
        QStringList rang;
        whileOpen([&](frmAlarm& alarm) {
            rang << h->fakes.clock.now().toString(u"m:ss ") + alarm.lblAlarmInformation->text().section(" ", -1);
            const QChar answer = rang.size() > answers.size() ? u'c' : answers[rang.size() - 1];
            if (answer == u'c')
                return alarm.cmdClose_Click();
            QCOMPARE(alarm.cmdSnooze->toolTip(), "Ring again in " + told.section(u'|', 0, 0));
            QTest::mouseClick(alarm.cmdSnooze, Qt::LeftButton);
            QVERIFY(!h->context->isLoaded<frmAlarm>() && !main().AlarmOpen && main().isVisible());
            QVERIFY(!main().timAlarm->isActive() && heard().endsWith(u'S'));
            if (rang.size() == 1) {
                QCOMPARE(main().snoozedLines->rows[0].label->text(),
                         "Snoozed: 7:05 AM   -   Wake, rings at " + told.section(u'|', 1, 1));
                QCOMPARE(h->fakes.wakeTimer.calls.last(), "arm 2026-12-05 " + told.section(u'|', 2));
            }
            if (answer == u'x')
                main().snoozedLines->rows[0].cancel->click();
        });
        h->fakes.clock.set(QDateTime(QDate(2026, 12, 5), QTime(7, 4, 59, 500)));
        for (; h->fakes.clock.now().time() < QTime(7, 30); h->fakes.clock.advance(500))
            main().timTimers_Timer();
        QCOMPARE(rang.join(u", "), rings);
        QVERIFY(main().snoozedLines->isHidden());
    }
    // Neither file can be kept as a snooze and a one-time alarm ring together: both ring first, and the boxes that
    // tell of the files come after, from the event loop, never between a due alarm and its sound.
    void keepingFailsWhileRinging()
    {
        h->context->Alarms[1].once = true;
        h->context->Ringer.snooze({u"7:00 AM   -   Earlier"_qs}, QDateTime(QDate(2026, 12, 5), QTime(7, 5)));
        h->context->Ringer.snooze({u"6:50 AM   -   Later"_qs}, QDateTime(QDate(2026, 12, 5), QTime(7, 30)));
        QVERIFY(QDir(h->dataFolder()).removeRecursively() && writeFile(h->dataFolder(), "not a folder"));
        whileOpen([&](frmAlarm& alarm) {
            QVERIFY2(h->fakes.messages.calls.isEmpty(), "a box came before an alarm rang");
            alarm.cmdClose_Click();
        });
        h->fakes.messages.expect("Tockwell could not keep its snoozed alarms for its next start: " + h->dataFolder() +
                                 "/snoozed.json");
        h->fakes.messages.expect(u"Tockwell could not keep your alarms for its next start (Err: 76): "_qs +
                                 h->dataFolder() +
                                 "/alarms.tkw\n\nUntil this is mended, save them to a session "
                                 "file before you exit.");
        tickAt(QDateTime(QDate(2026, 12, 5), QTime(7, 5, 0, 200)));
        QCOMPARE(heard(), u"ASAS"_qs);
        QTRY_COMPARE(h->fakes.messages.calls.size(), 2);
    }
    // A kept snooze file that cannot be read is told once: one whose content is broken is removed; one the system
    // would not open stays as it was through the run, for the next start to read.
    void snoozeFileUnread_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: a good file that cannot be opened (too many files open)
        QTest::newRow("not JSON") << QByteArray("[{");
        QTest::newRow("a line that is no text") << QByteArray(R"([{"line": 5, "rings": "2026-12-05T08:00:00Z"}])");
        QTest::newRow("a volume no alarm has")
            << QByteArray(R"([{"line": "x", "rings": "2026-12-05T08:00:00Z", "volume": 1000}])");
        QTest::newRow("too large") << "[" + QByteArray(70 * 1024, ' ') + "]";
        QTest::newRow("cannot be opened") << QByteArray();
    }
    void snoozeFileUnread()
    {
        QFETCH(QByteArray, content);
        const QString path = h->dataFolder() + "/snoozed.json";
        const QByteArray kept = content.isEmpty() ? R"([{"line": "kept", "rings": "2026-12-05T08:00:00Z"}])" : content;
        QVERIFY(QDir().mkpath(h->dataFolder()) && writeFile(path, kept));
        const int nextFile = ::open("/dev/null", O_RDONLY);
        ::close(nextFile);
        for (int box = content.isEmpty() ? 2 : 1; box > 0; --box) // the kept alarms cannot be opened either
            h->fakes.messages.expect({});
        QVERIFY(withLimit(RLIMIT_NOFILE, content.isEmpty() ? nextFile : 1024, [&] { h->restart(); }));
        QCOMPARE(h->fakes.messages.calls.last().details,
                 content.isEmpty() ? u"Too many open files"_qs : u"The file holds no snoozed alarms."_qs);
        h->context->Ringer.snooze({u"new"_qs}, QDateTime(QDate(2026, 12, 5), QTime(8, 30)));
        QCOMPARE(readFile(path) == kept, content.isEmpty());
        const qsizetype told = h->fakes.messages.calls.size();
        QCOMPARE(h->restart().Snoozed.all().value(0).ring.line, content.isEmpty() ? u"kept"_qs : u"new"_qs);
        QCOMPARE(h->fakes.messages.calls.size(), told);
    }
    // Failed writes are told once for each spell of them; what the reader would refuse is never written; a row of
    // the main window goes with its snooze.
    void snoozeFileWrites()
    {
        const QString path = h->dataFolder() + "/snoozed.json";
        QVERIFY(QDir(h->dataFolder()).removeRecursively() && writeFile(h->dataFolder(), "not a folder"));
        h->fakes.messages.expect("Tockwell could not keep its snoozed alarms for its next start: " + path);
        for (const QString& line : {u"a"_qs, u"b"_qs})
            h->context->Ringer.snooze({line}, QDateTime(QDate(2026, 12, 5), QTime(8, 0)).addSecs(line == u"b"));
        QTRY_COMPARE(h->fakes.messages.calls.size(), 1);
        QList<SnoozedLines::Row>& rows = main().snoozedLines->rows;
        h->context->Snoozed.cancel(h->context->Snoozed.all().constFirst());
        QVERIFY(rows[1].row->isHidden() && rows[0].label->text().startsWith(u"Snoozed: b,"_qs));
        QVERIFY(QFile::remove(h->dataFolder()));
        h->context->Ringer.snooze({u"c"_qs}, QDateTime(QDate(2026, 12, 5), QTime(8, 30)));
        h->fakes.messages.expect("Tockwell could not keep its snoozed alarms for its next start: " + path);
        h->context->Ringer.snooze({QString(70 * 1024, u'x')}, QDateTime(QDate(2026, 12, 5), QTime(9, 0)));
        QTRY_COMPARE(h->fakes.messages.calls.size(), 2);
        QCOMPARE(h->fakes.messages.calls.last().details,
                 u"A snoozed alarm with a very long description does not fit in the file."_qs);
        QCOMPARE(h->restart().Snoozed.all().size(), 2);
    }
    // A snooze waiting at an exit rings after the next start within the catch-up hour, once; an older one is told
    // as missed, as a missed alarm is.
    void snoozeKept()
    {
        QStringList shown;
        whileOpen([&](frmAlarm& alarm) {
            shown << alarm.lblAlarmInformation->text();
            alarm.cmdSnooze_Click();
        });
        tickAt(QDateTime(QDate(2026, 12, 5), QTime(7, 5)));
        // Snoozed till 7:15; 59 minutes late it rings, snoozed till 8:24; 61 minutes late it is missed; then nothing.
        // It waits for the main window: under the splash its window would open behind it.
        h->fakes.messages.expect({}); // the missed one's box, with the main window up
        h->fakes.settings.values.insert(UiHarness::Application + "/Desktop/Wake from Sleep", "1"); // off
        for (const QTime start : {QTime(8, 14), QTime(9, 25), QTime(10, 0)}) {
            frmSplash& splash = h->restart().form<frmSplash>();
            const qsizetype before = shown.size();
            tickAt(QDateTime(QDate(2026, 12, 5), start));
            QCOMPARE(shown.size(), before);
            splash.timLoad_Timer();
            tickAt(QDateTime(QDate(2026, 12, 5), start.addSecs(1)));
        }
        QCOMPARE(shown, QStringList(2, "7:05 AM   -   Wake"));
        QVERIFY(
            h->fakes.messages.calls.last().text.endsWith("\n\nWaking the computer from sleep for alarms is turned off "
                                                         "in Options."));
        QCOMPARE(h->fakes.notifications.notices.count(
                     {"Missed alarms", "Snoozed: 7:05 AM   -   Wake (Saturday, 5 December 2026)", false}),
                 1);
    }

private:
    // The alarm window, while it is open, does `act` and nothing else.
    void whileOpen(std::function<void(frmAlarm&)> act)
    {
        h->fakes.modal.whileOpen = [act](QDialog& dialog) { act(static_cast<frmAlarm&>(dialog)); };
    }
    // What was played: A the alarm sound, W a sound from memory, S the silence (the only other file asked for).
    QString heard() const
    {
        QString letters;
        for (const QString& path : h->fakes.sound.played)
            letters += path == h->context->alarmSoundPath() ? u'A' : path.isEmpty() ? u'W' : u'S';
        return letters;
    }
    void prepare() override
    {
        h->fakes.clock.set(QDateTime(QDate(2026, 12, 5), QTime(7, 4, 58, 200)));
        main().timTimers->stop(); // the test drives every tick itself
        main().timTimers_Timer();
        h->context->Alarms[1] = {7, 5, QStringLiteral("Wake")};
    }
};

QTEST_MAIN(tst_frmAlarm)
#include "tst_frmAlarm.moc"
