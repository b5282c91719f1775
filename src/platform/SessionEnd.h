#pragma once

#include <QObject>

class QSocketNotifier;

// Tells when the system wants the program gone: the desktop session ends (the session manager's
// last word reaches the application as a request to quit) or the process receives SIGTERM or SIGHUP
// (a logout, `systemctl --user stop`, `kill`); a SIGHUP the program was started ignoring (nohup) stays
// ignored. Whoever listens ends the program at once, asking
// nothing: at a logout no one is there to answer. One per process, as signal handlers are.
class SessionEnd final : public QObject {
    Q_OBJECT
public:
    explicit SessionEnd(QObject* parent = nullptr);
    ~SessionEnd() override;

signals:
    void requested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void drainSignals();

    QSocketNotifier* m_signals = nullptr;
};
