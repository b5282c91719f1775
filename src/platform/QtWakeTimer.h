#pragma once

#include "Desktop.h"

#include <QObject>
#include <QStringList>

#include <optional>

class QProcess;

// Wakes the computer through the helper program installed beside Tockwell (tockwell-wake), the one part
// that holds the privilege to. It is started with the first word for it, told each new time as a line,
// and ends with the program, when its input closes. Nothing here waits on it.
class QtWakeTimer final : public QObject, public WakeTimer {
    Q_OBJECT
public:
    // `helper`: the helper program, with any words that come before it on its command line.
    explicit QtWakeTimer(QStringList helper);
    ~QtWakeTimer() override;
    void arm(const QDateTime& when) override;
    void disarm() override;
    QString unavailableReason() const override;

private:
    void start();
    void tell();
    void fail(const QString& reason);

    QStringList m_helper;
    QProcess* m_process = nullptr;
    bool m_ready = false;
    // Seconds since 1970 (UTC) to wake at; nothing: no wake-up.
    std::optional<qint64> m_wanted;
    std::optional<qint64> m_told;
    QString m_reason;
};
