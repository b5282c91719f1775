#include "QtNotifications.h"

#include "BusLater.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDeadlineTimer>
#include <QVariantMap>

#include <algorithm>
#include <utility>

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

QtNotifications::QtNotifications()
{
    openBusLater(
        QDBusConnection::SessionBus, this,
        [this](QDBusConnection& bus) {
            bus.connect(Service, Path, Service, QStringLiteral("ActionInvoked"), this,
                        SLOT(actionInvoked(uint, QString)));
            bus.connect(Service, Path, Service, QStringLiteral("NotificationClosed"), this,
                        SLOT(notificationClosed(uint, uint)));
        },
        [this](const QDBusConnection& bus) {
            m_bus = bus;
            if (!bus.isConnected())
                return;
            auto* watcher =
                new QDBusPendingCallWatcher(m_bus->asyncCall(call(QStringLiteral("GetCapabilities"))), this);
            connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* answer) {
                const QDBusPendingReply<QStringList> capabilities = *answer;
                if (capabilities.isValid())
                    m_markup = capabilities.value().contains(QStringLiteral("body-markup"));
                answer->deleteLater();
            });
            if (m_waiting)
                post(*std::exchange(m_waiting, std::nullopt));
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
    if (!m_bus) {
        m_waiting = notice;
        return;
    }
    if (!m_bus->isConnected())
        return;
    const quint64 ask = ++m_ask;
    m_posting = true;
    // A notice that does not replace the one shown is a new one: answers to any before it are out of date.
    if (m_shown == 0)
        m_latest = 0;
    const QDBusPendingCall pending =
        m_bus->asyncCall(call(QStringLiteral("Notify"), notifyArguments(notice, m_shown, m_markup)));
    m_unanswered.insert(ask, pending);
    auto* watcher = new QDBusPendingCallWatcher(pending, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, ask](QDBusPendingCallWatcher* answer) {
        const QDBusPendingReply<uint> id = *answer;
        answer->deleteLater();
        m_unanswered.remove(ask);
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
    if (m_waiting)
        m_waiting = notice;
    else if (m_shown != 0 || m_posting)
        post(notice);
}

void QtNotifications::withdraw()
{
    m_waiting.reset();
    ++m_ask;
    m_posting = false;
    if (m_shown != 0)
        close(m_shown);
    m_shown = m_latest = 0;
}

void QtNotifications::settle(std::chrono::milliseconds limit)
{
    withdraw();
    if (!m_bus || !m_bus->isConnected() || (!m_closed && m_unanswered.isEmpty()))
        return;
    const QDeadlineTimer deadline(limit);
    const auto waitFor = [this, &deadline](const QDBusMessage& message) {
        m_bus->call(message, QDBus::Block, int(std::max<qint64>(deadline.remainingTime(), 1)));
    };
    // The server reads its calls in turn: once a later one is answered, the withdrawals sent before it
    // have arrived, and so have the ids of the notices still on their way.
    waitFor(call(QStringLiteral("GetServerInformation")));
    for (const QDBusPendingCall& pending : std::as_const(m_unanswered)) {
        const QDBusPendingReply<uint> id = pending;
        if (id.isFinished() && id.isValid())
            waitFor(call(QStringLiteral("CloseNotification"), {id.value()}));
    }
}

void QtNotifications::close(uint id)
{
    // Nothing waits for the answer; the message is queued and the call returns.
    m_bus->send(call(QStringLiteral("CloseNotification"), {id}));
    m_closed = true;
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
    // Dismissed by the user, expired or withdrawn: the program carries on as it was. Its id stays the
    // latest, for an action the server announces after the close.
    if (id == m_shown)
        m_shown = 0;
}
