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
