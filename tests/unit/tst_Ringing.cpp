#include "engine/Ringing.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTimeZone>

namespace {

const QTimeZone Berlin("Europe/Berlin");

// Alarms as "slot=hour:minute" as stored (hours 1..24, 12 for 12 AM and 24 for 12 PM), then @ and the days it
// rings on (1 Monday .. 7 Sunday; every day without), * for once, - for off. The description is the slot.
AlarmBook bookOf(const QString& alarms)
{
    AlarmBook book;
    for (const QString& alarm : alarms.split(u' ', Qt::SkipEmptyParts)) {
        const int slot = alarm.section(u'=', 0, 0).toInt();
        const QString time = alarm.section(u'=', 1).section(QRegularExpression(QStringLiteral("[@*-]")), 0, 0);
        AlarmRecord& record = book[slot];
        record = {time.section(u':', 0, 0).toFloat(), time.section(u':', 1).toFloat(), QString::number(slot)};
        if (alarm.contains(u'@')) {
            record.days = 0;
            for (const QChar day : alarm.section(u'@', 1).section(QRegularExpression(QStringLiteral("[*-]")), 0, 0))
                record.days |= dayBit(day.digitValue());
        }
        record.once = alarm.contains(u'*');
        record.on = !alarm.contains(u'-');
    }
    return book;
}

// "yyyy-MM-dd hh:mm[:ss.zzz]" on Berlin's clock; a "+1" after it is the second showing of a time summer time's end
// shows twice.
QDateTime berlin(const QString& text)
{
    const QDateTime at = QDateTime::fromString(text.section(u'+', 0, 0).replace(u' ', u'T'), Qt::ISODateWithMs);
    const QDateTime first(at.date(), at.time(), Berlin);
    return text.contains(u'+') ? first.addSecs(3600) : first;
}

} // namespace

