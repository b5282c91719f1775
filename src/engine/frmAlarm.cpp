#include "frmAlarm.h"

#include "app/Accessibility.h"
#include "app/AppArt.h"
#include "app/ScreenPlacement.h"
#include "app/WindowColours.h"
#include "app/WindowFonts.h"
#include "app/frmMain.h"
#include "app/modMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QString Label1Text()
{
    return frmAlarm::tr("One of your recorded alarms has gone off!");
}
} // namespace

frmAlarm::frmAlarm(modMain& context) : QDialog(nullptr), m_context(context)
{
    setObjectName(QStringLiteral("frmAlarm"));
    // Above every other window while it is open: a full-screen program must not hide the alarm.
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(tr("Alarm"));
    setFont(WindowFonts::tahomaBold());

    Label1 = new QLabel(Label1Text(), this);
    Label1->setTextFormat(Qt::PlainText);
    Frame1 = new QGroupBox(tr("Alarm Information"), this);
    lblAlarmInformation = new QLabel(Frame1);
    // The line carries the user's own description: never read it as markup.
    lblAlarmInformation->setTextFormat(Qt::PlainText);
    // Spoken by a screen reader the moment the window shows it.
    Accessibility::markAlert(*lblAlarmInformation);
    lblAlarmInformation->setWordWrap(true);
    lblAlarmInformation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblAlarmInformation->setMinimumSize(355, 72);
    WindowColours::setText(*lblAlarmInformation, QColor(0, 128, 0));
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(lblAlarmInformation);
    // The file's name is the user's: plain text, like the line.
    lblSoundNote = new QLabel(this);
    lblSoundNote->setTextFormat(Qt::PlainText);
    lblSoundNote->setWordWrap(true);
    lblSoundNote->setMaximumWidth(lblAlarmInformation->minimumWidth());
    lblSoundNote->hide();
    Accessibility::markAlert(*lblSoundNote);

    cmdStop = new QToolButton(this);
    cmdStop->setIcon(AppArt::glyph(AppArt::Glyph::Stop));
    cmdStop->setIconSize(QSize(16, 16));
    cmdStop->setFixedSize(28, 26);
    cmdStop->setToolTip(tr("Stop Alarm"));
    cmdStop->setAccessibleName(cmdStop->toolTip());
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setToolTip(tr("Stop Alarm & Close"));
    cmdClose->setDefault(true);
    // Alt+S; the ampersand is not shown.
    cmdSnooze = new QPushButton(tr("&Snooze"), this);
    // Return closes the window whatever has the focus: a keyboard user who silenced the alarm and pressed
    // Return must not be woken again ten minutes later.
    cmdSnooze->setAutoDefault(false);
    const int minutes = m_context.settings().snoozeMinutes();
    // A count through %n, so that a language with several plural forms finds the right one.
    cmdSnooze->setToolTip(minutes == 1 ? tr("Ring again in 1 minute")
                                       : tr("Ring again in %n minutes", nullptr, minutes));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdStop);
    buttons->addStretch();
    buttons->addWidget(cmdSnooze);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Frame1, 1);
    layout->addWidget(lblSoundNote);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    timCheckMain = new QTimer(this);
    timCheckMain->setInterval(900);
    connect(timCheckMain, &QTimer::timeout, this, &frmAlarm::timCheckMain_Timer);
    connect(cmdStop, &QToolButton::clicked, this, &frmAlarm::cmdStop_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmAlarm::cmdClose_Click);
    connect(cmdSnooze, &QPushButton::clicked, this, &frmAlarm::cmdSnooze_Click);
    timCheckMain->start();

    // Tab follows the buttons as they stand; Close, the default, starts with the focus.
    setTabOrder(cmdStop, cmdSnooze);
    setTabOrder(cmdSnooze, cmdClose);
    cmdClose->setFocus();
    adjustSize();
    centreOnScreen(*this);
}

void frmAlarm::timCheckMain_Timer()
{
    if (m_context.form<frmMain>().timAlarm->isActive()) {
        cmdStop->setEnabled(true);
    } else {
        cmdStop->setEnabled(false);
        timCheckMain->stop();
        m_context.desktop().notifications.update(Notice(lblAlarmInformation->text(), false, lblSoundNote->text()));
    }
}

void frmAlarm::cmdStop_Click()
{
    m_context.form<frmMain>().StopAlarmSound();
    // A disabled button gives up the focus to the next in the tab order (Snooze); the close is what follows a stop.
    cmdClose->setFocus();
    cmdStop->setEnabled(false);
}

void frmAlarm::cmdClose_Click()
{
    frmMain& main = m_context.form<frmMain>();
    if (main.timAlarm->isActive())
        main.StopAlarmSound();
    main.AlarmOpen = false;
    m_context.unload<frmAlarm>();
    main.ShowActivated();
}

void frmAlarm::cmdSnooze_Click()
{
    const QDateTime now = m_context.desktop().clock.now();
    Ring ring = ShownRing;
    ring.line = lblAlarmInformation->text();
    m_context.Ringer.snooze(ring, now.addSecs(60 * m_context.settings().snoozeMinutes()));
    cmdClose_Click();
}

void frmAlarm::closeEvent(QCloseEvent* event)
{
    // Closed without its Close button: the sound plays on and the alarm stays marked as open.
    QDialog::closeEvent(event);
    if (event->isAccepted())
        m_context.unload<frmAlarm>();
}

void frmAlarm::keyPressEvent(QKeyEvent* event)
{
    // Escape is a keyboard user's way of pressing Close, not of leaving the alarm half-closed.
    if (event->key() == Qt::Key_Escape) {
        cmdClose_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

Notifications::Notice frmAlarm::Notice(const QString& line, bool soundPlaying, const QString& soundNote)
{
    return {Label1Text(), soundNote.isEmpty() ? line : line + QStringLiteral("\n") + soundNote, soundPlaying, true};
}

void frmAlarm::ShowSoundNote(const QString& note)
{
    lblSoundNote->setText(note);
    lblSoundNote->setVisible(!note.isEmpty());
    Notify();
}

void frmAlarm::Notify()
{
    if (isVisible())
        m_context.desktop().notifications.post(
            Notice(lblAlarmInformation->text(), m_context.form<frmMain>().timAlarm->isActive(), lblSoundNote->text()));
}

void frmAlarm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    raise();
    activateWindow();
    // Where the window manager keeps the focus elsewhere, the window asks for attention instead; the
    // request ends by itself once the window is active.
    QApplication::alert(this);
    Notify();
    // The computer stays awake under a ringing alarm, for a while (the watcher lets go by itself).
    m_context.desktop().sleepWatcher.holdAwake();
}

void frmAlarm::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    m_context.desktop().notifications.withdraw();
    m_context.desktop().sleepWatcher.release();
}
