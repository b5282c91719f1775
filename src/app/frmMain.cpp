#include "frmMain.h"

#include "AppAddresses.h"
#include "AppArt.h"
#include "AppInfo.h"
#include "Languages.h"
#include "SnoozedLines.h"
#include "WindowColours.h"
#include "WindowFonts.h"
#include "alarms/AlarmLineViews.h"
#include "alarms/SessionFile.h"
#include "alarms/frmEdit.h"
#include "alarms/frmRecordNewTime.h"
#include "alarms/frmRemove.h"
#include "engine/TimeTexts.h"
#include "engine/frmAlarm.h"
#include "frmSplash.h"
#include "led/LedComposer.h"
#include "led/LedSurface.h"
#include "modMain.h"
#include "settings/frmOptions.h"
#include "tray/LinkLabel.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
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

#include <utility>

namespace {

// The most missed alarms a box or a notification names one by one: a hundred would make a box taller than the screen.
constexpr int MissedShown = 10;

// No default extension: a name typed without one is used exactly as typed.
QString SessionFilter()
{
    return frmMain::tr("Tockwell Session") + QStringLiteral(" | *.tkw");
}

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

// Shows a window of the program without an owner or modality, so the main window stays usable.
void bringForward(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
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

void frmMain::Form_Load()
{
    MakeLink(*lblWebLink, LinkState::SetUp);
    setWindowTitle(AppInfo::ProductName);
    UpdateTimeDisplay();

    Settings::Store& settings = m_context.settings();
    if (settings.read(Settings::Key::TimeInterval) == 1)
        opt12HR->setChecked(true);
    else
        opt24HR->setChecked(true);

    picLED->setVisible(settings.read(Settings::Key::GraphicalClockOnStartup) != 1);

    ApplyClockColour(settings.read(Settings::Key::ClockColour));

    const QString pattern = Settings::datePatternForCode(settings.read(Settings::Key::DateFormat));
    if (!pattern.isEmpty())
        m_context.DateFormat = pattern;

    // The caption's date too, when it is wanted: the date label must not wait for an activation
    // that a window manager preventing focus stealing may never give.
    UpdateDateDisplay();
    ShowNextRing();
}

void frmMain::Form_Activate()
{
    GetRecordedTimes();
    // Missed alarms waiting to be told: the user is back. After this event, not inside it.
    if (m_context.Ringer.hasMissed())
        QTimer::singleShot(0, this, &frmMain::TellMissed);
}

bool frmMain::Form_QueryUnload()
{
    const int answer = m_context.desktop().messages.show(tr("Are you sure you want to exit Tockwell?"),
                                                         MsgBox::YesNo | MsgBox::Question, AppInfo::ProductName);
    return answer != MsgBox::No;
}

void frmMain::Form_Unload()
{
    m_context.tray().RemoveTrayIcon();
    m_context.desktop().notifications.withdraw();
    QFile::remove(m_context.alarmSoundPath());
    QFile::remove(m_context.silenceSoundPath());
    m_context.desktop().programEnd.end();
}

void frmMain::StopAlarmSound()
{
    m_context.playSound(modMain::SilenceSound);
    timAlarm->stop();
    AlarmSoundEnded();
}

void frmMain::AlarmSoundEnded()
{
    // The alarm window's notice follows the sound by itself (timCheckMain); a box's does not.
    if (!m_boxAlarmLine.isEmpty())
        m_context.desktop().notifications.update(frmAlarm::Notice(std::exchange(m_boxAlarmLine, {}), false));
}

void frmMain::GetRecordedTimes()
{
    AlarmLineViews::showAlarms(*lstAlarmTimes, m_context.Alarms);
    UpdateDateDisplay();
}

void frmMain::lstAlarmTimes_ItemChanged(QListWidgetItem* item)
{
    const int slot = m_context.Alarms.findLine(item->text());
    const bool on = item->checkState() == Qt::Checked;
    if (slot >= 0 && (item->flags() & Qt::ItemIsUserCheckable) && m_context.Alarms[slot].on != on)
        m_context.Alarms.setOn({slot}, on);
}

void frmMain::cmdRecordNewAlarm_Click()
{
    bringForward(m_context.form<frmRecordNewTime>());
}

void frmMain::cmdEdit_Click()
{
    const QList<QListWidgetItem*> selected = lstAlarmTimes->selectedItems();
    const auto tell = [this](const QString& text) {
        m_context.desktop().messages.show(text, MsgBox::OkOnly | MsgBox::Information, AppInfo::ProductName);
    };
    if (selected.isEmpty()) {
        tell(tr("Please select an alarm from your ''Recorded Alarms'' list before continuing."));
        return;
    }
    if (selected.size() > 1) {
        tell(tr("You can only edit one alarm at a time. Please deselect all but one alarm from your session list."));
        return;
    }
    const int slot = m_context.Alarms.findLine(selected.first()->text());
    if (slot < 0)
        return;
    const AlarmRecord& alarm = m_context.Alarms[slot];
    m_context.editAlarm = {alarm.Hour, alarm.Minute, alarm.Description, slot, alarm};
    const bool wasOpen = m_context.isLoaded<frmEdit>();
    frmEdit& edit = m_context.form<frmEdit>();
    if (wasOpen)
        edit.PresetControls();
    bringForward(edit);
}

void frmMain::cmdRemove_Click()
{
    if (m_context.Alarms.AlarmCount() == 0) {
        m_context.desktop().messages.show(tr("There are no recorded alarms to be removed."),
                                          MsgBox::OkOnly | MsgBox::Information, AppInfo::ProductName);
        return;
    }
    frmRemove& remove = m_context.form<frmRemove>();
    bringForward(remove);
    // The window manager may leave the focus where it was; the list must not wait for an activation.
    remove.GetAlarmList();
}

void frmMain::UpdateTimeDisplay()
{
    const QTime now = m_context.desktop().clock.now().time();
    LiveTime = TimeTexts::twelveHour(now);
    lblCurrentTime->setText(TimeTexts::timeLabel(now));
}

void frmMain::UpdateDateDisplay()
{
    if (m_context.settings().read(Settings::Key::DateInFormCaption) == Settings::On)
        setWindowTitle(captionWithDate());
    m_dateShown = m_context.desktop().clock.now().date();
    lblDate->setText(TimeTexts::formatDate(m_dateShown, m_context.DateFormat, Languages::dateLocale()));
}

void frmMain::timTimers_Timer()
{
    UpdateTimeDisplay();
    // The first tick of a new day (or of another day the clock was set to) brings the date along.
    if (m_context.desktop().clock.now().date() != m_dateShown)
        UpdateDateDisplay();
    // A new minute (the first tick, one after an alarm rang, midnight, a jump of the clock) may bring
    // another next alarm. Before the check, which may keep an alarm window open for a long time.
    const qint64 minute = m_context.desktop().clock.now().toSecsSinceEpoch() / 60;
    if (minute != m_wakeMinute) {
        m_wakeMinute = minute;
        ArmWakeUp();
        ShowNextRing();
    }
    CheckAlarms();
    // Drawn even while the panel is hidden, so the LED is already current the moment it is shown.
    const TimeTexts::HourMode mode =
        opt12HR->isChecked() ? TimeTexts::HourMode::Twelve : TimeTexts::HourMode::TwentyFour;
    Blit_Clock(TimeTexts::ledText(m_context.desktop().clock.now().time(), mode));

    const QTime now = m_context.desktop().clock.now().time();
    const int untilMinute = 60'000 - (now.second() * 1000 + now.msec());
    if (untilMinute <= timTimers->interval() && !m_minuteTick->isActive())
        m_minuteTick->start(untilMinute + 2);
}

void frmMain::Blit_Clock(const QString& timeText)
{
    LedComposer::compose(LED_Clock->backing(), timeText, SegDigits, Col);
    LED_Clock->setTimeText(timeText);
    LED_Clock->update();
}

void frmMain::ApplyClockColour(int code)
{
    const std::optional<LedSprites::Colour> colour = LedSprites::colourForCode(code);
    if (!colour)
        return;
    const auto use = [this](const QImage& digits, const QImage& colon) {
        SegDigits = digits;
        Col = colon;
    };
    switch (*colour) {
    case LedSprites::Colour::Red:
        use(SegDigits_Red, Col_Red);
        break;
    case LedSprites::Colour::Green:
        use(SegDigits_Green, Col_Green);
        break;
    case LedSprites::Colour::Yellow:
        use(SegDigits_Yellow, Col_Yellow);
        break;
    case LedSprites::Colour::Orange:
        use(SegDigits_Orange, Col_Orange);
        break;
    case LedSprites::Colour::Brown:
        use(SegDigits_Brown, Col_Brown);
        break;
    }
}

void frmMain::cmdGraphical_Click()
{
    // The panel's own flag rather than isVisible(): the window itself may be hidden in the tray.
    // The panel keeps its room when hidden, so nothing moves or resizes.
    picLED->setVisible(picLED->isHidden());
}

void frmMain::CheckAlarms()
{
    // Which alarms are due is settled before the first one rings: an alarm waiting behind an
    // open alarm window rings when that window closes, and a tick that runs while the window is
    // open only looks at the time since the previous look, so nothing rings twice. A snooze kept from
    // the last run waits for the main window, so that its alarm window opens over it.
    const Ringing::Look look = m_context.Ringer.look(m_context.desktop().clock.now(), !m_context.isLoaded<frmSplash>());
    for (const Ring& ring : look.ringing)
        RingAlarm(ring);
    TellMissed();
}

void frmMain::ArmWakeUp()
{
    const QDateTime now = m_context.desktop().clock.now();
    std::optional<QDateTime> at;
    if (m_context.settings().wakeFromSleep())
        at = m_context.Ringer.wakeTime(now);
    // The first word goes out even when it is "none": it tells whether waking works here.
    if (at == m_wakeArmedFor && m_wakeTold)
        return;
    m_wakeArmedFor = at;
    m_wakeTold = true;
    WakeTimer& wake = m_context.desktop().wakeTimer;
    if (at)
        wake.arm(*at);
    else
        wake.disarm();
}

void frmMain::ShowNextRing()
{
    const TimeTexts::HourMode mode =
        opt12HR->isChecked() ? TimeTexts::HourMode::Twelve : TimeTexts::HourMode::TwentyFour;
    lblNextAlarm->setText(Ringing::nextRingText(m_context.Ringer.nextRing(m_context.desktop().clock.now()), mode,
                                                Languages::dateLocale()));
}

void frmMain::AlarmsChanged()
{
    ArmWakeUp();
    ShowNextRing();
    // The switches and days of the lines shown; which lines there are follows the activation, as ever.
    AlarmLineViews::showStates(*lstAlarmTimes, m_context.Alarms);
}

void frmMain::Resumed()
{
    // Woken for an alarm: a closed lid must not put the computer back to sleep before it has rung.
    if (m_context.Ringer.wokeForRing(m_context.desktop().clock.now()))
        m_context.desktop().sleepWatcher.holdAwake();
    // Whatever minute it is now, the next alarm is looked up again.
    m_wakeMinute = -1;
    timTimers_Timer();
}

void frmMain::TellMissed()
{
    // While an alarm window is open its notification is the one that matters; both wait for it to close.
    if (m_context.isLoaded<frmAlarm>() && m_context.form<frmAlarm>().isVisible())
        return;
    Desktop& desktop = m_context.desktop();
    const QLocale language = Languages::dateLocale();
    // Each batch is told as it is found, also on a second night with the window still in the tray.
    if (const QList<Ringing::Missed> found = m_context.Ringer.takeUnnotified(); !found.isEmpty())
        desktop.notifications.post({tr("Missed alarms"), Ringing::missedLines(found, language, MissedShown), false});
    if (!m_context.Ringer.hasMissed() || !isVisible() || isMinimized())
        return;
    QString text = tr("These alarms did not ring: their time passed more than an hour before Tockwell could look "
                      "at the clock (the computer was asleep, or its clock was set forward).") +
                   QStringLiteral("\n\n") + Ringing::missedLines(m_context.Ringer.takeMissed(), language, MissedShown);
    const QString unavailable = desktop.wakeTimer.unavailableReason();
    if (!unavailable.isEmpty())
        text += QStringLiteral("\n\n") + unavailable;
    else if (!m_context.settings().wakeFromSleep())
        text += QStringLiteral("\n\n") + tr("Waking the computer from sleep for alarms is turned off in Options.");
    desktop.messages.show(text, MsgBox::OkOnly | MsgBox::Exclamation, AppInfo::ProductName);
}

void frmMain::SnoozesChanged()
{
    snoozedLines->refresh();
    ArmWakeUp();
    ShowNextRing();
}

void frmMain::RingAlarm(const Ring& ring)
{
    const QString& line = ring.line;
    Restore();
    m_context.playSound(modMain::AlarmSound);
    timAlarm->start();
    if (AlarmOpen) {
        Notifications& notifications = m_context.desktop().notifications;
        // Only an alarm window snoozes, and the one open (if any) is another alarm's.
        m_boxAlarmLine = line;
        Notifications::Notice notice = frmAlarm::Notice(line, true);
        notice.offerSnooze = false;
        notifications.post(notice);
        m_context.desktop().messages.show(tr("An alarm has gone off but since your last alarm was not "
                                             "closed properly, a new page has not been opened"),
                                          MsgBox::OkOnly | MsgBox::Critical, AppInfo::ProductName);
        m_boxAlarmLine.clear();
        // The box told of this alarm; an alarm window still open goes on telling of its own.
        if (m_context.isLoaded<frmAlarm>() && m_context.form<frmAlarm>().isVisible())
            m_context.form<frmAlarm>().Notify();
        else
            notifications.withdraw();
        return;
    }
    AlarmOpen = true;
    frmAlarm& alarm = m_context.form<frmAlarm>();
    alarm.lblAlarmInformation->setText(line);
    alarm.ShownRing = ring;
    m_context.desktop().modal.exec(alarm);
}

void frmMain::timAlarm_Timer()
{
    timAlarm->stop();
    AlarmSoundEnded();
}

void frmMain::cmdSave_Click()
{
    Desktop& desktop = m_context.desktop();
    const QString path = desktop.files.saveFile(SessionFilter());
    if (path.isEmpty())
        return;
    const SessionFile::Outcome outcome = SessionFile::save(path, m_context.Alarms.all());
    if (!outcome.ok()) {
        desktop.messages.show(
            tr("An error has occurred while saving your session (Err: %1). Please try again.").arg(outcome.error),
            MsgBox::OkOnly | MsgBox::Critical, AppInfo::ProductName, outcome.reason);
        return;
    }
    desktop.messages.show(tr("You have successfully saved your session."), MsgBox::OkOnly | MsgBox::Information,
                          AppInfo::ProductName);
}

void frmMain::cmdOpen_Click()
{
    Desktop& desktop = m_context.desktop();
    const QString path = desktop.files.openFile(SessionFilter());
    if (path.isEmpty())
        return;
    const SessionFile::Outcome outcome = SessionFile::load(path, m_context.Alarms);
    if (!outcome.ok()) {
        desktop.messages.show(
            tr("An error has occurred during loading your session (Err: %1). Please try again.").arg(outcome.error),
            MsgBox::OkOnly | MsgBox::Critical, AppInfo::ProductName, outcome.reason);
        return;
    }
    // The message comes after the list is whole again, so a tick under the open box sees no half state.
    GetRecordedTimes();
    desktop.messages.show(tr("You have successfully loaded your session."), MsgBox::OkOnly | MsgBox::Information,
                          AppInfo::ProductName);
    if (!outcome.ignored.isEmpty())
        desktop.messages.show(tr("Tockwell left out what it could not read of the days, sounds and on/off switches "
                                 "of these alarms; those alarms ring every day, with the alarm sound:") +
                                  QStringLiteral("\n\n") + outcome.ignored.join(u'\n'),
                              MsgBox::OkOnly | MsgBox::Exclamation, AppInfo::ProductName);
}

void frmMain::ShowActivated()
{
    const bool wasActive = isActiveWindow();
    show();
    raise();
    activateWindow();
    // Already the active window: no activation event will come, yet the caller expects a fresh list.
    if (wasActive)
        Form_Activate();
}

void frmMain::bringToFront()
{
    Restore();
    ShowActivated();
    // An open alarm window stays in front of the window that owns it.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

QString frmMain::captionWithDate() const
{
    return AppInfo::ProductName + QStringLiteral(" - ") +
           TimeTexts::formatDate(m_context.desktop().clock.now().date(), m_context.DateFormat, Languages::dateLocale());
}

bool frmMain::event(QEvent* event)
{
    // The list is made as wide as the widest alarm line when the window is first laid out for showing
    // (its size taken, or shown), not while the splash waits to appear: measuring every hour and
    // minute is the dearest part of making the window.
    if (event->type() == QEvent::Polish)
        AlarmLineViews::fitLongestLine(*lstAlarmTimes);
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    else if (event->type() == QEvent::MouseMove)
        MakeLink(*lblWebLink, LinkState::PointerLeft);
    return QWidget::event(event);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (!Form_QueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    Form_Unload();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblWebLink) {
        switch (linkEvent(*lblWebLink, event)) {
        case LinkEvent::PointerOver:
            MakeLink(*lblWebLink, LinkState::PointerOver);
            break;
        case LinkEvent::PointerLeft:
            MakeLink(*lblWebLink, LinkState::PointerLeft);
            break;
        case LinkEvent::Click:
            lblWebLink_Click();
            return true;
        case LinkEvent::None:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::lblWebLink_Click()
{
    MakeLink(*lblWebLink, LinkState::Clicked);
    openAddress(m_context.desktop(), AppAddresses::Web);
}

void frmMain::cmdOptions_Click()
{
    bringForward(m_context.form<frmOptions>());
}

void frmMain::cmdMinimize_Click()
{
    // Asking the Options window loads it, hidden, when it is not loaded yet.
    const bool dated = m_context.form<frmOptions>().chkSystemTrayDate->isChecked();
    if (!m_context.desktop().tray.isAvailable()) {
        // Hidden with nowhere to come back from, the clock would be out of reach: the task bar keeps it.
        setWindowState(windowState() | Qt::WindowMinimized);
        return;
    }
    m_context.tray().AddTrayIcon(dated ? captionWithDate() : AppInfo::ProductName);
    if (!isMinimized()) {
        setWindowState(windowState() | Qt::WindowMinimized);
        hide();
        m_inTray = true;
    }
}

void frmMain::TrayIcon_MouseEvent(TrayService::Event event)
{
    switch (event) {
    case TrayService::Event::LeftDoubleClick:
    case TrayService::Event::RightDoubleClick:
        Restore();
        break;
    case TrayService::Event::RightRelease:
        mnuForm->popup(QCursor::pos());
        break;
    case TrayService::Event::Other:
        break;
    }
}

void frmMain::TrayArea_Changed(bool available)
{
    if (!available && m_inTray)
        Restore();
}

void frmMain::Restore()
{
    // The window manager may have dropped the minimised state of a window that was hidden, so what
    // this window did itself counts too.
    if (isMinimized() || m_inTray) {
        m_inTray = false;
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
        raise();
        activateWindow();
    }
    m_context.tray().RemoveTrayIcon();
}

void frmMain::mnuShow_Click()
{
    Restore();
}

void frmMain::mnuWebsite_Click()
{
    openAddress(m_context.desktop(), AppAddresses::Web);
}

void frmMain::mnuExit_Click()
{
    Restore();
    m_context.desktop().notifications.withdraw();
    m_context.desktop().programEnd.end();
}
