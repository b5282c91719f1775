#pragma once

#include "AlarmTimeForm.h"

// Records a new alarm into the lowest free slot of the table.
class frmRecordNewTime : public AlarmTimeForm {
    Q_OBJECT
public:
    explicit frmRecordNewTime(modMain& context);

    void Form_Load();
    void cmdAccept_Click();

protected:
    // The title-bar close and Escape: nothing is recorded and the window goes.
    void reject() override;
};
