#pragma once

#include "alarms/AlarmBook.h"

#include <QDate>
#include <QDateTime>
#include <QList>

#include <optional>

// Decides which recorded alarms ring. It remembers when it last looked, so an alarm whose
// minute began since then rings even when the tick that should have caught it came late:
// each alarm rings once a day, on the first look at or after its minute began, provided that
// look comes within the minute. A minute missed whole (a long suspend, a clock set forward) is
// left for the next day rather than rung out of the blue.
class AlarmCheck {
public:
    // The hour of the day (0..23) at which an alarm stored with `storedHour` rings, or nothing
    // for a value no recording produces. Stored hours run 1..24 with 12 for 12 AM and 24 for
    // 12 PM, so those two map to midnight and noon.
    static std::optional<int> clockHour(float storedHour);

    // The slots in use that are due at `now`, in slot order. The first look only sets the mark.
    QList<int> due(const AlarmBook& book, const QDateTime& now);

private:
    struct Minute {
        QDate date;
        int minuteOfDay = -1;
        bool isAfter(const Minute& other) const
        {
            return date > other.date || (date == other.date && minuteOfDay > other.minuteOfDay);
        }
    };

    std::optional<qint64> m_lastLookMs;
    // The latest wall-clock minute looked at from its start. A minute the clock shows again (summer
    // time ending, the clock set back) has had its ring for the day.
    Minute m_latestMinute;
};
