#include "frmRemove.h"

#include "AlarmLineViews.h"
#include "app/AppInfo.h"
#include "app/ScreenPlacement.h"
#include "app/WindowFonts.h"
#include "app/frmMain.h"
#include "app/modMain.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmRemove::frmRemove(modMain& context) : QDialog(nullptr), m_context(context)
{
    setObjectName(QStringLiteral("frmRemove"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(WindowFonts::tahomaBold());
    setWindowTitle(tr("Remove"));

    lblSelect = new QLabel(tr("Select which alarms you wish to remove:"), this);
    lblSelect->setTextFormat(Qt::PlainText);
    lstAlarmList = new QListWidget(this);
    lstAlarmList->setSortingEnabled(true);
    lstAlarmList->setAccessibleName(tr("Recorded Alarms"));
    lstAlarmList->setSelectionMode(QAbstractItemView::SingleSelection);
    lstAlarmList->setMinimumHeight(150);
    AlarmLineViews::fitLongestLine(*lstAlarmList);
    cmdRemoveSelected = new QPushButton(tr("Remove Selected"), this);
    cmdClose = new QPushButton(tr("Close"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdRemoveSelected);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSelect);
    layout->addWidget(lstAlarmList);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // From the list, Tab leads straight back to the button that acts on it.
    setTabOrder(cmdRemoveSelected, cmdClose);
    setTabOrder(cmdClose, lstAlarmList);
    cmdRemoveSelected->setFocus();

    adjustSize();
    centreOnScreen(*this);

    connect(cmdRemoveSelected, &QPushButton::clicked, this, &frmRemove::cmdRemoveSelected_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmRemove::cmdClose_Click);
}

void frmRemove::Form_Load()
{
    RemovedCount = 0;
}

void frmRemove::Form_Activate()
{
    GetAlarmList();
}

void frmRemove::GetAlarmList()
{
    AlarmLineViews::showLines(*lstAlarmList, m_context.Alarms.lines());
}

void frmRemove::cmdRemoveSelected_Click()
{
    const QList<QListWidgetItem*> selected = lstAlarmList->selectedItems();
    if (selected.isEmpty() || m_context.Alarms.removeLine(selected.first()->text()) < 0)
        return;
    ++RemovedCount;
    GetAlarmList();
    if (lstAlarmList->count() == 0) {
        reportRemovedCount();
        m_context.form<frmMain>().GetRecordedTimes();
        m_context.unload<frmRemove>();
    }
}

void frmRemove::cmdClose_Click()
{
    if (RemovedCount > 0)
        reportRemovedCount();
    m_context.form<frmMain>().GetRecordedTimes();
    m_context.unload<frmRemove>();
}

void frmRemove::reportRemovedCount()
{
    m_context.desktop().messages.show(
        tr("A total of %n alarms(s) were deleted from your session.", nullptr, RemovedCount),
        MsgBox::OkOnly | MsgBox::Information, AppInfo::ProductName);
}

bool frmRemove::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(event);
}

void frmRemove::reject()
{
    m_context.unload<frmRemove>();
}
