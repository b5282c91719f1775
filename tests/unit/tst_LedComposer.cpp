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
            for (int x = left; x < left + 18; ++x)
                led.setPixel(x, y, Black);
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 5; ++x)
                led.setPixel(left + x, 5 + y, colon.pixel(x, y));
    }
    for (qsizetype i = 0; i < cells.size() && i < DigitLefts.size(); ++i)
        for (int y = 0; y < 26; ++y)
            for (int x = 0; x < 18; ++x)
                led.setPixel(DigitLefts[i] + x, y, strip.pixel(18 * cells[i] + x, y));
    return led;
}

QString firstDifference(const QImage& actual, const QImage& expected)
{
    if (actual.size() != expected.size())
        return QStringLiteral("size %1x%2").arg(actual.width()).arg(actual.height());
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

bool litAnywhere(const QImage& led, QRect area, Colour colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (led.pixel(x, y) == LedSprites::litColour(colour))
                return true;
    return false;
}

bool litAlong(const QImage& led, QPoint from, QPoint to, Colour colour)
{
    for (int y = from.y(); y <= to.y(); ++y)
        for (int x = from.x(); x <= to.x(); ++x)
            if (led.pixel(x, y) != LedSprites::litColour(colour))
                return false;
    return true;
}

} // namespace

class tst_LedComposer : public QObject {
    Q_OBJECT
private slots:
    void fullTexts_data();
    void fullTexts();
    void leadingZeroIsBlankOnlyInFirstPlace();
    void colonColumns();
    void textsOfOtherLengths_data();
    void textsOfOtherLengths();
    void failedCopyLeavesTheAreaAlone();
    void blockCopyClipsAndBlackensOutsideTheSource_data();
    void blockCopyClipsAndBlackensOutsideTheSource();

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
    QTest::newRow("separators not looked at") << "12345678" << QList<int>{1, 2, 4, 5, 7, 8};
    QTest::newRow("non-digits count as 0") << "1a:b5:c0" << QList<int>{1, 0, 0, 5, 0, 0};
    QTest::newRow("leading space is a 0, not a blank") << " 9:05:30" << QList<int>{0, 9, 0, 5, 3, 0};
    QTest::newRow("digits of other scripts count as 0") << u"\u0661\u0662:00:00"_qs << QList<int>{0, 0, 0, 0, 0, 0};
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

void tst_LedComposer::leadingZeroIsBlankOnlyInFirstPlace()
{
    QImage led = freshLed();
    LedComposer::compose(led, u"09:05:30", m_strip, m_colon);
    QVERIFY(!litAnywhere(led, QRect(0, 0, 18, 26), Colour::Red));
    // The zero of the minutes: lit all round, dark in the middle.
    QVERIFY(litAlong(led, {53, 2}, {64, 2}, Colour::Red));
    QVERIFY(litAlong(led, {52, 3}, {52, 12}, Colour::Red));
    QVERIFY(litAlong(led, {65, 14}, {65, 23}, Colour::Red));
    QVERIFY(!litAnywhere(led, QRect(53, 13, 12, 1), Colour::Red));
    // The last zero, too.
    QVERIFY(litAlong(led, {123, 24}, {134, 24}, Colour::Red));
    QVERIFY(!litAnywhere(led, QRect(123, 13, 12, 1), Colour::Red));
    // A nine: its lower left bar stays dark, its middle bar is lit.
    QVERIFY(litAlong(led, {23, 13}, {34, 13}, Colour::Red));
    QVERIFY(!litAnywhere(led, QRect(22, 14, 1, 10), Colour::Red));
}

void tst_LedComposer::colonColumns()
{
    QImage led = freshLed();
    LedComposer::compose(led, u"12:34:56", m_strip, m_colon);
    QCOMPARE(led.size(), QSize(140, 27));
    for (const int left : ColonLefts) {
        // Dots at rows 5-9 and 17-21 of the LED, five columns wide.
        QVERIFY(litAlong(led, {left + 1, 5}, {left + 3, 9}, Colour::Red));
        QVERIFY(litAlong(led, {left, 6}, {left + 4, 8}, Colour::Red));
        QVERIFY(litAlong(led, {left + 1, 17}, {left + 3, 21}, Colour::Red));
        QVERIFY(!litAnywhere(led, QRect(left, 10, 5, 7), Colour::Red));
        QCOMPARE(led.pixel(left, 5), LedSprites::backgroundColour());
        // Right of the dots the copy reaches past the colon picture and paints plain black.
        for (int x = left + 5; x < left + 8; ++x)
            for (int y = 5; y < 27; ++y)
                QCOMPARE(led.pixel(x, y), Black);
        // Above the colon, between the digits, nothing is drawn.
        for (int x = left - 4; x < left + 8; ++x)
            for (int y = 0; y < 5; ++y)
                QCOMPARE(led.pixel(x, y), Untouched);
    }
    // The gaps between the two digits of a pair and the LED's last two columns are never drawn.
    for (const int x : {18, 19, 68, 69, 118, 119, 138, 139})
        for (int y = 0; y < 27; ++y)
            QCOMPARE(led.pixel(x, y), Untouched);
}

void tst_LedComposer::textsOfOtherLengths_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("drawsLike"); // empty: nothing at all is drawn

    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("with the designator") << "09:05:30 PM"
                                         << "09:05:30";
    QTest::newRow("very long") << QString(10000, u'7') << "77:77:77";
}

