#include "TestFiles.h"
#include "UiHarness.h"
#include "app/WaveSynth.h"
#include "app/frmMain.h"
#include "engine/frmAlarm.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

QDateTime at(int hour, int minute, int second, int ms)
{
    return QDateTime(QDate(2026, 12, 5), QTime(hour, minute, second, ms));
}

} // namespace

class tst_frmAlarm : public UiTest {
    Q_OBJECT
private slots:
    void ringsOnceFromTheTrayWhileTicksGoOn()
    {
        main().show();
        h->context->tray().AddTrayIcon(QStringLiteral("Tockwell"));
        main().setWindowState(Qt::WindowMinimized);
        main().hide();
        // Alarms of one minute ring one after another, slot 0 (only a session file fills it) first.
        h->context->Alarms[0] = {7, 5, QStringLiteral("<b>bold</b> &amp;")};
        h->context->Alarms[2] = {7, 5, QStringLiteral("third")};
        QStringList shown;
        whileOpen([&](frmAlarm& alarm) {
            QVERIFY(main().isVisible() && !main().isMinimized() && !h->fakes.tray.shown);
            QVERIFY(main().AlarmOpen && main().timAlarm->isActive());
            QCOMPARE(alarm.lblAlarmInformation->textFormat(), Qt::PlainText);
            shown << alarm.lblAlarmInformation->text();
            // The clock keeps ticking while the window is open, through the rest of the minute.
            tickFrom(h->fakes.clock.now().addMSecs(900), 70);
            alarm.cmdClose_Click();
        });
        tickFrom(at(7, 4, 59, 800), 2);
        QCOMPARE(shown, QStringList({"7:05 AM   -   <b>bold</b> &amp;", "7:05 AM   -   Wake", "7:05 AM   -   third"}));
        QCOMPARE(main().lblCurrentTime->text().right(8), QStringLiteral("07:08:11"));
        QCOMPARE(h->fakes.sound.played, sounds("ASASAS"));
        QVERIFY(!main().AlarmOpen);
    }
    void ringsOnTheMinuteBetweenTicks()
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
    void closing_data()
    {
        // Before a comma: what happens before the window is closed, by Close, Enter, Escape or the title bar.
        QTest::addColumn<QString>("steps");
        // Of this alarm and the next one: A the alarm sound, S the silence that cuts it short.
        QTest::addColumn<QString>("sounds");
        QTest::newRow("Close") << "Close" << u"ASAS"_qs;
        QTest::newRow("Enter") << "Enter" << u"ASAS"_qs;
        QTest::newRow("Escape") << "Escape" << u"ASAS"_qs;
        QTest::newRow("Stop, then Close") << "Stop, Close" << u"ASAS"_qs;
        QTest::newRow("sound runs out, then Close") << "runs out, Close" << u"AAS"_qs;
        // Not closed properly: the next alarm sounds, but only a message box tells of it.
        QTest::newRow("title bar") << "title bar" << u"AA"_qs;
    }
    void closing()
    {
        QFETCH(QString, steps);
        QFETCH(QString, sounds);
        whileOpen([&](frmAlarm& alarm) {
            alarm.timCheckMain_Timer();
            QVERIFY(alarm.cmdStop->isEnabled() && alarm.timCheckMain->isActive());
            if (steps.startsWith(u"Stop"))
                QTest::mouseClick(alarm.cmdStop, Qt::LeftButton);
            else if (steps.startsWith(u"runs out"))
                main().timAlarm_Timer();
            alarm.timCheckMain_Timer();
            const bool running = !steps.contains(u',');
            QVERIFY(main().timAlarm->isActive() == running && alarm.isVisible());
            QVERIFY(alarm.cmdStop->isEnabled() == running && alarm.timCheckMain->isActive() == running);
            QVERIFY(QTest::qWaitForWindowActive(&alarm));
            QCOMPARE(QApplication::focusWidget(), alarm.cmdClose);
            if (steps == QLatin1String("title bar"))
                alarm.close();
            else if (steps == QLatin1String("Enter") || steps == QLatin1String("Escape"))
                QTest::keyClick(alarm.cmdClose, steps == QLatin1String("Enter") ? Qt::Key_Return : Qt::Key_Escape);
            else
                QTest::mouseClick(alarm.cmdClose, Qt::LeftButton);
        });
        tickFrom(at(7, 5, 0, 100));
        QVERIFY(!h->context->isLoaded<frmAlarm>());
        QCOMPARE(main().AlarmOpen, sounds == QLatin1String("AA"));
        h->context->Alarms[2] = {7, 6, QStringLiteral("Again")};
        if (main().AlarmOpen)
            h->fakes.messages.expect(QStringLiteral("An alarm has gone off but since your last alarm was not closed "
                                                    "properly, a new page has not been opened"));
        whileOpen([](frmAlarm& alarm) { alarm.cmdClose_Click(); });
        tickFrom(at(7, 6, 0, 300), 2);
        QCOMPARE(h->fakes.sound.played, this->sounds(qPrintable(sounds)));
        QCOMPARE(h->fakes.modal.runs, sounds == QLatin1String("AA") ? 1 : 2);
        for (const FakeMessageBoxes::Call& call : h->fakes.messages.calls)
            QVERIFY(call.style == (MsgBox::OkOnly | MsgBox::Critical) && call.title == QStringLiteral("Tockwell"));
    }
    void missingSoundFile_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::newRow("deleted while running: written again") << true;
        QTest::newRow("cannot be written: the desktop's beep") << false;
    }
    void missingSoundFile()
    {
        QFETCH(bool, writable);
        // Files and folder gone while the program runs; or a file where the folder belongs.
        QVERIFY(QDir(h->context->soundFolder()).removeRecursively());
        if (!writable)
            QVERIFY(writeFile(h->context->soundFolder(), "in the way"));
        whileOpen([](frmAlarm& alarm) { alarm.cmdClose_Click(); });
        tickFrom(at(7, 5, 0, 100));
        QCOMPARE(h->fakes.sound.beeps, writable ? 0 : 1);
        QCOMPARE(h->fakes.sound.played.value(0), sounds(writable ? "A" : "S").value(0));
        if (writable)
            QCOMPARE(readFile(h->context->alarmSoundPath()), WaveSynth::alarmSound());
    }

private:
    frmMain& main() { return h->context->form<frmMain>(); }
    // Ticks from `from` every 900 ms for `count` ticks.
    void tickFrom(const QDateTime& from, int count = 1)
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
    QStringList sounds(const char* which) const
    {
        QStringList paths;
        for (const char* c = which; *c; ++c)
            paths << (*c == 'A' ? h->context->alarmSoundPath() : h->context->silenceSoundPath());
        return paths;
    }
    void prepare() override
    {
        h->fakes.clock.set(at(7, 4, 58, 200));
        main().timTimers->stop(); // the test drives every tick itself
        main().timTimers_Timer();
        h->context->Alarms[1] = {7, 5, QStringLiteral("Wake")};
    }
};

QTEST_MAIN(tst_frmAlarm)
#include "tst_frmAlarm.moc"
