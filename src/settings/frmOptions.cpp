#include "frmOptions.h"

#include "UpdateCheck.h"

#include "AppAddresses.h"
#include "app/AppInfo.h"
#include "app/ScreenPlacement.h"
#include "app/WindowFonts.h"
#include "app/frmMain.h"
#include "app/modMain.h"
#include "engine/AlarmSound.h"
#include "engine/Snoozes.h"
#include "settings/Settings.h"
#include "tray/LinkLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace {

// The colour list in the order it shows; the code follows the name, not the place in the list.
struct ColourEntry {
    const char* name;
    int code;
};
constexpr std::array<ColourEntry, 5> Colours = {{{QT_TRANSLATE_NOOP("frmOptions", "Red (Default)"), 1},
                                                 {QT_TRANSLATE_NOOP("frmOptions", "Green"), 2},
                                                 {QT_TRANSLATE_NOOP("frmOptions", "Orange"), 4},
                                                 {QT_TRANSLATE_NOOP("frmOptions", "Yellow"), 3},
                                                 {QT_TRANSLATE_NOOP("frmOptions", "Brown"), 5}}};

enum class Weight { Bold, Regular };

QLabel* textLabel(const QString& text, QWidget* parent, Weight weight = Weight::Bold)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    if (weight == Weight::Regular)
        label->setFont(WindowFonts::tahoma());
    return label;
}

QLabel* note(const QString& text, QWidget* parent)
{
    QLabel* label = textLabel(text, parent, Weight::Regular);
    label->setWordWrap(true);
    return label;
}

// A date pattern as the list shows it: its letters in the user's language, its shape kept.
QString patternCaption(const QString& pattern)
{
    return QCoreApplication::translate("DatePattern", pattern.toLatin1().constData());
}

QPushButton* wideButton(const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setMinimumSize(161, 25);
    return button;
}

QComboBox* dropDownList(const QString& accessibleName, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setFont(WindowFonts::tahoma());
    list->setAccessibleName(accessibleName);
    list->setMinimumWidth(161);
    return list;
}

// A row of controls, left-aligned.
QHBoxLayout* row(std::initializer_list<QWidget*> widgets)
{
    auto* layout = new QHBoxLayout;
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    layout->addStretch();
    return layout;
}

} // namespace

