#include "Ringing.h"

#include <algorithm>
#include <utility>

Ringing::Ringing(AlarmBook& book, Snoozes& snoozes) : m_book(book), m_snoozes(snoozes) {}

Ring Ringing::ringOf(const AlarmRecord& record)
{
    return {alarmLine(record), record.sound, record.soundFile, record.volume};
}

Ringing::Look Ringing::look(const QDateTime& now, bool snoozesToo)
{
    const AlarmCheck::Look found = m_check.look(m_book, now);
    Look look;
    // A one-time alarm has had its one time, rung or missed: either way it is not for tomorrow.
    QList<int> spent;
    for (const AlarmCheck::Due& due : found.ringing) {
        look.ringing << ringOf(m_book[due.slot]);
        if (m_book[due.slot].once)
            spent << due.slot;
    }
    for (const AlarmCheck::Due& due : found.missed) {
        look.missed << Missed{due.minute, alarmLine(m_book[due.slot])};
        if (m_book[due.slot].once)
            spent << due.slot;
    }
    if (snoozesToo) {
        const Snoozes::Due snoozes = m_snoozes.takeDue(now);
        look.ringing << snoozes.ringing;
        for (const Snoozes::Snooze& snooze : snoozes.missed)
            look.missed << Missed{snooze.rings, Snoozes::missedText(snooze.ring.line)};
    }
    m_book.setOn(spent, false);
    m_missed << look.missed;
    m_unnotified << look.missed;
    return look;
}

void Ringing::snooze(const Ring& ring, const QDateTime& at)
{
    m_snoozes.add(ring, at);
}

std::optional<QDateTime> Ringing::nextRing(const QDateTime& now) const
{
    const std::optional<QDateTime> alarm = m_check.nextRing(m_book, now);
    const std::optional<QDateTime> snooze = m_snoozes.next(now);
    if (alarm && snooze)
        return std::min(*alarm, *snooze);
    return alarm ? alarm : snooze;
}

std::optional<QDateTime> Ringing::wakeTime(const QDateTime& now) const
{
    const std::optional<QDateTime> ring = nextRing(now);
    if (!ring)
        return std::nullopt;
    for (const QDateTime& at : {ring->addSecs(-AlarmCheck::WakeLeadSeconds), *ring}) {
        if (now.secsTo(at) >= MinWakeAheadSeconds)
            return at;
    }
    return std::nullopt;
}

bool Ringing::wokeForRing(const QDateTime& now) const
{
    const std::optional<QDateTime> ring = nextRing(now);
    return ring && now.secsTo(*ring) <= AlarmCheck::WakeLeadSeconds + 60;
}

QList<Ringing::Missed> Ringing::takeMissed()
{
    return std::exchange(m_missed, {});
}

QList<Ringing::Missed> Ringing::takeUnnotified()
{
    return std::exchange(m_unnotified, {});
}

QString Ringing::missedLines(const QList<Missed>& missed, const QLocale& locale, int most)
{
    QStringList lines;
    for (const Missed& alarm : missed.first(std::min<qsizetype>(most, missed.size())))
        //: An alarm's line, then the day it was missed on.
        lines << tr("%1 (%2)").arg(alarm.line, locale.toString(alarm.due.date(), QLocale::LongFormat));
    if (missed.size() > most)
        lines << tr("and %n more", nullptr, int(missed.size() - most));
    return lines.join(u'\n');
}

QString Ringing::nextRingText(const std::optional<QDateTime>& ring, TimeTexts::HourMode mode, const QLocale& locale)
{
    if (!ring)
        return tr("No alarm set");
    //: A day of the week and a time of day: "Monday 6:30 AM".
    return tr("Next alarm: %1 %2")
        .arg(locale.dayName(ring->date().dayOfWeek()), TimeTexts::clockTime(ring->time(), mode));
}
