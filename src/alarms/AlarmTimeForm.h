#pragma once

#include "AlarmBook.h"

#include <QDialog>

#include <array>
#include <optional>

class modMain;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

// What the record and edit windows share: an hour, a minute and AM or PM chosen from lists, a short
// description, the days it rings on, and the Accept button that Enter presses.
class AlarmTimeForm : public QDialog {
    Q_OBJECT
public:
    QComboBox* cmbHour;
    QComboBox* cmbMinutes;
    QComboBox* cmbAmPm;
    QLineEdit* txtShortDescription;
    QGroupBox* frameDays;
    // The days of the week in the order of the user's week, each with the day it stands for.
    std::array<QCheckBox*, 7> chkDays;
    std::array<int, 7> dayOfBox;
    QPushButton* cmdEveryDay;
    QPushButton* cmdWeekdays;
    QPushButton* cmdWeekend;
    QCheckBox* chkRingOnce;
    QPushButton* cmdAccept;

    // Checks the boxes of these days and no others.
    void setDays(WeekDays days);
    WeekDays chosenDays() const;

protected:
    AlarmTimeForm(modMain& context, const QString& caption);

    void fillMinutes();
    // Tab goes through the days and their choices after `before`, and on to `after`.
    void chainDays(QWidget* before, QWidget* after);
    // The alarm the controls describe, or nothing after reporting the first missing choice.
    std::optional<AlarmRecord> chosenAlarm();
    void tell(const QString& text);

    modMain& m_context;
};