frmOptions::frmOptions(modMain& context) : QDialog(nullptr), m_context(context)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(tr("Options"));
    setFont(WindowFonts::tahomaBold());
    setMouseTracking(true);

    sstMain = new QTabWidget(this);
    sstMain->tabBar()->setFont(WindowFonts::tahoma());
    // All five tabs in one row, however wide the desktop's font makes them: the window grows to fit.
    sstMain->tabBar()->setUsesScrollButtons(false);
    sstMain->tabBar()->setElideMode(Qt::ElideNone);
    sstMain->setMinimumSize(379, 167);
    // Pointer moves over the tab strip and the pages count as moves over the tab control.
    const auto watchMoves = [this](QWidget* part) {
        part->setMouseTracking(true);
        part->installEventFilter(this);
    };
    watchMoves(sstMain);
    watchMoves(sstMain->tabBar());
    const auto addPage = [this, watchMoves](const QString& caption) {
        auto* page = new QWidget(sstMain);
        watchMoves(page);
        sstMain->addTab(page, caption);
        auto* layout = new QVBoxLayout(page);
        layout->setContentsMargins(12, 12, 12, 8);
        return std::pair{page, layout};
    };

    auto [general, generalLayout] = addPage(tr("General"));
    chkGraphicalClockonStartup = new QCheckBox(tr("Show Graphical-Clock on Startup"), general);
    chkStartAtLogin = new QCheckBox(tr("Start Tockwell when I log in"), general);
    chkWakeFromSleep = new QCheckBox(tr("Wake the computer from sleep for alarms"), general);
    // A labelled list of numbers, each shown by `text` and kept as its item's data.
    const auto numberList = [](QWidget* page, const QString& label, QLabel*& caption, QComboBox*& list,
                               const auto& values, const auto& text) {
        caption = textLabel(label, page);
        list = dropDownList(caption->text(), page);
        list->setMinimumWidth(0);
        for (const int value : values)
            list->addItem(text(value), value);
        caption->setBuddy(list);
    };
    numberList(general, tr("Snooze for"), lblSnooze, cmbSnooze, Snoozes::Lengths,
               [](int minutes) { return minutes == 1 ? tr("1 minute") : tr("%n minutes", nullptr, minutes); });
    numberList(general, tr("Ring for"), lblRingLength, cmbRingLength, AlarmSound::RingLengths, [](int seconds) {
        return seconds < 60    ? tr("%n seconds", nullptr, seconds)
               : seconds == 60 ? tr("1 minute")
                               : tr("%n minutes", nullptr, seconds / 60);
    });
    numberList(general, tr("Start quietly and grow louder over"), lblGentleStart, cmbGentleStart,
               AlarmSound::GentleStarts,
               [](int seconds) { return seconds == 0 ? tr("Off") : tr("%n seconds", nullptr, seconds); });
    chkRingWhenMuted = new QCheckBox(tr("Ring even when the computer's sound is muted"), general);
    lblDes = note(tr("Note: All settings altered will changed immediately. To restore all settings to "
                     "original default positions hit \"Restore to Default\" below:"),
                  general);
    cmdRestoretoDefault = wideButton(tr("Restore to Default"), general);
    generalLayout->addWidget(chkGraphicalClockonStartup);
    generalLayout->addWidget(chkStartAtLogin);
    generalLayout->addWidget(chkWakeFromSleep);
    generalLayout->addLayout(row({lblSnooze, cmbSnooze}));
    generalLayout->addLayout(row({lblRingLength, cmbRingLength}));
    generalLayout->addLayout(row({lblGentleStart, cmbGentleStart}));
    generalLayout->addWidget(chkRingWhenMuted);
    generalLayout->addSpacing(8);
    generalLayout->addWidget(lblDes);
    generalLayout->addSpacing(4);
    generalLayout->addLayout(row({cmdRestoretoDefault}));
    generalLayout->addStretch();

    // "&&" shows as one ampersand in a tab's caption.
    auto [display, displayLayout] = addPage(tr("Time && Display"));
    Label1 = textLabel(tr("Clock Colour:"), display);
    cmbClockColour = dropDownList(tr("Clock Colour"), display);
    for (const ColourEntry& entry : Colours)
        cmbClockColour->addItem(tr(entry.name), entry.code);
    Label2 = note(tr("Note: Only active when Graphical-Clock is turned ON."), display);
    Label3 = textLabel(tr("Default Time Setting:"), display);
    opt12HR = new QRadioButton(tr("12 hour"), display);
    opt12HR->setToolTip(tr("Toggle to 12 Hour Time"));
    opt12HR->setChecked(true);
    opt24HR = new QRadioButton(tr("24 hour"), display);
    opt24HR->setToolTip(tr("Toggle to 24 Hour Time"));
    displayLayout->addWidget(Label1);
    displayLayout->addLayout(row({cmbClockColour}));
    displayLayout->addWidget(Label2);
    displayLayout->addSpacing(8);
    displayLayout->addLayout(row({Label3, opt12HR, opt24HR}));
    displayLayout->addStretch();

    auto [date, dateLayout] = addPage(tr("Date"));
    Label4 = textLabel(tr("Date Format:"), date);
    cmbDateFormat = dropDownList(tr("Date Format"), date);
    // The pattern is what the program works with; the list shows its letters in the user's language.
    for (int code = 1; code <= 5; ++code)
        cmbDateFormat->addItem(patternCaption(Settings::datePatternForCode(code)), Settings::datePatternForCode(code));
    chkFormCaption = new QCheckBox(tr("Display date in form caption"), date);
    chkSystemTrayDate = new QCheckBox(tr("Display date in system tray"), date);
    dateLayout->addWidget(Label4);
    dateLayout->addLayout(row({cmbDateFormat}));
    dateLayout->addSpacing(12);
    dateLayout->addWidget(chkFormCaption);
    dateLayout->addWidget(chkSystemTrayDate);
    dateLayout->addStretch();

    auto [version, versionLayout] = addPage(tr("Version Information"));
    Label6 = textLabel(tr("Current Version:"), version);
    lblCurrentVersion = textLabel(QStringLiteral("##.##.##"), version, Weight::Regular);
    Label8 = textLabel(tr("Available Version:"), version);
    lblVersionAvailable = textLabel(QStringLiteral("##.##.##"), version, Weight::Regular);
    // The check's longest answer is a sentence, not a version number.
    lblVersionAvailable->setWordWrap(true);
    Label9 = note(tr("Note: This requires dial-up users to connect to the internet manually."), version);
    cmdCheckforUpdates = wideButton(UpdateCheck::tr(UpdateCheck::CheckCaption), version);
    auto* versions = new QGridLayout;
    versions->addWidget(Label6, 0, 0);
    versions->addWidget(lblCurrentVersion, 0, 1);
    versions->addWidget(Label8, 1, 0);
    versions->addWidget(lblVersionAvailable, 1, 1);
    versions->setColumnStretch(1, 1);
    versionLayout->addLayout(versions);
    versionLayout->addSpacing(8);
    versionLayout->addWidget(Label9);
    versionLayout->addLayout(row({cmdCheckforUpdates}));
    versionLayout->addStretch();

    auto [about, aboutLayout] = addPage(tr("About"));
    Label5 = textLabel(AppInfo::ProductName, about);
    Label7 = textLabel(tr("Copyright © 2007 Fernhollow. All rights reserved."), about, Weight::Regular);
    Label10 = textLabel(tr("Written by the Fernhollow clock team."), about, Weight::Regular);
    Label11 = textLabel(tr("Website:"), about);
    lblWebLink = new QLabel(about);
    prepareLinkLabel(*lblWebLink, AppAddresses::WebCaption, *this);
    Label12 = textLabel(tr("E-Mail:"), about);
    lblEmailLink = new QLabel(about);
    prepareLinkLabel(*lblEmailLink, AppAddresses::SupportEmail, *this);
    auto* links = new QGridLayout;
    links->addWidget(Label11, 0, 0);
    links->addWidget(lblWebLink, 0, 1);
    links->addWidget(Label12, 1, 0);
    links->addWidget(lblEmailLink, 1, 1);
    links->setColumnStretch(1, 1);
    aboutLayout->addWidget(Label5);
    aboutLayout->addWidget(Label7);
    aboutLayout->addWidget(Label10);
    aboutLayout->addSpacing(8);
    aboutLayout->addLayout(links);
    aboutLayout->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 14, 12);
    layout->addWidget(sstMain);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdRestoretoDefault, &QPushButton::clicked, this, &frmOptions::cmdRestoretoDefault_Click);
    // The check belongs to the window: closing the window ends a check that is still waiting.
    m_updateCheck = new UpdateCheck(m_context, cmdCheckforUpdates, lblVersionAvailable, this);
    connect(cmdCheckforUpdates, &QPushButton::clicked, this, &frmOptions::cmdCheckforUpdates_Click);
    followValueChanges();

    adjustSize();
    centreOnScreen(*this);
}

