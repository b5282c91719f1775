#pragma once

#include "AlarmBook.h"

#include <QCoreApplication>
#include <QString>

class Clock;
class MessageBoxes;

// The alarm table kept across runs: a session file in the user's data folder, read at start and
// written whole after every change of the book, so that an alarm the user set still rings after an
// exit, a crash or a restart of the computer. A kept file that cannot be read is moved aside, never
// written over: it may hold the only copy of the user's alarms.
class KeptAlarms {
    Q_DECLARE_TR_FUNCTIONS(KeptAlarms)

public:
    KeptAlarms(MessageBoxes& messages, const Clock& clock, const QString& path);

    // Fills the book from the kept file when there is one. One that cannot be read is moved aside, the
    // user is told, and the book stays as it was.
    void restore(AlarmBook& book);
    // Replaces the kept file with the whole table once the new one is complete. Only the first failure
    // of a run is told: a full disk must not bring a message with every change.
    void keep(const AlarmBook::Table& table);

private:
    // Where the unreadable file went, or empty when it could not be moved.
    QString moveAside();

    MessageBoxes& m_messages;
    const Clock& m_clock;
    QString m_path;
    // False while an unreadable kept file could not be moved out of the way.
    bool m_writable = true;
    bool m_failureTold = false;
};
