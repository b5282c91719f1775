#pragma once

#include <QDialog>

class UpdateCheck;

class modMain;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;

// The six stored preferences, each written the moment the user changes it, with the changes
// that concern the running main window applied to it at once; the version and the publisher.
class frmOptions : public QDialog {
    Q_OBJECT
public:
    explicit frmOptions(modMain& context);

    void Form_Load();
    void Form_MouseMove();
    void sstMain_MouseMove();
    void chkFormCaption_Click();
    void chkGraphicalClockonStartup_Click();
    void chkSystemTrayDate_Click();
    // Writes or removes the desktop's autostart entry; not one of the six stored preferences.
    void chkStartAtLogin_Click();
    // Stores whether alarms wake the computer, beside the six preferences, and sets the wake-up to match.
    void chkWakeFromSleep_Click();
    // Enables the wake box where waking works, and says why not where it does not.
    void ShowWakeAvailability();
    // Stores the snooze length, beside the six preferences.
    void cmbSnooze_Click();
    // Store how long alarms ring, how gently they start and whether they turn up a muted output, beside the
    // six preferences.
    void cmbRingLength_Click();
    void cmbGentleStart_Click();
    void chkRingWhenMuted_Click();
    void cmbClockColour_Click();
    void cmbDateFormat_Click();
    void opt12HR_Click();
    void opt24HR_Click();
    void lblWebLink_MouseMove();
    void lblWebLink_Click();
    void lblEmailLink_MouseMove();
    void lblEmailLink_Click();
    void cmdRestoretoDefault_Click();
    void cmdCheckforUpdates_Click();

    // Major, minor and revision joined by ".", no padding.

    QTabWidget* sstMain;
    QCheckBox* chkGraphicalClockonStartup;
    QCheckBox* chkStartAtLogin;
    QCheckBox* chkWakeFromSleep;
    QLabel* lblSnooze;
    QComboBox* cmbSnooze;
    QLabel* lblRingLength;
    QComboBox* cmbRingLength;
    QLabel* lblGentleStart;
    QComboBox* cmbGentleStart;
    QCheckBox* chkRingWhenMuted;
    QLabel* lblDes;
    QPushButton* cmdRestoretoDefault;
    QLabel* Label1;
    QComboBox* cmbClockColour;
    QLabel* Label2;
    QLabel* Label3;
    QRadioButton* opt12HR;
    QRadioButton* opt24HR;
    QLabel* Label4;
    QComboBox* cmbDateFormat;
    QCheckBox* chkFormCaption;
    QCheckBox* chkSystemTrayDate;
    QLabel* Label6;
    QLabel* lblCurrentVersion;
    QLabel* Label8;
    QLabel* lblVersionAvailable;
    QLabel* Label9;
    QPushButton* cmdCheckforUpdates;
    QLabel* Label5;
    QLabel* Label7;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* lblWebLink;
    QLabel* Label12;
    QLabel* lblEmailLink;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The close box and Escape: the window unloads; nothing is stored on closing.
    void reject() override;

private:
    void followValueChanges();
    void setMainCaption(bool withDate);

    modMain& m_context;
    UpdateCheck* m_updateCheck;
};
