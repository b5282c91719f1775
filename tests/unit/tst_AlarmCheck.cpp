#include "engine/AlarmCheck.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTimeZone>

// Simulated days of looks in zones with summer time: the program ticks, stalls, sleeps for up to
// fourteen hours, and the clock is set back and forward by up to a day. Every look is held against
// the rule: an alarm rings on the first look after its minute began, when that look comes within an
// hour of the minute, and not again for the date it last rang. TOCKWELL_PROPERTY_SEED varies a run.
class tst_AlarmCheck : public QObject {
    Q_OBJECT
private slots:
    void simulatedDays_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::newRow("London") << QByteArray("Europe/London");
        QTest::newRow("Lord Howe, half-hour summer time") << QByteArray("Australia/Lord_Howe");
    }
    void simulatedDays()
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
        QVERIFY(m_rang[0] > 0 && m_rang[1] > 0 && m_rang[2] > 0 && m_missed > 0);
    }

    // The next ring and the wake-up before it, in Berlin, in UTC. Alarms as "slot=hour:minute" as stored: hours
    // 1..24, 12 for 12 AM and 24 for 12 PM.
    void nextRing_data()
    {
        QTest::addColumn<QString>("now");
        QTest::addColumn<QString>("alarms");
        QTest::addColumn<QString>("next"); // the ring, then the time of day of the wake-up (on its day)
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
        QTest::newRow("summer time skips it: at the jump")
            << u"2026-03-29 00:00"_qs << u"1=2:30"_qs << u"2026-03-29 01:00 00:59"_qs;
        QTest::newRow("across the start of summer time")
            << u"2026-03-28 11:00"_qs << u"1=10:00"_qs << u"2026-03-29 08:00 07:59"_qs;
        QTest::newRow("summer time ends: the first 02:30")
            << u"2026-10-24 22:00"_qs << u"1=2:30"_qs << u"2026-10-25 00:30 00:29"_qs;
    }
    void nextRing()
    {
        QFETCH(QString, now);
        QFETCH(QString, alarms);
        QFETCH(QString, next);
        const QDateTime at = QDateTime::fromString(now + u'Z', Qt::ISODate).toTimeZone(QTimeZone("Europe/Berlin"));
        AlarmBook book;
        for (const QString& alarm : alarms.split(u' ', Qt::SkipEmptyParts))
            book[alarm.section(u'=', 0, 0).toInt()] = {alarm.section(u'=', 1).section(u':', 0, 0).toFloat(),
                                                       alarm.section(u':', 1).toFloat(), QStringLiteral("x")};
        const std::optional<QDateTime> ring = AlarmCheck().nextRing(book, at);
        const auto utc = [](const QDateTime& when, QStringView format) { return when.toUTC().toString(format); };
        QCOMPARE(ring ? utc(*ring, u"yyyy-MM-dd HH:mm ") + utc(AlarmCheck::wakeTime(*ring, at), u"HH:mm") : QString(),
                 next);
    }

private:
    static constexpr qint64 Minute = 60'000, Hour = 60 * Minute;
    qint64 m_rang[3] = {}; // in the minute of their look, later, exactly an hour late
    qint64 m_missed = 0;

    void simulate(QRandomGenerator& random, const QTimeZone& zone, qint64 real)
    {
        const auto bounded = [&random](qint64 low, qint64 high) { return random.bounded(low, high); };
        AlarmBook book;
        QHash<int, int> slotAt; // minute of the day -> slot
        book[AlarmBook::LastSlot] = {6.5f, 5, QStringLiteral("no recording makes a fraction of an hour: never rings")};
        // Half the alarms in the small hours, where summer time starts and ends.
        while (slotAt.size() < 14) {
            const int minute = int(slotAt.size() % 2 ? bounded(30, 210) : bounded(0, 24 * 60));
            const int slot = int(bounded(0, AlarmBook::SlotCount));
            if (slotAt.contains(minute) || book[slot].inUse())
                continue;
            const int hour = minute / 60; // stored 1..24: 12 is 12 AM, 24 is 12 PM
            book[slot] = {float(hour == 0 ? 12 : hour == 12 ? 24 : hour), float(minute % 60), QStringLiteral("x")};
            slotAt.insert(minute, slot);
        }
        AlarmCheck check;
        QHash<int, QDate> rungOn; // minute of the day -> the date it last rang
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
            const AlarmCheck::Look look = check.look(book, now);
            // What the clock face shows, with the zone taken away, so that its arithmetic is the face's.
            const QDateTime face(now.date(), now.time(), Qt::UTC);
            // The rule, walked back minute by minute from now: oldest minute first.
            QList<int> expected;
            const QDateTime minuteStart(face.date(), QTime(face.time().hour(), face.time().minute()), Qt::UTC);
            for (qint64 back = before ? std::min<qint64>(60, before->secsTo(face) / 60 + 1) : -1; back >= 0; --back) {
                const QDateTime start = minuteStart.addSecs(-60 * back);
                const int minute = start.time().hour() * 60 + start.time().minute();
                if (start > *before && start.msecsTo(face) <= Hour && slotAt.contains(minute) &&
                    rungOn.value(minute) != start.date()) {
                    expected << slotAt.value(minute);
                    rungOn.insert(minute, start.date());
                    ++m_rang[start.msecsTo(face) == Hour ? 2 : back ? 1 : 0];
                }
            }
            // Missed: the alarm's latest minute began since the previous look, over an hour ago.
            QMap<std::pair<QDateTime, int>, int> missed;
            for (auto alarm = slotAt.cbegin(); before && alarm != slotAt.cend(); ++alarm) {
                QDateTime start(face.date(), QTime(alarm.key() / 60, alarm.key() % 60), Qt::UTC);
                start = start > face ? start.addDays(-1) : start;
                if (start > *before && start.msecsTo(face) > Hour && rungOn.value(alarm.key()) != start.date()) {
                    missed.insert({start, alarm.value()}, alarm.value());
                    rungOn.insert(alarm.key(), start.date());
                }
            }
            if (look.ringing != expected || look.missed != missed.values())
                qWarning() << zone.id() << "look at" << now << "after" << before.value_or(QDateTime());
            QCOMPARE(look.ringing, expected);
            QCOMPARE(look.missed, missed.values());
            m_missed += missed.size();
            before = face;
        }
    }
};

QTEST_APPLESS_MAIN(tst_AlarmCheck)
#include "tst_AlarmCheck.moc"
