#include "UiHarness.h"
#include "app/frmMain.h"
#include "led/LedComposer.h"
#include "led/LedSurface.h"

#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {

// What the LED shows after drawing `text` once onto a fresh surface with these sprites.
QImage ledShowing(const QString& text, const QImage& strip, const QImage& colon)
{
    QImage led(LedSurface::Width, LedSurface::Height, QImage::Format_RGB32);
    led.fill(Qt::black);
    LedComposer::compose(led, text, strip, colon);
    return led;
}

// The top bar of the LED's second digit and the upper dot of the first colon.
QColor secondDigitTop(const frmMain& main)
{
    return QColor(main.LED_Clock->backing().pixel(20 + 8, 2));
}
QColor firstColonDot(const frmMain& main)
{
    return QColor(main.LED_Clock->backing().pixel(44, 7));
}

} // namespace

class tst_frmMainLed : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tickDrawsTheLed_data();
    void tickDrawsTheLed();
    void hourModeFollowsAtTheNextTick();
    void storedColourAppliedAtLoad_data();
    void storedColourAppliedAtLoad();
    void colourChangeShowsAtTheNextDraw();
    void graphicalButtonToggles_data();
    void graphicalButtonToggles();

private:
    std::unique_ptr<UiHarness> h;
};

void tst_frmMainLed::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    h = std::make_unique<UiHarness>();
}

void tst_frmMainLed::cleanup()
{
    QVERIFY2(h->fakes.messages.unexpected.isEmpty(), qPrintable(h->fakes.messages.unexpected.join(u'|')));
    h.reset();
}

void tst_frmMainLed::tickDrawsTheLed_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<bool>("twelveHour");
    QTest::addColumn<QString>("shown");

    QTest::newRow("afternoon, 12 hour") << QTime(13, 5, 9) << true << "01:05:09";
    QTest::newRow("afternoon, 24 hour") << QTime(13, 5, 9) << false << "13:05:09";
    QTest::newRow("just after midnight, 12 hour") << QTime(0, 0, 7) << true << "12:00:07";
    QTest::newRow("just after midnight, 24 hour") << QTime(0, 0, 7) << false << "00:00:07";
    QTest::newRow("half past noon, 12 hour") << QTime(12, 30, 0) << true << "12:30:00";
    QTest::newRow("morning, 24 hour") << QTime(9, 5, 30) << false << "09:05:30";
}

void tst_frmMainLed::tickDrawsTheLed()
{
    QFETCH(QTime, time);
    QFETCH(bool, twelveHour);
    QFETCH(QString, shown);

    h->storeSetting(QStringLiteral("Time Interval"), twelveHour ? QStringLiteral("1") : QStringLiteral("2"));
    frmMain& main = h->context->form<frmMain>();
    // The panel starts hidden; the LED is drawn all the same.
    QVERIFY(main.picLED->isHidden());
    h->fakes.clock.set(QDateTime(QDate(2026, 12, 5), time));
    main.timTimers_Timer();
    QCOMPARE(main.LED_Clock->backing(), ledShowing(shown, main.SegDigits_Red, main.Col_Red));
    QCOMPARE(firstColonDot(main), QColor(228, 50, 32));
}

void tst_frmMainLed::hourModeFollowsAtTheNextTick()
{
    frmMain& main = h->context->form<frmMain>();
    h->fakes.clock.set(QDateTime(QDate(2026, 12, 5), QTime(21, 45, 0)));
    main.timTimers_Timer();
    const QImage twelve = ledShowing(QStringLiteral("09:45:00"), main.SegDigits_Red, main.Col_Red);
    QCOMPARE(main.LED_Clock->backing(), twelve);

    main.opt24HR->setChecked(true);
    QCOMPARE(main.LED_Clock->backing(), twelve);
    main.timTimers_Timer();
    QCOMPARE(main.LED_Clock->backing(), ledShowing(QStringLiteral("21:45:00"), main.SegDigits_Red, main.Col_Red));
    QCOMPARE(main.lblCurrentTime->text(), QStringLiteral("09:45:00 PM / 21:45:00"));

    main.opt12HR->setChecked(true);
    main.timTimers_Timer();
    QCOMPARE(main.LED_Clock->backing(), twelve);
}

