#include "AppArt.h"
#include "AppInfo.h"
#include "frmMain.h"
#include "frmSplash.h"
#include "modMain.h"
#include "platform/QtDesktop.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>

namespace {

void describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral("Tockwell, an alarm clock for the desktop."));
    // Single-dash words are the toolkit's own options (-display, -stylesheet ...), never a row of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(QtAutostartEntry::Option,
                                        QStringLiteral("Start put away in the notification area (minimised where "
                                                       "there is none), without the splash: the start at login.")));
}

// --help and --version are answered before anything that needs a display or the settings exists.
void answerQuestionsAndExit(int& argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    describe(parser);
    parser.parse(arguments);
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
        parser.isSet(QStringLiteral("version"))) {
        QCoreApplication console(argc, argv);
        parser.process(console); // prints the answer and ends the process
    }
}

// Anything else on the command line is a mistake worth saying so, once the toolkit has taken its own options.
// True for a start at login.
bool readArguments(const QApplication& app)
{
    QCommandLineParser parser;
    describe(parser);
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "tockwell: unexpected argument '%s'; try --help\n",
                     qPrintable(parser.positionalArguments().constFirst()));
        std::exit(EXIT_FAILURE);
    }
    return parser.isSet(QtAutostartEntry::Option);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("tockwell"));
    QCoreApplication::setApplicationVersion(AppInfo::runningVersion());
    answerQuestionsAndExit(argc, argv);

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(TOCKWELL_APP_ID));
    const bool atLogin = readArguments(app);

    SingleInstance instance(SingleInstance::socketPathForUser());
    if (instance.claim(atLogin ? SingleInstance::Ask::Nothing : SingleInstance::Ask::Raise) ==
        SingleInstance::Role::HandedOver)
        return EXIT_SUCCESS;

    // The program ends only through its own exit paths, never because a window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(AppArt::appIcon());

    QtDesktop services(AppArt::appIcon());
    modMain context(services.desktop(), {QFileInfo(QApplication::applicationFilePath()).completeBaseName(),
                                         QApplication::applicationDirPath(),
                                         QStandardPaths::writableLocation(QStandardPaths::CacheLocation),
                                         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)});
    QObject::connect(&instance, &SingleInstance::raiseRequested, &app, [&context] {
        // During the splash the main window is on its way; the splash itself is what to show.
        if (context.isLoaded<frmSplash>()) {
            context.form<frmSplash>().raise();
            return;
        }
        context.form<frmMain>().bringToFront();
    });
    if (atLogin)
        context.form<frmSplash>().handOverPutAway();
    else
        context.form<frmSplash>().show();
    return app.exec();
}
