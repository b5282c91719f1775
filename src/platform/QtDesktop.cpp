#include "QtDesktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLibrary>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QUrl>

#include <utility>

#include <cstdio>
#include <unistd.h>

QDateTime QtClock::now() const
{
    return QDateTime::currentDateTime();
}

qint64 QtClock::monotonicMs() const
{
    static const QElapsedTimer started = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return started.elapsed();
}

int QtMessageBoxes::show(const QString& text, int style, const QString& title, const QString& details)
{
    QMessageBox box;
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    if (!details.isEmpty())
        box.setDetailedText(details);

    const int icon = style & 0x70;
    if (icon == MsgBox::Critical)
        box.setIcon(QMessageBox::Critical);
    else if (icon == MsgBox::Question)
        box.setIcon(QMessageBox::Question);
    else if (icon == MsgBox::Exclamation)
        box.setIcon(QMessageBox::Warning);
    else if (icon == MsgBox::Information)
        box.setIcon(QMessageBox::Information);

    if ((style & 0x0F) == MsgBox::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int result = box.exec();
    if (result == QMessageBox::Yes)
        return MsgBox::Yes;
    if (result == QMessageBox::No)
        return MsgBox::No;
    return MsgBox::Ok;
}

QtDeferredSoundPlayer::QtDeferredSoundPlayer(MessageBoxes& messages, QString modulePath)
    : m_messages(messages), m_modulePath(std::move(modulePath))
{
}

QtDeferredSoundPlayer::~QtDeferredSoundPlayer() = default;

SoundPlayer* QtDeferredSoundPlayer::player()
{
    if (m_tried)
        return m_player.get();
    m_tried = true;
    // Never unloaded: the player's code runs until the process ends.
    QLibrary module(m_modulePath);
    using Make = SoundPlayer* (*)();
    if (const auto make = reinterpret_cast<Make>(module.resolve("tockwell_make_sound_player"))) {
        m_player.reset(make());
        m_player->onOutputChanged = [this] {
            if (onOutputChanged)
                onOutputChanged();
        };
        m_player->onFileFailed = [this](const QString& file, const QString& reason) {
            if (onFileFailed)
                onFileFailed(file, reason);
        };
        m_player->onEnded = [this] {
            if (onEnded)
                onEnded();
        };
        return m_player.get();
    }
    m_messages.show(QCoreApplication::translate("QtDesktop",
                                                "Tockwell cannot play its sounds: a part of the program is missing or "
                                                "damaged. Alarms will still show their window, with the desktop's "
                                                "alert sound. Installing Tockwell again should mend this."),
                    MsgBox::OkOnly | MsgBox::Critical, QStringLiteral("Tockwell"), module.errorString());
    return nullptr;
}

void QtDeferredSoundPlayer::prepare(const QString& filePath)
{
    if (SoundPlayer* sound = player())
        sound->prepare(filePath);
}

void QtDeferredSoundPlayer::play(const QString& filePath)
{
    if (SoundPlayer* sound = player())
        sound->play(filePath);
    else
        beep();
}

void QtDeferredSoundPlayer::ring(const SoundRequest& request)
{
    if (SoundPlayer* sound = player())
        sound->ring(request);
    else
        beep();
}

void QtDeferredSoundPlayer::stop()
{
    if (m_player)
        m_player->stop();
}

bool QtDeferredSoundPlayer::outputMuted() const
{
    return m_player && m_player->outputMuted();
}

void QtDeferredSoundPlayer::beep()
{
    QApplication::beep();
}

QtTrayService::QtTrayService(const QIcon& icon) : m_picture(icon) {}

QtTrayService::~QtTrayService() = default;

QSystemTrayIcon& QtTrayService::icon()
{
    // Made the first time it is wanted: the toolkit asks the desktop's bus for a notification area
    // when the icon comes into being, and a start has better things to do before its first window.
    if (m_icon)
        return *m_icon;
    m_icon = std::make_unique<QSystemTrayIcon>(m_picture);
    QObject::connect(m_icon.get(), &QSystemTrayIcon::activated, m_icon.get(),
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         if (!onEvent)
                             return;
                         switch (reason) {
                         case QSystemTrayIcon::DoubleClick:
                             onEvent(Event::LeftDoubleClick);
                             break;
                         case QSystemTrayIcon::Context:
                             onEvent(Event::RightRelease);
                             break;
                         default:
                             onEvent(Event::Other);
                             break;
                         }
                     });
    m_watch = new QTimer(m_icon.get());
    m_watch->setInterval(1000);
    QObject::connect(m_watch, &QTimer::timeout, m_icon.get(), [this] {
        if (isAvailable())
            return;
        m_watch->stop();
        if (onAvailabilityChanged)
            onAvailabilityChanged(false);
    });
    return *m_icon;
}