void frmOptions::followValueChanges()
{
    // A value set from code runs its handler just as the user's change would, and only when the value
    // actually changes: the load and the restore to default rely on that.
    using Handler = void (frmOptions::*)();
    const std::pair<QCheckBox*, Handler> checkBoxes[] = {
        {chkGraphicalClockonStartup, &frmOptions::chkGraphicalClockonStartup_Click},
        {chkFormCaption, &frmOptions::chkFormCaption_Click},
        {chkSystemTrayDate, &frmOptions::chkSystemTrayDate_Click},
        {chkStartAtLogin, &frmOptions::chkStartAtLogin_Click},
        {chkWakeFromSleep, &frmOptions::chkWakeFromSleep_Click},
        {chkRingWhenMuted, &frmOptions::chkRingWhenMuted_Click}};
    for (const auto& [box, handler] : checkBoxes)
        connect(box, &QCheckBox::toggled, this, handler);
    // An option button's handler runs when it becomes the chosen one, not when it stops being it.
    const std::pair<QRadioButton*, Handler> optionButtons[] = {{opt12HR, &frmOptions::opt12HR_Click},
                                                               {opt24HR, &frmOptions::opt24HR_Click}};
    for (const auto& [button, handler] : optionButtons)
        connect(button, &QRadioButton::toggled, this, [this, handler = handler](bool chosen) {
            if (chosen)
                (this->*handler)();
        });
    const std::pair<QComboBox*, Handler> lists[] = {{cmbClockColour, &frmOptions::cmbClockColour_Click},
                                                    {cmbDateFormat, &frmOptions::cmbDateFormat_Click},
                                                    {cmbSnooze, &frmOptions::cmbSnooze_Click},
                                                    {cmbRingLength, &frmOptions::cmbRingLength_Click},
                                                    {cmbGentleStart, &frmOptions::cmbGentleStart_Click}};
    for (const auto& [list, handler] : lists) {
        // Nothing is selected until the load picks the stored entry.
        list->setCurrentIndex(-1);
        connect(list, &QComboBox::currentIndexChanged, this, [this, handler = handler](int index) {
            if (index >= 0)
                (this->*handler)();
        });
    }
}

