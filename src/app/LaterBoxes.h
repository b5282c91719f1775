#pragma once

#include "platform/Desktop.h"

#include <QObject>
#include <QTimer>

// Message boxes shown once the program is back in its event loop rather than inside the caller. Keeping the alarms
// and snoozes happens inside the alarm check (a snooze taken, a one-time alarm switched off): a box about a file
// that could not be written must never stand between a due alarm and its sound.
class LaterBoxes final : public MessageBoxes {
public:
    explicit LaterBoxes(MessageBoxes& boxes) : m_boxes(boxes) {}
    // Always answers OK: nobody waits for the answer.
    int show(const QString& text, int style, const QString& title, const QString& details) override
    {
        QTimer::singleShot(0, &m_guard,
                           [this, text, style, title, details] { m_boxes.show(text, style, title, details); });
        return MsgBox::Ok;
    }

private:
    MessageBoxes& m_boxes;
    // Boxes still to come go with the program's state.
    QObject m_guard;
};
