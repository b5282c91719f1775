#include "led/LedSprites.h"

#include <QTest>

using LedSprites::Colour;

namespace {

enum class Shade { Lit, Ghost, Background, Other };

Shade shadeAt(const QImage& image, int x, int y)
{
    const QRgb pixel = image.pixel(x, y);
    if (pixel == LedSprites::litColour(Colour::Red))
        return Shade::Lit;
    if (pixel == LedSprites::ghostColour(Colour::Red))
        return Shade::Ghost;
    return pixel == LedSprites::backgroundColour() ? Shade::Background : Shade::Other;
}

} // namespace

class tst_LedSprites : public QObject {
    Q_OBJECT
private slots:
    void digitCells_data();
    void digitCells();

private:
    QImage m_strip = LedSprites::digitStrip(Colour::Red);
};

void tst_LedSprites::digitCells_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("litSegments"); // a top, b/c right, d bottom, e/f left, g middle
    const QStringList segments = {"abcdef", "bc",  "abdeg",   "abcdg",  "bcfg", "acdfg",
                                  "acdefg", "abc", "abcdefg", "abcdfg", ""};
    for (int cell = 0; cell < segments.size(); ++cell)
        QTest::addRow("%d", cell) << cell << segments[cell];
}

void tst_LedSprites::digitCells()
{
    QFETCH(int, cell);
    QFETCH(QString, litSegments);
    QCOMPARE(m_strip.size(), QSize(198, 27));
    const int left = 18 * cell;
    // Two neighbouring pixels in the middle of each segment's centre line.
    const QList<std::pair<char, QPoint>> middles = {{'a', {8, 2}},  {'b', {15, 7}}, {'c', {15, 19}}, {'d', {8, 24}},
                                                    {'e', {2, 19}}, {'f', {2, 7}},  {'g', {8, 13}}};
    for (const auto& [letter, at] : middles) {
        const bool vertical = at.x() == 2 || at.x() == 15;
        const Shade first = shadeAt(m_strip, left + at.x(), at.y());
        const Shade next = shadeAt(m_strip, left + at.x() + !vertical, at.y() + vertical);
        const QByteArray where(1, letter);
        if (litSegments.contains(QLatin1Char(letter))) {
            QVERIFY2(first == Shade::Lit && next == Shade::Lit, where);
        } else {
            // Dotted: the ghost and the background take turns along an unlit segment.
            QVERIFY2((first == Shade::Ghost && next == Shade::Background) ||
                         (first == Shade::Background && next == Shade::Ghost),
                     where);
        }
    }
    // The cell's frame and the holes of the 8 stay dark, so neighbouring digits never touch.
    for (const QPoint& dark : {QPoint(0, 0), QPoint(17, 13), QPoint(8, 26), QPoint(8, 7), QPoint(8, 19)})
        QCOMPARE(shadeAt(m_strip, left + dark.x(), dark.y()), Shade::Background);
}

QTEST_APPLESS_MAIN(tst_LedSprites)
#include "tst_LedSprites.moc"
