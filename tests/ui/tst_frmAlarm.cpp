#include "TestFiles.h"
#include "UiHarness.h"
#include "app/WaveSynth.h"
#include "app/frmMain.h"
#include "engine/frmAlarm.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

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
        QCOMPARE(frmAlarm::Notice("x", true).summary, u"One of your recorded alarms has gone off!"_qs);
        QCOMPARE(readFile(h->context->alarmSoundPath()), WaveSynth::alarmSound());
        QCOMPARE(readFile(h->context->silenceSoundPath()), WaveSynth::silenceSound());
    }
    void minuteStartTick()
    {
        // At hh:mm:59.5 the next regular tick comes 0.4 s into the minute: one more is armed for its start.
        tickAt(QDateTime(QDate(2026, 12, 5), QTime(7, 4, 59, 500)));
        int armed = 0;
        for (const QTimer* timer : main().findChildren<QTimer*>())
            armed += timer->isActive() && timer->isSingleShot() && timer->interval() >= 500 && timer->interval() < 510;
        QCOMPARE(armed, 1);
    }
    void closing_data()
    {
        QTest::addColumn<QString>("steps"); // what happens while the alarm window is open
        // Of this alarm and the next one: A the alarm sound, S the silence that cuts it short; the next
        // finds a file where the sound folder belongs and gets the desktop's beep instead.
        QTest::addColumn<QString>("sounds");
        // The desktop notifications of both: P posted with "Stop Alarm", U updated to none (the sound is
        // over), W withdrawn.
        QTest::addColumn<QString>("told");
        QTest::newRow("Escape") << "Escape" << u"ASS"_qs << u"PWPW"_qs;
        QTest::newRow("Stop, then Close") << "Stop, Close" << u"ASS"_qs << u"PUWPUW"_qs;
        QTest::newRow("the notification's Stop, then Close") << "notice Stop, Close" << u"ASS"_qs << u"PUWPUW"_qs;
        // Not closed properly: the next alarm sounds, but only a message box (and the notification
        // while it is open, its "Stop Alarm" used) tells of it.
        QTest::newRow("title bar") << "title bar" << u"AS"_qs << u"PWPUW"_qs;
    }
    void closing()
    {
        QFETCH(QString, steps);
        QFETCH(QString, sounds);
        QFETCH(QString, told);
        whileOpen([&](frmAlarm& alarm) {
            const bool stop = steps.contains(u"Stop");
            if (steps.startsWith(u"Stop"))
                QTest::mouseClick(alarm.cmdStop, Qt::LeftButton);
            else if (stop)
                h->fakes.notifications.onStop();
            alarm.timCheckMain_Timer();
            QVERIFY(main().timAlarm->isActive() != stop && alarm.cmdStop->isEnabled() != stop);
            QVERIFY(alarm.timCheckMain->isActive() != stop);
            if (steps == u"title bar")
                alarm.close();
            else if (steps == u"Escape")
                QTest::keyClick(alarm.cmdClose, Qt::Key_Escape);
            else
                QTest::mouseClick(alarm.cmdClose, Qt::LeftButton);
        });
        tickAt(QDateTime(QDate(2026, 12, 5), QTime(7, 5, 0, 100)));
        QVERIFY(!h->context->isLoaded<frmAlarm>());
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
        QCOMPARE(h->fakes.sound.beeps, 1);
        QCOMPARE(h->fakes.modal.runs, open ? 1 : 2);
        if (open)
            QCOMPARE(h->fakes.messages.calls.at(0).style, MsgBox::OkOnly | MsgBox::Critical);
        QCOMPARE(h->fakes.notifications.calls, told);
        QCOMPARE(h->fakes.notifications.notices.last().body, u"7:06 AM   -   Again"_qs);
        // A click on the notification brings the program to the front.
        main().hide();
        h->fakes.notifications.onActivate();
        QVERIFY(main().isVisible());
    }

private:
    frmMain& main() { return h->context->form<frmMain>(); }
    // Ticks from `from` every 900 ms for `count` ticks.
    void tickAt(const QDateTime& from, int count = 1)
    {
        h->fakes.clock.set(from);
        for (int i = 0; i < count; ++i, h->fakes.clock.advance(900))
            main().timTimers_Timer();
    }
    // The alarm window, while it is open, does `act` and nothing else.
    void whileOpen(std::function<void(frmAlarm&)> act)
    {
        h->fakes.modal.whileOpen = [act](QDialog& dialog) { act(static_cast<frmAlarm&>(dialog)); };
    }
    // What was played: A the alarm sound, S the silence (the only other sound asked for).
    QString heard() const
    {
        QString letters;
        for (const QString& path : h->fakes.sound.played)
            letters += path == h->context->alarmSoundPath() ? u'A' : u'S';
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
