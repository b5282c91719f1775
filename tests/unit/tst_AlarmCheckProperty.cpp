#include "engine/AlarmCheck.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <QTimeZone>

// Simulated days of looks in zones with summer time: the program ticks, stalls, sleeps for up to
// fourteen hours, and the clock is set back and forward. Every look is held against the rule: an
// alarm rings on the first look after its minute began, once per date, when that look comes within
// an hour of the minute. TOCKWELL_PROPERTY_SEED repeats or varies a run.

namespace {

constexpr qint64 Second = 1000;
constexpr qint64 Minute = 60 * Second;
constexpr qint64 Hour = 60 * Minute;
constexpr qint64 Day = 24 * Hour;

// What the clock face shows, with the zone taken away, so that its arithmetic is the face's.
QDateTime face(const QDateTime& t)
{
    return QDateTime(t.date(), t.time(), Qt::UTC);
}

int minuteOfDay(const QDateTime& t)
{
    return t.time().hour() * 60 + t.time().minute();
}

struct Stats {
    qint64 days = 0, looks = 0, inMinute = 0, afterGap = 0;
};

// Twelve days of one program run, from `real` (UTC ms) on.
void simulate(QRandomGenerator& random, const QTimeZone& zone, qint64 real, Stats& stats)
{
    const auto bounded = [&random](int low, int high) { return qint64(random.bounded(low, high)); };
    AlarmBook book;
    QHash<int, int> slotAt; // minute of the day -> slot
    // Half the alarms in the small hours, where summer time starts and ends.
    while (slotAt.size() < 14) {
        const int minute = int(slotAt.size() % 2 ? bounded(30, 210) : bounded(0, 24 * 60));
        const int slot = int(bounded(0, AlarmBook::SlotCount));
        if (slotAt.contains(minute) || book[slot].inUse())
            continue;
        const int hour = minute / 60;
        book[slot] = {float(hour == 0 ? 12 : hour == 12 ? 24 : hour), float(minute % 60), QStringLiteral("x")};
        slotAt.insert(minute, slot);
    }

    AlarmCheck check;
    QSet<std::pair<int, QDate>> rung;
    qint64 offset = 0;
    std::optional<QDateTime> previous;
    QDateTime furthest = QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);
    const qint64 end = real + 12 * Day;
    for (qint64 awake = 0; real < end; ++stats.looks) {
        qint64 step;
        bool clockMoved = false;
        if (awake <= 0) { // asleep or stalled, then awake for a while
            const qint64 kind = bounded(0, 100);
            step = kind < 70   ? bounded(10, 90 * 60) * Second
                   : kind < 95 ? bounded(90, 240) * Minute
                               : bounded(4, 14) * Hour;
            awake = bounded(4, 30) * Minute;
        } else {
            step = bounded(0, 10) < 2 ? bounded(850, 951) : bounded(1, 56) * Second + bounded(0, 1000);
            awake -= step;
            // Forward by up to a day, or back by up to three hours, but never more than 21 hours behind
            // the furthest the clock has shown: a clock set back further is being corrected, and its
            // days ring again.
            const qint64 by = bounded(0, 4) == 0 ? Day : bounded(1, 180) * Minute + bounded(0, 60000);
            if (bounded(0, 300) == 0) {
                offset += by;
                clockMoved = true;
            } else if (bounded(0, 300) == 0 && by <= 3 * Hour &&
                       furthest.msecsTo(face(QDateTime::fromMSecsSinceEpoch(real + offset - by, zone))) > -21 * Hour) {
                offset -= by;
                clockMoved = true;
            }
        }
        real += step;
        const QDateTime now = QDateTime::fromMSecsSinceEpoch(real + offset, zone);
        const QList<int> rang = check.due(book, now);
        const QDateTime nowFace = face(now);
        furthest = std::max(furthest, nowFace);
        const std::optional<QDateTime> before = std::exchange(previous, nowFace);

        // The rule, walked back minute by minute from now: once per alarm and date.
        QList<int> expected;
        if (before && nowFace > *before) {
            const QDateTime minuteStart(nowFace.date(), QTime(nowFace.time().hour(), nowFace.time().minute()), Qt::UTC);
            for (qint64 back = std::min<qint64>(60, before->secsTo(nowFace) / 60 + 1); back >= 0; --back) {
                const QDateTime start = minuteStart.addSecs(-60 * back);
                if (start > *before && start.msecsTo(nowFace) <= Hour && slotAt.contains(minuteOfDay(start)) &&
                    !rung.contains({minuteOfDay(start), start.date()}))
                    expected << slotAt.value(minuteOfDay(start));
            }
        }
        if (rang != expected) {
            QString text;
            QDebug(&text) << zone.id() << "look at" << now << "after" << before.value_or(QDateTime()) << "rang" << rang
                          << "expected" << expected;
            QFAIL(qPrintable(text));
        }
        const bool ticking = !clockMoved && step < Minute && before && before->msecsTo(nowFace) == step;
        for (int slot : rang) {
            const int minute = slotAt.key(slot);
            rung.insert({minute, minute <= minuteOfDay(nowFace) ? nowFace.date() : nowFace.date().addDays(-1)});
            ++(ticking ? stats.inMinute : stats.afterGap);
        }
    }
    stats.days += 12;
}

} // namespace

class tst_AlarmCheckProperty : public QObject {
    Q_OBJECT
private slots:
    void simulatedDays_data();
    void simulatedDays();
    void cleanupTestCase();

private:
    Stats m_stats;
};

void tst_AlarmCheckProperty::simulatedDays_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::newRow("London") << QByteArray("Europe/London");
    QTest::newRow("New York") << QByteArray("America/New_York");
    QTest::newRow("Lord Howe, half-hour summer time") << QByteArray("Australia/Lord_Howe");
}

void tst_AlarmCheckProperty::simulatedDays()
{
    QFETCH(QByteArray, zone);
    const QTimeZone timeZone(zone);
    QVERIFY2(timeZone.isValid(), "time zone data missing (package tzdata)");
    const quint32 seed = qEnvironmentVariableIsSet("TOCKWELL_PROPERTY_SEED")
                             ? quint32(qEnvironmentVariableIntValue("TOCKWELL_PROPERTY_SEED"))
                             : 20261205u;
    QRandomGenerator random(seed ^ qHash(zone));
    const QDateTime year(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
    const QTimeZone::OffsetDataList changes = timeZone.transitions(year, year.addYears(1));
    QCOMPARE(changes.size(), 2);
    for (int run = 0; run < 40 && !QTest::currentTestFailed(); ++run) {
        // Most runs start shortly before a change of summer time; the rest anywhere in the year.
        const qint64 start = run % 4 ? changes[run % 2].atUtc.toMSecsSinceEpoch() - random.bounded(3 * 86400) * Second
                                     : year.toMSecsSinceEpoch() + random.bounded(360 * 86400) * Second;
        simulate(random, timeZone, start, m_stats);
    }
}

void tst_AlarmCheckProperty::cleanupTestCase()
{
    qInfo("%lld simulated days, %lld looks, 3 zones: %lld rang in their minute, %lld after a gap or a clock step",
          m_stats.days, m_stats.looks, m_stats.inMinute, m_stats.afterGap);
    QVERIFY(m_stats.inMinute > 0 && m_stats.afterGap > 0);
}

QTEST_APPLESS_MAIN(tst_AlarmCheckProperty)
#include "tst_AlarmCheckProperty.moc"
