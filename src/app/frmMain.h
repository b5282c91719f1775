#pragma once

#include "engine/Ring.h"
#include "led/LedSprites.h"
#include "platform/Desktop.h"

#include <QImage>
#include <QWidget>

class modMain;
class LedSurface;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolButton;
class SnoozedLines;

// The window the user lives in: time, date, the LED clock and the recorded alarms.
class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(modMain& context);

    void Form_Load();
    void Form_Activate();
    // Asks before closing; true means the close goes on.
    bool Form_QueryUnload();
    void Form_Unload();
    // Ends the alarm sound: the silence cuts it short, and the timer that repeats it stops.
    void StopAlarmSound();

    void GetRecordedTimes();
    void cmdRecordNewAlarm_Click();
    void cmdEdit_Click();
    void cmdRemove_Click();
    void UpdateTimeDisplay();
    void UpdateDateDisplay();
    void timTimers_Timer();
    void CheckAlarms();
    void timAlarm_Timer();
    // Keeps the computer's wake-up set for the next alarm, a lead before it, or unset when there is none
    // or the user does not want it.
    void ArmWakeUp();
    // Says when the next alarm rings, and, while one is set, whether a muted output would keep it from being heard.
    void ShowNextRing();
    // An alarm was recorded, changed, switched on or off or removed, a snooze added, cancelled or rung, or a new
    // minute began: the wake-up, the next ring, the list's switches and the snoozed lines follow.
    void AlarmsChanged();
    // The user switched the alarm of a line of the list on or off.
    void lstAlarmTimes_ItemChanged(QListWidgetItem* item);
    // The computer woke from sleep: the alarms are looked at now, not at the next tick.
    void Resumed();
    // Tells the user of the alarms the check found missed: a notification at once, a box once the window is
    // in front of the user and no alarm window is open.
    void TellMissed();

    // Composes an "hh:mm:ss" text onto the LED and refreshes it.
    void Blit_Clock(const QString& timeText);
    // Makes the LED draw in the colour of a "Clock Colour" code from the next draw on; other codes change nothing.
    void ApplyClockColour(int code);
    void cmdGraphical_Click();
    void cmdSave_Click();
    void cmdOpen_Click();

    void cmdOptions_Click();
    // Puts the window away into the notification area, or minimises it where the desktop has none.
    void cmdMinimize_Click();
    // What a mouse event on the tray icon does: a double-click restores, the right button opens mnuForm.
    void TrayIcon_MouseEvent(TrayService::Event event);
    // The notification area went away: a window hidden in it would be out of reach.
    void TrayArea_Changed(bool available);
    // Shows the window again if it was put away, and takes the tray icon out in any case.
    void Restore();
    void mnuShow_Click();
    void mnuWebsite_Click();
    // Ends the program at once: no exit question, and the sound files stay.
    void mnuExit_Click();
    void lblWebLink_Click();
    // "Tockwell - " and today's date in the current date pattern.
    QString captionWithDate() const;

    // Shows the window and makes it the active one, which refills the alarm list.
    void ShowActivated();
    // Back in front of the user, out of the tray if it was there: what a second start of the program asks for.
    void bringToFront();

    // The 12-hour time text of the last tick.
    QString LiveTime;
    // An alarm window was opened and has not been closed with its close button.
    bool AlarmOpen = false;

    QGroupBox* frmCurrentStatus;
    QLabel* Label1;
    QLabel* lblCurrentTime;
    QLabel* Label2;
    QLabel* lblDate;
    QWidget* picLED;
    LedSurface* LED_Clock;
    QFrame* shpClockBorder;
    QRadioButton* opt12HR;
    QRadioButton* opt24HR;
    QToolButton* cmdGraphical;
    QToolButton* cmdOptions;
    QToolButton* cmdMinimize;
    QGroupBox* frmRecordedAlarms;
    QListWidget* lstAlarmTimes;
    QLabel* lblNextAlarm;
    QLabel* lblSoundMuted;
    QPushButton* cmdRecordNewAlarm;
    QToolButton* cmdOpen;
    QToolButton* cmdSave;
    QPushButton* cmdEdit;
    QPushButton* cmdRemove;
    SnoozedLines* snoozedLines;
    QLabel* lblCopyright;
    QLabel* lblWebLink;
    QTimer* timTimers;
    QTimer* timAlarm;
    QMenu* mnuForm;
    QAction* mnuShow;
    QAction* mnuSlash;
    QAction* mnuWebsite;
    QAction* mnuSlash2;
    QAction* mnuExit;

    // The LED sprites, drawn once with the window so that drawing the time only copies blocks.
    QImage SegDigits_Red = LedSprites::digitStrip(LedSprites::Colour::Red);
    QImage SegDigits_Green = LedSprites::digitStrip(LedSprites::Colour::Green);
    QImage SegDigits_Orange = LedSprites::digitStrip(LedSprites::Colour::Orange);
    QImage SegDigits_Yellow = LedSprites::digitStrip(LedSprites::Colour::Yellow);
    QImage SegDigits_Brown = LedSprites::digitStrip(LedSprites::Colour::Brown);
    QImage Col_Red = LedSprites::colonImage(LedSprites::Colour::Red);
    QImage Col_Green = LedSprites::colonImage(LedSprites::Colour::Green);
    QImage Col_Orange = LedSprites::colonImage(LedSprites::Colour::Orange);
    QImage Col_Yellow = LedSprites::colonImage(LedSprites::Colour::Yellow);
    QImage Col_Brown = LedSprites::colonImage(LedSprites::Colour::Brown);
    // What Blit_Clock copies from: the chosen colour's strip and colon, red until one is chosen.
    QImage SegDigits = SegDigits_Red;
    QImage Col = Col_Red;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RingAlarm(const Ring& ring);
    // A message box titled as every box of the program, with OK and `icon`.
    void tell(const QString& text, int icon = MsgBox::Information, const QString& details = {});
    // The sound stopped or ran its time: a notice that offers to stop it offers so no more.
    void AlarmSoundEnded();

    modMain& m_context;
    // The date the date label shows.
    QDate m_dateShown;
    // One extra tick at the start of each minute, so an alarm rings on the minute rather than
    // up to a tick period later.
    QTimer* m_minuteTick;
    // Hidden in the notification area by cmdMinimize_Click, until restored.
    bool m_inTray = false;
    // The wake-up last set; nothing when none is.
    std::optional<QDateTime> m_wakeArmedFor;
    bool m_wakeTold = false;
    // The minute (since 1970) of the last look for the next wake-up: a new minute may need another one.
    qint64 m_wakeMinute = -1;
    // While a box tells of an alarm (the one before it not closed properly): that alarm's line.
    QString m_boxAlarmLine;
};
