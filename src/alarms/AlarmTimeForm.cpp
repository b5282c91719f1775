#include "AlarmTimeForm.h"

#include "AlarmLineViews.h"
#include "app/AppInfo.h"
#include "app/Languages.h"
#include "app/ScreenPlacement.h"
#include "app/WindowFonts.h"
#include "app/modMain.h"
#include "engine/AlarmSound.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int FileRole = Qt::UserRole + 1;

QComboBox* choiceList(QWidget* parent, const QStringList& items)
{
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    list->addItems(items);
    list->setCurrentIndex(-1);
    list->setMinimumContentsLength(3);
    return list;
}

// The label also names its control for screen readers.
QLabel* caption(const QString& text, QWidget* parent, QWidget* control)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(control);
    return label;
}

} // namespace

AlarmTimeForm::AlarmTimeForm(modMain& context, const QString& windowCaption) : QDialog(nullptr), m_context(context)
{
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(WindowFonts::tahomaBold());
    setWindowTitle(windowCaption);

    auto* frameTime = new QGroupBox(tr("Alarm Time"), this);
    QStringList hours;
    for (int hour = 1; hour <= 12; ++hour)
        hours << twoDigitText(hour);
    cmbHour = choiceList(frameTime, hours);
    cmbMinutes = choiceList(frameTime, {});
    cmbAmPm = choiceList(frameTime, {QStringLiteral("AM"), QStringLiteral("PM")});
    auto* timeLayout = new QGridLayout(frameTime);
    timeLayout->addWidget(caption(tr("Hour:"), frameTime, cmbHour), 0, 0);
    timeLayout->addWidget(cmbHour, 1, 0);
    timeLayout->addWidget(caption(tr("Minute:"), frameTime, cmbMinutes), 0, 1);
    timeLayout->addWidget(cmbMinutes, 1, 1);
    timeLayout->addWidget(caption(tr("AM/PM:"), frameTime, cmbAmPm), 0, 2);
    timeLayout->addWidget(cmbAmPm, 1, 2);

    auto* frameDescription = new QGroupBox(tr("Description"), this);
    txtShortDescription = new QLineEdit(frameDescription);
    txtShortDescription->setMaxLength(MaxDescriptionLength);
    AlarmLineViews::fitLongestDescription(*txtShortDescription);
    auto* descriptionLayout = new QVBoxLayout(frameDescription);
    descriptionLayout->addWidget(
        caption(tr("Max of %n characters:", nullptr, MaxDescriptionLength), frameDescription, txtShortDescription));
    descriptionLayout->addWidget(txtShortDescription);

    // The days as the user's week runs, named in the language spoken; every day for a new alarm, as ever.
    frameDays = new QGroupBox(tr("Days"), this);
    const QLocale region;
    const QLocale language = Languages::dateLocale();
    auto* daysLayout = new QGridLayout(frameDays);
    for (int i = 0; i < 7; ++i) {
        dayOfBox[i] = (region.firstDayOfWeek() - 1 + i) % 7 + 1;
        chkDays[i] = new QCheckBox(language.dayName(dayOfBox[i], QLocale::ShortFormat), frameDays);
        chkDays[i]->setAccessibleName(language.dayName(dayOfBox[i]));
        chkDays[i]->setChecked(true);
        daysLayout->addWidget(chkDays[i], 0, i);
    }
    const auto choice = [this](const QString& text, WeekDays days) {
        auto* button = new QPushButton(text, frameDays);
        // Return accepts the alarm whatever has the focus.
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, days] { setDays(days); });
        return button;
    };
    WeekDays weekdays = 0;
    for (const Qt::DayOfWeek day : region.weekdays())
        weekdays |= dayBit(day);
    cmdEveryDay = choice(tr("Every day"), EveryDay);
    cmdWeekdays = choice(tr("Weekdays"), weekdays);
    cmdWeekend = choice(tr("Weekend"), EveryDay & ~weekdays);
    chkRingOnce = new QCheckBox(tr("Ring once"), frameDays);
    chkRingOnce->setToolTip(tr("Rings at its next time, whatever the day, then switches itself off"));
    // Once rings on whichever day comes first: the days do not apply.
    connect(chkRingOnce, &QCheckBox::toggled, this, [this](bool once) {
        for (QWidget* day : chkDays)
            day->setEnabled(!once);
        for (QWidget* button : {cmdEveryDay, cmdWeekdays, cmdWeekend})
            button->setEnabled(!once);
    });
    auto* choices = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{cmdEveryDay, cmdWeekdays, cmdWeekend})
        choices->addWidget(widget);
    choices->addStretch();
    choices->addWidget(chkRingOnce);
    daysLayout->addLayout(choices, 1, 0, 1, 7);

    auto* frameSound = new QGroupBox(tr("Sound"), this);
    cmbSound = new QComboBox(frameSound);
    // The name a built-in sound is kept by; a file chosen keeps its path under FileRole.
    for (const auto& [name, text] : {std::pair{QString(), tr("Alarm sound")},
                                     {AlarmSound::Chime, tr("Chime")},
                                     {AlarmSound::Rising, tr("Rising beeps")}})
        cmbSound->addItem(text, name);
    cmbSound->addItem(tr("Choose a file..."));
    cmbSound->setAccessibleName(tr("Sound"));
    spnVolume = new QSpinBox(frameSound);
    spnVolume->setRange(0, 100);
    spnVolume->setValue(100);
    spnVolume->setSuffix(QStringLiteral(" %"));
    cmdPlay = new QPushButton(tr("Play"), frameSound);
    cmdPlay->setAutoDefault(false);
    auto* soundLayout = new QHBoxLayout(frameSound);
    soundLayout->addWidget(cmbSound, 1);
    soundLayout->addWidget(caption(tr("Volume:"), frameSound, spnVolume));
    soundLayout->addWidget(spnVolume);
    soundLayout->addWidget(cmdPlay);
    connect(cmbSound, &QComboBox::activated, this, &AlarmTimeForm::cmbSound_Click);
    connect(cmdPlay, &QPushButton::clicked, this, &AlarmTimeForm::cmdPlay_Click);

    cmdAccept = new QPushButton(tr("Accept"), this);
    cmdAccept->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdAccept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frameTime);
    layout->addWidget(frameDescription);
    layout->addWidget(frameDays);
    layout->addWidget(frameSound);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    adjustSize();
    centreOnScreen(*this);
}

