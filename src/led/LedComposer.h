#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QStringView>

// Draws a time text onto the LED image by copying sprite blocks and nothing else: no segment is
// painted by hand and nothing is decoded while drawing, so a tick costs a few small copies.
namespace LedComposer {

// Every copy moves this much, whether it holds a digit or a colon.
inline constexpr int CopyWidth = 18;
inline constexpr int CopyHeight = 26;
inline constexpr int DigitPitch = 20;
// Each colon takes back part of the room a digit would have had...
inline constexpr int ColonShift = 10;
// ...and sits this far into what room is left, this far down.
inline constexpr int ColonOffset = 12;
inline constexpr int ColonTop = 5;

// A plain source copy of `from` in `source` to `to` in `target`. The target clips; parts of
// `from` outside the source come out black, as they would from a surface larger than its
// picture. A null image or a target that is not 32 bits deep leaves the target as it was.
void copyBlock(QImage& target, QPoint to, const QImage& source, QRect from);

// Composes a time text such as "09:05:30": two digits, then a colon for every third character
// whatever it is. Only a leading "0" is left blank; any other non-digit shows as 0.
void compose(QImage& target, QStringView timeText, const QImage& digitStrip, const QImage& colon);

} // namespace LedComposer
