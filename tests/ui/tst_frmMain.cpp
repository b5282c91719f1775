#include "TestFiles.h"
#include "UiHarness.h"
#include "app/WaveSynth.h"
#include "app/frmSplash.h"
#include "led/LedSurface.h"
#include "platform/QtDesktop.h"
#include "platform/SessionEnd.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QToolButton>

#include <csignal>

namespace {

// The six digits the LED shows, read from the middle of each segment in the colour of the first
// colon's upper dot: ' ' for a digit with every segment dark, '?' for a pattern that is no digit.
QString ledDigits(const QImage& led)
{
    const QList<QPoint> middles = {{8, 2}, {15, 7}, {15, 19}, {8, 24}, {2, 19}, {2, 7}, {8, 13}}; // a to g
    const QStringList digits = {"abcdef", "bc",  "abdeg",   "abcdg",  "bcfg", "acdfg",
                                "acdefg", "abc", "abcdefg", "abcdfg", ""};
    QString shown;
    for (const int left : {0, 20, 50, 70, 100, 120}) {
        QString segments;
        for (qsizetype s = 0; s < middles.size(); ++s)
            if (led.pixel(left + middles[s].x(), middles[s].y()) == led.pixel(44, 7))
                segments += QLatin1Char(char('a' + s));
        const qsizetype digit = digits.indexOf(segments);
        shown += QLatin1Char(digit < 0 ? '?' : digit == 10 ? ' ' : char('0' + digit));
    }
    return shown;
}

} // namespace

