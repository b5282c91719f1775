#include "KeptAlarms.h"

#include "SessionFile.h"
#include "app/AppInfo.h"
#include "platform/Desktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>

KeptAlarms::KeptAlarms(MessageBoxes& messages, MessageBoxes& later, const Clock& clock, const QString& path)
    : m_messages(messages), m_later(later), m_clock(clock), m_path(path)
{
}

void KeptAlarms::restore(AlarmBook& book)
{
    const SessionFile::Outcome outcome = SessionFile::load(m_path, book);
    if (!outcome.ignored.isEmpty())
        m_messages.show(tr("Tockwell left out what it could not read of the days, sounds and on/off switches of the "
                           "alarms it kept from its last run; those alarms ring every day, with the alarm sound:") +
                            QStringLiteral("\n\n") + outcome.ignored.join(u'\n'),
                        MsgBox::OkOnly | MsgBox::Exclamation, AppInfo::ProductName);
    // No file (nor folder) yet: the first start, or the first after a version that kept nothing.
    if (outcome.ok() || outcome.error == SessionFile::Err::FileNotFound ||
        outcome.error == SessionFile::Err::PathNotFound)
        return;
    QString text =
        tr("Tockwell could not read the alarms it kept from its last run (Err: %1), so the list starts empty.")
            .arg(outcome.error) +
        QStringLiteral("\n\n");
    // Only a file whose content is no table of alarms is broken. Any other failure (no permission, a disk
    // error, too many files open) is the system's: the file is sound and must be there, as it was, once
    // the cause is mended.
    if (outcome.error != SessionFile::Err::NotASessionFile && outcome.error != SessionFile::Err::InputPastEndOfFile) {
        m_writable = false;
        text += outcome.reason + QStringLiteral("\n\n") +
                tr("The file is left as it is: once this is mended, the next start brings those alarms back. Alarms "
                   "set in this run are not kept; save them to a session file before you exit.");
        m_messages.show(text, MsgBox::OkOnly | MsgBox::Critical, AppInfo::ProductName);
        return;
    }
    const QString aside = moveAside();
    m_writable = !aside.isEmpty();
    text += m_writable ? tr("The file was moved aside, not deleted: %1").arg(QDir::toNativeSeparators(aside))
                       : tr("The file could not be moved aside either, so it stays as it is and the alarms of this run "
                            "will not be kept: %1")
                             .arg(QDir::toNativeSeparators(m_path));
    m_messages.show(text, MsgBox::OkOnly | MsgBox::Critical, AppInfo::ProductName, outcome.reason);
}

QString KeptAlarms::moveAside()
{
    // Named by the day, and never over an earlier one: each may hold alarms the user wants back.
    const QString stem = m_path + QStringLiteral(".bad-") + m_clock.now().date().toString(Qt::ISODate);
    for (int n = 1; n <= 100; ++n) {
        const QString target = n == 1 ? stem : QStringLiteral("%1-%2").arg(stem).arg(n);
        const QFileInfo taken(target);
        if (taken.exists() || taken.isSymLink())
            continue;
        return QFile::rename(m_path, target) ? target : QString();
    }
    return {};
}

void KeptAlarms::keep(const AlarmBook::Table& table)
{
    if (!m_writable)
        return;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    const SessionFile::Outcome outcome = SessionFile::save(m_path, table);
    if (std::exchange(m_failing, !outcome.ok()) || outcome.ok())
        return;
    m_later.show(tr("Tockwell could not keep your alarms for its next start (Err: %1): %2\n\nUntil this is mended, "
                    "save them to a session file before you exit.")
                     .arg(outcome.error)
                     .arg(QDir::toNativeSeparators(m_path)),
                 MsgBox::OkOnly | MsgBox::Critical, AppInfo::ProductName, outcome.reason);
}
