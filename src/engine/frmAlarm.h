#pragma once

#include "engine/Ring.h"
#include "platform/Desktop.h"

#include <QDialog>

class modMain;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;

// Tells the user an alarm went off; silences the sound and closes.
class frmAlarm : public QDialog {
    Q_OBJECT
public:
    explicit frmAlarm(modMain& context);

    void Form_Load() {}
    void timCheckMain_Timer();
    void cmdStop_Click();
    void cmdClose_Click();
    // Closes the window as Close does, and rings its line again once the snooze length has passed.
    void cmdSnooze_Click();
    // The desktop notification of an alarm ringing with `line`; "Stop Alarm" only while the sound plays,
    // "Snooze" while the window is open.
    static Notifications::Notice Notice(const QString& line, bool soundPlaying, const QString& soundNote = {});
    // Posts this window's notification afresh, as the sound now is.
    void Notify();
    // Says, beside the alarm's line, why the alarm did not sound as chosen; empty: nothing to say.
    void ShowSoundNote(const QString& note);

    QLabel* Label1;
    QGroupBox* Frame1;
    QLabel* lblAlarmInformation;
    QLabel* lblSoundNote;
    QToolButton* cmdStop;
    QPushButton* cmdClose;
    QPushButton* cmdSnooze;
    QTimer* timCheckMain;
    // The alarm shown, as it sounds: a snooze rings it the same way.
    Ring ShownRing;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    modMain& m_context;
};
