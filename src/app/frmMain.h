#pragma once

#include <QWidget>

class modMain;
class LedSurface;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolButton;

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

    void GetRecordedTimes();
    void UpdateTimeDisplay();
    void UpdateDateDisplay();
    void timTimers_Timer();
    void cmdSave_Click();
    void cmdOpen_Click();

    enum class LinkState { SetUp = 1, Clicked = 2, PointerLeft = 3, PointerOver = 4 };
    void MakeLink(QLabel* label, LinkState operation);

    // Shows the window and makes it the active one, which refills the alarm list.
    void ShowActivated();

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
    QPushButton* cmdRecordNewAlarm;
    QToolButton* cmdOpen;
    QToolButton* cmdSave;
    QPushButton* cmdEdit;
    QPushButton* cmdRemove;
    QLabel* lblCopyright;
    QLabel* lblWebLink;
    QTimer* timTimers;
    QTimer* timAlarm;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString captionWithDate() const;

    modMain& m_context;
};
