#pragma once

#include "AlarmTimeForm.h"

// Changes one recorded alarm in place: the slot the edit command chose when it ran.
class frmEdit : public AlarmTimeForm {
    Q_OBJECT
public:
    explicit frmEdit(modMain& context);

    void Form_Load();
    // Sets the controls from the Edit_ values; the edit command runs it again when the window is already
    // open, so that what it shows always belongs to the slot an accept will write.
    void PresetControls();
    void cmdAccept_Click();

protected:
    // The title-bar close and Escape: nothing is written and the window goes.
    void reject() override;
};
