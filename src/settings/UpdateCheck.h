#pragma once

#include "app/AppInfo.h"
#include "platform/Desktop.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QAbstractButton;
class QLabel;
class modMain;

// "Check for Updates": asks the update server which version is current, compares it with the running
// one, and offers the new installer to the browser. Nothing blocks while the server is asked, so the
// clock keeps ticking and alarms ring during a check.
class UpdateCheck : public QObject {
    Q_OBJECT
public:
    // The server's documents, under the update-server address.
    static inline const QString VersionPath = QStringLiteral("/tockwell/tkw-latestversion.ver");
    static inline const QString NoticePath = QStringLiteral("/tockwell/tkw-latestversion.txt");
    static inline const QString InstallerPath = QStringLiteral("/tockwell/install-tkwnova_update.exe");
    // Server text is untrusted: no more than this is ever read of each document.
    static constexpr qint64 VersionCap = 64;
    static constexpr qint64 NoticeCap = 16 * 1024;

    // What the check shows, in English; tr() gives the user's language.
    static constexpr const char* CheckCaption = QT_TR_NOOP("Check for Updates");
    static constexpr const char* CheckingCaption = QT_TR_NOOP("Checking...");
    static constexpr const char* NoUpdates =
        QT_TR_NOOP("No updates found! You are running the most up-to-date version available.");
    static constexpr const char* UnknownVersion = QT_TR_NOOP("Unknown");
    static constexpr const char* CouldNotCheck = QT_TR_NOOP("Tockwell could not check for updates.");
    static constexpr const char* UnexpectedVersionText =
        QT_TR_NOOP("The server answered with an unexpected version text.");
    static constexpr const char* QuestionTitle = QT_TR_NOOP("Download Latest Version");

    // `button` and `label` are the window's cmdCheckforUpdates and lblVersionAvailable. The check belongs
    // to `owner` (the window): destroying the owner ends a running check without another word.
    UpdateCheck(modMain& context, QAbstractButton* button, QLabel* label, QObject* owner,
                QString runningVersion = AppInfo::runningVersion());

    // cmdCheckforUpdates_Click. A press while a check runs does nothing.
    void start();
    bool isRunning() const { return m_running; }

    // TOCKWELL_UPDATE_SERVER when set (tests, mirrors), else the address the program was built with.
    static QString serverAddress();
    // Hands `address` to the user's default program; says so when there is none.
    static bool LaunchURL(Desktop& desktop, const QString& address);

private:
    void versionArrived(const WebFetch::Result& reply);
    void noticeArrived(const QString& version, const WebFetch::Result& reply);
    void fail(const QString& reason);
    void finish();
    void setButton(bool enabled, const QString& caption);
    void setLabel(const QString& text);

    modMain& m_context;
    QPointer<QAbstractButton> m_button;
    QPointer<QLabel> m_label;
    QString m_runningVersion;
    QString m_server;
    bool m_running = false;
    bool m_buttonHadFocus = false;
};