void AlarmTimeForm::fillMinutes()
{
    cmbMinutes->clear();
    for (int minute = 0; minute <= 59; ++minute)
        cmbMinutes->addItem(twoDigitText(minute));
    cmbMinutes->setCurrentIndex(-1);
}

std::optional<AlarmRecord> AlarmTimeForm::chosenAlarm()
{
    if (cmbHour->currentText().isEmpty()) {
        tell(tr("You will need to enter an hour time for the alarm to be set off."));
        return std::nullopt;
    }
    if (cmbMinutes->currentText().isEmpty()) {
        tell(tr("You will need to enter a minute time for the alarm to be set off."));
        return std::nullopt;
    }
    if (cmbAmPm->currentText().isEmpty()) {
        tell(tr("You will need to enter an AM/PM time for the alarm to be set off."));
        return std::nullopt;
    }
    if (!chkRingOnce->isChecked() && chosenDays() == 0) {
        tell(tr("You will need to choose a day for the alarm to be set off, or Ring once."));
        return std::nullopt;
    }
    AlarmRecord alarm{storedHour(cmbHour->currentText().toInt(), cmbAmPm->currentText()),
                      static_cast<float>(cmbMinutes->currentText().toInt()),
                      storedDescription(txtShortDescription->text())};
    alarm.days = chosenDays();
    alarm.once = chkRingOnce->isChecked();
    alarm.sound = cmbSound->currentData().toString();
    alarm.soundFile = cmbSound->currentData(FileRole).toString();
    alarm.volume = spnVolume->value();
    return alarm;
}

