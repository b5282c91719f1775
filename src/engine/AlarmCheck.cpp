#include "AlarmCheck.h"

#include <cmath>

std::optional<int> AlarmCheck::clockHour(float storedHour)
{
    if (storedHour < 1 || storedHour > 24 || std::trunc(storedHour) != storedHour)
        return std::nullopt;
    const int hour = static_cast<int>(storedHour);
    if (hour == 12)
        return 0;
    if (hour == 24)
        return 12;
    return hour;
}

QList<int> AlarmCheck::due(const AlarmBook& book, const QDateTime& now)
{
    const qint64 nowMs = now.toMSecsSinceEpoch();
    const std::optional<qint64> lastMs = m_lastLookMs;
    m_lastLookMs = nowMs;
    if (!lastMs || nowMs <= *lastMs)
        return {};

    // Only the minute `now` falls in can ring: any earlier minute began 60 s or more ago. It rings
    // when this is the first look since it began.
    const QTime time = now.time();
    const qint64 minuteStartMs = nowMs - (time.second() * 1000 + time.msec());
    if (minuteStartMs <= *lastMs)
        return {};
    const Minute minute{now.date(), time.hour() * 60 + time.minute()};
    if (!minute.isAfter(m_latestMinute))
        return {};
    m_latestMinute = minute;

    QList<int> result;
    for (int slot = 0; slot <= AlarmBook::LastSlot; ++slot) {
        const AlarmRecord& record = book[slot];
        if (record.inUse() && clockHour(record.Hour) == time.hour() && record.Minute == time.minute())
            result << slot;
    }
    return result;
}