void frmOptions::Form_Load()
{
    MakeLink(*lblWebLink, LinkState::SetUp);
    MakeLink(*lblEmailLink, LinkState::SetUp);

    const Settings::Store& settings = m_context.settings();
    (settings.read(Settings::Key::TimeInterval) == 1 ? opt12HR : opt24HR)->setChecked(true);
    if (settings.read(Settings::Key::GraphicalClockOnStartup) == Settings::On)
        chkGraphicalClockonStartup->setChecked(true);
    if (const int colour = cmbClockColour->findData(settings.read(Settings::Key::ClockColour)); colour >= 0)
        cmbClockColour->setCurrentIndex(colour);
    const QString pattern = Settings::datePatternForCode(settings.read(Settings::Key::DateFormat));
    if (!pattern.isEmpty())
        cmbDateFormat->setCurrentIndex(cmbDateFormat->findData(pattern));
    if (settings.read(Settings::Key::SystemTrayDate) == Settings::On)
        chkSystemTrayDate->setChecked(true);
    if (settings.read(Settings::Key::DateInFormCaption) == Settings::On)
        chkFormCaption->setChecked(true);
    chkStartAtLogin->setChecked(m_context.desktop().autostart.isThere());
    chkWakeFromSleep->setChecked(settings.wakeFromSleep());
    ShowWakeAvailability();
    cmbSnooze->setCurrentIndex(cmbSnooze->findData(settings.snoozeMinutes()));
    cmbRingLength->setCurrentIndex(cmbRingLength->findData(settings.ringSeconds()));
    cmbGentleStart->setCurrentIndex(cmbGentleStart->findData(settings.gentleStartSeconds()));
    chkRingWhenMuted->setChecked(settings.ringWhenMuted());
    lblCurrentVersion->setText(AppInfo::runningVersion());
    lblVersionAvailable->setText(UpdateCheck::tr(UpdateCheck::UnknownVersion));
}

void frmOptions::setMainCaption(bool withDate)
{
    frmMain& main = m_context.form<frmMain>();
    main.setWindowTitle(withDate ? main.captionWithDate() : AppInfo::ProductName);
}

void frmOptions::chkFormCaption_Click()
{
    const bool checked = chkFormCaption->isChecked();
    m_context.settings().write(Settings::Key::DateInFormCaption, checked ? Settings::On : Settings::Off);
    setMainCaption(checked);
}