// The ringing as the program's logic: which alarms ring on which day, once, off, snoozed, missed, and the
// wake-up. The simulated weeks hold every look against the rule, in zones with summer time: the program ticks,
// stalls, sleeps for up to fourteen hours, and the clock is set back and forward by up to a day; an alarm rings
// on the first look after its minute began on one of its days, when that look comes within an hour of the
// minute, and not again for the date it last rang. TOCKWELL_PROPERTY_SEED varies a run.
class tst_Ringing : public QObject {
    Q_OBJECT
private slots:
    // Looks at the times given, in Berlin; what each finds: R ringing, M missed (with the missed day), - nothing.
    void looks_data()
    {
        QTest::addColumn<QString>("alarms");
        QTest::addColumn<QString>("looks"); // separated by ","; 2026-12-07 is a Monday
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("after"); // the lines of the alarms still on
        // An alarm's day is the day its minute falls on, on the wall clock.
        QTest::newRow("Monday 00:30 rings early on Monday")
            << u"1=12:30@1"_qs << u"2026-12-06 23:59, 2026-12-07 00:30:00.400"_qs << u"-, R1"_qs << u"1"_qs;
        QTest::newRow("Monday's 23:50 caught up on Tuesday rings")
            << u"1=23:50@1"_qs << u"2026-12-07 23:49, 2026-12-08 00:20"_qs << u"-, R1"_qs << u"1"_qs;
        QTest::newRow("Sunday's 23:50 caught up on Monday does not")
            << u"1=23:50@1"_qs << u"2026-12-06 23:49, 2026-12-07 00:20"_qs << u"-, -"_qs << u"1"_qs;
        QTest::newRow("weekdays: Friday rings, Saturday does not")
            << u"1=7:00@12345"_qs
            << u"2026-12-11 06:59, 2026-12-11 07:00:00.500, 2026-12-12 06:59, 2026-12-12 07:00:00.500"_qs
            << u"-, R1, -, -"_qs << u"1"_qs;
        QTest::newRow("missed only on its days; a weekend asleep names Friday's")
            << u"1=7:00@12345"_qs << u"2026-12-06 06:00, 2026-12-06 09:00, 2026-12-11 06:00, 2026-12-13 10:00"_qs
            << u"-, -, M1 Thu, M1 Fri"_qs << u"1"_qs;
        // A computer whose clock is hours ahead until it is set right: the alarm rings all the same.
        QTest::newRow("clock ahead, then set right")
            << u"1=10:00"_qs << u"2026-12-07 09:00, 2026-12-07 12:00, 2026-12-07 09:00, 2026-12-07 10:00:00.400"_qs
            << u"-, M1 Mon, -, R1"_qs << u"1"_qs;
        QTest::newRow("once: rings once and turns off; not missed later")
            << u"1=7:00*@6 2=8:00"_qs
            << u"2026-12-07 06:59, 2026-12-07 07:00:00.500, 2026-12-08 06:00, 2026-12-08 09:30"_qs
            << u"-, R1, M2 Mon, M2 Tue"_qs << u"2"_qs;
        QTest::newRow("once, its minute passed: tomorrow")
            << u"1=7:00*"_qs << u"2026-12-07 07:30, 2026-12-08 06:59, 2026-12-08 07:00:10"_qs << u"-, -, R1"_qs
            << u""_qs;
        QTest::newRow("once, missed: off")
            << u"1=7:00*"_qs << u"2026-12-07 06:00, 2026-12-07 09:00"_qs << u"-, M1 Mon"_qs << u""_qs;
        QTest::newRow("off: neither rings nor is missed")
            << u"1=7:00-"_qs << u"2026-12-07 06:59, 2026-12-07 07:00:01, 2026-12-08 06:00, 2026-12-08 10:00"_qs
            << u"-, -, -, -"_qs << u""_qs;
        QTest::newRow("summer time skips Sunday's 02:30: rings at the jump")
            << u"1=2:30@7 2=2:30@6"_qs << u"2026-03-29 01:59, 2026-03-29 03:00:00.300"_qs << u"-, R1"_qs << u"1 2"_qs;
        QTest::newRow("summer time ends: Sunday's 02:30 shown twice rings once")
            << u"1=2:30@7"_qs << u"2026-10-25 02:29, 2026-10-25 02:31, 2026-10-25 02:29+1, 2026-10-25 02:31+1"_qs
            << u"-, R1, -, -"_qs << u"1"_qs;
    }
    void looks()
    {
        QFETCH(QString, alarms);
        QFETCH(QString, looks);
        QFETCH(QString, found);
        QFETCH(QString, after);
        AlarmBook book = bookOf(alarms);
        Snoozes snoozes;
        Ringing ringing(book, snoozes);
        QStringList seen;
        for (const QString& at : looks.split(u',')) {
            const Ringing::Look look = ringing.look(berlin(at.trimmed()));
            QStringList events;
            for (const Ring& ring : look.ringing)
                events << u'R' + ring.line.section(u' ', -1);
            for (const Ringing::Missed& missed : look.missed)
                events << u'M' + missed.line.section(u' ', -1) + u' ' +
                              QLocale::c().dayName(missed.due.date().dayOfWeek(), QLocale::ShortFormat);
            seen << (events.isEmpty() ? u"-"_qs : events.join(u' '));
        }
        QCOMPARE(seen.join(u", "), found);
        QStringList on;
        for (int slot = 0; slot <= AlarmBook::LastSlot; ++slot)
            if (book[slot].inUse() && book[slot].on)
                on << book[slot].Description;
        QCOMPARE(on.join(u' '), after);
    }

