// Build step: paints the application icon into the sizes of the desktop's icon theme, and once as
// a scalable picture, from the same drawing the running program shows.
#include "app/ClockFace.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace {

constexpr int PixelSizes[] = {16, 24, 32, 48, 64, 128, 256};
constexpr int ScalableSize = 256;

bool makeFolder(const QString& folder)
{
    if (QDir().mkpath(folder))
        return true;
    std::fprintf(stderr, "icongen: cannot create %s\n", qPrintable(folder));
    return false;
}

bool writePng(const QString& themeFolder, const QString& name, int size)
{
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(themeFolder).arg(size);
    if (!makeFolder(folder))
        return false;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    ClockFace::paintIcon(painter, size);
    painter.end();
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "icongen: cannot write %s\n", qPrintable(path));
    return false;
}

bool writeSvg(const QString& themeFolder, const QString& name)
{
    const QString folder = themeFolder + QStringLiteral("/scalable/apps");
    if (!makeFolder(folder))
        return false;
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".svg");
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(ScalableSize, ScalableSize));
    svg.setViewBox(QRect(0, 0, ScalableSize, ScalableSize));
    svg.setTitle(QStringLiteral("Tockwell"));
    svg.setDescription(QStringLiteral("An alarm clock"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        std::fprintf(stderr, "icongen: cannot write %s\n", qPrintable(path));
        return false;
    }
    ClockFace::paintIcon(painter, ScalableSize);
    return painter.end();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: icongen HICOLOR-FOLDER ICON-NAME\n");
        return 2;
    }
    const QString themeFolder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int size : PixelSizes) {
        if (!writePng(themeFolder, name, size))
            return 1;
    }
    return writeSvg(themeFolder, name) ? 0 : 1;
}
