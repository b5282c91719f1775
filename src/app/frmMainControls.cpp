#include "frmMain.h"

#include "AppAddresses.h"
#include "AppArt.h"
#include "AppInfo.h"
#include "SnoozedLines.h"
#include "WindowColours.h"
#include "WindowFonts.h"
#include "alarms/AlarmLineViews.h"
#include "led/LedSurface.h"
#include "modMain.h"
#include "tray/LinkLabel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

// The main window's controls, their layout, keys and connections; what they do is in frmMain.cpp.

namespace {

QToolButton* iconButton(QWidget* parent, AppArt::Glyph glyph, const QString& tip)
{
    auto* button = new QToolButton(parent);
    button->setIcon(AppArt::glyph(glyph));
    button->setIconSize(QSize(16, 16));
    button->setToolTip(tip);
    // A picture says nothing to a screen reader; the tip is the button's name.
    button->setAccessibleName(tip);
    button->setAutoRaise(false);
    button->setFixedSize(28, 26);
    return button;
}

QLabel* plainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

frmMain::frmMain(modMain& context) : QWidget(nullptr), m_context(context)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(AppArt::appIcon());
    setFont(WindowFonts::tahomaBold());
    setWindowTitle(AppInfo::ProductName);

    frmCurrentStatus = new QGroupBox(tr("Current Status"), this);
    Label1 = plainLabel(tr("Current Time:"), frmCurrentStatus);
    lblCurrentTime = plainLabel(QStringLiteral("00:00:00 PM"), frmCurrentStatus);
    WindowColours::setText(*lblCurrentTime, QColor(0, 128, 0));
    Label2 = plainLabel(tr("Date:"), frmCurrentStatus);
    lblDate = plainLabel(QStringLiteral("January 1, 1990"), frmCurrentStatus);
    WindowColours::setText(*lblDate, QColor(128, 0, 0));

    picLED = new QWidget(frmCurrentStatus);
    picLED->setObjectName(QStringLiteral("picLED"));
    shpClockBorder = new QFrame(picLED);
    shpClockBorder->setObjectName(QStringLiteral("shpClockBorder"));
    // A white line around a black panel.
    shpClockBorder->setFrameStyle(QFrame::Box | QFrame::Plain);
    shpClockBorder->setLineWidth(1);
    WindowColours::setText(*shpClockBorder, Qt::white);
    WindowColours::set(*shpClockBorder, QPalette::Window, Qt::black);
    shpClockBorder->setAutoFillBackground(true);
    LED_Clock = new LedSurface(shpClockBorder);
    auto* borderLayout = new QHBoxLayout(shpClockBorder);
    borderLayout->setContentsMargins(2, 2, 2, 2);
    borderLayout->addWidget(LED_Clock);
    opt12HR = new QRadioButton(tr("12 hour"), picLED);
    opt12HR->setToolTip(tr("Toggle to 12 Hour Time"));
    opt12HR->setChecked(true);
    opt24HR = new QRadioButton(tr("24 hour"), picLED);
    opt24HR->setToolTip(tr("Toggle to 24 Hour Time"));
    auto* ledLayout = new QHBoxLayout(picLED);
    ledLayout->setContentsMargins(0, 4, 0, 4);
    ledLayout->addWidget(shpClockBorder);
    auto* hourLayout = new QVBoxLayout;
    hourLayout->addWidget(opt12HR);
    hourLayout->addWidget(opt24HR);
    ledLayout->addLayout(hourLayout);
    ledLayout->addStretch();
    picLED->setMinimumSize(273, 52);
    // A hidden panel keeps its place, so the window does not jump when the clock is toggled.
    QSizePolicy ledPolicy = picLED->sizePolicy();
    ledPolicy.setRetainSizeWhenHidden(true);
    picLED->setSizePolicy(ledPolicy);

    cmdGraphical = iconButton(frmCurrentStatus, AppArt::Glyph::GraphicalClock, tr("Toggle Graphical Clock ON/OFF"));
    cmdOptions = iconButton(frmCurrentStatus, AppArt::Glyph::Options, tr("Options"));
    cmdMinimize = iconButton(frmCurrentStatus, AppArt::Glyph::Minimize, tr("Minimize to System Tray"));

    auto* statusLayout = new QGridLayout(frmCurrentStatus);
    statusLayout->addWidget(Label1, 0, 0);
    statusLayout->addWidget(lblCurrentTime, 0, 1);
    statusLayout->addWidget(Label2, 1, 0);
    statusLayout->addWidget(lblDate, 1, 1);
    statusLayout->addWidget(picLED, 2, 0, 1, 2);
    auto* statusButtons = new QVBoxLayout;
    statusButtons->addWidget(cmdGraphical);
    statusButtons->addWidget(cmdOptions);
    statusButtons->addWidget(cmdMinimize);
    statusButtons->addStretch();
    statusLayout->addLayout(statusButtons, 0, 2, 3, 1);
    statusLayout->setColumnStretch(1, 1);

