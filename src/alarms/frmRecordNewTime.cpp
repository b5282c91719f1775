#include "frmRecordNewTime.h"

#include "app/frmMain.h"
#include "app/modMain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

frmRecordNewTime::frmRecordNewTime(modMain& context) : AlarmTimeForm(context, tr("Record New Time"))
{
    setObjectName(QStringLiteral("frmRecordNewTime"));
    setTabOrder(cmdAccept, cmbHour);
    setTabOrder(cmbHour, cmbMinutes);
    setTabOrder(cmbMinutes, cmbAmPm);
    setTabOrder(cmbAmPm, txtShortDescription);
    chainDays(txtShortDescription, nullptr);
    cmdAccept->setFocus();
    connect(cmdAccept, &QPushButton::clicked, this, &frmRecordNewTime::cmdAccept_Click);
}

void frmRecordNewTime::Form_Load()
{
    fillMinutes();
}

void frmRecordNewTime::cmdAccept_Click()
{
    const std::optional<AlarmRecord> alarm = chosenAlarm();
    if (!alarm)
        return;
    switch (m_context.Alarms.record(*alarm)) {
    case AlarmBook::Entry::DuplicateTime:
        tell(tr("You have already recorded this time to your current session."));
        return;
    case AlarmBook::Entry::TableFull:
        tell(tr("All %n places for alarms are in use, so this alarm cannot be recorded. Please remove an alarm first.",
                nullptr, AlarmBook::LastSlot));
        return;
    case AlarmBook::Entry::Written:
        break;
    }
    tell(tr("This alarm was successfully saved to your recorded alarms/session list."));
    m_context.unload<frmRecordNewTime>();
    m_context.form<frmMain>().ShowActivated();
}

void frmRecordNewTime::reject()
{
    m_context.unload<frmRecordNewTime>();
}
