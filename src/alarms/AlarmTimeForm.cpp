#include "AlarmTimeForm.h"

#include "AlarmLineViews.h"
#include "app/AppInfo.h"
#include "app/ScreenPlacement.h"
#include "app/WindowFonts.h"
#include "app/modMain.h"

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

    cmdAccept = new QPushButton(tr("Accept"), this);
    cmdAccept->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdAccept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frameTime);
    layout->addWidget(frameDescription);
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
    return AlarmRecord{storedHour(cmbHour->currentText().toInt(), cmbAmPm->currentText()),
                       static_cast<float>(cmbMinutes->currentText().toInt()),
                       storedDescription(txtShortDescription->text())};
}

void AlarmTimeForm::tell(const QString& text)
{
    m_context.desktop().messages.show(text, MsgBox::OkOnly | MsgBox::Information, AppInfo::ProductName);
}
