#include "QtDesktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSettings>
#include <QSoundEffect>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QUrl>

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

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::prepare(const QString& filePath)
{
    std::unique_ptr<QSoundEffect>& holder = m_prepared[filePath];
    if (holder && holder->status() != QSoundEffect::Error)
        return;
    // A file that could not be read before (missing then, written since) is read afresh.
    holder.reset();
    holder = std::make_unique<QSoundEffect>();
    holder->setSource(QUrl::fromLocalFile(filePath));
}

void QtSoundPlayer::play(const QString& filePath)
{
    prepare(filePath);
    // Dropping the effect stops its sound: a new request replaces the one playing.
    m_playing.reset();
    m_playing = std::make_unique<QSoundEffect>();
    m_playing->setLoopCount(1);
    // The prepared effect holds the samples, so this one finds them ready and starts at once.
    m_playing->setSource(QUrl::fromLocalFile(filePath));
    m_playing->play();
}

void QtSoundPlayer::beep()
{
    QApplication::beep();
}

QtTrayService::QtTrayService(const QIcon& icon) : m_icon(std::make_unique<QSystemTrayIcon>(icon))
{
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
}

QtTrayService::~QtTrayService() = default;

void QtTrayService::add(const QString& tip)
{
    m_icon->setToolTip(tip);
    m_icon->show();
    m_watch->start();
}

void QtTrayService::remove()
{
    m_watch->stop();
    m_icon->hide();
}

bool QtTrayService::isShown() const
{
    return m_icon->isVisible();
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

QtWebFetch::QtWebFetch() : m_network(std::make_unique<QNetworkAccessManager>()) {}

QtWebFetch::~QtWebFetch() = default;

WebFetch::Result QtWebFetch::get(const QString& url)
{
    QNetworkRequest request{QUrl(url)};
    request.setTransferTimeout(60'000);
    QNetworkReply* reply = m_network->get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    Result result;
    if (reply->error() == QNetworkReply::NoError) {
        result.ok = true;
        result.body = reply->readAll();
    } else {
        result.error = reply->errorString();
    }
    reply->deleteLater();
    return result;
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
    std::fflush(nullptr);
    ::_exit(0);
}

void QtModalRunner::exec(QDialog& dialog)
{
    dialog.exec();
}

QtDesktop::QtDesktop(const QIcon& trayIcon) : m_tray(trayIcon) {}

Desktop QtDesktop::desktop()
{
    return Desktop{m_clock, m_messages, m_sound, m_tray, m_shell, m_files, m_web, m_settings, m_programEnd, m_modal};
}
