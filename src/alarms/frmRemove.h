#pragma once

#include <QDialog>

class modMain;
class QLabel;
class QListWidget;
class QPushButton;

// Removes recorded alarms one at a time and reports how many went. The main window's list is left as it
// was until this window closes through Close or its last removal.
class frmRemove : public QDialog {
    Q_OBJECT
public:
    explicit frmRemove(modMain& context);

    void Form_Load();
    void Form_Activate();
    void GetAlarmList();
    void cmdRemoveSelected_Click();
    void cmdClose_Click();

    // Alarms removed since the window was loaded.
    int RemovedCount = 0;

    QLabel* lblSelect;
    QListWidget* lstAlarmList;
    QPushButton* cmdRemoveSelected;
    QPushButton* cmdClose;

protected:
    bool event(QEvent* event) override;
    // The title-bar close and Escape: no count is shown and the main list is not refreshed.
    void reject() override;

private:
    void reportRemovedCount();

    modMain& m_context;
};
