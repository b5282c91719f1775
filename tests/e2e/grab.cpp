// Saves a screenshot of one X window (or the whole screen) as PNG, for the end-to-end tests.
//   tockwell_grab OUT.png [WINDOW-ID]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const WId window = argc > 2 ? static_cast<WId>(QByteArray(argv[2]).toULongLong(nullptr, 0)) : 0;
    QScreen* screen = QGuiApplication::primaryScreen();
    // A failure goes back as the exit status; lib.sh's grab then fails the test with its name.
    return argc > 1 && screen && screen->grabWindow(window).save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
