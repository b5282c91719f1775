#include "LedComposer.h"

#include "LedSprites.h"

#include <algorithm>
#include <cstring>

namespace LedComposer {

namespace {

int digitCell(QChar c)
{
    // Only ASCII digits count: other scripts' digits are not on the strip.
    const char16_t code = c.unicode();
    return code >= u'0' && code <= u'9' ? code - u'0' : 0;
}

} // namespace

void copyBlock(QImage& target, QPoint to, const QImage& source, QRect from)
{
    if (target.isNull() || source.isNull() || target.depth() != 32 || from.isEmpty())
        return;
    QImage converted;
    if (source.format() != target.format())
        converted = source.convertToFormat(target.format());
    const QImage& pixels = converted.isNull() ? source : converted;
    const QRect area = QRect(to, from.size()).intersected(target.rect());
    if (area.isEmpty())
        return;

    const QRgb black = qRgb(0, 0, 0);
    const int sourceLeft = from.x() + (area.left() - to.x());
    // The columns of this block that the source actually holds.
    const int firstInside = std::clamp(-sourceLeft, 0, area.width());
    const int endInside = std::clamp(pixels.width() - sourceLeft, firstInside, area.width());

    // Rows are addressed from one base pointer each: scanLine() checks for sharing on every call.
    uchar* const targetBits = target.bits();
    const qsizetype targetStride = target.bytesPerLine();
    const uchar* const sourceBits = pixels.constBits();
    const qsizetype sourceStride = pixels.bytesPerLine();
    const int sourceHeight = pixels.height();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(targetBits + y * targetStride) + area.left();
        const int sourceY = from.y() + (y - to.y());
        if (sourceY < 0 || sourceY >= sourceHeight || firstInside == endInside) {
            std::fill_n(out, area.width(), black);
            continue;
        }
        const auto* in =
            reinterpret_cast<const QRgb*>(sourceBits + sourceY * sourceStride) + (sourceLeft + firstInside);
        std::fill_n(out, firstInside, black);
        std::memcpy(out + firstInside, in, sizeof(QRgb) * static_cast<std::size_t>(endInside - firstInside));
        std::fill(out + endInside, out + area.width(), black);
    }
}

void compose(QImage& target, QStringView timeText, const QImage& digitStrip, const QImage& colon)
{
    int counter = 0;
    int shift = 0;
    for (qsizetype j = 0; j < timeText.size(); ++j) {
        const int left = DigitPitch * static_cast<int>(j) - shift;
        // Positions only grow from here on, so a longer text has nothing left to show.
        if (left >= target.width())
            break;
        ++counter;
        if (counter < 3) {
            const QChar c = timeText[j];
            const int cell = j == 0 && c == u'0' ? LedSprites::BlankCell : digitCell(c);
            copyBlock(target, {left, 0}, digitStrip, {cell * LedSprites::CellWidth, 0, CopyWidth, CopyHeight});
        } else {
            counter = 0;
            shift += ColonShift;
            copyBlock(target, {left - ColonShift + ColonOffset, ColonTop}, colon, {0, 0, CopyWidth, CopyHeight});
        }
    }
}

} // namespace LedComposer
