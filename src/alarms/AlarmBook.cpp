#include "AlarmBook.h"

#include <charconv>

QString numberText(float value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString alarmLine(const AlarmRecord& record)
{
    QString line = numberText(record.Hour);
    line += record.Minute < 10 ? QStringLiteral(":0") : QStringLiteral(":");
    line += numberText(record.Minute);
    line += record.Hour <= 12 ? QStringLiteral(" AM") : QStringLiteral(" PM");
    line += QStringLiteral("   -   ");
    line += record.Description;
    return line;
}

QString twoDigitText(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

float storedHour(int chosenHour, const QString& amPm)
{
    return amPm == QLatin1String("AM") ? static_cast<float>(chosenHour) : static_cast<float>(chosenHour + 12);
}

QString storedDescription(const QString& typed)
{
    return typed.isEmpty() ? QStringLiteral("N/A") : typed;
}

AlarmChoices choicesFor(const AlarmRecord& record)
{
    AlarmChoices choices;
    float hour = record.Hour;
    if (hour <= 12) {
        choices.amPm = QStringLiteral("AM");
    } else {
        choices.amPm = QStringLiteral("PM");
        hour -= 12;
    }
    // Built from the number's own text rather than rounded, so an odd value from a file selects nothing.
    choices.hour = hour < 10 ? QLatin1Char('0') + numberText(hour) : numberText(hour);
    if (record.Minute == 0)
        choices.minute = QStringLiteral("00");
    else
        choices.minute = record.Minute >= 10 ? numberText(record.Minute) : QLatin1Char('0') + numberText(record.Minute);

    // Only blanks are cut, as the description was typed; other white space is left alone.
    const QString& text = record.Description;
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    choices.description = text.mid(first, last - first);
    return choices;
}

int AlarmBook::AlarmCount() const
{
    int count = 0;
    for (const AlarmRecord& record : m_slots)
        count += record.inUse() ? 1 : 0;
    return count;
}

int AlarmBook::lowestFreeSlot() const
{
    for (int slot = 1; slot <= LastSlot; ++slot) {
        if (!(*this)[slot].inUse())
            return slot;
    }
    return -1;
}

int AlarmBook::findTime(float hour, float minute, int ignoredSlot) const
{
    for (int slot = 0; slot <= LastSlot; ++slot) {
        const AlarmRecord& record = (*this)[slot];
        if (slot != ignoredSlot && record.inUse() && record.Hour == hour && record.Minute == minute)
            return slot;
    }
    return -1;
}

int AlarmBook::findLine(const QString& line) const
{
    for (int slot = 0; slot <= LastSlot; ++slot) {
        const AlarmRecord& record = (*this)[slot];
        if (record.inUse() && alarmLine(record) == line)
            return slot;
    }
    return -1;
}

QStringList AlarmBook::lines() const
{
    QStringList result;
    for (const AlarmRecord& record : m_slots) {
        if (record.inUse())
            result << alarmLine(record);
    }
    return result;
}

AlarmBook::Entry AlarmBook::record(const AlarmRecord& alarm)
{
    if (findTime(alarm.Hour, alarm.Minute) >= 0)
        return Entry::DuplicateTime;
    const int slot = lowestFreeSlot();
    if (slot < 0)
        return Entry::TableFull;
    (*this)[slot] = alarm;
    changed();
    return Entry::Written;
}

AlarmBook::Entry AlarmBook::rewrite(int slot, const AlarmRecord& alarm)
{
    if (findTime(alarm.Hour, alarm.Minute, slot) >= 0)
        return Entry::DuplicateTime;
    (*this)[slot] = alarm;
    changed();
    return Entry::Written;
}

int AlarmBook::removeLine(const QString& line)
{
    const int slot = findLine(line);
    if (slot >= 0)
        free(slot);
    return slot;
}
