#include "led/LedSprites.h"

#include <QTest>

using LedSprites::Colour;

Q_DECLARE_METATYPE(LedSprites::Colour)

namespace {

// The segments by their usual letters: a top, b upper right, c lower right, d bottom,
// e lower left, f upper left, g middle.
struct Spine {
    char letter;
    QList<QPoint> points;
};

QList<QPoint> row(int y, int fromX, int toX)
{
    QList<QPoint> points;
    for (int x = fromX; x <= toX; ++x)
        points << QPoint(x, y);
    return points;
}

QList<QPoint> column(int x, int fromY, int toY)
{
    QList<QPoint> points;
    for (int y = fromY; y <= toY; ++y)
        points << QPoint(x, y);
    return points;
}

// The centre line of each segment, tips included: lit pixels for a lit segment.
const QList<Spine>& spines()
{
    static const QList<Spine> all = {
        {'a', row(2, 3, 14)},     {'b', column(15, 3, 12)}, {'c', column(15, 14, 23)}, {'d', row(24, 3, 14)},
        {'e', column(2, 14, 23)}, {'f', column(2, 3, 12)},  {'g', row(13, 3, 14)},
    };
    return all;
}

enum class Shade { Lit, Ghost, Background, Other };

Shade shadeOf(QRgb pixel, Colour colour)
{
    if (pixel == LedSprites::litColour(colour))
        return Shade::Lit;
    if (pixel == LedSprites::ghostColour(colour))
        return Shade::Ghost;
    if (pixel == LedSprites::backgroundColour())
        return Shade::Background;
    return Shade::Other;
}

int count(const QImage& image, QRect area, Colour colour, Shade wanted)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += shadeOf(image.pixel(x, y), colour) == wanted;
    return n;
}

void addColourRows()
{
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<QColor>("lit");
    QTest::newRow("1 red") << Colour::Red << QColor(228, 50, 32);
    QTest::newRow("2 green") << Colour::Green << QColor(53, 207, 57);
    QTest::newRow("3 yellow") << Colour::Yellow << QColor(207, 198, 53);
    QTest::newRow("4 orange") << Colour::Orange << QColor(255, 123, 5);
    QTest::newRow("5 brown") << Colour::Brown << QColor(166, 162, 94);
}

} // namespace

class tst_LedSprites : public QObject {
    Q_OBJECT
private slots:
    void codes_data();
    void codes();
    void shades_data();
    void shades();
    void digitCells_data();
    void digitCells();
    void segmentShapes();
    void blankCellShowsAFaintEight();
    void colon_data();
    void colon();
};

void tst_LedSprites::codes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("expected"); // 0: no colour
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("2") << 2 << 2;
    QTest::newRow("3") << 3 << 3;
    QTest::newRow("4") << 4 << 4;
    QTest::newRow("5") << 5 << 5;
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("6") << 6 << 0;
    QTest::newRow("unreadable") << -1 << 0;
    QTest::newRow("255") << 255 << 0;
}

void tst_LedSprites::codes()
{
    QFETCH(int, code);
    QFETCH(int, expected);
    const std::optional<Colour> colour = LedSprites::colourForCode(code);
    QCOMPARE(colour.has_value(), expected != 0);
    if (colour)
        QCOMPARE(static_cast<int>(*colour), expected);
}

void tst_LedSprites::shades_data()
{
    addColourRows();
}

void tst_LedSprites::shades()
{
    QFETCH(Colour, colour);
    QFETCH(QColor, lit);
    QCOMPARE(QColor(LedSprites::litColour(colour)), lit);

    const QColor ghost(LedSprites::ghostColour(colour));
    const auto ratio = [](int dim, int full) { return full == 0 ? 0.6 : double(dim) / full; };
    for (const double r :
         {ratio(ghost.red(), lit.red()), ratio(ghost.green(), lit.green()), ratio(ghost.blue(), lit.blue())})
        QVERIFY2(r > 0.5 && r < 0.7, qPrintable(QStringLiteral("ghost at %1 of lit").arg(r)));

    const QColor back(LedSprites::backgroundColour());
    QVERIFY(back.red() <= 10 && back.green() <= 10 && back.blue() <= 10);
    QVERIFY(back != QColor(Qt::black));
}

void tst_LedSprites::digitCells_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("litSegments");
    QTest::newRow("0") << 0 << "abcdef";
    QTest::newRow("1") << 1 << "bc";
    QTest::newRow("2") << 2 << "abdeg";
    QTest::newRow("3") << 3 << "abcdg";
    QTest::newRow("4") << 4 << "bcfg";
    QTest::newRow("5") << 5 << "acdfg";
    QTest::newRow("6") << 6 << "acdefg";
    QTest::newRow("7") << 7 << "abc";
    QTest::newRow("8") << 8 << "abcdefg";
    QTest::newRow("9") << 9 << "abcdfg";
    QTest::newRow("blank") << 10 << "";
}

