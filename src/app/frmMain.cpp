#include "frmMain.h"

#include "AppAddresses.h"
#include "AppArt.h"
#include "AppInfo.h"
#include "Languages.h"
#include "SnoozedLines.h"
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
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include <utility>

namespace {

// The most missed alarms a box or a notification names one by one: a hundred would make a box taller than the screen.
constexpr int MissedShown = 10;

// No default extension: a name typed without one is used exactly as typed.
QString SessionFilter()
{
    return frmMain::tr("Tockwell Session") + QStringLiteral(" | *.tkw");
}

// Shows a window of the program without an owner or modality, so the main window stays usable.
void bringForward(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

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
    // The alarm window's notice follows the sound by itself (timCheckMain); a box's does not, and never offers a
    // snooze: only an alarm window snoozes, and the one open (if any) is another alarm's.
    if (m_boxAlarmLine.isEmpty())
        return;
    Notifications::Notice notice = frmAlarm::Notice(std::exchange(m_boxAlarmLine, {}), false);
    notice.offerSnooze = false;
    m_context.desktop().notifications.update(notice);
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
    if (selected.isEmpty())
        return tell(tr("Please select an alarm from your ''Recorded Alarms'' list before continuing."));
    if (selected.size() > 1)
        return tell(
            tr("You can only edit one alarm at a time. Please deselect all but one alarm from your session list."));
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
    if (m_context.Alarms.AlarmCount() == 0)
        return tell(tr("There are no recorded alarms to be removed."));
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
    if (std::exchange(m_wakeMinute, minute) != minute)
        AlarmsChanged();
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
    const std::pair<const QImage*, const QImage*> strips[] = {{&SegDigits_Red, &Col_Red},
                                                              {&SegDigits_Green, &Col_Green},
                                                              {&SegDigits_Yellow, &Col_Yellow},
                                                              {&SegDigits_Orange, &Col_Orange},
                                                              {&SegDigits_Brown, &Col_Brown}};
    const auto [digits, colon] = strips[static_cast<int>(*colour) - 1];
    SegDigits = *digits;
    Col = *colon;
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
    const std::optional<QDateTime> next = m_context.Ringer.nextRing(m_context.desktop().clock.now());
    lblNextAlarm->setText(Ringing::nextRingText(next, mode, Languages::dateLocale()));
    lblSoundMuted->setText(m_context.mutedLine(next.has_value()));
    lblSoundMuted->setVisible(!lblSoundMuted->text().isEmpty());
}

void frmMain::AlarmsChanged()
{
    ArmWakeUp();
    ShowNextRing();
    // The switches and days of the lines shown (which lines there are follows the activation, as ever), and the
    // snoozes waiting.
    AlarmLineViews::showStates(*lstAlarmTimes, m_context.Alarms);
    snoozedLines->refresh();
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
    tell(text, MsgBox::Exclamation);
}

void frmMain::RingAlarm(const Ring& ring)
{
    Restore();
    const QString silent = m_context.ringSound(ring);
    timAlarm->setInterval(m_context.ringTimerMs());
    timAlarm->start();
    if (AlarmOpen) {
        Notifications& notifications = m_context.desktop().notifications;
        // Only an alarm window snoozes, and the one open (if any) is another alarm's.
        m_boxAlarmLine = ring.line;
        Notifications::Notice notice = frmAlarm::Notice(ring.line, true, silent);
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
    alarm.lblAlarmInformation->setText(ring.line);
    alarm.ShowSoundNote(silent);
    alarm.ShownRing = ring;
    m_context.desktop().modal.exec(alarm);
}

void frmMain::timAlarm_Timer()
{
    m_context.ringTimeOver();
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
    if (!outcome.ok())
        return tell(
            tr("An error has occurred while saving your session (Err: %1). Please try again.").arg(outcome.error),
            MsgBox::Critical, outcome.reason);
    tell(tr("You have successfully saved your session."));
}

void frmMain::cmdOpen_Click()
{
    Desktop& desktop = m_context.desktop();
    const QString path = desktop.files.openFile(SessionFilter());
    if (path.isEmpty())
        return;
    const SessionFile::Outcome outcome = SessionFile::load(path, m_context.Alarms);
    if (!outcome.ok())
        return tell(
            tr("An error has occurred during loading your session (Err: %1). Please try again.").arg(outcome.error),
            MsgBox::Critical, outcome.reason);
    // The message comes after the list is whole again, so a tick under the open box sees no half state.
    GetRecordedTimes();
    tell(tr("You have successfully loaded your session."));
    if (!outcome.ignored.isEmpty())
        tell(tr("Tockwell left out what it could not read of the days, sounds and on/off switches of these alarms; "
                "those alarms ring every day, with the alarm sound:") +
                 QStringLiteral("\n\n") + outcome.ignored.join(u'\n'),
             MsgBox::Exclamation);
}

void frmMain::tell(const QString& text, int icon, const QString& details)
{
    m_context.desktop().messages.show(text, MsgBox::OkOnly | icon, AppInfo::ProductName, details);
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
