#pragma once

#include <QCoreApplication>
#include <QString>

class MessageBoxes;
class Snoozes;

// The waiting snoozes kept across runs, in a small file of their own beside the kept alarms, written whole
// after every change: a snooze waiting when the program ends (its exit, a logout, a signal, a crash) still
// rings on the next start.
class KeptSnoozes {
    Q_DECLARE_TR_FUNCTIONS(KeptSnoozes)

public:
    // `later`: where a failed keep is told, never inside the change that caused it (a snooze taken as it rings).
    KeptSnoozes(MessageBoxes& messages, MessageBoxes& later, QString path);

    // Fills `snoozes` from the kept file. One whose content cannot be read is told and removed: its snoozes are
    // lost either way, and the user hears of it once rather than at every start. One the system would not let be
    // read is told and left as it is, and nothing is written over it in this run: the next start may read it.
    void restore(Snoozes& snoozes);
    // Replaces the kept file once the new one is complete; with nothing waiting there is no file. A failure is
    // told when the write before it worked.
    void keep(const Snoozes& snoozes);

    // The most a kept file holds, both ways: what is written is what the next start reads back.
    static constexpr qint64 MaxFileSize = 64 * 1024;

private:
    MessageBoxes& m_messages;
    MessageBoxes& m_later;
    QString m_path;
    bool m_writable = true;
    bool m_failing = false;
};
