// The floor bench/startup.sh measures the program against: Qt's widgets opening one window with a
// line of text, and nothing else. The text brings in the font stack, as any window people read does.

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("A bare Qt window"));
    window.setWindowTitle(QStringLiteral("Floor"));
    window.resize(496, 254);
    window.show();
    return app.exec();
}
