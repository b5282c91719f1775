#include "engine/AlarmCheck.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <QTimeZone>

// Simulated days of looks in zones with summer time: the program ticks, stalls, sleeps for up to
// fourteen hours, and the clock is set back and forward. Every look is held against the rule: an alarm
// rings on the first look after its minute began, once per date, when that look comes within an
// hour of the minute. TOCKWELL_PROPERTY_SEED repeats or varies a run.

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 Second = 1000;
constexpr qint64 Minute = 60 * Second;
constexpr qint64 Hour = 60 * Minute;
constexpr qint64 Day = 24 * Hour;

// A wall-clock reading with the zone taken away, so that its arithmetic is what the face shows.
QDateTime face(const QDateTime& t)
{
    return QDateTime(t.date(), t.time(), Qt::UTC);
}

int minuteOfDay(const QDateTime& t)
{
    return t.time().hour() * 60 + t.time().minute();
}

float storedHourFor(int clockHour)
{
    return static_cast<float>(clockHour == 0 ? 12 : clockHour == 12 ? 24 : clockHour);
}

struct Stats {
    qint64 days = 0;
    qint64 looks = 0;
    qint64 inMinute = 0;
    qint64 afterGap = 0;
};

class Episode {
public:
    Episode(QRandomGenerator& random, const QTimeZone& zone, qint64 startUtc) : m_random(random), m_zone(zone)
    {
        // Half the alarms around the small hours, where summer time starts and ends.
        while (m_slotAt.size() < 14) {
            const int minute = m_slotAt.size() % 2 ? bounded(30, 210) : bounded(0, 24 * 60);
            const int slot = bounded(0, AlarmBook::SlotCount);
            if (m_slotAt.contains(minute) || m_book[slot].inUse())
                continue;
            m_book[slot] = {storedHourFor(minute / 60), static_cast<float>(minute % 60), QStringLiteral("x")};
            m_slotAt.insert(minute, slot);
        }
        m_real = startUtc;
    }

    void run(qint64 length, Stats& stats)
    {
        const qint64 end = m_real + length;
        qint64 awake = 0;
        while (m_real < end && !QTest::currentTestFailed()) {
            qint64 step;
            bool clockMoved = false;
            if (awake <= 0) {
                const int kind = bounded(0, 100);
                step = kind < 70   ? bounded(10, 90 * 60) * Second
                       : kind < 95 ? bounded(90, 240) * Minute
                                   : bounded(4, 14) * Hour;
                awake = bounded(4, 30) * Minute;
            } else {
                step = bounded(0, 10) < 2 ? bounded(850, 951) : bounded(1, 56) * Second + bounded(0, 1000);
                awake -= step;
                if (bounded(0, 150) == 0)
                    clockMoved = moveClock();
            }
            m_real += step;
            look(step, clockMoved, stats);
        }
        stats.days += length / Day;
    }

private:
    int bounded(int low, int high) { return m_random.bounded(low, high); }

    void look(qint64 realStep, bool clockMoved, Stats& stats)
    {
        const QDateTime now = QDateTime::fromMSecsSinceEpoch(m_real + m_offset, m_zone);
        const QList<int> rang = m_check.due(m_book, now);
        ++stats.looks;
        const QDateTime nowFace = face(now);
        m_furthest = std::max(m_furthest, nowFace);
        const std::optional<QDateTime> previous = std::exchange(m_previousFace, nowFace);

        // The rule, walked minute by minute back from now: once per alarm and date.
        QList<int> expected;
        if (previous && nowFace > *previous) {
            const QDateTime minuteStart(nowFace.date(), QTime(nowFace.time().hour(), nowFace.time().minute()), Qt::UTC);
            const qint64 reach = std::min<qint64>(60, previous->secsTo(nowFace) / 60 + 1);
            for (qint64 back = reach; back >= 0; --back) {
                const QDateTime start = minuteStart.addSecs(-60 * back);
                if (start <= *previous || start.msecsTo(nowFace) > Hour || !m_slotAt.contains(minuteOfDay(start)))
                    continue;
                if (!m_rung.contains({minuteOfDay(start), start.date()}))
                    expected << m_slotAt.value(minuteOfDay(start));
            }
        }
        if (rang != expected)
            QFAIL(qPrintable(QStringLiteral("%1, look at %2 after %3: rang %4, expected %5")
                                 .arg(QString::fromUtf8(m_zone.id()), now.toString(Qt::ISODateWithMs),
                                      previous ? previous->toString(u"yyyy-MM-dd hh:mm:ss.zzz") : u"nothing"_s,
                                      slotsText(rang), slotsText(expected))));

        // Each date an alarm rang for is remembered above; a look on a clock ticking normally rings in the minute.
        const bool ticking = !clockMoved && realStep < Minute && previous && previous->msecsTo(nowFace) == realStep;
        for (int slot : rang) {
            const int minute = m_slotAt.key(slot);
            m_rung.insert({minute, minute <= minuteOfDay(nowFace) ? nowFace.date() : nowFace.date().addDays(-1)});
            ++(ticking ? stats.inMinute : stats.afterGap);
        }
    }

    // Forward by up to a day, or back by up to three hours. The clock never ends up more than 21 hours
    // behind the furthest it has shown: a clock set back further is a clock being corrected, whose
    // days come again and ring again.
    bool moveClock()
    {
        const qint64 by = bounded(0, 4) == 0 ? Day : bounded(1, 180) * Minute + bounded(0, 60000);
        if (bounded(0, 2) == 0) {
            m_offset += by;
            return true;
        }
        if (by > 3 * Hour ||
            m_furthest.msecsTo(face(QDateTime::fromMSecsSinceEpoch(m_real + m_offset - by, m_zone))) < -21 * Hour)
            return false;
        m_offset -= by;
        return true;
    }

    static QString slotsText(const QList<int>& list)
    {
        QStringList texts;
        for (int slot : list)
            texts << QString::number(slot);
        return texts.join(u',');
    }

    QRandomGenerator& m_random;
    QTimeZone m_zone;
    AlarmBook m_book;
    QHash<int, int> m_slotAt; // minute of the day -> slot
    AlarmCheck m_check;
    QSet<std::pair<int, QDate>> m_rung;
    qint64 m_real = 0;
    qint64 m_offset = 0;
    std::optional<QDateTime> m_previousFace;
    QDateTime m_furthest = QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);
};

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

    for (int episode = 0; episode < 40; ++episode) {
        // Most episodes start shortly before a change of summer time; the rest anywhere in the year.
        const qint64 start =
            episode % 4 ? changes[episode % 2].atUtc.toMSecsSinceEpoch() - random.bounded(3 * 24 * 3600) * Second
                        : year.toMSecsSinceEpoch() + random.bounded(360 * 24 * 3600) * Second;
        Episode(random, timeZone, start).run(12 * Day, m_stats);
        if (QTest::currentTestFailed())
            return;
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
