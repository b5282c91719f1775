#pragma once

#include "Desktop.h"

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>

#include <chrono>
#include <optional>

class QTimer;

// The computer's sleep as logind tells it on the system bus: PrepareForSleep(false) when it woke, and an
// inhibitor of "sleep" and of the lid switch (a file descriptor logind hands out; closing it lets go) to hold
// it awake. Every call is asynchronous; without a system bus or logind nothing is told and nothing held.
class QtSleepWatcher final : public QObject, public SleepWatcher {
    Q_OBJECT
public:
    // A hold ends by itself `holdAtMost` after the latest holdAwake().
    explicit QtSleepWatcher(std::chrono::milliseconds holdAtMost = std::chrono::minutes(5));
    void holdAwake() override;
    void release() override;

private slots:
    void prepareForSleep(bool sleeping);

private:
    void askToHold();

    std::optional<QDBusConnection> m_bus; // once connected
    QTimer* m_holdEnds;
    bool m_wanted = false;
    bool m_asking = false;
    quint64 m_ask = 0; // counts holds and releases: an answer to an older one is out of date
    QDBusUnixFileDescriptor m_hold;
};
