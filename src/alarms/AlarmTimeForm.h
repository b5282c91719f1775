#pragma once

#include "AlarmBook.h"

#include <QDialog>

#include <optional>

class modMain;
class QComboBox;
class QLineEdit;
class QPushButton;

// What the record and edit windows share: an hour, a minute and AM or PM chosen from lists, a short
// description, and the Accept button that Enter presses.
class AlarmTimeForm : public QDialog {
    Q_OBJECT
public:
    QComboBox* cmbHour;
    QComboBox* cmbMinutes;
    QComboBox* cmbAmPm;
    QLineEdit* txtShortDescription;
    QPushButton* cmdAccept;

protected:
    AlarmTimeForm(modMain& context, const QString& caption);

    void fillMinutes();
    // The alarm the controls describe, or nothing after reporting the first missing choice.
    std::optional<AlarmRecord> chosenAlarm();
    void tell(const QString& text);

    modMain& m_context;
};
