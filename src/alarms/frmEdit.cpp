#include "frmEdit.h"

#include "app/frmMain.h"
#include "app/modMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

frmEdit::frmEdit(modMain& context) : AlarmTimeForm(context, tr("Edit Alarm"))
{
    setObjectName(QStringLiteral("frmEdit"));
    // Tab goes through the window as it is laid out; the description, most often edited, has the focus.
    setTabOrder(cmbHour, cmbMinutes);
    setTabOrder(cmbMinutes, cmbAmPm);
    setTabOrder(cmbAmPm, txtShortDescription);
    chainDays(txtShortDescription, cmdAccept);
    txtShortDescription->setFocus();
    connect(cmdAccept, &QPushButton::clicked, this, &frmEdit::cmdAccept_Click);
}

void frmEdit::Form_Load()
{
    fillMinutes();
    PresetControls();
}

void frmEdit::PresetControls()
{
    const modMain::EditAlarm& edit = m_context.editAlarm;
    const AlarmChoices choices = choicesFor({edit.Edit_AlarmHour, edit.Edit_AlarmMinute, edit.Edit_AlarmDescription});
    cmbAmPm->setCurrentIndex(cmbAmPm->findText(choices.amPm));
    cmbHour->setCurrentIndex(cmbHour->findText(choices.hour));
    cmbMinutes->setCurrentIndex(cmbMinutes->findText(choices.minute));
    txtShortDescription->setText(choices.description);
    setDays(edit.Edit_Alarm.days);
    chkRingOnce->setChecked(edit.Edit_Alarm.once);
    setSound(edit.Edit_Alarm);
}

void frmEdit::cmdAccept_Click()
{
    // The lists open with a choice; only an odd value from a session file leaves one empty.
    std::optional<AlarmRecord> alarm = chosenAlarm();
    if (!alarm)
        return;
    // The table may have moved on while this window was open (a removal, a new alarm in the freed
    // slot, a session loaded): writing now would overwrite an alarm the user never chose to edit. Being
    // switched on or off meanwhile is no such change.
    const modMain::EditAlarm& edit = m_context.editAlarm;
    AlarmRecord now = m_context.Alarms[edit.Edit_AlarmPosition];
    now.on = edit.Edit_Alarm.on;
    if (now != edit.Edit_Alarm) {
        tell(tr("This alarm was changed or removed while you were editing it, so it was not updated. "
                "Please select it again from your ''Recorded Alarms'' list."));
        m_context.unload<frmEdit>();
        m_context.form<frmMain>().GetRecordedTimes();
        return;
    }
    // Accepting the alarm as the window shows it switches it on, as a clock does.
    if (m_context.Alarms.rewrite(m_context.editAlarm.Edit_AlarmPosition, *alarm) == AlarmBook::Entry::DuplicateTime) {
        tell(tr("You have already recorded this time to your current session."));
        return;
    }
    tell(tr("This alarm was successfully updated."));
    m_context.unload<frmEdit>();
    frmMain& main = m_context.form<frmMain>();
    main.GetRecordedTimes();
    main.ShowActivated();
}

void frmEdit::reject()
{
    m_context.unload<frmEdit>();
}
