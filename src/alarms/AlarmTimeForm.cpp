#include "AlarmTimeForm.h"

#include "AlarmLineViews.h"
#include "app/AppInfo.h"
#include "app/Languages.h"
#include "app/ScreenPlacement.h"
#include "app/WindowFonts.h"
#include "app/modMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

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

    cmdAccept = new QPushButton(tr("Accept"), this);
    cmdAccept->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdAccept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frameTime);
    layout->addWidget(frameDescription);
    layout->addWidget(frameDays);
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
    return alarm;
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
    for (QWidget* next :
         std::initializer_list<QWidget*>{chkDays[0], chkDays[1], chkDays[2], chkDays[3], chkDays[4], chkDays[5],
                                         chkDays[6], cmdEveryDay, cmdWeekdays, cmdWeekend, chkRingOnce, after}) {
        if (next)
            setTabOrder(previous, next);
        previous = next;
    }
}

void AlarmTimeForm::tell(const QString& text)
{
    m_context.desktop().messages.show(text, MsgBox::OkOnly | MsgBox::Information, AppInfo::ProductName);
}
