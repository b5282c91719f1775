#include "led/LedComposer.h"
#include "led/LedSprites.h"

#include <QTest>

using LedSprites::Colour;

namespace {

// Paint the LED with a colour no sprite has, so every pixel a draw leaves alone shows up.
const QRgb Untouched = qRgb(255, 0, 255);
const QRgb Black = qRgb(0, 0, 0);
const QList<int> DigitLefts = {0, 20, 50, 70, 100, 120};
const QList<int> ColonLefts = {42, 92};

QImage freshLed()
{
    QImage led(140, 27, QImage::Format_RGB32);
    led.fill(Untouched);
    return led;
}

// What the LED must look like after drawing a full "hh:mm:ss" text, built from the stated
// positions: each colon's wide copy blacks out the gap, the digit after it covers the rest.
QImage expectedLed(const QList<int>& cells, const QImage& strip, const QImage& colon)
{
    QImage led = freshLed();
    for (const int left : ColonLefts) {
        for (int y = 5; y < 27; ++y)
            for (int x = 0; x < 18; ++x)
                led.setPixel(left + x, y, x < 5 && y < 22 ? colon.pixel(x, y - 5) : Black);
    }
    for (qsizetype i = 0; i < cells.size(); ++i)
        for (int y = 0; y < 26; ++y)
            for (int x = 0; x < 18; ++x)
                led.setPixel(DigitLefts[i] + x, y, strip.pixel(18 * cells[i] + x, y));
    return led;
}

QString firstDifference(const QImage& actual, const QImage& expected)
{
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return QStringLiteral("pixel %1,%2 is %3, expected %4")
                    .arg(x)
                    .arg(y)
                    .arg(actual.pixel(x, y), 8, 16)
                    .arg(expected.pixel(x, y), 8, 16);
    return {};
}

} // namespace

class tst_LedComposer : public QObject {
    Q_OBJECT
private slots:
    void fullTexts_data();
    void fullTexts();
    void colonColumns();
    void nullSpritesDrawNothing();

private:
    QImage m_strip = LedSprites::digitStrip(Colour::Red);
    QImage m_colon = LedSprites::colonImage(Colour::Red);
};

void tst_LedComposer::fullTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("cells"); // 10: the blank cell

    QTest::newRow("09:05:30") << "09:05:30" << QList<int>{10, 9, 0, 5, 3, 0};
    QTest::newRow("00:00:00") << "00:00:00" << QList<int>{10, 0, 0, 0, 0, 0};
    QTest::newRow("12:00:00") << "12:00:00" << QList<int>{1, 2, 0, 0, 0, 0};
    QTest::newRow("10:15:00") << "10:15:00" << QList<int>{1, 0, 1, 5, 0, 0};
    QTest::newRow("23:59:58") << "23:59:58" << QList<int>{2, 3, 5, 9, 5, 8};
    QTest::newRow("separators not looked at, non-digits 0") << "1a-b5x\u06610" << QList<int>{1, 0, 0, 5, 0, 0};
    QTest::newRow("with the designator") << "09:05:30 PM" << QList<int>{10, 9, 0, 5, 3, 0};
    QTest::newRow("very long") << QString(10000, u'7') << QList<int>{7, 7, 7, 7, 7, 7};
    QTest::newRow("leading space is a 0, not a blank") << " 9:05:30" << QList<int>{0, 9, 0, 5, 3, 0};
}

void tst_LedComposer::fullTexts()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, cells);
    QImage led = freshLed();
    LedComposer::compose(led, text, m_strip, m_colon);
    const QString difference = firstDifference(led, expectedLed(cells, m_strip, m_colon));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void tst_LedComposer::colonColumns()
{
    QImage led = freshLed();
    LedComposer::compose(led, u"12:34:56", m_strip, m_colon);
    const QRgb lit = LedSprites::litColour(Colour::Red);
    for (const int left : ColonLefts) {
        // Dots five columns wide at rows 5-9 and 17-21, plain black to their right, nothing above.
        QCOMPARE(led.pixel(left, 7), lit);
        QCOMPARE(led.pixel(left + 4, 19), lit);
        QCOMPARE(led.pixel(left + 2, 13), LedSprites::backgroundColour());
        QCOMPARE(led.pixel(left, 5), LedSprites::backgroundColour());
        QCOMPARE(led.pixel(left + 5, 13), Black);
        QCOMPARE(led.pixel(left + 2, 4), Untouched);
    }
    // The gaps between the two digits of a pair and the LED's last two columns are never drawn.
    for (const int x : {18, 19, 68, 69, 118, 119, 138, 139})
        QCOMPARE(led.pixel(x, 13), Untouched);
}

void tst_LedComposer::nullSpritesDrawNothing()
{
    QImage led = freshLed();
    LedComposer::compose(led, u"12:34:56", QImage(), QImage());
    QCOMPARE(led, freshLed());
}

QTEST_APPLESS_MAIN(tst_LedComposer)
#include "tst_LedComposer.moc"
