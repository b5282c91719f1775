#include "QtNotifications.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString StopAction = QStringLiteral("stop");
const QString SnoozeAction = QStringLiteral("snooze");
const QString DefaultAction = QStringLiteral("default");

QDBusMessage call(const QString& method, const QVariantList& arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(Service, Path, Service, method);
    message.setArguments(arguments);
    return message;
}

} // namespace

QtNotifications::QtNotifications() : m_bus(QDBusConnection::sessionBus())
{
    if (!m_bus.isConnected())
        return;
    m_bus.connect(Service, Path, Service, QStringLiteral("ActionInvoked"), this, SLOT(actionInvoked(uint, QString)));
    m_bus.connect(Service, Path, Service, QStringLiteral("NotificationClosed"), this,
                  SLOT(notificationClosed(uint, uint)));
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call(QStringLiteral("GetCapabilities"))), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* answer) {
        const QDBusPendingReply<QStringList> capabilities = *answer;
        if (capabilities.isValid())
            m_markup = capabilities.value().contains(QStringLiteral("body-markup"));
        answer->deleteLater();
    });
}

QVariantList QtNotifications::notifyArguments(const Notice& notice, uint replaces, bool markup)
{
    QStringList actions = {DefaultAction, tr("Show Alarm")};
    if (notice.offerStop)
        actions << StopAction << tr("Stop Alarm");
    if (notice.offerSnooze)
        actions << SnoozeAction << tr("Snooze");
    const QVariantMap hints = {
        {QStringLiteral("urgency"), QVariant::fromValue(uchar(2))}, // critical
        {QStringLiteral("desktop-entry"), QStringLiteral(TOCKWELL_APP_ID)},
    };
    return {QStringLiteral("Tockwell"),
            replaces,
            QStringLiteral(TOCKWELL_APP_ID), // the icon the desktop entry names
            notice.summary,
            markup ? notice.body.toHtmlEscaped() : notice.body,
            actions,
            hints,
            0}; // never expires: an alarm waits for the user
}

void QtNotifications::post(const Notice& notice)
{
    if (!m_bus.isConnected())
        return;
    const quint64 ask = ++m_ask;
    m_posting = true;
    auto* watcher = new QDBusPendingCallWatcher(
        m_bus.asyncCall(call(QStringLiteral("Notify"), notifyArguments(notice, m_shown, m_markup))), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, ask](QDBusPendingCallWatcher* answer) {
        const QDBusPendingReply<uint> id = *answer;
        answer->deleteLater();
        if (ask == m_ask)
            m_posting = false;
        if (!id.isValid())
            return;
        if (ask == m_ask)
            m_shown = m_latest = id.value();
        else if (id.value() != m_shown) // withdrawn or replaced while on its way
            close(id.value());
    });
}

void QtNotifications::update(const Notice& notice)
{
    if (m_shown != 0 || m_posting)
        post(notice);
}

void QtNotifications::withdraw()
{
    ++m_ask;
    m_posting = false;
    if (m_shown != 0)
        close(m_shown);
    m_shown = m_latest = 0;
}

void QtNotifications::close(uint id)
{
    // Nothing waits for the answer; the message is queued and the call returns.
    m_bus.send(call(QStringLiteral("CloseNotification"), {id}));
}

void QtNotifications::actionInvoked(uint id, const QString& action)
{
    if (id == 0 || id != m_latest)
        return;
    if (action == StopAction && onStop)
        onStop();
    else if (action == SnoozeAction && onSnooze)
        onSnooze();
    else if (action == DefaultAction && onActivate)
        onActivate();
}

void QtNotifications::notificationClosed(uint id, uint)
{
    // Dismissed by the user, expired or withdrawn: the program carries on as it was.
    if (id == m_shown)
        m_shown = m_latest = 0;
}
