#include "LedSurface.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

LedSurface::LedSurface(QWidget* parent) : QWidget(parent), m_backing(Width, Height, QImage::Format_RGB32)
{
    m_backing.fill(Qt::black);
    setFixedSize(Width, Height);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Graphical clock"));
}

void LedSurface::setTimeText(const QString& timeText)
{
    // The picture is all a screen reader would otherwise get: the description reads the time it shows.
    setAccessibleDescription(timeText);
}

void LedSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const qreal dpr = devicePixelRatioF();
    const int factor = std::max(1, static_cast<int>(std::floor(dpr + 0.01)));
    const QImage shown =
        factor == 1 ? m_backing
                    : m_backing.scaled(m_backing.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage image = shown;
    image.setDevicePixelRatio(factor);
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(QPointF(0, 0), image);
}