    // The next ring and the wake-up before it, after looks at the times given; times in UTC, alarms in Berlin.
    void nextRing_data()
    {
        QTest::addColumn<QString>("looks"); // in UTC, the last one is now
        QTest::addColumn<QString>("alarms");
        QTest::addColumn<QString>("next"); // the ring, then the time of day of the wake-up (on its day), or -
        QTest::newRow("none recorded") << u"2026-12-07 05:00"_qs << QString() << QString();
        QTest::newRow("later today") << u"2026-12-07 05:00"_qs << u"1=7:00"_qs << u"2026-12-07 06:00 05:59"_qs;
        QTest::newRow("nearest, slots 0 and 100, a fraction ignored")
            << u"2026-12-07 05:00"_qs << u"0=9:00 100=6:30 50=8:00 2=6:05.5"_qs << u"2026-12-07 05:30 05:29"_qs;
        QTest::newRow("tomorrow, across midnight")
            << u"2026-12-07 22:30"_qs << u"1=12:15 2=23:29"_qs << u"2026-12-07 23:15 23:14"_qs;
        QTest::newRow("its minute is now: tomorrow")
            << u"2026-12-07 06:00:30"_qs << u"1=7:00"_qs << u"2026-12-08 06:00 05:59"_qs;
        QTest::newRow("inside the lead: at the minute")
            << u"2026-12-07 05:59:30"_qs << u"1=7:00"_qs << u"2026-12-07 06:00 06:00"_qs;
        // The helper refuses a wake-up under ten seconds ahead; the computer is awake anyway.
        QTest::newRow("seconds away: no wake-up")
            << u"2026-12-07 05:59:50"_qs << u"1=7:00"_qs << u"2026-12-07 06:00 -"_qs;
        QTest::newRow("summer time skips it: at the jump")
            << u"2026-03-29 00:00"_qs << u"1=2:30"_qs << u"2026-03-29 01:00 00:59"_qs;
        QTest::newRow("across the start of summer time")
            << u"2026-03-28 11:00"_qs << u"1=10:00"_qs << u"2026-03-29 08:00 07:59"_qs;
        QTest::newRow("summer time ends: the first 02:30")
            << u"2026-10-24 22:00"_qs << u"1=2:30"_qs << u"2026-10-25 00:30 00:29"_qs;
        QTest::newRow("weekdays on a Friday evening: Monday")
            << u"2026-12-11 20:00"_qs << u"1=7:00@12345"_qs << u"2026-12-14 06:00 05:59"_qs;
        QTest::newRow("its one day, its minute passed: a week on")
            << u"2026-12-07 06:30"_qs << u"1=7:00@1"_qs << u"2026-12-14 06:00 05:59"_qs;
        QTest::newRow("off: none, the next on")
            << u"2026-12-07 05:00"_qs << u"1=7:00- 2=9:00"_qs << u"2026-12-07 08:00 07:59"_qs;
        QTest::newRow("once: whatever its days")
            << u"2026-12-07 05:00"_qs << u"1=7:00*@6"_qs << u"2026-12-07 06:00 05:59"_qs;
        // Rang at 7:00, and the clock was set back half an hour: the 7:00 that rings is tomorrow's.
        QTest::newRow("clock back over a rung alarm")
            << u"2026-12-07 05:59:59, 2026-12-07 06:00:00.500, 2026-12-07 05:30"_qs << u"1=7:00 2=8:00@7"_qs
            << u"2026-12-08 06:00 05:59"_qs;
        // S: a snooze of slot 1's line, ringing at that time (UTC); no alarm is on.
        QTest::newRow("a snooze alone") << u"2026-12-07 05:00"_qs << u"1=7:00- S=2026-12-07 05:20"_qs
                                        << u"2026-12-07 05:20 05:19"_qs;
    }
    void nextRing()
    {
        QFETCH(QString, looks);
        QFETCH(QString, alarms);
        QFETCH(QString, next);
        AlarmBook book = bookOf(alarms.section(u" S="_qs, 0, 0));
        Snoozes snoozes;
        Ringing ringing(book, snoozes);
        if (alarms.contains(u" S="_qs))
            snoozes.add({u"snoozed"_qs}, utc(alarms.section(u" S="_qs, 1)));
        QDateTime at;
        for (const QString& look : looks.split(u','))
            ringing.look(at = utc(look.trimmed()));
        const std::optional<QDateTime> ring = ringing.nextRing(at);
        const std::optional<QDateTime> wake = ringing.wakeTime(at);
        const auto format = [](const QDateTime& when, QStringView pattern) { return when.toUTC().toString(pattern); };
        QCOMPARE(ring ? format(*ring, u"yyyy-MM-dd HH:mm ") + (wake ? format(*wake, u"HH:mm") : u"-"_qs) : QString(),
                 next);
    }

    void snoozes()
    {
        AlarmBook book = bookOf(u"1=7:05"_qs);
        Snoozes snoozes;
        Ringing ringing(book, snoozes);
        const QDateTime five = berlin(u"2026-12-07 07:05"_qs);
        ringing.look(five.addSecs(-1));
        const Ring wake = ringing.look(five).ringing.value(0);
        // Snoozed twice: it moves, and rings once, with its sound.
        ringing.snooze(wake, five.addSecs(300));
        ringing.snooze(wake, five.addSecs(600));
        QCOMPARE(snoozes.all().size(), 1);
        QVERIFY(ringing.look(five.addSecs(301)).ringing.isEmpty());
        QCOMPARE(ringing.look(five.addSecs(600)).ringing, QList<Ring>{wake});
        QVERIFY(ringing.look(five.addSecs(660)).ringing.isEmpty());
        // Kept and read back with its sound; what does not fit the reader's cap is left out.
        ringing.snooze({u"x"_qs, u"chime"_qs, u"/a b.ogg"_qs, 40}, five.addSecs(700));
        ringing.snooze({QString(1000, u'y')}, five.addSecs(800));
        int left = 0;
        Snoozes read;
        QVERIFY(read.decode(snoozes.encode(600, &left)));
        QCOMPARE(left, 1);
        QCOMPARE(read.all(), snoozes.all().first(1));
    }