void frmOptions::chkGraphicalClockonStartup_Click()
{
    m_context.settings().write(Settings::Key::GraphicalClockOnStartup,
                               chkGraphicalClockonStartup->isChecked() ? Settings::On : Settings::Off);
}

void frmOptions::chkSystemTrayDate_Click()
{
    m_context.settings().write(Settings::Key::SystemTrayDate,
                               chkSystemTrayDate->isChecked() ? Settings::On : Settings::Off);
}

void frmOptions::chkStartAtLogin_Click()
{
    AutostartEntry& entry = m_context.desktop().autostart;
    const bool wanted = chkStartAtLogin->isChecked();
    // Showing the entry's state runs this handler too; only a box that differs from the desktop acts.
    if (wanted == entry.isThere())
        return;
    const QString failure = wanted ? entry.write() : entry.remove();
    if (failure.isEmpty())
        return;
    m_context.desktop().messages.show(wanted ? tr("Tockwell could not set itself to start when you log in.")
                                             : tr("Tockwell could not stop starting when you log in."),
                                      MsgBox::OkOnly | MsgBox::Critical, AppInfo::ProductName, failure);
    // Back to what is so; the handler runs again and finds nothing to do.
    chkStartAtLogin->setChecked(entry.isThere());
}

void frmOptions::chkWakeFromSleep_Click()
{
    Settings::Store& settings = m_context.settings();
    // Showing the stored choice runs this handler too; only the user's change is stored.
    if (chkWakeFromSleep->isChecked() == settings.wakeFromSleep())
        return;
    settings.setWakeFromSleep(chkWakeFromSleep->isChecked());
    m_context.form<frmMain>().ArmWakeUp();
}

void frmOptions::ShowWakeAvailability()
{
    const QString reason = m_context.desktop().wakeTimer.unavailableReason();
    chkWakeFromSleep->setEnabled(reason.isEmpty());
    chkWakeFromSleep->setToolTip(reason);
}

void frmOptions::cmbSnooze_Click()
{
    Settings::Store& settings = m_context.settings();
    // Showing the stored length runs this handler too; only the user's change is stored.
    const int minutes = cmbSnooze->currentData().toInt();
    if (minutes != settings.snoozeMinutes())
        settings.setSnoozeMinutes(minutes);
}

// Showing a stored value runs these handlers too; only the user's change is stored.
void frmOptions::cmbRingLength_Click()
{
    if (const int seconds = cmbRingLength->currentData().toInt(); seconds != m_context.settings().ringSeconds())
        m_context.settings().setRingSeconds(seconds);
}

void frmOptions::cmbGentleStart_Click()
{
    if (const int seconds = cmbGentleStart->currentData().toInt(); seconds != m_context.settings().gentleStartSeconds())
        m_context.settings().setGentleStartSeconds(seconds);
}

void frmOptions::chkRingWhenMuted_Click()
{
    if (chkRingWhenMuted->isChecked() == m_context.settings().ringWhenMuted())
        return;
    m_context.settings().setRingWhenMuted(chkRingWhenMuted->isChecked());
    // The main window's line says what alarms will do about a muted output.
    m_context.form<frmMain>().ShowNextRing();
}

void frmOptions::cmbClockColour_Click()
{
    const int code = cmbClockColour->currentData().toInt();
    m_context.form<frmMain>().ApplyClockColour(code);
    m_context.settings().write(Settings::Key::ClockColour, code);
}

void frmOptions::cmbDateFormat_Click()
{
    m_context.DateFormat = cmbDateFormat->currentData().toString();
    // Stored on every pick, so the format the user sees is the one the next start uses. A load reads
    // and writes back the same code. The list holds the patterns in code order.
    m_context.settings().write(Settings::Key::DateFormat, cmbDateFormat->currentIndex() + 1);
    if (chkFormCaption->isChecked())
        setMainCaption(true);
}