void QtTrayService::add(const QString& tip)
{
    icon().setToolTip(tip);
    m_icon->show();
    m_watch->start();
}

void QtTrayService::remove()
{
    if (!m_icon)
        return;
    m_watch->stop();
    m_icon->hide();
}

bool QtTrayService::isShown() const
{
    return m_icon && m_icon->isVisible();
}

bool QtTrayService::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool QtShell::open(const QString& address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

QString QtFileDialogs::toQtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), parts[i + 1].trimmed());
    return entries.join(QStringLiteral(";;"));
}

QString QtFileDialogs::openFile(const QString& filter)
{
    return QFileDialog::getOpenFileName(nullptr, QString(), QString(), toQtFilter(filter));
}

QString QtFileDialogs::saveFile(const QString& filter)
{
    return QFileDialog::getSaveFileName(nullptr, QString(), QString(), toQtFilter(filter));
}

namespace {

// What one transfer has gathered so far; shared by the handlers of its reply.
struct Transfer {
    WebFetch::Done done;
    qint64 cap = 0;
    QByteArray body;
    bool truncated = false;
    QString failure; // set when this side gave up: time-out, refused redirect
    QMetaObject::Connection contextWatch;
};

// Takes what has arrived, up to the cap; says whether more is waiting beyond it.
bool takeUpToCap(QNetworkReply& reply, Transfer& transfer)
{
    const qint64 room = transfer.cap - transfer.body.size();
    if (room > 0)
        transfer.body += reply.read(room);
    return reply.bytesAvailable() > 0;
}

WebFetch::Result outcome(QNetworkReply& reply, const Transfer& transfer)
{
    WebFetch::Result result;
    result.httpStatus = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool success = result.httpStatus / 100 == 2;
    if (!transfer.failure.isEmpty()) {
        result.error = transfer.failure;
    } else if (result.httpStatus != 0 && !success && reply.error() != QNetworkReply::TooManyRedirectsError) {
        const QString reason = reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().left(80);
        result.error = reason.isEmpty()
                           ? QCoreApplication::translate("QtWebFetch", "The server answered with HTTP status %1.")
                                 .arg(result.httpStatus)
                           : QCoreApplication::translate("QtWebFetch", "The server answered with HTTP status %1 (%2).")
                                 .arg(QString::number(result.httpStatus), reason);
    } else if (!success || (reply.error() != QNetworkReply::NoError && !transfer.truncated)) {
        result.error = reply.errorString();
    } else {
        result.ok = true;
        result.body = transfer.body;
        result.truncated = transfer.truncated;
    }
    return result;
}

} // namespace

QtWebFetch::QtWebFetch(std::chrono::milliseconds timeout) : m_timeout(timeout) {}

QtWebFetch::~QtWebFetch() = default;