class tst_frmMain : public UiTest {
    Q_OBJECT
private slots:
    void load_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("stored"); // time interval, graphical clock, date format
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("digits"); // on the LED, in the stored hour mode
        QTest::addColumn<bool>("ledShown");
        QTest::addColumn<QString>("date"); // of Saturday, 5 December 2026
        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("24 hour, LED on, blanks, names") << german << QStringList{"2", " 2 ", " 5 "} << QTime(12, 46, 28)
                                                        << u"124628"_qs << true << u"Samstag 05 Dezember, 2026"_qs;
        QTest::newRow("12 hour, the locale's separator")
            << german << QStringList{"1", "1", "3"} << QTime(0, 59, 48) << u"125948"_qs << false << u"12.05.2026"_qs;
        // No pattern: the locale's short date, still readable.
        QTest::newRow("garbage") << QLocale(QLocale::Swedish, QLocale::Sweden) << QStringList{"twelve", "-1", "+2"}
                                 << QTime(0, 0, 7) << u" 00007"_qs << true << u"2026-12-05"_qs;
        QTest::newRow("no separator of its own: /")
            << QLocale::c() << QStringList{"1", "1", "3"} << QTime(9, 8) << u" 90800"_qs << false << u"12/05/2026"_qs;
    }
    void load()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, stored);
        QFETCH(QTime, time);
        QFETCH(QString, digits);
        QFETCH(bool, ledShown);
        QFETCH(QString, date);
        QLocale::setDefault(locale);
        const QStringList keys = {"Time Interval", "Graphical Clock on Startup", "Date Format"};
        for (qsizetype i = 0; i < stored.size(); ++i)
            h->storeSetting(keys[i], stored[i]);
        h->storeSetting("Date in Form Caption", "2");
        h->fakes.clock.set(QDateTime(QDate(2026, 12, 5), time));
        QCOMPARE(!main().picLED->isHidden(), ledShown);
        // Filled at load: a window manager may never activate the window.
        QCOMPARE(main().lblDate->text(), date);
        QCOMPARE(main().lblCurrentTime->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QCOMPARE(main().lblDate->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        QCOMPARE(main().shpClockBorder->palette().color(QPalette::WindowText), QColor(Qt::white));
        main().timTimers_Timer();
        QCOMPARE(ledDigits(led()), digits);
        // As painted: whole, at any screen density.
        QImage painted = main().LED_Clock->grab().toImage().convertToFormat(QImage::Format_RGB32);
        painted.setDevicePixelRatio(1);
        QCOMPARE(painted.scaled(led().size()), led());
        // In the language's own designators, whatever their case.
        QCOMPARE(main().lblCurrentTime->text().toUpper(),
                 QLocale().toString(time, u"hh:mm:ss AP") + " / " + time.toString(u"HH:mm:ss"));
        // A new day: its first tick shows the new date.
        tickAt(QDateTime(QDate(2026, 12, 6), time));
        const QString nextDay = main().lblDate->text();
        QVERIFY(nextDay != date);
        // The list's refill brings the date along too, the caption's with it.
        h->fakes.clock.set(QDateTime(QDate(2026, 12, 7), time));
        main().GetRecordedTimes();
        QVERIFY(main().lblDate->text() != nextDay && main().windowTitle().endsWith(" - " + main().lblDate->text()));
        // The window is hidden, as in the tray, so only the panel's own flag tells whether it shows.
        main().cmdGraphical->click();
        QCOMPARE(main().picLED->isHidden(), ledShown);
    }

    // The buttons' pictures fill their place at the screen's density, in colour, and grey on a disabled button.
    void glyphs()
    {
        QToolButton* save = main().cmdSave;
        const QIcon glyph = save->icon();
        for (const bool enabled : {true, false}) {
            save->setEnabled(enabled);
            const QImage drawn = save->grab().toImage();
            save->setIcon({});
            const QImage blank = save->grab().toImage();
            save->setIcon(glyph);
            QRect picture;
            bool coloured = false;
            for (int y = 0; y < drawn.height(); ++y)
                for (int x = 0; x < drawn.width(); ++x)
                    if (drawn.pixel(x, y) != blank.pixel(x, y))
                        picture |= QRect(x, y, 1, 1), coloured |= drawn.pixelColor(x, y).hsvSaturation() > 80;
            // 13 of the picture's 16 units across and down.
            QVERIFY(qMin(picture.width(), picture.height()) >= 13 * drawn.devicePixelRatio());
            QCOMPARE(coloured, enabled);
        }
    }
    // Ticks come 0.9 s apart: one at 7:04:59.5 is followed by another as 7:05 begins, not 0.4 s into it, nor
    // still in 7:04 from a timer the system may fire a little early.
    void minuteStartTick()
    {
        main().timTimers->stop();
        h->fakes.clock.set(QDateTime(QDate(2026, 12, 5), QTime(7, 4, 59, 500)));
        main().timTimers_Timer();
        QList<QTimer*> armed = main().findChildren<QTimer*>();
        armed.removeIf([](const QTimer* timer) { return !timer->isActive() || timer->interval() >= 900; });
        QCOMPARE(armed.size(), 1);
        QCOMPARE(armed[0]->timerType(), Qt::PreciseTimer);
        const int pastTheMinute = armed[0]->interval() - 500;
        QVERIFY2(pastTheMinute >= 0 && pastTheMinute < 10, qPrintable(QString::number(pastTheMinute)));
        h->fakes.clock.advance(armed[0]->interval());
        armed[0]->start(0);
        QTRY_VERIFY(main().lblCurrentTime->text().startsWith(u"07:05:00"));
    }

    void splashHandsOverAfterTwoSeconds()
    {
        // The main window waits behind the splash for two seconds, then takes its place.
        const QPointer<frmSplash> splash = &h->context->form<frmSplash>();
        QVERIFY(splash->timLoad->isActive() && splash->timLoad->isSingleShot());
        QCOMPARE(splash->timLoad->interval(), 2000);
        // A coarse timer may fire 5 % early, and the splash would go before its two seconds are up.
        QCOMPARE(splash->timLoad->timerType(), Qt::PreciseTimer);
        QCOMPARE(splash->lblVersion->palette().color(QPalette::WindowText), QColor(Qt::white));
        QVERIFY(!h->context->form<frmMain>().isVisible());
        // They run out while the sounds are read, in the event loop of a box (the sound module missing): the
        // hand-over unloads the splash, whose deletion is carried out before the box closes.
        h->fakes.sound.whilePreparing = [&] {
            splash->timLoad_Timer();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
        splash->PrepareSounds();
        QVERIFY(h->context->form<frmMain>().isVisible() && !h->context->isLoaded<frmSplash>());
        QCOMPARE(h->fakes.sound.prepared.size(), 2);
        // Destroyed, not merely hidden: its window would otherwise stay for the life of the process.
        QVERIFY(splash.isNull());
    }
    void soundFilesGoToTheCacheWhenTheProgramFolderIsNotWritable()
    {
        // A plain file where the folder should be: it cannot be created, even by root.
        QVERIFY(QDir(h->programFolder()).removeRecursively() && QDir().mkpath(h->programFolder()));
        QVERIFY(writeFile(h->programFolder() + "/tempFiles", "stranger"));
        // A sound file already there is used as it is: written only when missing.
        const QString folder = h->cacheFolder() + "/tempFiles/";
        QVERIFY(QDir().mkpath(folder) && writeFile(folder + "snd1.$$$", "stranger"));
        frmSplash& splash = h->restart().form<frmSplash>();
        splash.timLoad->stop();
        // Read once the splash is on screen, not before, and only once.
        QVERIFY(h->fakes.sound.prepared.isEmpty());
        splash.show();
        QTRY_COMPARE(h->fakes.sound.prepared, QStringList({folder + "snd1.$$$", folder + "snd2.$$$"}));
        splash.timLoad_Timer();
        QCOMPARE(h->fakes.sound.prepared.size(), 2);
        QCOMPARE(readFile(folder + "snd1.$$$"), "stranger");
        // A RIFF/WAVE header for 16-bit mono PCM with an 18-byte format chunk, then silence.
        const QByteArray silence = readFile(folder + "snd2.$$$");
        QCOMPARE(silence.left(46).toHex(),
                 "5249464670d7010057415645666d7420120000000100010044ac000088580100020010000000646174614ad70100");
        QCOMPARE(silence.mid(46), QByteArray(120'650, '\0'));
    }
    void soundWriteCutShortLeavesNoFile()
    {
        // Both writes fail part-way: a cut-off file would be kept, unchecked, for every later start.
        QVERIFY(withLimit(RLIMIT_FSIZE, 64 * 1024, [&] { h->context->form<frmSplash>(); }));
        QCOMPARE(QDir(h->context->soundFolder()).entryList(QDir::Files | QDir::Hidden), QStringList());
        h->restart().form<frmSplash>();
        QCOMPARE(readFile(h->context->alarmSoundPath()), WaveSynth::alarmSound());
        QCOMPARE(readFile(h->context->silenceSoundPath()), WaveSynth::silenceSound());
    }
    void exitAskedFirst()
    {
        // A logout reaches the program as a Quit event, which would close every window, asking this one's
        // question; SIGHUP or SIGTERM wakes the event loop. Neither asks: each requests the end (main() wires it
        // to Form_Unload). Started by nohup, the program leaves SIGHUP ignored: the terminal's hang-up is not for it.
        main().show();
        for (const auto hangUp : {SIG_DFL, SIG_IGN}) {
            std::signal(SIGHUP, hangUp);
            SessionEnd end;
            int requests = 0;
            connect(&end, &SessionEnd::requested, this, [&] { ++requests; });
            QEvent quit(QEvent::Quit);
            QCoreApplication::sendEvent(qApp, &quit);
            std::raise(SIGHUP);
            if (hangUp == SIG_IGN)
                std::raise(SIGTERM);
            QTRY_COMPARE(requests, 2);
            QCoreApplication::processEvents(); // once each: the wake-up was taken from the pipe
            QCOMPARE(requests, 2);
            QVERIFY(hangUp == SIG_DFL || std::signal(SIGHUP, SIG_DFL) == SIG_IGN);
        }
        modMain::WriteWaveResource(102, h->context->silenceSoundPath());
        h->fakes.tray.add(QStringLiteral("Tockwell"));
        for (const int answer : {int(MsgBox::No), int(MsgBox::Yes)}) {
            h->fakes.messages.expect(QStringLiteral("Are you sure you want to exit Tockwell?"), answer);
            QCOMPARE(main().close(), answer == MsgBox::Yes);
            QCOMPARE(h->fakes.programEnd.ends, int(answer == MsgBox::Yes));
            // Nothing of the program is left behind: no icon, no sound file, no notification.
            QCOMPARE(h->fakes.tray.shown || QFile::exists(h->context->silenceSoundPath()), answer == MsgBox::No);
            QCOMPARE(h->fakes.notifications.calls, answer == MsgBox::Yes ? "W" : "");
        }
    }
    // The real question box: Return takes its default, Yes; Escape says No. The critical box shows its icon.
    void realMessageBoxes()
    {
        const int question = MsgBox::YesNo | MsgBox::Question;
        QCOMPARE(answer(question, Qt::Key_Return, QMessageBox::Question), int(MsgBox::Yes));
        QCOMPARE(answer(question, Qt::Key_Escape, QMessageBox::Question), int(MsgBox::No));
        QCOMPARE(answer(MsgBox::OkOnly | MsgBox::Critical, Qt::Key_Return, QMessageBox::Critical), int(MsgBox::Ok));
    }

    // The player comes from its module, loaded at the first request (the module found and played: e2e.alarm,
    // install.installed); without the module a request beeps, and the user hears why once.
    void soundModuleMissing()
    {
        h->fakes.messages.expect({});
        struct Player : QtDeferredSoundPlayer {
            using QtDeferredSoundPlayer::QtDeferredSoundPlayer;
            void beep() override { ++beeps; }
            int beeps = 0;
        } player(h->fakes.messages, QStringLiteral("/nonexistent/libtockwell_sound.so"));
        player.prepare(h->context->silenceSoundPath());
        player.play(h->context->silenceSoundPath());
        QCOMPARE(player.beeps, 1); // never a silent alarm
        QCOMPARE(h->fakes.messages.calls.size(), 1);
        QVERIFY(h->fakes.messages.calls[0].style & MsgBox::Critical && !h->fakes.messages.calls[0].details.isEmpty());
    }

private:
    const QImage& led() { return main().LED_Clock->backing(); }
    // Shows a real box and presses `key` in it once it is up: the answer, or -1 when the text or the icon is
    // not what was asked for.
    int answer(int style, Qt::Key key, QMessageBox::Icon icon)
    {
        QMessageBox::Icon shown = QMessageBox::NoIcon;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            shown = box->text() == QStringLiteral("Sure?") ? box->icon() : QMessageBox::NoIcon;
            QTest::keyClick(box, key);
        });
        const int result = QtMessageBoxes().show(QStringLiteral("Sure?"), style, QStringLiteral("Tockwell"), {});
        return shown == icon ? result : -1;
    }
};

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