void tst_frmMainLed::storedColourAppliedAtLoad_data()
{
    QTest::addColumn<QString>("stored"); // empty: no value stored
    QTest::addColumn<QColor>("lit");

    const QColor red(228, 50, 32);
    QTest::newRow("nothing stored") << "" << red;
    QTest::newRow("1 red") << "1" << red;
    QTest::newRow("2 green") << "2" << QColor(53, 207, 57);
    QTest::newRow("3 yellow") << "3" << QColor(207, 198, 53);
    QTest::newRow("4 orange") << "4" << QColor(255, 123, 5);
    QTest::newRow("5 brown") << "5" << QColor(166, 162, 94);
    QTest::newRow("0 keeps red") << "0" << red;
    QTest::newRow("6 keeps red") << "6" << red;
    QTest::newRow("garbage keeps red") << "green" << red;
}

void tst_frmMainLed::storedColourAppliedAtLoad()
{
    QFETCH(QString, stored);
    QFETCH(QColor, lit);

    if (!stored.isEmpty())
        h->storeSetting(QStringLiteral("Clock Colour"), stored);
    frmMain& main = h->context->form<frmMain>();
    h->fakes.clock.set(QDateTime(QDate(2026, 12, 5), QTime(18, 18, 18)));
    main.timTimers_Timer();
    QCOMPARE(secondDigitTop(main), lit);
    QCOMPARE(firstColonDot(main), lit);
    QVERIFY(h->fakes.settings.writes.isEmpty());
}

void tst_frmMainLed::colourChangeShowsAtTheNextDraw()
{
    frmMain& main = h->context->form<frmMain>();
    h->fakes.clock.set(QDateTime(QDate(2026, 12, 5), QTime(8, 8, 8)));
    main.timTimers_Timer();
    const QImage red = main.LED_Clock->backing().copy();

    main.ApplyClockColour(3);
    QCOMPARE(main.LED_Clock->backing(), red);
    main.timTimers_Timer();
    QCOMPARE(secondDigitTop(main), QColor(207, 198, 53));
    QCOMPARE(main.LED_Clock->backing(), ledShowing(QStringLiteral("08:08:08"), main.SegDigits_Yellow, main.Col_Yellow));

    // Unknown codes keep what is there, including across later draws.
    for (const int code : {0, 6, -1, 255}) {
        main.ApplyClockColour(code);
        main.timTimers_Timer();
        QCOMPARE(secondDigitTop(main), QColor(207, 198, 53));
        QCOMPARE(firstColonDot(main), QColor(207, 198, 53));
    }

    main.ApplyClockColour(1);
    main.timTimers_Timer();
    QCOMPARE(main.LED_Clock->backing(), red);
}

void tst_frmMainLed::graphicalButtonToggles_data()
{
    QTest::addColumn<QString>("graphicalOnStartup");
    QTest::addColumn<bool>("windowShown");

    QTest::newRow("starts hidden") << "1" << true;
    QTest::newRow("starts shown") << "2" << true;
    QTest::newRow("while the window is in the tray") << "1" << false;
}

void tst_frmMainLed::graphicalButtonToggles()
{
    QFETCH(QString, graphicalOnStartup);
    QFETCH(bool, windowShown);

    h->storeSetting(QStringLiteral("Graphical Clock on Startup"), graphicalOnStartup);
    frmMain& main = h->context->form<frmMain>();
    if (windowShown) {
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
    }
    const bool startsShown = graphicalOnStartup == QLatin1String("2");
    QCOMPARE(main.picLED->isHidden(), !startsShown);
    const QSize size = main.size();
    const QRect panel = main.picLED->geometry();

    // A tick while the panel is hidden still leaves the LED current for when it comes back.
    h->fakes.clock.set(QDateTime(QDate(2026, 12, 5), QTime(10, 15, 0)));
    main.timTimers_Timer();

    for (const bool shownAfter : {!startsShown, startsShown}) {
        main.cmdGraphical->click();
        QCOMPARE(main.picLED->isHidden(), !shownAfter);
        // The hour buttons go with the panel.
        QCOMPARE(main.opt12HR->isVisibleTo(&main), shownAfter);
        QCOMPARE(main.opt24HR->isVisibleTo(&main), shownAfter);
        QCOMPARE(main.LED_Clock->isVisibleTo(&main), shownAfter);
        if (windowShown)
            QCOMPARE(main.opt12HR->isVisible(), shownAfter);
        QCOMPARE(main.size(), size);
        QCOMPARE(main.picLED->geometry(), panel);
        QCOMPARE(main.LED_Clock->backing(), ledShowing(QStringLiteral("10:15:00"), main.SegDigits, main.Col));
    }
    QVERIFY(h->fakes.settings.writes.isEmpty());
}

QTEST_MAIN(tst_frmMainLed)
#include "tst_frmMainLed.moc"
