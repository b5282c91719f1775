#include "ClockFace.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ClockFace {

void draw(QPainter& p, const QRectF& box, const QColor& rim)
{
    const qreal s = box.width();
    const QPointF c = box.center() + QPointF(0, s * 0.04);
    const qreal r = s * 0.36;
    p.setPen(Qt::NoPen);
    p.setBrush(rim.darker(130));
    p.drawEllipse(QPointF(c.x() - r * 0.78, c.y() - r * 0.86), r * 0.34, r * 0.34);
    p.drawEllipse(QPointF(c.x() + r * 0.78, c.y() - r * 0.86), r * 0.34, r * 0.34);
    p.setPen(QPen(rim.darker(150), s * 0.06, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - r * 0.55, c.y() + r * 0.85), QPointF(c.x() - r * 0.8, c.y() + r * 1.12));
    p.drawLine(QPointF(c.x() + r * 0.55, c.y() + r * 0.85), QPointF(c.x() + r * 0.8, c.y() + r * 1.12));
    p.setPen(Qt::NoPen);
    p.setBrush(rim);
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(250, 248, 240));
    p.drawEllipse(c, r * 0.8, r * 0.8);
    p.setPen(QPen(QColor(40, 40, 40), std::max<qreal>(1.0, s * 0.05), Qt::SolidLine, Qt::RoundCap));
    const auto hand = [&](qreal degrees, qreal length) {
        const qreal a = (degrees - 90) * std::numbers::pi / 180;
        p.drawLine(c, c + QPointF(std::cos(a), std::sin(a)) * length);
    };
    hand(305, r * 0.45);
    hand(60, r * 0.65);
}

void paintIcon(QPainter& painter, qreal size)
{
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, QRectF(0, 0, size, size), QColor(196, 40, 28));
}

} // namespace ClockFace
