#pragma once

#include "AlarmBook.h"

#include <QCoreApplication>
#include <QString>

class Clock;
class MessageBoxes;

// The alarm table kept across runs: a session file in the user's data folder, read at start and
// written whole after every change of the book, so that an alarm the user set still rings after an
// exit, a crash or a restart of the computer. A kept file is never written over while it cannot be read:
// it may hold the only copy of the user's alarms. One whose content is broken is moved aside.
class KeptAlarms {
    Q_DECLARE_TR_FUNCTIONS(KeptAlarms)

public:
    // `later`: where a failed keep is told, never inside the change that caused it.
    KeptAlarms(MessageBoxes& messages, MessageBoxes& later, const Clock& clock, const QString& path);

    // Fills the book from the kept file when there is one. When it cannot be read the user is told and
    // the book stays as it was; a file that holds no alarm table is moved aside, one that the system
    // would not let be read (permission, a disk error) stays and is not written during this run.
    void restore(AlarmBook& book);
    // Replaces the kept file with the whole table once the new one is complete. A failure is told when
    // the write before it succeeded: a full disk must not bring a message with every change, yet one that
    // fills again after a success is news.
    void keep(const AlarmBook::Table& table);

private:
    // Where the unreadable file went, or empty when it could not be moved.
    QString moveAside();

    MessageBoxes& m_messages;
    MessageBoxes& m_later;
    const Clock& m_clock;
    QString m_path;
    // False while a kept file that could not be read stays where it is.
    bool m_writable = true;
    bool m_failing = false; // the last write failed, and the user was told
};
