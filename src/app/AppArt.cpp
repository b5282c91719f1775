#include "AppArt.h"

#include "ClockFace.h"

#include <QApplication>
#include <QFont>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QRadialGradient>
#include <QStyle>
#include <QStyleOption>

namespace AppArt {

namespace {

QPixmap canvas(int size, qreal dpr)
{
    QPixmap pixmap(QSize(size, size) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QIcon appIcon()
{
    // Drawn once: the application, its windows and the tray share this one set of pictures rather
    // than holding a drawing each. Never freed: no picture is destroyed after the application.
    static const QIcon* const drawn = [] {
        auto* icon = new QIcon;
        for (int size : {16, 32, 48, 64, 128}) {
            QPixmap pixmap = canvas(size, 1.0);
            QPainter p(&pixmap);
            ClockFace::paintIcon(p, size);
            p.end();
            icon->addPixmap(pixmap);
        }
        return icon;
    }();
    return *drawn;
}

QPixmap splashPicture(qreal dpr)
{
    const QSize size(496, 254);
    QPixmap pixmap(size * dpr);
    pixmap.setDevicePixelRatio(dpr);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0.0, QColor(22, 30, 58));
    sky.setColorAt(0.65, QColor(58, 36, 78));
    sky.setColorAt(1.0, QColor(140, 52, 44));
    p.fillRect(QRect(QPoint(0, 0), size), sky);

    QRadialGradient glow(QPointF(118, 118), 110);
    glow.setColorAt(0.0, QColor(255, 190, 120, 90));
    glow.setColorAt(1.0, QColor(255, 190, 120, 0));
    p.fillRect(QRect(QPoint(0, 0), size), glow);

    ClockFace::draw(p, QRectF(28, 22, 180, 180), QColor(210, 52, 36));

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setStyleHint(QFont::SansSerif);
    title.setPixelSize(54);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(255, 244, 230));
    p.drawText(QRectF(212, 62, 270, 70), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tockwell"));

    QFont tagline = title;
    tagline.setPixelSize(15);
    tagline.setBold(false);
    p.setFont(tagline);
    p.setPen(QColor(255, 214, 170));
    p.drawText(QRectF(216, 130, 270, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("AppArt", "Your desktop alarm clock"));

    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.drawLine(QPointF(8, 216.5), QPointF(488, 216.5));
    return pixmap;
}

namespace {

// Draws a glyph in a square of 16 x 16 units.
void paintGlyph(QPainter& p, Glyph which)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(50, 50, 60);
    switch (which) {
    case Glyph::GraphicalClock: {
        p.setBrush(QColor(20, 20, 20));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(0.5, 3.5, 15, 9), 1.5, 1.5);
        QFont f(QStringLiteral("DejaVu Sans Mono"));
        f.setPixelSize(9);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(236, 60, 40));
        p.drawText(QRectF(0.5, 3.5, 15, 9), Qt::AlignCenter, QStringLiteral("8:8"));
        break;
    }
    case Glyph::Options: {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(8, 8);
            p.rotate(i * 45.0);
            p.drawRect(QRectF(-1.5, -7.5, 3, 4));
            p.restore();
        }
        p.drawEllipse(QPointF(8, 8), 5, 5);
        p.setBrush(QColor(235, 235, 235));
        p.drawEllipse(QPointF(8, 8), 2, 2);
        break;
    }
    case Glyph::Minimize: {
        p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(8, 1.5), QPointF(8, 9.5));
        p.drawLine(QPointF(4.5, 6.5), QPointF(8, 10));
        p.drawLine(QPointF(11.5, 6.5), QPointF(8, 10));
        p.drawRect(QRectF(1.5, 12.5, 13, 2));
        break;
    }
    case Glyph::Open: {
        p.setPen(QPen(QColor(150, 110, 30), 1));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(1.5, 4.5, 13, 9));
        p.drawRect(QRectF(1.5, 2.5, 5, 2));
        p.setBrush(QColor(250, 225, 130));
        QPainterPath lid;
        lid.moveTo(3.5, 7.5);
        lid.lineTo(15.5, 7.5);
        lid.lineTo(13.5, 13.5);
        lid.lineTo(1.5, 13.5);
        lid.closeSubpath();
        p.drawPath(lid);
        break;
    }
    case Glyph::Save: {
        p.setPen(QPen(QColor(30, 50, 110), 1));
        p.setBrush(QColor(70, 110, 200));
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(QColor(240, 240, 240));
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(200, 210, 230));
        p.drawRect(QRectF(3.5, 9.5, 9, 5));
        break;
    }
    case Glyph::Stop: {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 30, 30));
        p.drawRect(QRectF(3, 3, 10, 10));
        break;
    }
    }
}

// Draws its glyph when a button first shows it, at the size and pixel ratio it is shown at, rather
// than when the window is made: a start draws nothing it does not show.
class GlyphEngine final : public QIconEngine {
public:
    explicit GlyphEngine(Glyph which) : m_which(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal dpr = painter->device()->devicePixelRatioF();
        QPixmap picture = pixmap(rect.size() * dpr, mode, state);
        picture.setDevicePixelRatio(dpr);
        painter->drawPixmap(rect, picture);
    }

    // `size` in device pixels; the icon sets the pixel ratio.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        const QString key = QStringLiteral("tockwell-glyph-%1-%2x%3-%4-%5")
                                .arg(static_cast<int>(m_which))
                                .arg(size.width())
                                .arg(size.height())
                                .arg(static_cast<int>(mode))
                                .arg(static_cast<int>(state));
        QPixmap picture;
        if (QPixmapCache::find(key, &picture))
            return picture;
        picture = QPixmap(size);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        p.scale(size.width() / 16.0, size.height() / 16.0);
        paintGlyph(p, m_which);
        p.end();
        if (mode == QIcon::Disabled) {
            QStyleOption option;
            option.palette = QApplication::palette();
            picture = QApplication::style()->generatedIconPixmap(mode, picture, &option);
        }
        QPixmapCache::insert(key, picture);
        return picture;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size.boundedTo(QSize(16, 16)); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {QSize(16, 16)}; }
    QIconEngine* clone() const override { return new GlyphEngine(m_which); }
    QString key() const override { return QStringLiteral("tockwell-glyph"); }

private:
    Glyph m_which;
};

} // namespace

QIcon glyph(Glyph which)
{
    return QIcon(new GlyphEngine(which));
}

} // namespace AppArt