    frmRecordedAlarms = new QGroupBox(tr("Recorded Alarms"), this);
    lstAlarmTimes = new QListWidget(frmRecordedAlarms);
    lstAlarmTimes->setSortingEnabled(true);
    lstAlarmTimes->setAccessibleName(frmRecordedAlarms->title());
    lstAlarmTimes->setSelectionMode(QAbstractItemView::SingleSelection);
    lstAlarmTimes->setMinimumSize(290, 112);
    AlarmLineViews::showSwitches(*lstAlarmTimes);
    lstAlarmTimes->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    cmdRecordNewAlarm = new QPushButton(tr("Record New Alarm"), frmRecordedAlarms);
    cmdRecordNewAlarm->setToolTip(tr("Record New Alarm"));
    cmdOpen = iconButton(frmRecordedAlarms, AppArt::Glyph::Open, tr("Load Alarm Times"));
    cmdSave = iconButton(frmRecordedAlarms, AppArt::Glyph::Save, tr("Save Alarm Times"));
    cmdEdit = new QPushButton(tr("Edit"), frmRecordedAlarms);
    cmdEdit->setToolTip(tr("Edit Alarm(s)"));
    cmdRemove = new QPushButton(tr("Remove"), frmRecordedAlarms);
    cmdRemove->setToolTip(tr("Remove Alarm(s)"));

    auto* alarmButtons = new QVBoxLayout;
    alarmButtons->addWidget(cmdRecordNewAlarm);
    auto* fileButtons = new QHBoxLayout;
    fileButtons->addWidget(cmdOpen);
    fileButtons->addWidget(cmdSave);
    fileButtons->addStretch();
    alarmButtons->addLayout(fileButtons);
    alarmButtons->addWidget(cmdEdit);
    alarmButtons->addWidget(cmdRemove);
    alarmButtons->addStretch();
    auto* alarmsLayout = new QHBoxLayout(frmRecordedAlarms);
    lblNextAlarm = plainLabel({}, frmRecordedAlarms);
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(lstAlarmTimes, 1);
    listColumn->addWidget(lblNextAlarm);
    lblSoundMuted = plainLabel({}, frmRecordedAlarms);
    lblSoundMuted->hide();
    listColumn->addWidget(lblSoundMuted);
    alarmsLayout->addLayout(listColumn, 1);
    alarmsLayout->addLayout(alarmButtons);
    snoozedLines = new SnoozedLines(m_context.Snoozed, this);

    lblCopyright = plainLabel(AppInfo::copyrightLine(), this);
    lblCopyright->setAlignment(Qt::AlignCenter);
    lblWebLink = new QLabel(this);
    prepareLinkLabel(*lblWebLink, AppAddresses::WebCaption, *this);
    lblWebLink->setAlignment(Qt::AlignCenter);
    setMouseTracking(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frmCurrentStatus);
    layout->addWidget(frmRecordedAlarms, 1);
    layout->addWidget(snoozedLines);
    layout->addWidget(lblCopyright);
    layout->addWidget(lblWebLink);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumSize(473, 313);

    timTimers = new QTimer(this);
    timTimers->setInterval(900);
    m_minuteTick = new QTimer(this);
    m_minuteTick->setSingleShot(true);
    m_minuteTick->setTimerType(Qt::PreciseTimer);
    connect(m_minuteTick, &QTimer::timeout, this, &frmMain::timTimers_Timer);
    timAlarm = new QTimer(this);
    timAlarm->setInterval(29100);

    mnuForm = new QMenu(tr("Form"), this);
    mnuShow = mnuForm->addAction(tr("Hide/Show Tockwell"), this, &frmMain::mnuShow_Click);
    mnuSlash = mnuForm->addSeparator();
    mnuWebsite = mnuForm->addAction(tr("Fernhollow Website"), this, &frmMain::mnuWebsite_Click);
    mnuSlash2 = mnuForm->addSeparator();
    mnuExit = mnuForm->addAction(tr("Exit Tockwell"), this, &frmMain::mnuExit_Click);
    TrayService& tray = m_context.desktop().tray;
    const QPointer<frmMain> self(this);
    tray.onEvent = [self](TrayService::Event event) {
        if (self)
            self->TrayIcon_MouseEvent(event);
    };
    tray.onAvailabilityChanged = [self](bool available) {
        if (self)
            self->TrayArea_Changed(available);
    };

    // The usual desktop keys for the commands that matter most to a keyboard user.
    new QShortcut(QKeySequence::New, this, cmdRecordNewAlarm, &QPushButton::click);
    new QShortcut(QKeySequence::Open, this, cmdOpen, &QToolButton::click);
    new QShortcut(QKeySequence::Save, this, cmdSave, &QToolButton::click);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this, cmdEdit, &QPushButton::click);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma), this, cmdOptions, &QToolButton::click);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_M), this, cmdMinimize, &QToolButton::click);
    // Closing asks first, as the close box does.
    new QShortcut(QKeySequence::Quit, this, this, &QWidget::close);

    connect(cmdGraphical, &QToolButton::clicked, this, &frmMain::cmdGraphical_Click);
    connect(cmdOptions, &QToolButton::clicked, this, &frmMain::cmdOptions_Click);
    connect(cmdMinimize, &QToolButton::clicked, this, &frmMain::cmdMinimize_Click);
    connect(timTimers, &QTimer::timeout, this, &frmMain::timTimers_Timer);
    connect(timAlarm, &QTimer::timeout, this, &frmMain::timAlarm_Timer);
    connect(cmdRecordNewAlarm, &QPushButton::clicked, this, &frmMain::cmdRecordNewAlarm_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &frmMain::cmdEdit_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &frmMain::cmdRemove_Click);
    connect(cmdSave, &QToolButton::clicked, this, &frmMain::cmdSave_Click);
    connect(cmdOpen, &QToolButton::clicked, this, &frmMain::cmdOpen_Click);
    connect(lstAlarmTimes, &QListWidget::itemChanged, this, &frmMain::lstAlarmTimes_ItemChanged);
    connect(opt12HR, &QRadioButton::toggled, this, &frmMain::ShowNextRing);
    timTimers->start();
}
