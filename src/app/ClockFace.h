#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// The program's emblem, an alarm clock, drawn with any painter: on screen, into the splash, and
// into the icon files the build installs, so every picture of the program comes from one drawing.
// QtGui only, so that a build tool without widgets can use it.
namespace ClockFace {

// Two bells, a round face, hands at ten past ten, filling the square `box`.
void draw(QPainter& painter, const QRectF& box, const QColor& rim);

// The application icon: the emblem in the icon's red on a transparent square of `size`.
void paintIcon(QPainter& painter, qreal size);

} // namespace ClockFace
