#include "led/LedComposer.h"
#include "led/LedSprites.h"
#include "led/LedSurface.h"

#include <QApplication>
#include <QSet>
#include <QTest>

#include <cmath>

// Runs at a dense screen's scale (QT_SCALE_FACTOR, 2 unless set): the LED must be enlarged by a
// whole factor with no smoothing, so every segment edge stays sharp.
class tst_LedSurface : public QObject {
    Q_OBJECT
private slots:
    void enlargedByAWholeFactorWithoutSmoothing();
};

void tst_LedSurface::enlargedByAWholeFactorWithoutSmoothing()
{
    // Lit, ghost and background pixels side by side, a blank leading zero among them.
    const auto colour = LedSprites::Colour::Green;
    LedSurface surface;
    LedComposer::compose(surface.backing(), u"08:18:28", LedSprites::digitStrip(colour),
                         LedSprites::colonImage(colour));
    surface.show();
    QVERIFY(QTest::qWaitForWindowExposed(&surface));
    QCOMPARE(surface.size(), QSize(140, 27));

    const QImage shot = surface.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = surface.devicePixelRatioF();
    const QImage& led = surface.backing();

    // Nothing in between: every shown pixel is one of the LED's own colours.
    QSet<QRgb> ledColours;
    for (int y = 0; y < led.height(); ++y)
        for (int x = 0; x < led.width(); ++x)
            ledColours.insert(led.pixel(x, y));
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            QVERIFY2(ledColours.contains(shot.pixel(x, y)),
                     qPrintable(QStringLiteral("blended at %1,%2").arg(x).arg(y)));

    const int factor = static_cast<int>(std::lround(ratio));
    if (std::abs(ratio - factor) > 0.01)
        return;
    // At a whole ratio each LED pixel becomes a solid factor x factor block.
    QCOMPARE(shot.size(), QSize(140, 27) * factor);
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            QVERIFY2(shot.pixel(x, y) == led.pixel(x / factor, y / factor),
                     qPrintable(QStringLiteral("device pixel %1,%2").arg(x).arg(y)));
}

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    tst_LedSurface test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_LedSurface.moc"
