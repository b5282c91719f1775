#include "BusLater.h"

#include <QObject>
#include <QThread>

#include <memory>
#include <optional>

void openBusLater(QDBusConnection::BusType type, QObject* context, std::function<void(QDBusConnection&)> setUp,
                  std::function<void(const QDBusConnection&)> ready)
{
    auto bus = std::make_shared<std::optional<QDBusConnection>>();
    QThread* thread = QThread::create([type, bus, setUp = std::move(setUp)] {
        QDBusConnection connection =
            type == QDBusConnection::SystemBus ? QDBusConnection::systemBus() : QDBusConnection::sessionBus();
        if (connection.isConnected() && setUp)
            setUp(connection);
        *bus = connection;
    });
    // Queued to the context's thread, and dropped with the context.
    QObject::connect(thread, &QThread::finished, context, [bus, ready = std::move(ready)] {
        if (ready)
            ready(**bus);
    });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}
