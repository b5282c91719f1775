#include "Accessibility.h"
#include "AppArt.h"
#include "AppInfo.h"
#include "DisplayCheck.h"
#include "Languages.h"
#include "frmMain.h"
#include "frmSplash.h"
#include "modMain.h"
#include "platform/QtDesktop.h"
#include "platform/SessionEnd.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>
#include <fontconfig/fontconfig.h>
#include <thread>
#include <unistd.h>

namespace {

void describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QCoreApplication::translate("main", "Tockwell, an alarm clock for the desktop."));
    // Single-dash words are the toolkit's own options (-display, -stylesheet ...), never a row of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(
        QCommandLineOption(QtAutostartEntry::Option,
                           QCoreApplication::translate("main", "Start put away in the notification area (minimised "
                                                               "where there is none), without the splash: the start "
                                                               "at login.")));
}

// --help and --version are answered before anything that needs a display or the settings exists.
void answerQuestionsAndExit(int& argc, char** argv, const QStringList& arguments)
{
    QCommandLineParser parser;
    describe(parser);
    parser.parse(arguments);
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
        parser.isSet(QStringLiteral("version"))) {
        QCoreApplication console(argc, argv);
        // Described again once the user's language is known.
        Languages::install(QLocale::system().uiLanguages());
        QCommandLineParser answer;
        describe(answer);
        answer.process(console); // prints the answer and ends the process
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
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate("main", "tockwell: unexpected argument '%1'; try --help")
                                    .arg(parser.positionalArguments().constFirst())));
        std::exit(EXIT_FAILURE);
    }
    return parser.isSet(QtAutostartEntry::Option);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("tockwell"));
    QCoreApplication::setApplicationVersion(AppInfo::runningVersion());
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    answerQuestionsAndExit(argc, argv, arguments);
    if (DisplayCheck::missing(arguments, QProcessEnvironment::systemEnvironment())) {
        // Said in the user's language, whose catalogue needs an application to be installed into.
        QCoreApplication console(argc, argv);
        Languages::install(QLocale::system().uiLanguages());
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate("main", "Tockwell needs a graphical desktop session: no "
                                                                    "X11 or Wayland display was found (DISPLAY and "
                                                                    "WAYLAND_DISPLAY are not set).")));
        return EXIT_FAILURE;
    }

    // In a Wayland session the program runs through XWayland, where it places its windows, keeps its
    // tray icon and raises its alarm as on X11; natively only where there is no X server at all.
    const bool platformChosen = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    if (!platformChosen)
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    // The main window is laid out before the splash shows, and its first text needs the font
    // configuration; reading it overlaps the toolkit's connection to the display.
    std::thread fontConfiguration([] { FcInit(); });
    QApplication app(argc, argv);
    // Read by now. The programs the links open (the browser, the mail program) inherit the environment, and get
    // the one the user started Tockwell with.
    if (!platformChosen)
        qunsetenv("QT_QPA_PLATFORM");
    Accessibility::install();
    fontConfiguration.join();
    QGuiApplication::setDesktopFileName(QStringLiteral(TOCKWELL_APP_ID));
    // Before anything says a word: the user's language, or English where Tockwell speaks none of theirs.
    Languages::install(QLocale::system().uiLanguages());
    const bool atLogin = readArguments(app);

    SingleInstance instance(SingleInstance::socketPathForUser());
    if (instance.claim(atLogin ? SingleInstance::Ask::Nothing : SingleInstance::Ask::Raise) ==
        SingleInstance::Role::HandedOver)
        return EXIT_SUCCESS;

    // The program ends only through its own exit paths, never because a window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(AppArt::appIcon());

    // An installed program is the one whose desktop entry the same install put in the same prefix:
    // true of `cmake --install` under any --prefix and of the package, never of a build folder or a copy.
    const QString programFolder = QApplication::applicationDirPath();
    const bool installed = QFileInfo::exists(programFolder + QStringLiteral("/" TOCKWELL_INSTALLED_ENTRY));
    QtDesktop services(AppArt::appIcon(),
                       installed ? programFolder + QStringLiteral("/" TOCKWELL_INSTALLED_SOUND_MODULE)
                                 : QStringLiteral(TOCKWELL_BUILT_SOUND_MODULE),
                       installed ? programFolder + QStringLiteral("/" TOCKWELL_INSTALLED_WAKE_HELPER)
                                 : QStringLiteral(TOCKWELL_BUILT_WAKE_HELPER));
    modMain context(services.desktop(), {QFileInfo(QApplication::applicationFilePath()).completeBaseName(),
                                         programFolder, QStandardPaths::writableLocation(QStandardPaths::CacheLocation),
                                         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                                         installed ? modMain::Origin::Installed : modMain::Origin::RunInPlace});
    // A logout or a termination signal ends the program as the exit question's Yes does, without the question.
    SessionEnd sessionEnd;
    QObject::connect(&sessionEnd, &SessionEnd::requested, &app, [&context] { context.form<frmMain>().Form_Unload(); });
    // When the X server goes away (a crashed display, a session torn down without a word to the program)
    // Qt ends the process with exit(1), and no window runs again: the sound files go on the way out.
    static const QByteArray soundFiles[] = {QFile::encodeName(context.alarmSoundPath()),
                                            QFile::encodeName(context.silenceSoundPath())};
    std::atexit([] {
        for (const QByteArray& file : soundFiles)
            ::unlink(file.constData());
    });
    QObject::connect(&instance, &SingleInstance::raiseRequested, &app, [&context] {
        // During the splash the main window is on its way; the splash itself is what to show.
        if (context.isLoaded<frmSplash>()) {
            context.form<frmSplash>().raise();
            return;
        }
        context.form<frmMain>().bringToFront();
    });
    // The splash comes into being inside the event loop. Shown before the loop runs, a splash window
    // makes the toolkit process events on the spot; a hand-over run from there (a slow start lets its
    // two seconds pass first) posts the splash's deletion at a level the loop never carries out, and
    // the window would stay for the life of the process.
    QMetaObject::invokeMethod(
        &app,
        [&context, atLogin] {
            if (atLogin)
                context.form<frmSplash>().handOverPutAway();
            else
                context.form<frmSplash>().show();
        },
        Qt::QueuedConnection);
    return app.exec();
}
