#include "QtSleepWatcher.h"

#include "BusLater.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QTimer>

namespace {

const QString Service = QStringLiteral("org.freedesktop.login1");
const QString Path = QStringLiteral("/org/freedesktop/login1");
const QString Manager = QStringLiteral("org.freedesktop.login1.Manager");

} // namespace

QtSleepWatcher::QtSleepWatcher(std::chrono::milliseconds holdAtMost) : m_holdEnds(new QTimer(this))
{
    // A window left open all day must not keep a laptop from sleeping until its battery is empty.
    m_holdEnds->setSingleShot(true);
    m_holdEnds->setInterval(holdAtMost);
    connect(m_holdEnds, &QTimer::timeout, this, &QtSleepWatcher::release);
    openBusLater(
        QDBusConnection::SystemBus, this,
        [this](QDBusConnection& bus) {
            bus.connect(Service, Path, Manager, QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));
        },
        [this](const QDBusConnection& bus) {
            if (!bus.isConnected())
                return;
            m_bus = bus;
            askToHold();
        });
}

void QtSleepWatcher::holdAwake()
{
    m_wanted = true;
    m_holdEnds->start();
    askToHold();
}

void QtSleepWatcher::release()
{
    m_wanted = false;
    m_holdEnds->stop();
    ++m_ask;
    m_asking = false;
    // Closing the descriptor is what lets the computer sleep again.
    m_hold = QDBusUnixFileDescriptor();
}

void QtSleepWatcher::askToHold()
{
    if (!m_wanted || !m_bus || m_asking || m_hold.isValid())
        return;
    QDBusMessage inhibit = QDBusMessage::createMethodCall(Service, Path, Manager, QStringLiteral("Inhibit"));
    // Closing the lid suspends whatever "sleep" inhibitors say (logind's LidSwitchIgnoreInhibited), and with the
    // lid closed logind suspends again once its hold-off after a resume (30 s) has passed.
    inhibit.setArguments({QStringLiteral("sleep:handle-lid-switch"), QStringLiteral("Tockwell"),
                          tr("An alarm is ringing"), QStringLiteral("block")});
    m_asking = true;
    const quint64 ask = ++m_ask;
    auto* watcher = new QDBusPendingCallWatcher(m_bus->asyncCall(inhibit), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, ask](QDBusPendingCallWatcher* answer) {
        const QDBusPendingReply<QDBusUnixFileDescriptor> hold = *answer;
        answer->deleteLater();
        // An answer to a hold already released is dropped, and with it the descriptor.
        if (ask != m_ask)
            return;
        m_asking = false;
        if (hold.isValid())
            m_hold = hold.value();
    });
}

void QtSleepWatcher::prepareForSleep(bool sleeping)
{
    if (!sleeping && onResume)
        onResume();
}
