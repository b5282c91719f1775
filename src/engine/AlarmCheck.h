#pragma once

#include "alarms/AlarmBook.h"

#include <QDate>
#include <QDateTime>
#include <QList>

#include <array>
#include <optional>

// Decides which recorded alarms ring. Each look covers the wall-clock time since the previous
// look: an alarm rings on the first look at or after its minute began, so a tick that came late,
// a program that could not run, or a computer that slept still rings it, once, as long as the
// look comes within CatchUpMinutes of the alarm's time. Older ones stay silent, since yesterday's
// alarm at noon helps nobody, but they are named as missed, so that the user hears of them.
//
// The check works on wall-clock readings (date and time of day, as the zone shows them), since
// that is what an alarm names. A monotonic clock cannot tell a suspend from a clock set forward
// (on Linux it stops during a suspend), and both pass over alarms the user expects to hear, so
// every forward move of the wall clock counts as time that passed, like turning the hands of a
// clock on the nightstand. A clock that goes back (set back, summer time ending) covers nothing;
// each alarm time remembers the date it last rang, so a minute shown twice rings once and every
// other alarm rings whatever the clock did before.
class AlarmCheck {
public:
    static constexpr int CatchUpMinutes = 60;
    // How long before an alarm the computer is woken, so that it is up, and its sound server ready,
    // when the minute comes.
    static constexpr int WakeLeadSeconds = 60;

    // The hour of the day (0..23) at which an alarm stored with `storedHour` rings, or nothing
    // for a value no recording produces. Stored hours run 1..24 with 12 for 12 AM and 24 for
    // 12 PM, so those two map to midnight and noon.
    static std::optional<int> clockHour(float storedHour);

    // Whether `record` rings when its minute falls on `date` on the wall clock: it is on, and rings once (at
    // its next time, whatever the day) or on that day of the week.
    static bool ringsOn(const AlarmRecord& record, const QDate& date);

    struct Due {
        int slot;
        QDateTime minute; // when its minute began
        bool operator==(const Due&) const = default;
    };
    struct Look {
        // The slots in use that ring now: oldest minute first, then in slot order.
        QList<Due> ringing;
        // The slots whose minute began since the previous look but too long ago to ring, in the same order.
        QList<Due> missed;
    };
    // What a look at `now` finds. The first look only sets the mark.
    Look look(const AlarmBook& book, const QDateTime& now);

    // The first moment after `now`, in `now`'s zone, at which an alarm of `book` rings, or nothing when
    // none is on. A time the clock skips (summer time beginning) rings when the clock jumps past it.
    std::optional<QDateTime> nextRing(const AlarmBook& book, const QDateTime& now) const;

private:
    static constexpr int MinutesPerDay = 24 * 60;

    std::optional<qint64> m_lastLook;
    // Per alarm time (minute of the day), the date whose minute last rang. An alarm is known
    // by its time (alarms of one time always ring together), so editing a description or loading the same
    // alarms into other slots keeps the memory, and an alarm moved to another time is a new one.
    std::array<QDate, MinutesPerDay> m_rungOn{};
};
