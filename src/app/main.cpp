#include "AppArt.h"
#include "frmSplash.h"
#include "modMain.h"
#include "platform/QtDesktop.h"

#include <QApplication>
#include <QFileInfo>
#include <QStandardPaths>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tockwell"));
    // The program ends only through its own exit paths, never because a window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(AppArt::appIcon());

    QtDesktop services(AppArt::appIcon());
    modMain context(services.desktop(), {QFileInfo(QApplication::applicationFilePath()).completeBaseName(),
                                         QApplication::applicationDirPath(),
                                         QStandardPaths::writableLocation(QStandardPaths::CacheLocation)});
    context.form<frmSplash>().show();
    return app.exec();
}
