#pragma once

#include <QDBusConnection>

#include <functional>

class QObject;

// Connecting to a D-Bus bus waits for the bus daemon, and so does every subscription to a signal (an
// AddMatch round trip). A slow or hung bus must never hold up the user-interface thread, so both happen
// on a short-lived thread of their own: `setUp` runs there with the connected bus (it may subscribe
// `context` to signals; signals then reach it on its own thread), and `ready` runs afterwards on
// `context`'s thread with the bus, connected or not. Once `context` is gone, `ready` never runs; a
// context that subscribes in `setUp` must outlive the thread, as the program's long-lived services do.
void openBusLater(QDBusConnection::BusType type, QObject* context, std::function<void(QDBusConnection&)> setUp,
                  std::function<void(const QDBusConnection&)> ready);