void frmOptions::opt12HR_Click()
{
    m_context.settings().write(Settings::Key::TimeInterval, 1);
}

void frmOptions::opt24HR_Click()
{
    m_context.settings().write(Settings::Key::TimeInterval, 2);
}

void frmOptions::Form_MouseMove()
{
    MakeLink(*lblWebLink, LinkState::PointerLeft);
    MakeLink(*lblEmailLink, LinkState::PointerLeft);
}

void frmOptions::sstMain_MouseMove()
{
    Form_MouseMove();
}

void frmOptions::lblWebLink_MouseMove()
{
    MakeLink(*lblWebLink, LinkState::PointerOver);
}

void frmOptions::lblWebLink_Click()
{
    MakeLink(*lblWebLink, LinkState::Clicked);
    openAddress(m_context.desktop(), AppAddresses::Web);
}

void frmOptions::lblEmailLink_MouseMove()
{
    MakeLink(*lblEmailLink, LinkState::PointerOver);
}

void frmOptions::lblEmailLink_Click()
{
    MakeLink(*lblEmailLink, LinkState::Clicked);
    openAddress(m_context.desktop(), QStringLiteral("mailto:") + AppAddresses::SupportEmail);
}

void frmOptions::cmdRestoretoDefault_Click()
{
    Desktop& desktop = m_context.desktop();
    if (desktop.messages.show(tr("Are you sure you wish to reset all settings back to default?"),
                              MsgBox::YesNo | MsgBox::Question, AppInfo::ProductName) != MsgBox::Yes)
        return;
    // Each store comes before its control, whose handler then runs when the control's value changes.
    Settings::Store& settings = m_context.settings();
    settings.write(Settings::Key::GraphicalClockOnStartup, Settings::Off);
    chkGraphicalClockonStartup->setChecked(false);
    settings.write(Settings::Key::TimeInterval, 1);
    opt12HR->setChecked(true);
    settings.write(Settings::Key::ClockColour, 1);
    cmbClockColour->setCurrentIndex(cmbClockColour->findData(1));
    settings.write(Settings::Key::DateFormat, 1);
    cmbDateFormat->setCurrentIndex(0);
    settings.write(Settings::Key::SystemTrayDate, Settings::Off);
    chkSystemTrayDate->setChecked(false);
    settings.write(Settings::Key::DateInFormCaption, Settings::Off);
    chkFormCaption->setChecked(false);
    setMainCaption(false);
    desktop.messages.show(tr("All settings were successfully restored to default values."),
                          MsgBox::OkOnly | MsgBox::Information, AppInfo::ProductName);
}

void frmOptions::cmdCheckforUpdates_Click()
{
    m_updateCheck->start();
}

bool frmOptions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove && (watched == sstMain || watched == sstMain->tabBar() ||
                                               sstMain->indexOf(qobject_cast<QWidget*>(watched)) >= 0)) {
        sstMain_MouseMove();
    } else if (watched == lblWebLink || watched == lblEmailLink) {
        const bool web = watched == lblWebLink;
        switch (linkEvent(*static_cast<QLabel*>(watched), event)) {
        case LinkEvent::PointerOver:
            web ? lblWebLink_MouseMove() : lblEmailLink_MouseMove();
            break;
        case LinkEvent::PointerLeft:
            MakeLink(*static_cast<QLabel*>(watched), LinkState::PointerLeft);
            break;
        case LinkEvent::Click:
            web ? lblWebLink_Click() : lblEmailLink_Click();
            return true;
        case LinkEvent::None:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmOptions::mouseMoveEvent(QMouseEvent* event)
{
    Form_MouseMove();
    QDialog::mouseMoveEvent(event);
}

void frmOptions::keyPressEvent(QKeyEvent* event)
{
    // A focused button takes Enter itself. Anywhere else Enter presses nothing: the window has no OK
    // button, and the button a dialog would treat as its default is not the one the user is on.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmOptions::reject()
{
    m_context.unload<frmOptions>();
}
