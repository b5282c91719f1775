#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;
class Snoozes;

// The snoozes waiting, under the alarm list, one row each: the line and when it rings, and a "Cancel Snooze"
// button beside it. A button in sight, where the user looks for the alarms, is found by anyone and reached
// with Tab; a context menu on a line of text is found by few. Hidden while nothing waits.
class SnoozedLines : public QWidget {
    Q_OBJECT
public:
    SnoozedLines(Snoozes& snoozes, QWidget* parent);
    // Shows the snoozes as they are now.
    void refresh();

    struct Row {
        QWidget* row;
        QLabel* label;
        QPushButton* cancel;
    };
    // Rows are made as they are first needed and hidden when not, never deleted: a button may be the one
    // whose click changed the snoozes.
    QList<Row> rows;

private:
    Snoozes& m_snoozes;
    QVBoxLayout* m_layout;
};
