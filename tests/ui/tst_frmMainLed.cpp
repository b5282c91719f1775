#include "UiHarness.h"
#include "app/frmMain.h"
#include "led/LedComposer.h"
#include "led/LedSurface.h"

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

} // namespace

class tst_frmMainLed : public UiTest {
    Q_OBJECT
private slots:
    void tickDrawsTheLed_data();
    void tickDrawsTheLed();
    void storedColourAppliedAtLoad_data();
    void storedColourAppliedAtLoad();
    void colourChangeShowsAtTheNextDraw();
    void graphicalButtonToggles_data();
    void graphicalButtonToggles();

private:
    // The top bar of the LED's second digit and the upper dot of the first colon.
    static QList<QColor> litColours(const frmMain& main)
    {
        return {main.LED_Clock->backing().pixel(28, 2), main.LED_Clock->backing().pixel(44, 7)};
    }
    frmMain& tickAt(QTime time)
    {
        frmMain& main = h->context->form<frmMain>();
        h->fakes.clock.set(QDateTime(QDate(2026, 12, 5), time));
        main.timTimers_Timer();
        return main;
    }
    void finish() override { QVERIFY(h->fakes.settings.writes.isEmpty()); }
};

void tst_frmMainLed::tickDrawsTheLed_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("twelveHour");
    QTest::addColumn<QString>("twentyFourHour");

    QTest::newRow("afternoon") << QTime(13, 5, 9) << "01:05:09" << QStringLiteral("13:05:09");
    QTest::newRow("just after midnight") << QTime(0, 0, 7) << "12:00:07" << QStringLiteral("00:00:07");
    QTest::newRow("half past noon") << QTime(12, 30, 0) << "12:30:00" << QStringLiteral("12:30:00");
}

void tst_frmMainLed::tickDrawsTheLed()
{
    QFETCH(QTime, time);
    QFETCH(QString, twelveHour);
    QFETCH(QString, twentyFourHour);

    // The panel starts hidden; the LED is drawn all the same.
    frmMain& main = tickAt(time);
    QVERIFY(main.picLED->isHidden());
    const QImage twelve = ledShowing(twelveHour, main.SegDigits_Red, main.Col_Red);
    QCOMPARE(main.LED_Clock->backing(), twelve);
    // The other hour mode shows from the next tick on.
    main.opt24HR->setChecked(true);
    QCOMPARE(main.LED_Clock->backing(), twelve);
    main.timTimers_Timer();
    QCOMPARE(main.LED_Clock->backing(), ledShowing(twentyFourHour, main.SegDigits_Red, main.Col_Red));
}

void tst_frmMainLed::storedColourAppliedAtLoad_data()
{
    QTest::addColumn<QString>("stored"); // empty: no value stored
    QTest::addColumn<QColor>("lit");

    const QColor red(228, 50, 32);
    QTest::newRow("nothing stored") << "" << red;
    QTest::newRow("2 green") << "2" << QColor(53, 207, 57);
    QTest::newRow("3 yellow") << "3" << QColor(207, 198, 53);
    QTest::newRow("4 orange") << "4" << QColor(255, 123, 5);
    QTest::newRow("5 brown") << "5" << QColor(166, 162, 94);
    QTest::newRow("6 keeps red") << "6" << red;
    QTest::newRow("garbage keeps red") << "green" << red;
}

void tst_frmMainLed::storedColourAppliedAtLoad()
{
    QFETCH(QString, stored);
    QFETCH(QColor, lit);
    if (!stored.isEmpty())
        h->storeSetting(QStringLiteral("Clock Colour"), stored);
    QCOMPARE(litColours(tickAt(QTime(18, 18, 18))), QList<QColor>({lit, lit}));
}

void tst_frmMainLed::colourChangeShowsAtTheNextDraw()
{
    frmMain& main = tickAt(QTime(8, 8, 8));
    const QImage red = main.LED_Clock->backing().copy();
    main.ApplyClockColour(3);
    QCOMPARE(main.LED_Clock->backing(), red);
    main.timTimers_Timer();
    QCOMPARE(main.LED_Clock->backing(), ledShowing(QStringLiteral("08:08:08"), main.SegDigits_Yellow, main.Col_Yellow));

    // Unknown codes keep what is there, including across later draws.
    const QColor yellow(207, 198, 53);
    for (const int code : {0, 6, -1, 255}) {
        main.ApplyClockColour(code);
        main.timTimers_Timer();
        QCOMPARE(litColours(main), QList<QColor>({yellow, yellow}));
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
    tickAt(QTime(10, 15, 0));

    for (const bool shownAfter : {!startsShown, startsShown}) {
        main.cmdGraphical->click();
        QCOMPARE(main.picLED->isHidden(), !shownAfter);
        // The hour buttons go with the panel.
        QCOMPARE(main.opt12HR->isVisibleTo(&main), shownAfter);
        QCOMPARE(main.opt24HR->isVisibleTo(&main), shownAfter);
        QCOMPARE(main.LED_Clock->isVisibleTo(&main), shownAfter);
        QCOMPARE(main.size(), size);
        QCOMPARE(main.picLED->geometry(), panel);
        QCOMPARE(main.LED_Clock->backing(), ledShowing(QStringLiteral("10:15:00"), main.SegDigits, main.Col));
    }
}

QTEST_MAIN(tst_frmMainLed)
#include "tst_frmMainLed.moc"
