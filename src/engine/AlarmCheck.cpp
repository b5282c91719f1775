#include "AlarmCheck.h"

#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr qint64 MsPerMinute = 60'000;
constexpr qint64 MsPerDay = 24 * 60 * MsPerMinute;
constexpr qint64 JulianDayOfEpoch = 2440588; // 1970-01-01

// A wall-clock reading as one number, blind to zones and offsets: what the clock face shows.
qint64 wallMs(const QDate& date, qint64 msOfDay)
{
    return date.toJulianDay() * MsPerDay + msOfDay;
}

// The minute of the day (0..1439) at which the alarm in `record` rings, or nothing for values no recording
// produces; a slot not in use holds hour 0, which is one of them.
std::optional<int> ringMinuteOfDay(const AlarmRecord& record)
{
    const float storedMinute = record.Minute;
    if (storedMinute < 0 || storedMinute > 59 || std::trunc(storedMinute) != storedMinute)
        return std::nullopt;
    const std::optional<int> hour = AlarmCheck::clockHour(record.Hour);
    if (!hour)
        return std::nullopt;
    return *hour * 60 + static_cast<int>(storedMinute);
}

// The first moment at which the clock, in `near`'s zone, shows the wall-clock reading `wall`, or the
// moment it jumps past it (summer time beginning). The search starts from `near`'s offset from UTC and
// moves by the offset's change in between; summer time never changes often enough to need more rounds.
QDateTime firstShowing(qint64 wall, const QDateTime& near)
{
    const QTimeZone zone = near.timeZone();
    qint64 utc = wall - near.offsetFromUtc() * qint64(1000) - JulianDayOfEpoch * MsPerDay;
    std::optional<qint64> before; // a moment that shows an earlier reading
    for (int round = 0; round < 4; ++round) {
        const QDateTime at = QDateTime::fromMSecsSinceEpoch(utc, zone);
        const qint64 shown = wallMs(at.date(), at.time().msecsSinceStartOfDay());
        if (shown == wall)
            return at;
        if (shown < wall) {
            before = utc;
            utc += wall - shown;
        } else if (before) {
            // Earlier readings before, later ones after: the clock skipped `wall` at a change in between.
            return zone.nextTransition(QDateTime::fromMSecsSinceEpoch(*before, zone)).atUtc.toTimeZone(zone);
        } else {
            utc -= shown - wall;
        }
    }
    return QDateTime::fromMSecsSinceEpoch(utc, zone);
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

bool AlarmCheck::ringsOn(const AlarmRecord& record, const QDate& date)
{
    return record.on && (record.once || (record.days & dayBit(date.dayOfWeek())) != 0);
}

AlarmCheck::Look AlarmCheck::look(const AlarmBook& book, const QDateTime& now)
{
    const QDate today = now.date();
    const qint64 nowOfDay = now.time().msecsSinceStartOfDay();
    const qint64 nowWall = wallMs(today, nowOfDay);
    const std::optional<qint64> last = std::exchange(m_lastLook, nowWall);
    if (!last || nowWall <= *last)
        return {};
    // Most looks fall in the minute of the previous one: no minute began, nothing to look up.
    if (nowWall - nowOfDay % MsPerMinute <= *last)
        return {};
    // A minute that began after the previous look rings when it is no longer ago than the catch-up time.
    const qint64 catchUpFrom = nowWall - CatchUpMinutes * MsPerMinute;

    struct Found {
        qint64 minuteWall;
        int slot;
    };
    QList<Found> found;
    for (int slot = 0; slot <= AlarmBook::LastSlot; ++slot) {
        const AlarmRecord& record = book[slot];
        const std::optional<int> ringsAt = ringMinuteOfDay(record);
        if (!ringsAt || !record.on)
            continue;
        // The latest time the clock showed the alarm's minute on one of its days; only that one can be in
        // reach. After days asleep an alarm was missed on each of them, and is named once.
        const int minuteOfDay = *ringsAt;
        QDate date = minuteOfDay * MsPerMinute <= nowOfDay ? today : today.addDays(-1);
        for (int back = 0; back < 7 && !ringsOn(record, date); ++back)
            date = date.addDays(-1);
        const qint64 minuteWall = wallMs(date, minuteOfDay * MsPerMinute);
        if (minuteWall > *last && ringsOn(record, date) && m_rungOn[static_cast<std::size_t>(minuteOfDay)] != date)
            found.append({minuteWall, slot});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Found& a, const Found& b) { return a.minuteWall < b.minuteWall; });

    Look look;
    for (const Found& alarm : found) {
        if (alarm.minuteWall < catchUpFrom) {
            // Not marked as rung: a clock that was wrongly ahead and is set right again comes back to the
            // minute, which must ring then. Each look covers only the time since the previous one, so the
            // missed alarm is not named twice.
            look.missed.append({alarm.slot, firstShowing(alarm.minuteWall, now)});
            continue;
        }
        const qint64 minuteOfDay = (alarm.minuteWall % MsPerDay) / MsPerMinute;
        m_rungOn[static_cast<std::size_t>(minuteOfDay)] = QDate::fromJulianDay(alarm.minuteWall / MsPerDay);
        look.ringing.append({alarm.slot, firstShowing(alarm.minuteWall, now)});
    }
    return look;
}

std::optional<QDateTime> AlarmCheck::nextRing(const AlarmBook& book, const QDateTime& now) const
{
    const QDate today = now.date();
    const qint64 nowWall = wallMs(today, now.time().msecsSinceStartOfDay());
    std::optional<qint64> next;
    for (int slot = 0; slot <= AlarmBook::LastSlot; ++slot) {
        const AlarmRecord& record = book[slot];
        const std::optional<int> ringsAt = ringMinuteOfDay(record);
        if (!ringsAt || !record.on)
            continue;
        const int minuteOfDay = *ringsAt;
        // A week and a day cover every day of the week after a minute already past today. A date whose minute
        // rang already: the clock went back (set back, summer time ending) and shows the minute again.
        for (QDate date = today; date <= today.addDays(7); date = date.addDays(1)) {
            const qint64 minuteWall = wallMs(date, minuteOfDay * MsPerMinute);
            if (minuteWall <= nowWall || !ringsOn(record, date) ||
                m_rungOn[static_cast<std::size_t>(minuteOfDay)] == date)
                continue;
            if (!next || minuteWall < *next)
                next = minuteWall;
            break;
        }
    }
    if (!next)
        return std::nullopt;
    return firstShowing(*next, now);
}
