// Saves a screenshot of one X window (or the whole screen) as PNG, for the end-to-end tests.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tockwell_grab OUT.png [WINDOW-ID]\n");
        return 2;
    }
    const WId window = argc > 2 ? static_cast<WId>(QByteArray(argv[2]).toULongLong(nullptr, 0)) : 0;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 1;
    const QPixmap shot = screen->grabWindow(window);
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "tockwell_grab: could not capture\n");
        return 1;
    }
    return 0;
}
