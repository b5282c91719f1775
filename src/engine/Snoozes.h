#pragma once

#include "Ring.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

#include <array>
#include <functional>
#include <optional>

// Alarms the user asked to hear again a few minutes after they rang. A snooze is not a recorded alarm: it rings
// once, at a moment rather than at a time of day, and is kept apart from the alarm table, so that no list, session
// file or kept table ever shows it. Each line waits at most once; snoozing it again moves it.
class Snoozes {
    Q_DECLARE_TR_FUNCTIONS(Snoozes)

public:
    // The lengths the user may choose, in minutes, and the one a new user gets.
    static constexpr std::array<int, 7> Lengths = {1, 5, 10, 15, 20, 30, 60};
    static constexpr int DefaultLength = 10;
    // `minutes` when it is one of Lengths, otherwise DefaultLength.
    static int length(int minutes);

    struct Snooze {
        Ring ring; // the alarm, as its window showed it
        QDateTime rings;
        bool operator==(const Snooze&) const = default;
    };
    // Soonest first.
    const QList<Snooze>& all() const { return m_snoozes; }
    void add(const Ring& ring, const QDateTime& rings);
    void cancel(const Snooze& snooze);
    // When the first snooze after `now` rings, or nothing when none waits.
    std::optional<QDateTime> next(const QDateTime& now) const;

    struct Due {
        QList<Ring> ringing;  // to ring now, soonest first
        QList<Snooze> missed; // whose moment passed longer ago than an alarm may ring late
    };
    // Takes out every snooze whose moment has come by `now`.
    Due takeDue(const QDateTime& now);

    // What the main window says of a waiting snooze: "Snoozed: 7:00 AM   -   Wake up, rings at 7:10 AM".
    static QString waitingText(const Snooze& snooze);
    // How a snooze that never rang is named among the missed alarms.
    static QString missedText(const QString& line);

    // The file form: UTF-8 JSON, moments in UTC, soonest first, at most `cap` bytes: snoozes that would make it
    // longer are left out, and `left` (when given) counts them.
    QByteArray encode(qsizetype cap, int* left = nullptr) const;
    // Replaces every snooze with those `data` holds, without telling onChanged; false, changing nothing, when
    // `data` is no snooze file.
    bool decode(const QByteArray& data);

    // Told after every change, so that what keeps the snoozes across runs never misses one.
    std::function<void()> onChanged;

private:
    void changed();

    QList<Snooze> m_snoozes;
};
