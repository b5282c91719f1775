#include "QtWakeTimer.h"

#include <QFileInfo>
#include <QProcess>

QtWakeTimer::QtWakeTimer(QStringList helper) : m_helper(std::move(helper)) {}

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
                 .arg(m_helper.constLast()));
        return;
    }
    m_process = new QProcess(this);
    // Nothing of the user's environment reaches the privileged part: it needs none, and trusts none.
    m_process->setProcessEnvironment(QProcessEnvironment());
    // What the helper says of a line it refused reaches the same place as the program's own messages.
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(m_process, &QProcess::readyReadStandardOutput, this, [this] {
        while (m_process->canReadLine()) {
            if (m_process->readLine().trimmed() == "ready" && !m_ready) {
                m_ready = true;
                tell();
            }
        }
    });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            fail(tr("Tockwell cannot wake the computer from sleep: its helper program could not be started "
                    "(%1).")
                     .arg(m_process->errorString()));
    });
    connect(m_process, &QProcess::finished, this, [this](int status, QProcess::ExitStatus how) {
        if (how == QProcess::NormalExit && status == 2)
            fail(tr("Tockwell may not wake the computer from sleep: its helper program %1 lacks the permission "
                    "to (the capability cap_wake_alarm). Installing Tockwell from its package, or with \"sudo "
                    "cmake --install\", grants it; a copy of the helper, or one on a file system mounted "
                    "nosuid, does not have it.")
                     .arg(m_helper.constLast()));
        else if (how == QProcess::NormalExit && status == 3)
            fail(tr("Tockwell cannot wake this computer from sleep: the system offers programs no wake-up "
                    "alarm."));
        else
            fail(tr("Tockwell cannot wake the computer from sleep: its helper program stopped (%1).")
                     .arg(how == QProcess::NormalExit ? tr("exit status %1").arg(status) : m_process->errorString()));
    });
    m_process->start(m_helper.constFirst(), m_helper.mid(1));
}

void QtWakeTimer::tell()
{
    // Started with the first word, even one that wants no wake-up: whether waking works here is worth
    // knowing before there is an alarm to wake for.
    if (!m_process && m_reason.isEmpty())
        start();
    if (!m_ready || m_wanted == m_told)
        return;
    // One line per change: the time, or nothing for no wake-up.
    m_process->write(m_wanted ? QByteArray::number(*m_wanted) + '\n' : QByteArray("\n"));
    m_told = m_wanted;
}

void QtWakeTimer::fail(const QString& reason)
{
    if (!m_reason.isEmpty())
        return;
    m_ready = false;
    m_reason = reason;
    if (onAvailabilityChanged)
        onAvailabilityChanged();
}
