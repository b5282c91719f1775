#pragma once

#include <QIcon>
#include <QPixmap>

// Artwork the program draws for itself, so it ships no image files.
namespace AppArt {

QIcon appIcon();
// The splash background, 496 x 254 device-independent pixels.
QPixmap splashPicture(qreal devicePixelRatio = 1.0);

enum class Glyph { GraphicalClock, Options, Minimize, Open, Save, Stop };
QIcon glyph(Glyph which);

} // namespace AppArt
