#pragma once

#include "Desktop.h"
#include "QtAutostartEntry.h"
#include "QtNotifications.h"
#include "QtSleepWatcher.h"
#include "QtWakeTimer.h"

#include <QIcon>

#include <chrono>
#include <memory>

class QSystemTrayIcon;
class QTimer;
class QNetworkAccessManager;

class QtClock final : public Clock {
public:
    QDateTime now() const override;
    qint64 monotonicMs() const override;
};

class QtMessageBoxes final : public MessageBoxes {
public:
    int show(const QString& text, int style, const QString& title, const QString& details) override;
};

// Plays through the sound module, loaded when a sound is first wanted: the audio stack it brings
// (the sound server's client) costs a start several milliseconds before
// its first window, and nothing needs it before the splash is on screen. Without the module, a
// request to play gets the desktop's alert sound, and the user is told once.
class QtDeferredSoundPlayer : public SoundPlayer {
public:
    QtDeferredSoundPlayer(MessageBoxes& messages, QString modulePath);
    ~QtDeferredSoundPlayer() override;
    void prepare(const QString& filePath) override;
    void play(const QString& filePath) override;
    void ring(const SoundRequest& request) override;
    void stop() override;
    void beep() override;
    bool outputMuted() const override;

private:
    SoundPlayer* player();

    MessageBoxes& m_messages;
    QString m_modulePath;
    std::unique_ptr<SoundPlayer> m_player;
    bool m_tried = false;
};

class QtTrayService final : public TrayService {
public:
    explicit QtTrayService(const QIcon& icon);
    ~QtTrayService() override;
    void add(const QString& tip) override;
    void remove() override;
    bool isShown() const override;
    bool isAvailable() const override;

private:
    QSystemTrayIcon& icon();

    QIcon m_picture;
    std::unique_ptr<QSystemTrayIcon> m_icon;
    // The desktop announces no notification area going away, so while the icon is meant to be
    // shown its presence is looked at now and then.
    QTimer* m_watch = nullptr;
};

class QtShell final : public Shell {
public:
    bool open(const QString& address) override;
};

class QtFileDialogs final : public FileDialogs {
public:
    QString openFile(const QString& filter) override;
    QString saveFile(const QString& filter) override;
    // "Description | *.ext" pairs, as the program writes its filters, in the form Qt's dialog shows.
    static QString toQtFilter(const QString& filter);
};

class QtWebFetch final : public WebFetch {
public:
    explicit QtWebFetch(std::chrono::milliseconds timeout = std::chrono::seconds(60));
    ~QtWebFetch() override;
    void get(const QString& url, qint64 maxBytes, QObject* context, Done done) override;

private:
    std::unique_ptr<QNetworkAccessManager> m_network;
    std::chrono::milliseconds m_timeout;
};

class QtSettingsBackend final : public SettingsBackend {
public:
    QString get(const QString& application, const QString& section, const QString& key,
                const QString& defaultValue) const override;
    void save(const QString& application, const QString& section, const QString& key, const QString& value) override;
};

class QtProgramEnd final : public ProgramEnd {
public:
    void end() override;
    // Runs first: what must reach the world outside before the process goes.
    std::function<void()> beforeEnd;
};

class QtModalRunner final : public ModalRunner {
public:
    void exec(QDialog& dialog) override;
};

// Owns one of each Qt-backed service. `soundModule`: the path of the sound module; `wakeHelper`: the
// program that wakes the computer.
class QtDesktop {
public:
    QtDesktop(const QIcon& trayIcon, const QString& soundModule, const QString& wakeHelper);
    Desktop desktop();

private:
    QtClock m_clock;
    QtMessageBoxes m_messages;
    QtDeferredSoundPlayer m_sound;
    QtTrayService m_tray;
    QtShell m_shell;
    QtFileDialogs m_files;
    QtWebFetch m_web;
    QtSettingsBackend m_settings;
    QtProgramEnd m_programEnd;
    QtModalRunner m_modal;
    QtAutostartEntry m_autostart;
    QtNotifications m_notifications;
    QtWakeTimer m_wakeTimer;
    QtSleepWatcher m_sleepWatcher;
};