    void daysText_data()
    {
        QTest::addColumn<QLocale>("region");
        QTest::addColumn<QString>("days"); // 1 Monday .. 7 Sunday; W the region's weekdays
        QTest::addColumn<QString>("text");
        const QLocale britain(QLocale::English, QLocale::UnitedKingdom), us(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("every day") << us << u"1234567"_qs << u"Every day"_qs;
        QTest::newRow("workdays") << britain << u"12345"_qs << u"Mon-Fri"_qs;
        QTest::newRow("weekend, Monday first") << britain << u"67"_qs << u"Sat, Sun"_qs;
        QTest::newRow("weekend, Sunday first") << us << u"67"_qs << u"Sun, Sat"_qs;
        QTest::newRow("a run over Sunday, Sunday first") << us << u"712"_qs << u"Sun-Tue"_qs;
        QTest::newRow("apart") << britain << u"1357"_qs << u"Mon, Wed, Fri, Sun"_qs;
        QTest::newRow("weekdays where the weekend is Friday and Saturday")
            << QLocale(QLocale::Arabic, QLocale::SaudiArabia) << u"W"_qs << u"Sun-Thu"_qs;
    }
    void daysText()
    {
        QFETCH(QLocale, region);
        QFETCH(QString, days);
        QFETCH(QString, text);
        WeekDays chosen = 0;
        for (const QChar day : days)
            chosen |= day.isDigit() ? dayBit(day.digitValue()) : 0;
        for (const Qt::DayOfWeek day : region.weekdays())
            chosen |= days == u"W" ? dayBit(day) : 0;
        QCOMPARE(TimeTexts::daysText(chosen, QLocale(QLocale::English), region), text);
    }

    void simulatedWeeks_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::newRow("London") << QByteArray("Europe/London");
        QTest::newRow("Lord Howe, half-hour summer time") << QByteArray("Australia/Lord_Howe");
    }
    void simulatedWeeks()
    {
        QFETCH(QByteArray, zone);
        const QTimeZone timeZone(zone);
        QVERIFY2(timeZone.isValid(), "time zone data missing (package tzdata)");
        const QDateTime year(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
        const QTimeZone::OffsetDataList changes = timeZone.transitions(year, year.addYears(1));
        QVERIFY(changes.size() == 2);
        QRandomGenerator random(quint32(qEnvironmentVariableIntValue("TOCKWELL_PROPERTY_SEED")) ^ qHash(zone));
        // Twelve days from up to three days before a change of summer time.
        for (int run = 0; run < 40 && !QTest::currentTestFailed(); ++run)
            simulate(random, timeZone, changes[run % 2].atUtc.toMSecsSinceEpoch() - random.bounded(72 * Hour));
        QVERIFY(m_rang[0] > 0 && m_rang[1] > 0 && m_rang[2] > 0 && m_missed > 0 && m_notTheirDay > 0 && m_once > 0);
    }

private:
    static constexpr qint64 Minute = 60'000, Hour = 60 * Minute;
    qint64 m_rang[3] = {}; // in the minute of their look, later, exactly an hour late
    qint64 m_missed = 0, m_notTheirDay = 0, m_once = 0;

    static QDateTime utc(const QString& text)
    {
        return QDateTime::fromString(text + u'Z', Qt::ISODateWithMs).toTimeZone(Berlin);
    }

    void simulate(QRandomGenerator& random, const QTimeZone& zone, qint64 real)
    {
        const auto bounded = [&random](qint64 low, qint64 high) { return random.bounded(low, high); };
        AlarmBook book;
        QHash<int, int> slotAt; // minute of the day -> slot
        book[AlarmBook::LastSlot] = {6.5f, 5, QStringLiteral("no recording makes a fraction of an hour: never rings")};
        // Half the alarms in the small hours, where summer time starts and ends; some on chosen days, some once,
        // a few off.
        while (slotAt.size() < 14) {
            const int minute = int(slotAt.size() % 2 ? bounded(30, 210) : bounded(0, 24 * 60));
            const int slot = int(bounded(0, AlarmBook::SlotCount - 1));
            if (slotAt.contains(minute) || book[slot].inUse())
                continue;
            const int hour = minute / 60; // stored 1..24: 12 is 12 AM, 24 is 12 PM
            AlarmRecord& record = book[slot];
            record = {float(hour == 0 ? 12 : hour == 12 ? 24 : hour), float(minute % 60), QString::number(slot)};
            record.days = bounded(0, 2) ? WeekDays(bounded(1, 128)) : EveryDay;
            record.once = bounded(0, 6) == 0;
            record.on = bounded(0, 10) != 0;
            slotAt.insert(minute, slot);
        }
        Snoozes snoozes;
        Ringing ringing(book, snoozes);
        QHash<int, QDate> rungOn; // minute of the day -> the date it last rang
        QHash<int, bool> on;      // slot -> switched on
        for (const int slot : slotAt)
            on.insert(slot, book[slot].on);
        const auto ringsOn = [&book, &on](int slot, const QDate& date) {
            const AlarmRecord& record = book[slot];
            return on.value(slot) && (record.once || record.days & dayBit(date.dayOfWeek()));
        };
        qint64 offset = 0, awake = 0;
        std::optional<QDateTime> before;
        for (const qint64 end = real + 288 * Hour; real < end && !QTest::currentTestFailed();) {
            qint64 step = bounded(0, 5) ? bounded(1000, 57'000) : bounded(850, 951); // a look, or a tick
            if (bounded(0, 30) == 0) // or a look in the last millisecond of a minute
                step = Minute - 1 - (real + offset) % Minute;
            if ((awake -= step) < 0) { // asleep or stalled, some waking on the minute; then awake for a while
                step = bounded(0, 20) ? bounded(10'000, 4 * Hour) : bounded(4 * Hour, 14 * Hour);
                step += bounded(0, 4) ? 0 : Minute - (real + offset + step) % Minute;
                awake = bounded(4, 30) * Minute;
            } else if (bounded(0, 150) == 0) {
                offset += bounded(-26 * Hour, 26 * Hour);
            }
            real += step;
            const QDateTime now = QDateTime::fromMSecsSinceEpoch(real + offset, zone);
            // What the clock face shows, with the zone taken away, so that its arithmetic is the face's.
            const QDateTime face(now.date(), now.time(), Qt::UTC);
            // The rule, walked back minute by minute from now: oldest minute first, on the alarm's days.
            QStringList expected;
            QList<int> spent;
            const QDateTime minuteStart(face.date(), QTime(face.time().hour(), face.time().minute()), Qt::UTC);
            for (qint64 back = before ? std::min<qint64>(60, before->secsTo(face) / 60 + 1) : -1; back >= 0; --back) {
                const QDateTime start = minuteStart.addSecs(-60 * back);
                const int minute = start.time().hour() * 60 + start.time().minute();
                if (start <= *before || start.msecsTo(face) > Hour || !slotAt.contains(minute) ||
                    rungOn.value(minute) == start.date())
                    continue;
                const int slot = slotAt.value(minute);
                if (!ringsOn(slot, start.date())) {
                    m_notTheirDay += on.value(slot);
                    continue;
                }
                expected << alarmLine(book[slot]);
                rungOn.insert(minute, start.date());
                ++m_rang[start.msecsTo(face) == Hour ? 2 : back ? 1 : 0];
                if (book[slot].once)
                    spent << slot, ++m_once;
            }
            // Missed: the alarm's latest minute on one of its days began since the previous look, over an hour
            // ago, and did not ring. Not marked: a clock set back to before it rings it.
            QMap<std::pair<QDateTime, int>, QString> missed;
            for (auto alarm = slotAt.cbegin(); before && alarm != slotAt.cend(); ++alarm) {
                QDateTime start(face.date(), QTime(alarm.key() / 60, alarm.key() % 60), Qt::UTC);
                start = start > face ? start.addDays(-1) : start;
                for (int back = 0; back < 7 && !ringsOn(alarm.value(), start.date()); ++back)
                    start = start.addDays(-1);
                if (start > *before && start.msecsTo(face) > Hour && ringsOn(alarm.value(), start.date()) &&
                    rungOn.value(alarm.key()) != start.date()) {
                    missed.insert({start, alarm.value()}, alarmLine(book[alarm.value()]));
                    if (book[alarm.value()].once)
                        spent << alarm.value();
                }
            }
            QStringList rang, named;
            const Ringing::Look look = ringing.look(now);
            for (const Ring& ring : look.ringing)
                rang << ring.line;
            for (const Ringing::Missed& alarm : look.missed)
                named << alarm.line;
            if (rang != expected || named != missed.values())
                qWarning() << zone.id() << "look at" << now << "after" << before.value_or(QDateTime());
            QCOMPARE(rang, expected);
            QCOMPARE(named, missed.values());
            for (const int slot : spent)
                on.insert(slot, false);
            for (const int slot : slotAt)
                QVERIFY2(book[slot].on == on.value(slot), "only a one-time alarm whose time came turns off");
            m_missed += missed.size();
            before = face;
        }
    }
};

QTEST_APPLESS_MAIN(tst_Ringing)
#include "tst_Ringing.moc"
