#pragma once

#include "Desktop.h"

#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QHash>
#include <QObject>
#include <QVariantList>

#include <chrono>
#include <optional>

// Notifications through the freedesktop service on the session bus. Every call is asynchronous, the
// bus itself is opened off the user-interface thread: a missing service or a slow bus never holds up
// the user-interface thread, and failures stay quiet. Only the end of the process waits, briefly.
class QtNotifications final : public QObject, public Notifications {
    Q_OBJECT
public:
    QtNotifications();
    void post(const Notice& notice) override;
    void update(const Notice& notice) override;
    void withdraw() override;
    // The process ends without returning to the event loop: withdraws what is shown or on its way, and
    // waits, at most `limit`, until the server has the withdrawals (a message only queued dies with the
    // process, and the notice would outlive it, its "Stop Alarm" stopping nothing).
    void settle(std::chrono::milliseconds limit);
    // The arguments of the Notify call for `notice`, replacing notification `replaces` (0: none); the
    // body is escaped for a server that reads markup.
    static QVariantList notifyArguments(const Notice& notice, uint replaces, bool markup);

private slots:
    void actionInvoked(uint id, const QString& action);
    void notificationClosed(uint id, uint reason);

private:
    void close(uint id);

    std::optional<QDBusConnection> m_bus; // empty until opened
    std::optional<Notice> m_waiting;      // posted before the bus was open
    // Until the server says otherwise it may read markup: a user's "<b>" shown as text is the lesser harm.
    bool m_markup = true;
    uint m_shown = 0; // the server's id of the notice on show, 0 when none
    // The id of the latest notice until it is withdrawn or another takes its place: a server may
    // announce an action's notice closed before the action itself.
    uint m_latest = 0;
    quint64 m_ask = 0;      // counts posts and withdrawals: an answer to an older post is out of date
    bool m_posting = false; // the latest post awaits its id
    bool m_closed = false;  // a withdrawal was sent
    QHash<quint64, QDBusPendingCall> m_unanswered; // posts whose id has not come back, by their ask
};
