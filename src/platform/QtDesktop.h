#pragma once

#include "Desktop.h"

#include <QIcon>
#include <memory>

class QSoundEffect;
class QSystemTrayIcon;
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

class QtSoundPlayer final : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    void play(const QString& filePath) override;
    // What a test can look at: the source and loop count of the last request.
    const QSoundEffect& effect() const { return *m_effect; }

private:
    // One effect for every request, so a new request cuts the previous sound off.
    std::unique_ptr<QSoundEffect> m_effect;
};

class QtTrayService final : public TrayService {
public:
    explicit QtTrayService(const QIcon& icon);
    ~QtTrayService() override;
    void add(const QString& tip) override;
    void remove() override;
    bool isShown() const override;

private:
    std::unique_ptr<QSystemTrayIcon> m_icon;
};

class QtShell final : public Shell {
public:
    void open(const QString& address) override;
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
    QtWebFetch();
    ~QtWebFetch() override;
    Result get(const QString& url) override;

private:
    std::unique_ptr<QNetworkAccessManager> m_network;
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
};

class QtModalRunner final : public ModalRunner {
public:
    void exec(QDialog& dialog) override;
};

// Owns one of each Qt-backed service.
class QtDesktop {
public:
    explicit QtDesktop(const QIcon& trayIcon);
    Desktop desktop();

private:
    QtClock m_clock;
    QtMessageBoxes m_messages;
    QtSoundPlayer m_sound;
    QtTrayService m_tray;
    QtShell m_shell;
    QtFileDialogs m_files;
    QtWebFetch m_web;
    QtSettingsBackend m_settings;
    QtProgramEnd m_programEnd;
    QtModalRunner m_modal;
};