void tst_LedSprites::digitCells()
{
    QFETCH(int, cell);
    QFETCH(QString, litSegments);
    for (const Colour colour : {Colour::Red, Colour::Green, Colour::Yellow, Colour::Orange, Colour::Brown}) {
        const QImage strip = LedSprites::digitStrip(colour);
        QCOMPARE(strip.size(), QSize(198, 27));
        const int left = 18 * cell;
        const QRect area(left, 0, 18, 27);
        QCOMPARE(count(strip, area, colour, Shade::Other), 0);

        // The cell's frame stays dark so neighbouring digits never touch.
        for (int y = 0; y < 27; ++y) {
            QCOMPARE(shadeOf(strip.pixel(left, y), colour), Shade::Background);
            QCOMPARE(shadeOf(strip.pixel(left + 17, y), colour), Shade::Background);
        }
        for (int x = 0; x < 18; ++x) {
            QCOMPARE(shadeOf(strip.pixel(left + x, 0), colour), Shade::Background);
            QCOMPARE(shadeOf(strip.pixel(left + x, 26), colour), Shade::Background);
        }

        for (const Spine& spine : spines()) {
            const bool lit = litSegments.contains(QLatin1Char(spine.letter));
            Shade previous = Shade::Other;
            for (const QPoint& p : spine.points) {
                const Shade shade = shadeOf(strip.pixel(left + p.x(), p.y()), colour);
                const QByteArray where =
                    QByteArray(1, spine.letter) + " at " + QByteArray::number(p.x()) + "," + QByteArray::number(p.y());
                if (lit) {
                    QVERIFY2(shade == Shade::Lit, where.constData());
                } else {
                    // Dotted: the ghost and the background take turns along the segment.
                    QVERIFY2(shade == Shade::Ghost || shade == Shade::Background, where.constData());
                    QVERIFY2(shade != previous, where.constData());
                }
                previous = shade;
            }
        }
    }
}

void tst_LedSprites::segmentShapes()
{
    const QImage strip = LedSprites::digitStrip(Colour::Red);
    const int eight = 8 * 18;
    const auto shade = [&](int x, int y) { return shadeOf(strip.pixel(eight + x, y), Colour::Red); };

    // Horizontal bars are pointed: the outer rows are one pixel shorter at each end.
    for (const int centre : {2, 13, 24}) {
        QCOMPARE(shade(3, centre), Shade::Lit);
        QCOMPARE(shade(14, centre), Shade::Lit);
        QCOMPARE(shade(2, centre), Shade::Background);
        QCOMPARE(shade(15, centre), Shade::Background);
        for (const int outer : {centre - 1, centre + 1}) {
            QCOMPARE(shade(3, outer), Shade::Background);
            QCOMPARE(shade(4, outer), Shade::Lit);
            QCOMPARE(shade(13, outer), Shade::Lit);
            QCOMPARE(shade(14, outer), Shade::Background);
        }
    }
    // Vertical bars are three columns wide and end in a single pixel on their centre column.
    for (const int centre : {2, 15}) {
        for (const auto& [first, last] : {std::pair{4, 11}, std::pair{15, 22}}) {
            for (const int y : {first, last}) {
                QCOMPARE(shade(centre - 1, y), Shade::Lit);
                QCOMPARE(shade(centre + 1, y), Shade::Lit);
            }
            for (const int tip : {first - 1, last + 1}) {
                QCOMPARE(shade(centre, tip), Shade::Lit);
                QCOMPARE(shade(centre - 1, tip), Shade::Background);
                QCOMPARE(shade(centre + 1, tip), Shade::Background);
            }
        }
        // Between the upper and lower bars, level with the middle bar's point.
        QCOMPARE(shade(centre, 13), Shade::Background);
    }
    // Three bars of 10 + 12 + 10 pixels and four of 3 x 8 + 2.
    QCOMPARE(count(strip, QRect(eight, 0, 18, 27), Colour::Red, Shade::Lit), 3 * 32 + 4 * 26);
}

void tst_LedSprites::blankCellShowsAFaintEight()
{
    const QImage strip = LedSprites::digitStrip(Colour::Green);
    const QRect blank(180, 0, 18, 27);
    QCOMPARE(count(strip, blank, Colour::Green, Shade::Lit), 0);
    const int ghosts = count(strip, blank, Colour::Green, Shade::Ghost);
    QVERIFY2(ghosts >= 90 && ghosts <= 110, qPrintable(QString::number(ghosts)));
    // A digit's dark segments look exactly like the blank cell's, so digits line up with the faint 8.
    for (int digit = 0; digit < 10; ++digit) {
        for (int y = 0; y < 27; ++y) {
            for (int x = 0; x < 18; ++x) {
                const Shade inBlank = shadeOf(strip.pixel(180 + x, y), Colour::Green);
                const Shade inDigit = shadeOf(strip.pixel(18 * digit + x, y), Colour::Green);
                QVERIFY2(inDigit == inBlank || inDigit == Shade::Lit,
                         qPrintable(QStringLiteral("digit %1 at %2,%3").arg(digit).arg(x).arg(y)));
            }
        }
    }
}

void tst_LedSprites::colon_data()
{
    addColourRows();
}

void tst_LedSprites::colon()
{
    QFETCH(Colour, colour);
    const QImage colon = LedSprites::colonImage(colour);
    QCOMPARE(colon.size(), QSize(5, 17));
    for (int y = 0; y < 17; ++y) {
        for (int x = 0; x < 5; ++x) {
            const bool inDot = y <= 4 || y >= 12;
            const int dotRow = y <= 4 ? y : y - 12;
            const bool corner = (x == 0 || x == 4) && (dotRow == 0 || dotRow == 4);
            const Shade expected = inDot && !corner ? Shade::Lit : Shade::Background;
            QVERIFY2(shadeOf(colon.pixel(x, y), colour) == expected,
                     qPrintable(QStringLiteral("colon pixel %1,%2").arg(x).arg(y)));
        }
    }
}

QTEST_APPLESS_MAIN(tst_LedSprites)
#include "tst_LedSprites.moc"
