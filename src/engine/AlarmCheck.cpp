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
    // A clock set back makes the window empty; looking resumes from the new time.
    if (!lastMs || nowMs <= *lastMs)
        return {};

    QList<int> result;
    for (int slot = 0; slot <= AlarmBook::LastSlot; ++slot) {
        const AlarmRecord& record = book[slot];
        const std::optional<int> hour = clockHour(record.Hour);
        if (!record.inUse() || !hour || record.Minute < 0 || record.Minute > 59 ||
            std::trunc(record.Minute) != record.Minute)
            continue;
        // Yesterday's instant matters when the window straddles midnight.
        for (const QDate date : {now.date(), now.date().addDays(-1)}) {
            QDateTime instant = now; // keeps the clock's time zone
            instant.setDate(date);
            instant.setTime(QTime(*hour, static_cast<int>(record.Minute)));
            if (!instant.isValid())
                continue;
            const qint64 instantMs = instant.toMSecsSinceEpoch();
            if (instantMs > *lastMs && instantMs <= nowMs && nowMs - instantMs < GraceMs) {
                result << slot;
                break;
            }
        }
    }
    return result;
}
