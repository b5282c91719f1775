#include "UiHarness.h"
#include "app/frmMain.h"
#include "led/LedSurface.h"

#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

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
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void load_data()
    {
        QTest::addColumn<QStringList>("stored"); // time interval, graphical clock, date format, caption date, colour
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("digits"); // on the LED, in the stored hour mode
        QTest::addColumn<bool>("ledShown");
        QTest::addColumn<QString>("date"); // of Saturday, 5 December 2026
        QTest::addColumn<QColor>("lit");

        const QColor red(228, 50, 32);
        QTest::newRow("nothing stored") << QStringList{} << QTime(13, 5, 9) << " 10509" << false << "December 05, 2026"
                                        << red;
        QTest::newRow("24 hour, LED on, green") << QStringList{"2", "2", "2", "2", "2"} << QTime(0, 0, 7) << " 00007"
                                                << true << "Dec 05, 2026" << QColor(53, 207, 57);
        QTest::newRow("12 hour, yellow") << QStringList{"1", "1", "3", "2", "3"} << QTime(12, 30) << "123000" << false
                                         << "12/05/2026" << QColor(207, 198, 53);
        QTest::newRow("12 hour, orange") << QStringList{"1", "1", "4", "2", "4"} << QTime(0, 59, 48) << "125948"
                                         << false << "05 December, 2026" << QColor(255, 123, 5);
        QTest::newRow("255, blanks, brown")
            << QStringList{"255", " 1 ", " 5 ", "2", " 5 "} << QTime(23, 46, 17) << "234617" << false
            << "Saturday 05 December, 2026" << QColor(166, 162, 94);
        // No pattern: the locale's short date, still readable; an unknown colour keeps red.
        QTest::newRow("zero everywhere") << QStringList{"0", "0", "0", "0", "0"} << QTime(9, 8, 0) << " 90800" << true
                                         << "12/5/26" << red;
        QTest::newRow("6") << QStringList{"1", "1", "6", "1", "6"} << QTime(9, 8, 0) << " 90800" << false << "12/5/26"
                           << red;
        QTest::newRow("garbage") << QStringList{"twelve", "-1", "+2", "on", "green"} << QTime(9, 8, 0) << " 90800"
                                 << true << "12/5/26" << red;
    }
    void load()
    {
        QFETCH(QStringList, stored);
        QFETCH(QTime, time);
        QFETCH(QString, digits);
        QFETCH(bool, ledShown);
        QFETCH(QString, date);
        QFETCH(QColor, lit);
        const QStringList keys = {"Time Interval", "Graphical Clock on Startup", "Date Format", "Date in Form Caption",
                                  "Clock Colour"};
        for (qsizetype i = 0; i < stored.size(); ++i)
            h->storeSetting(keys[i], stored[i]);
        h->fakes.clock.set(QDateTime(QDate(2026, 12, 5), time));
        const QString caption =
            stored.value(3) == QLatin1String("2") ? "Tockwell - " + date : QStringLiteral("Tockwell");
        QCOMPARE(main().windowTitle(), caption);
        QVERIFY(!main().isVisible() && main().timTimers->isActive() && !main().timAlarm->isActive() &&
                !main().AlarmOpen);
        QCOMPARE(main().opt12HR->isChecked(), stored.value(0, QStringLiteral("1")) == QLatin1String("1"));
        QCOMPARE(!main().picLED->isHidden(), ledShown);
        main().timTimers_Timer();
        QCOMPARE(ledDigits(led()), digits);
        QCOMPARE(QColor(led().pixel(44, 7)), lit);
        QCOMPARE(main().lblCurrentTime->text(),
                 QLocale().toString(time, u"hh:mm:ss AP") + " / " + time.toString(u"HH:mm:ss"));
        QCOMPARE(main().LiveTime, main().lblCurrentTime->text().left(11));
        // Filled at load: a window manager may never activate the window.
        QCOMPARE(main().lblDate->text(), date);

        // A new day: its first tick shows the new date, in the caption too when it carries one.
        tickAt(QDateTime(QDate(2026, 12, 6), time.addSecs(1)));
        QVERIFY(main().lblDate->text() != date);
        QCOMPARE(main().windowTitle() == caption, caption == QLatin1String("Tockwell"));
        // The other hour mode and another colour show from the next draw on; unknown colours change nothing.
        const QString before = ledDigits(led());
        (main().opt12HR->isChecked() ? main().opt24HR : main().opt12HR)->setChecked(true);
        const QColor red(228, 50, 32);
        main().ApplyClockColour(lit == red ? 2 : 1);
        main().ApplyClockColour(6);
        QCOMPARE(ledDigits(led()), before);
        tickAt(QDateTime(QDate(2026, 12, 6), QTime(13, 5, 9)));
        QCOMPARE(ledDigits(led()), main().opt24HR->isChecked() ? "130509" : " 10509");
        QCOMPARE(QColor(led().pixel(44, 7)), lit == red ? QColor(53, 207, 57) : red);
        QVERIFY(h->fakes.settings.writes.isEmpty());
    }
    void graphicalButtonWorksFromTheTray()
    {
        // The window is hidden in the tray, so only the panel's own flag tells whether it shows.
        tickAt(QDateTime(QDate(2026, 12, 5), QTime(10, 15)));
        for (const bool hidden : {false, true}) {
            main().cmdGraphical->click();
            QCOMPARE(main().picLED->isHidden(), hidden);
            QCOMPARE(main().opt12HR->isVisibleTo(&main()) && main().LED_Clock->isVisibleTo(&main()), !hidden);
            // Drawn while hidden, so the LED is already current the moment it is shown.
            QCOMPARE(ledDigits(led()), QStringLiteral("101500"));
        }
    }
    void exitAskedFirst()
    {
        const QString question = QStringLiteral("Are you sure you want to exit Tockwell?");
        const QStringList sounds = {h->context->alarmSoundPath(), h->context->silenceSoundPath()};
        modMain::WriteWaveResource(101, sounds[0]);
        modMain::WriteWaveResource(102, sounds[1]);
        h->fakes.tray.add(QStringLiteral("Tockwell"));
        main().show();
        h->fakes.messages.expect(question, MsgBox::No);
        QVERIFY(!main().close());
        QCOMPARE(h->fakes.messages.calls.at(0).style, MsgBox::YesNo | MsgBox::Question);
        QCOMPARE(h->fakes.messages.calls.at(0).title, QStringLiteral("Tockwell"));
        QVERIFY(main().isVisible() && h->fakes.tray.shown && QFile::exists(sounds[0]) && QFile::exists(sounds[1]));
        QCOMPARE(h->fakes.programEnd.ends, 0);

        h->fakes.messages.expect(question, MsgBox::Yes);
        main().close();
        QCOMPARE(h->fakes.programEnd.ends, 1);
        QVERIFY(!h->fakes.tray.shown && !QFile::exists(sounds[0]) && !QFile::exists(sounds[1]));
    }

private:
    frmMain& main() { return h->context->form<frmMain>(); }
    const QImage& led() { return main().LED_Clock->backing(); }
    void tickAt(const QDateTime& when)
    {
        h->fakes.clock.set(when);
        main().timTimers_Timer();
    }
};

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