void tst_LedComposer::textsOfOtherLengths()
{
    QFETCH(QString, text);
    QFETCH(QString, drawsLike);
    QImage led = freshLed();
    LedComposer::compose(led, text, m_strip, m_colon);
    QImage expected = freshLed();
    LedComposer::compose(expected, drawsLike, m_strip, m_colon);
    const QString difference = firstDifference(led, expected);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    if (drawsLike.isEmpty())
        QCOMPARE(led, freshLed());
}

void tst_LedComposer::failedCopyLeavesTheAreaAlone()
{
    QImage led = freshLed();
    LedComposer::compose(led, u"12:34:56", m_strip, QImage());
    for (const int left : ColonLefts)
        for (int x = left; x < left + 8; ++x)
            for (int y = 0; y < 27; ++y)
                QCOMPARE(led.pixel(x, y), Untouched);
    QVERIFY(litAnywhere(led, QRect(0, 0, 18, 26), Colour::Red));

    QImage untouched = freshLed();
    LedComposer::compose(untouched, u"12:34:56", QImage(), QImage());
    QCOMPARE(untouched, freshLed());
}

void tst_LedComposer::blockCopyClipsAndBlackensOutsideTheSource_data()
{
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QRect>("from");
    QTest::addColumn<QRect>("painted");   // the target area the copy touches
    QTest::addColumn<QPoint>("sourceAt"); // target point where source pixel (0, 0) lands

    QTest::newRow("inside") << QPoint(2, 1) << QRect(0, 0, 3, 2) << QRect(2, 1, 3, 2) << QPoint(2, 1);
    QTest::newRow("off the left and top") << QPoint(-1, -1) << QRect(0, 0, 3, 3) << QRect(0, 0, 2, 2) << QPoint(-1, -1);
    QTest::newRow("off the right and bottom") << QPoint(6, 4) << QRect(0, 0, 4, 4) << QRect(6, 4, 2, 2) << QPoint(6, 4);
    QTest::newRow("wider and taller than the source")
        << QPoint(0, 0) << QRect(0, 0, 6, 5) << QRect(0, 0, 6, 5) << QPoint(0, 0);
    QTest::newRow("starting left of the source")
        << QPoint(1, 1) << QRect(-2, -1, 4, 3) << QRect(1, 1, 4, 3) << QPoint(3, 2);
    QTest::newRow("wholly outside the target") << QPoint(9, 0) << QRect(0, 0, 3, 3) << QRect() << QPoint();
}

void tst_LedComposer::blockCopyClipsAndBlackensOutsideTheSource()
{
    QFETCH(QPoint, to);
    QFETCH(QRect, from);
    QFETCH(QRect, painted);
    QFETCH(QPoint, sourceAt);

    // A 3 x 3 source whose every pixel is distinct, on an 8 x 6 target.
    QImage source(3, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            source.setPixel(x, y, qRgb(10 + x, 20 + y, 200));
    QImage target(8, 6, QImage::Format_RGB32);
    target.fill(Untouched);

    LedComposer::copyBlock(target, to, source, from);
    for (int y = 0; y < target.height(); ++y) {
        for (int x = 0; x < target.width(); ++x) {
            QRgb expected = Untouched;
            if (painted.contains(x, y)) {
                const QPoint s = QPoint(x, y) - sourceAt;
                expected = source.rect().contains(s) ? source.pixel(s) : Black;
            }
            QVERIFY2(target.pixel(x, y) == expected, qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
    }
}

QTEST_APPLESS_MAIN(tst_LedComposer)
#include "tst_LedComposer.moc"