void AlarmTimeForm::setSound(const AlarmRecord& alarm)
{
    spnVolume->setValue(alarm.volume);
    const int chooser = cmbSound->count() - 1;
    // A file has its own line, above "Choose a file...", named as the file is; one chosen before is replaced.
    if (cmbSound->itemData(chooser - 1, FileRole).isValid())
        cmbSound->removeItem(chooser - 1);
    if (!alarm.soundFile.isEmpty()) {
        cmbSound->insertItem(cmbSound->count() - 1, QFileInfo(alarm.soundFile).fileName(), alarm.sound);
        cmbSound->setItemData(cmbSound->count() - 2, alarm.soundFile, FileRole);
        cmbSound->setItemData(cmbSound->count() - 2, QDir::toNativeSeparators(alarm.soundFile), Qt::ToolTipRole);
        cmbSound->setCurrentIndex(cmbSound->count() - 2);
    } else {
        cmbSound->setCurrentIndex(std::max(0, cmbSound->findData(alarm.sound)));
    }
    m_soundShown = cmbSound->currentIndex();
}

void AlarmTimeForm::cmbSound_Click()
{
    StopPreview();
    if (cmbSound->currentIndex() != cmbSound->count() - 1) {
        m_soundShown = cmbSound->currentIndex();
        return;
    }
    const QString file = m_context.desktop().files.openFile(tr("Sound files") +
                                                            QStringLiteral(" | *.wav *.flac *.ogg *.oga *.opus *.mp3"));
    if (file.isEmpty())
        return cmbSound->setCurrentIndex(m_soundShown);
    AlarmRecord chosen;
    chosen.soundFile = file;
    chosen.volume = spnVolume->value();
    setSound(chosen);
}

void AlarmTimeForm::cmdPlay_Click()
{
    if (m_previewing)
        return StopPreview();
    Ring ring;
    ring.sound = cmbSound->currentData().toString();
    ring.soundFile = cmbSound->currentData(FileRole).toString();
    ring.volume = spnVolume->value();
    m_previewing = true;
    cmdPlay->setText(tr("Stop"));
    m_context.previewSound(ring, [this] {
        m_previewing = false;
        cmdPlay->setText(tr("Play"));
    });
}

void AlarmTimeForm::StopPreview()
{
    if (!m_previewing)
        return;
    m_context.stopPreview();
    m_previewing = false;
    cmdPlay->setText(tr("Play"));
}

void AlarmTimeForm::hideEvent(QHideEvent* event)
{
    StopPreview();
    QDialog::hideEvent(event);
}

void AlarmTimeForm::setDays(WeekDays days)
{
    for (int i = 0; i < 7; ++i)
        chkDays[i]->setChecked(days & dayBit(dayOfBox[i]));
}

WeekDays AlarmTimeForm::chosenDays() const
{
    WeekDays days = 0;
    for (int i = 0; i < 7; ++i)
        days |= chkDays[i]->isChecked() ? dayBit(dayOfBox[i]) : 0;
    return days;
}

void AlarmTimeForm::chainDays(QWidget* before, QWidget* after)
{
    QWidget* previous = before;
    for (QWidget* next : std::initializer_list<QWidget*>{chkDays[0], chkDays[1], chkDays[2], chkDays[3], chkDays[4],
                                                         chkDays[5], chkDays[6], cmdEveryDay, cmdWeekdays, cmdWeekend,
                                                         chkRingOnce, cmbSound, spnVolume, cmdPlay, after}) {
        if (next)
            setTabOrder(previous, next);
        previous = next;
    }
}

void AlarmTimeForm::tell(const QString& text)
{
    m_context.desktop().messages.show(text, MsgBox::OkOnly | MsgBox::Information, AppInfo::ProductName);
}
