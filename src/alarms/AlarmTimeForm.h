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
class QSpinBox;

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
    // The alarm's sound: the built-in ones, a file chosen, and "Choose a file...", last, which asks for one.
    QComboBox* cmbSound;
    QSpinBox* spnVolume;
    // Plays the sound chosen at the volume chosen, and stops it when pressed again.
    QPushButton* cmdPlay;
    QPushButton* cmdAccept;

    // Checks the boxes of these days and no others.
    void setDays(WeekDays days);
    WeekDays chosenDays() const;
    // Shows this sound, file and volume as chosen.
    void setSound(const AlarmRecord& alarm);
    void cmbSound_Click();
    void cmdPlay_Click();
    // Ends a preview still playing, as the window goes.
    void StopPreview();

protected:
    AlarmTimeForm(modMain& context, const QString& caption);

    void fillMinutes();
    // Tab goes through the days, their choices and the sound after `before`, and on to `after`.
    void chainDays(QWidget* before, QWidget* after);
    // The alarm the controls describe, or nothing after reporting the first missing choice.
    std::optional<AlarmRecord> chosenAlarm();
    void tell(const QString& text);
    void hideEvent(QHideEvent* event) override;

    modMain& m_context;

private:
    // The choice shown before "Choose a file...", back when the user cancels the file dialog.
    int m_soundShown = 0;
    bool m_previewing = false;
};
