#pragma once

#include "Desktop.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>

#include <chrono>
#include <optional>

class QProcess;
class QTimer;

// Wakes the computer through the helper program installed beside Tockwell (tockwell-wake), the one part
// that holds the privilege to. It is started with the first word for it, told each new time as a line,
// and ends with the program, when its input closes. Nothing here waits on it.
class QtWakeTimer final : public QObject, public WakeTimer {
    Q_OBJECT
public:
    // `helper`: the helper program, with any words that come before it on its command line. A helper that
    // stops is started again, at most once per `restartEvery`, unless it said that waking cannot work here.
    explicit QtWakeTimer(QStringList helper, std::chrono::milliseconds restartEvery = std::chrono::minutes(1));
    ~QtWakeTimer() override;
    void arm(const QDateTime& when) override;
    void disarm() override;
    QString unavailableReason() const override;

private:
    enum class Failure { ForNow, ForGood };
    void start();
    void stopped(const QString& reason);
    void tell();
    void fail(const QString& reason, Failure failure);

    QStringList m_helper;
    std::chrono::milliseconds m_restartEvery;
    QProcess* m_process = nullptr;
    QTimer* m_restart;
    QElapsedTimer m_started;
    bool m_ready = false;
    bool m_forGood = false;
    // Seconds since 1970 (UTC) to wake at; nothing: no wake-up.
    std::optional<qint64> m_wanted;
    std::optional<qint64> m_told;
    QString m_reason;
};
