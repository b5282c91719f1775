#pragma once

#include <QImage>
#include <QRgb>

#include <optional>

// The LED clock's pre-rendered sprites. Each colour has a strip of eleven seven-segment digit
// cells and a colon, drawn once from the glyph geometry so that showing the time only ever
// copies blocks.
namespace LedSprites {

inline constexpr int CellWidth = 18;
inline constexpr int CellHeight = 27;
inline constexpr int CellCount = 11;
// All seven segments unlit: what a suppressed leading zero shows.
inline constexpr int BlankCell = 10;
inline constexpr int StripWidth = CellWidth * CellCount;
inline constexpr int ColonWidth = 5;
inline constexpr int ColonHeight = 17;

// The values are the stored "Clock Colour" codes.
enum class Colour { Red = 1, Green = 2, Yellow = 3, Orange = 4, Brown = 5 };

// The colour a stored code stands for; nothing for any other code.
std::optional<Colour> colourForCode(int code);

QRgb litColour(Colour colour);
// Unlit segments glow faintly so the shape of an 8 stays readable, as on a real display.
QRgb ghostColour(Colour colour);
QRgb backgroundColour();

// Cell n (0..9) shows digit n; the last cell shows every segment unlit.
QImage digitStrip(Colour colour);
QImage colonImage(Colour colour);

} // namespace LedSprites
