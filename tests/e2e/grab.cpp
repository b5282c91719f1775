// Saves a screenshot of one X window (or the whole screen) as PNG, for the end-to-end tests;
// with --find-led, looks for the LED clock's hour digits in a saved screenshot instead.
//   tockwell_grab OUT.png [WINDOW-ID] | --find-led SHOT.png HH COLOUR-CODE
#include "led/LedComposer.h"
#include "led/LedSprites.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace {

// Exit status 0 when the two hour digits `hours`, in the sprites of colour `code`, appear in `shot`
// pixel for pixel.
int findLed(const QString& shot, const QString& hours, int code)
{
    const auto colour = LedSprites::colourForCode(code);
    const QImage screen = QImage(shot).convertToFormat(QImage::Format_RGB32);
    if (!colour || screen.isNull() || hours.size() != 2)
        return 2;
    QImage led(2 * LedComposer::DigitPitch, LedComposer::CopyHeight, QImage::Format_RGB32);
    LedComposer::compose(led, hours + QStringLiteral(":00:00"), LedSprites::digitStrip(*colour),
                         LedSprites::colonImage(*colour));
    const auto matchesAt = [&](int left, int top) {
        for (int y = 0; y < LedComposer::CopyHeight; ++y)
            for (int x = 0; x < led.width(); ++x)
                if (x % LedComposer::DigitPitch < LedComposer::CopyWidth &&
                    screen.pixel(left + x, top + y) != led.pixel(x, y))
                    return false;
        return true;
    };
    for (int top = 0; top + led.height() <= screen.height(); ++top)
        for (int left = 0; left + led.width() <= screen.width(); ++left)
            if (matchesAt(left, top))
                return 0;
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc == 5 && QByteArray(argv[1]) == "--find-led")
        return findLed(QString::fromLocal8Bit(argv[2]), QString::fromLatin1(argv[3]), QByteArray(argv[4]).toInt());
    const WId window = argc > 2 ? static_cast<WId>(QByteArray(argv[2]).toULongLong(nullptr, 0)) : 0;
    QScreen* screen = QGuiApplication::primaryScreen();
    // A failure goes back as the exit status; lib.sh's grab then fails the test with its name.
    return argc > 1 && screen && screen->grabWindow(window).save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
