#include "AlarmCheck.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr qint64 MsPerMinute = 60'000;
constexpr qint64 MsPerDay = 24 * 60 * MsPerMinute;

// A wall-clock reading as one number, blind to zones and offsets: what the clock face shows.
qint64 wallMs(const QDate& date, qint64 msOfDay)
{
    return date.toJulianDay() * MsPerDay + msOfDay;
}

std::optional<int> clockMinute(float storedMinute)
{
    if (storedMinute < 0 || storedMinute > 59 || std::trunc(storedMinute) != storedMinute)
        return std::nullopt;
    return static_cast<int>(storedMinute);
}

} // namespace

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
    const QDate today = now.date();
    const qint64 nowOfDay = now.time().msecsSinceStartOfDay();
    const qint64 nowWall = wallMs(today, nowOfDay);
    const std::optional<qint64> last = std::exchange(m_lastLook, nowWall);
    if (!last || nowWall <= *last)
        return {};
    // A minute rings when it began after the previous look and no longer ago than the catch-up time.
    const qint64 earliest = std::max(*last + 1, nowWall - CatchUpMinutes * MsPerMinute);
    // Most looks fall in the minute of the previous one: no minute began, nothing to look up.
    if (nowWall - nowOfDay % MsPerMinute < earliest)
        return {};

    struct Due {
        qint64 minuteWall;
        int slot;
    };
    QList<Due> found;
    for (int slot = 0; slot <= AlarmBook::LastSlot; ++slot) {
        const AlarmRecord& record = book[slot];
        if (!record.inUse())
            continue;
        const std::optional<int> hour = clockHour(record.Hour);
        const std::optional<int> minute = clockMinute(record.Minute);
        if (!hour || !minute)
            continue;
        // The latest time the clock showed the alarm's minute start; only that one can be in reach.
        const int minuteOfDay = *hour * 60 + *minute;
        const QDate date = minuteOfDay * MsPerMinute <= nowOfDay ? today : today.addDays(-1);
        const qint64 minuteWall = wallMs(date, minuteOfDay * MsPerMinute);
        if (minuteWall >= earliest && m_rungOn[static_cast<std::size_t>(minuteOfDay)] != date)
            found.append({minuteWall, slot});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Due& a, const Due& b) { return a.minuteWall < b.minuteWall; });

    QList<int> dueSlots;
    dueSlots.reserve(found.size());
    for (const Due& due : found) {
        const qint64 minuteOfDay = (due.minuteWall % MsPerDay) / MsPerMinute;
        m_rungOn[static_cast<std::size_t>(minuteOfDay)] = QDate::fromJulianDay(due.minuteWall / MsPerDay);
        dueSlots.append(due.slot);
    }
    return dueSlots;
}
