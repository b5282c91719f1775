#include "LedSprites.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace LedSprites {

namespace {

enum Segment : unsigned {
    Top = 1u << 0,
    UpperLeft = 1u << 1,
    UpperRight = 1u << 2,
    Middle = 1u << 3,
    LowerLeft = 1u << 4,
    LowerRight = 1u << 5,
    Bottom = 1u << 6,
};

constexpr std::array<unsigned, 10> DigitSegments = {
    Top | UpperLeft | UpperRight | LowerLeft | LowerRight | Bottom,
    UpperRight | LowerRight,
    Top | UpperRight | Middle | LowerLeft | Bottom,
    Top | UpperRight | Middle | LowerRight | Bottom,
    UpperLeft | UpperRight | Middle | LowerRight,
    Top | UpperLeft | Middle | LowerRight | Bottom,
    Top | UpperLeft | Middle | LowerLeft | LowerRight | Bottom,
    Top | UpperRight | LowerRight,
    Top | UpperLeft | UpperRight | Middle | LowerLeft | LowerRight | Bottom,
    Top | UpperLeft | UpperRight | Middle | LowerRight | Bottom,
};

// A horizontal bar three rows high, one pixel longer at each end on its centre row.
bool inHorizontal(int x, int y, int centreRow)
{
    const int dy = std::abs(y - centreRow);
    if (dy > 1)
        return false;
    return dy == 0 ? x >= 3 && x <= 14 : x >= 4 && x <= 13;
}

// A vertical bar three columns wide, with a one-pixel point beyond each end.
bool inVertical(int x, int y, int centreColumn, int firstRow, int lastRow)
{
    if (y >= firstRow && y <= lastRow)
        return std::abs(x - centreColumn) <= 1;
    return x == centreColumn && (y == firstRow - 1 || y == lastRow + 1);
}

constexpr int LeftColumn = 2;
constexpr int RightColumn = 15;

// The segment pixel (x, y) of a cell belongs to, or 0 for background. No two segments share a pixel.
unsigned segmentAt(int x, int y)
{
    if (inHorizontal(x, y, 2))
        return Top;
    if (inHorizontal(x, y, 13))
        return Middle;
    if (inHorizontal(x, y, 24))
        return Bottom;
    if (inVertical(x, y, LeftColumn, 4, 11))
        return UpperLeft;
    if (inVertical(x, y, RightColumn, 4, 11))
        return UpperRight;
    if (inVertical(x, y, LeftColumn, 15, 22))
        return LowerLeft;
    if (inVertical(x, y, RightColumn, 15, 22))
        return LowerRight;
    return 0;
}

int dimmed(int channel)
{
    return static_cast<int>(std::lround(channel * 0.6));
}

QImage blankImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(backgroundColour());
    return image;
}

} // namespace

std::optional<Colour> colourForCode(int code)
{
    if (code < static_cast<int>(Colour::Red) || code > static_cast<int>(Colour::Brown))
        return std::nullopt;
    return static_cast<Colour>(code);
}

QRgb litColour(Colour colour)
{
    switch (colour) {
    case Colour::Red:
        return qRgb(228, 50, 32);
    case Colour::Green:
        return qRgb(53, 207, 57);
    case Colour::Yellow:
        return qRgb(207, 198, 53);
    case Colour::Orange:
        return qRgb(255, 123, 5);
    case Colour::Brown:
        return qRgb(166, 162, 94);
    }
    return qRgb(228, 50, 32);
}

QRgb ghostColour(Colour colour)
{
    const QRgb lit = litColour(colour);
    return qRgb(dimmed(qRed(lit)), dimmed(qGreen(lit)), dimmed(qBlue(lit)));
}

QRgb backgroundColour()
{
    return qRgb(5, 5, 5);
}

QImage digitStrip(Colour colour)
{
    QImage strip = blankImage(StripWidth, CellHeight);
    const QRgb lit = litColour(colour);
    const QRgb ghost = ghostColour(colour);
    for (int cell = 0; cell < CellCount; ++cell) {
        const unsigned litSegments = cell < BlankCell ? DigitSegments[static_cast<std::size_t>(cell)] : 0u;
        for (int y = 0; y < CellHeight; ++y) {
            auto* row = reinterpret_cast<QRgb*>(strip.scanLine(y)) + cell * CellWidth;
            for (int x = 0; x < CellWidth; ++x) {
                const unsigned segment = segmentAt(x, y);
                if (segment == 0)
                    continue;
                if (litSegments & segment)
                    row[x] = lit;
                else if ((x + y) % 2 == 0)
                    row[x] = ghost;
            }
        }
    }
    return strip;
}

QImage colonImage(Colour colour)
{
    QImage colon = blankImage(ColonWidth, ColonHeight);
    const QRgb lit = litColour(colour);
    for (const int top : {0, 12}) {
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < ColonWidth; ++x) {
                const bool corner = (x == 0 || x == ColonWidth - 1) && (y == 0 || y == 4);
                if (!corner)
                    colon.setPixel(x, top + y, lit);
            }
        }
    }
    return colon;
}

} // namespace LedSprites
