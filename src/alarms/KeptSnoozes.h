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
    KeptSnoozes(MessageBoxes& messages, QString path);

    // Fills `snoozes` from the kept file. One whose content cannot be read is told and removed: its snoozes are
    // lost either way, and the user hears of it once rather than at every start.
    void restore(Snoozes& snoozes);
    // Replaces the kept file once the new one is complete; with nothing waiting there is no file. A failure is
    // told when the write before it worked.
    void keep(const Snoozes& snoozes);

private:
    MessageBoxes& m_messages;
    QString m_path;
    bool m_failing = false;
};
