#include "QtWakeTimer.h"

#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <algorithm>

QtWakeTimer::QtWakeTimer(QStringList helper, std::chrono::milliseconds restartEvery)
    : m_helper(std::move(helper)), m_restartEvery(restartEvery), m_restart(new QTimer(this))
{
    m_restart->setSingleShot(true);
    connect(m_restart, &QTimer::timeout, this, &QtWakeTimer::start);
}

QtWakeTimer::~QtWakeTimer()
{
    if (m_process) {
        // Its input closed, the helper ends by itself: nothing to wait for.
        m_process->disconnect(this);
        m_process->closeWriteChannel();
        m_process->waitForFinished(1000);
    }
}

void QtWakeTimer::arm(const QDateTime& when)
{
    m_wanted = when.toSecsSinceEpoch();
    tell();
}

void QtWakeTimer::disarm()
{
    m_wanted.reset();
    tell();
}

QString QtWakeTimer::unavailableReason() const
{
    return m_reason;
}

void QtWakeTimer::start()
{
    if (!QFileInfo(m_helper.constLast()).isExecutable()) {
        fail(tr("Tockwell cannot wake the computer from sleep: its helper program is missing (%1). Installing "
                "Tockwell again should mend this.")
                 .arg(m_helper.constLast()),
             Failure::ForGood);
        return;
    }
    if (!m_process) {
        m_process = new QProcess(this);
        // Nothing of the user's environment reaches the privileged part: it needs none, and trusts none.
        m_process->setProcessEnvironment(QProcessEnvironment());
        // What the helper says of a line it refused reaches the same place as the program's own messages.
        m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        connect(m_process, &QProcess::readyReadStandardOutput, this, [this] {
            while (m_process->canReadLine()) {
                if (m_process->readLine().trimmed() == "ready" && !m_ready) {
                    m_ready = true;
                    if (!m_forGood && !m_reason.isEmpty()) {
                        m_reason.clear();
                        if (onAvailabilityChanged)
                            onAvailabilityChanged();
                    }
                    tell();
                }
            }
        });
        connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                stopped(tr("Tockwell cannot wake the computer from sleep: its helper program could not be started "
                           "(%1).")
                            .arg(m_process->errorString()));
        });
        connect(m_process, &QProcess::finished, this, [this](int status, QProcess::ExitStatus how) {
            if (how == QProcess::NormalExit && status == 2)
                fail(tr("Tockwell may not wake the computer from sleep: its helper program %1 lacks the permission "
                        "to (the capability cap_wake_alarm). Installing Tockwell from its package, or with \"sudo "
                        "cmake --install\", grants it; a copy of the helper, or one on a file system mounted "
                        "nosuid, does not have it.")
                         .arg(m_helper.constLast()),
                     Failure::ForGood);
            else if (how == QProcess::NormalExit && status == 3)
                fail(tr("Tockwell cannot wake this computer from sleep: the system offers programs no wake-up "
                        "alarm."),
                     Failure::ForGood);
            else
                stopped(tr("Tockwell cannot wake the computer from sleep: its helper program stopped (%1).")
                            .arg(how == QProcess::NormalExit ? tr("exit status %1").arg(status)
                                                             : m_process->errorString()));
        });
    }
    m_started.start();
    m_process->start(m_helper.constFirst(), m_helper.mid(1));
}

void QtWakeTimer::stopped(const QString& reason)
{
    // Killed (out of memory, a stray signal) is no reason to stop waking for good; a helper that cannot run
    // at all is started no more often than this.
    m_ready = false;
    m_told.reset();
    fail(reason, Failure::ForNow);
    m_restart->start(
        std::max(m_restartEvery - std::chrono::milliseconds(m_started.elapsed()), std::chrono::milliseconds::zero()));
}

void QtWakeTimer::tell()
{
    // Started with the first word, even one that wants no wake-up: whether waking works here is worth
    // knowing before there is an alarm to wake for.
    if (!m_started.isValid() && !m_forGood)
        start();
    if (!m_ready || m_wanted == m_told)
        return;
    // One line per change: the time, or nothing for no wake-up.
    m_process->write(m_wanted ? QByteArray::number(*m_wanted) + '\n' : QByteArray("\n"));
    m_told = m_wanted;
}

void QtWakeTimer::fail(const QString& reason, Failure failure)
{
    if (m_forGood || reason == m_reason)
        return;
    m_ready = false;
    m_forGood = failure == Failure::ForGood;
    m_reason = reason;
    if (onAvailabilityChanged)
        onAvailabilityChanged();
}
