#pragma once

#include "AlarmCheck.h"
#include "Ring.h"
#include "Snoozes.h"
#include "TimeTexts.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QLocale>

#include <optional>

// What rings when, for the whole program: the recorded alarms on their days, one-time alarms, snoozes, the alarms
// missed while the program could not look, the next ring and the computer's wake-up for it. Time is a parameter;
// the windows carry out what it answers (ring these, tell of those, wake then) and decide nothing of it.
class Ringing {
    Q_DECLARE_TR_FUNCTIONS(Ringing)

public:
    // How far ahead a wake-up must be for the helper that sets it to take it: it refuses one under ten seconds.
    static constexpr int MinWakeAheadSeconds = 15;

    Ringing(AlarmBook& book, Snoozes& snoozes);

    struct Missed {
        QDateTime due;
        QString line; // the alarm's line; a snooze says so
        bool operator==(const Missed&) const = default;
    };
    struct Look {
        QList<Ring> ringing; // the alarms in the order of their minutes, then the snoozes
        QList<Missed> missed;
    };
    // What rings at `now`, and what was missed since the last look. A one-time alarm whose time came is switched
    // off in the book before this returns, so that a program killed under its window does not ring it again.
    // Snoozes are looked at only with `snoozesToo`: one kept from the last run waits for the main window.
    Look look(const QDateTime& now, bool snoozesToo = true);

    static Ring ringOf(const AlarmRecord& record);
    // Snoozes `ring` until `at`.
    void snooze(const Ring& ring, const QDateTime& at);

    // The first moment after `now` at which an alarm that is on, or a snooze, rings.
    std::optional<QDateTime> nextRing(const QDateTime& now) const;
    // When to wake the computer for it: AlarmCheck::WakeLeadSeconds before, or at the ring itself once that lead
    // has begun; nothing when there is no ring at least MinWakeAheadSeconds ahead.
    std::optional<QDateTime> wakeTime(const QDateTime& now) const;
    // Whether the computer, awake at `now`, was woken for a ring: one is due within the wake lead and a minute.
    bool wokeForRing(const QDateTime& now) const;

    // The missed alarms not yet told in a box, oldest first, and taking them.
    bool hasMissed() const { return !m_missed.isEmpty(); }
    QList<Missed> takeMissed();
    // Those not yet told in a notification: each new batch is told there once.
    QList<Missed> takeUnnotified();

    // The missed alarms, one line each with their day: at most `most` lines, then how many more there are.
    static QString missedLines(const QList<Missed>& missed, const QLocale& locale, int most);
    // "Next alarm: Monday 6:30 AM", or "No alarm set".
    static QString nextRingText(const std::optional<QDateTime>& ring, TimeTexts::HourMode mode, const QLocale& locale);

private:
    AlarmBook& m_book;
    Snoozes& m_snoozes;
    AlarmCheck m_check;
    QList<Missed> m_missed;
    QList<Missed> m_unnotified;
};