void QtWebFetch::get(const QString& url, qint64 maxBytes, QObject* context, Done done)
{
    Q_ASSERT(context && maxBytes > 0);
    const QUrl address(url);
    const QString scheme = address.scheme().toLower();
    if (!address.isValid() || (scheme != u"http" && scheme != u"https") || address.host().isEmpty()) {
        // Never a local file or any other kind of address; the answer still comes later, as always.
        Result refused;
        refused.error = QCoreApplication::translate("QtWebFetch", "Not a web address: %1").arg(url);
        QMetaObject::invokeMethod(
            context, [done = std::move(done), refused] { done(refused); }, Qt::QueuedConnection);
        return;
    }

    QNetworkRequest request(address);
    // Each hop is checked here: a mirror may move the request to another host, never to another scheme.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    // A cache on the way must not answer an update check with yesterday's version.
    request.setRawHeader("Cache-Control", "no-cache");
    // Made on the first fetch, not at start: most runs never check for an update, and the manager
    // costs memory from the moment it exists.
    if (!m_network)
        m_network = std::make_unique<QNetworkAccessManager>();
    QNetworkReply* reply = m_network->get(request);
    // Qt stops reading from the socket once this much waits unread, so an endless answer never fills memory.
    reply->setReadBufferSize(maxBytes + 1);

    auto transfer = std::make_shared<Transfer>();
    transfer->done = std::move(done);
    transfer->cap = maxBytes;

    transfer->contextWatch = QObject::connect(context, &QObject::destroyed, reply, [reply, transfer] {
        transfer->done = nullptr;
        reply->abort();
    });

    // A whole-answer deadline, not an idle one: a server dripping a byte a minute still fails at 60 s.
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    const auto seconds = std::chrono::duration<double>(m_timeout).count();
    QObject::connect(deadline, &QTimer::timeout, reply, [reply, transfer, seconds] {
        transfer->failure =
            QCoreApplication::translate("QtWebFetch", "The server did not answer within %1 seconds.").arg(seconds);
        reply->abort();
    });
    deadline->start(m_timeout);

    QObject::connect(reply, &QNetworkReply::redirected, reply, [reply, transfer](const QUrl& target) {
        if (target.scheme().compare(reply->request().url().scheme(), Qt::CaseInsensitive) == 0) {
            emit reply->redirectAllowed();
            return;
        }
        transfer->failure = QCoreApplication::translate(
                                "QtWebFetch", "The server sent the request on to an address of another kind: %1")
                                .arg(target.toString());
        reply->abort();
    });

    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, transfer] {
        if (takeUpToCap(*reply, *transfer)) {
            transfer->truncated = true;
            reply->abort();
        }
    });

    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, transfer] {
        if (reply->isOpen() && !transfer->truncated && transfer->failure.isEmpty() && takeUpToCap(*reply, *transfer))
            transfer->truncated = true;
        QObject::disconnect(transfer->contextWatch);
        const Result result = outcome(*reply, *transfer);
        reply->deleteLater();
        // Last: the callback may open a modal box, in which anything (this reply included) can go away.
        if (const Done done = std::exchange(transfer->done, nullptr))
            done(result);
    });
}

QString QtSettingsBackend::get(const QString& application, const QString& section, const QString& key,
                               const QString& defaultValue) const
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, application);
    settings.beginGroup(section);
    return settings.value(key, defaultValue).toString();
}

void QtSettingsBackend::save(const QString& application, const QString& section, const QString& key,
                             const QString& value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, application);
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
}

void QtProgramEnd::end()
{
    if (beforeEnd)
        beforeEnd();
    std::fflush(nullptr);
    ::_exit(0);
}

void QtModalRunner::exec(QDialog& dialog)
{
    dialog.exec();
}

QtDesktop::QtDesktop(const QIcon& trayIcon, const QString& soundModule, const QString& wakeHelper)
    : m_sound(m_messages, soundModule), m_tray(trayIcon), m_wakeTimer({wakeHelper})
{
    // A notification left behind would never expire, and its "Stop Alarm" would stop nothing; a bus
    // that does not answer holds the end up half a second at most.
    m_programEnd.beforeEnd = [this] {
        // An output turned up for a ring is put back before the process goes.
        m_sound.stop();
        m_notifications.settle(std::chrono::milliseconds(500));
    };
}

Desktop QtDesktop::desktop()
{
    return Desktop{m_clock,    m_messages,   m_sound, m_tray,      m_shell,         m_files,     m_web,
                   m_settings, m_programEnd, m_modal, m_autostart, m_notifications, m_wakeTimer, m_sleepWatcher};
}
