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
        QVERIFY(m_rang[0] > 0 && m_rang[1] > 0 && m_rang[2] > 0);
    }

private:
    static constexpr qint64 Minute = 60'000, Hour = 60 * Minute;
    qint64 m_rang[3] = {}; // in the minute of their look, later, exactly an hour late

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
            const QList<int> rang = check.due(book, now);
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
            if (rang != expected)
                qWarning() << zone.id() << "look at" << now << "after" << before.value_or(QDateTime());
            QCOMPARE(rang, expected);
            before = face;
        }
    }
};

QTEST_APPLESS_MAIN(tst_AlarmCheck)
#include "tst_AlarmCheck.moc"
