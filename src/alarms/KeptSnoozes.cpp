#include "KeptSnoozes.h"

#include "app/AppInfo.h"
#include "engine/Snoozes.h"
#include "platform/Desktop.h"
#include "platform/WriteWhole.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <utility>

KeptSnoozes::KeptSnoozes(MessageBoxes& messages, MessageBoxes& later, QString path)
    : m_messages(messages), m_later(later), m_path(std::move(path))
{
}

void KeptSnoozes::restore(Snoozes& snoozes)
{
    QFile file(m_path);
    if (!file.exists())
        return;
    const bool opened = file.open(QIODevice::ReadOnly);
    if (opened && file.size() <= MaxFileSize && snoozes.decode(file.read(MaxFileSize)))
        return;
    file.close();
    const QString reason = opened ? tr("The file holds no snoozed alarms.") : file.errorString();
    // One that could not even be opened (no permission, too many files open) may be read at the next start.
    if (opened)
        QFile::remove(m_path);
    else
        m_writable = false;
    m_messages.show(tr("Tockwell could not read the snoozed alarms kept from its last run, so they will not ring: %1")
                        .arg(QDir::toNativeSeparators(m_path)),
                    MsgBox::OkOnly | MsgBox::Critical, AppInfo::ProductName, reason);
}

void KeptSnoozes::keep(const Snoozes& snoozes)
{
    if (!m_writable)
        return;
    QString failure;
    if (snoozes.all().isEmpty()) {
        if (QFileInfo::exists(m_path) && !QFile::remove(m_path))
            failure = tr("The file could not be removed.");
    } else {
        QDir().mkpath(QFileInfo(m_path).absolutePath());
        QSaveFile file(m_path);
        int left = 0;
        const QByteArray data = snoozes.encode(MaxFileSize, &left);
        if (!file.open(QIODevice::WriteOnly) || !writeWhole(file, data) || !file.commit())
            failure = file.errorString();
        else if (left > 0)
            failure = tr("A snoozed alarm with a very long description does not fit in the file.");
    }
    // Told once for each spell of failures: a full disk must not bring a message with every change.
    if (std::exchange(m_failing, !failure.isEmpty()) || failure.isEmpty())
        return;
    m_later.show(
        tr("Tockwell could not keep its snoozed alarms for its next start: %1").arg(QDir::toNativeSeparators(m_path)),
        MsgBox::OkOnly | MsgBox::Critical, AppInfo::ProductName, failure);
}
