#include "engine/AlarmCheck.h"

#include <QTest>

namespace {

QDateTime at(int hour, int minute, int second = 0, int ms = 0, int day = 5)
{
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute, second, ms));
}

// `count` clock ticks 900 ms apart.
QList<QDateTime> ticks(QDateTime from, int count)
{
    QList<QDateTime> looks;
    for (; looks.size() < count; from = from.addMSecs(900))
        looks << from;
    return looks;
}

} // namespace

class tst_AlarmCheck : public QObject {
    Q_OBJECT
private slots:
    void looks_data()
    {
        QTest::addColumn<float>("hour"); // as stored: 12 is 12 AM, 24 is 12 PM
        QTest::addColumn<QList<QDateTime>>("looks");
        QTest::addColumn<QList<QDateTime>>("ringing"); // the looks that find the alarm, at minute 5, due

        // Every second of the minute is looked at at least once; the alarm rings at the first look only.
        QTest::newRow("07:05") << 7.f << ticks(at(7, 4, 58, 100), 140) << QList{at(7, 5, 0, 800)};
        QTest::newRow("12 AM is after midnight") << 12.f << ticks(at(0, 4, 57), 140) << QList{at(0, 5, 0, 600)};
        QTest::newRow("12 PM is after noon") << 24.f << ticks(at(12, 4, 58), 140) << QList{at(12, 5, 0, 700)};
        QTest::newRow("1 PM") << 13.f << ticks(at(13, 4, 58), 140) << QList{at(13, 5, 0, 700)};
        QTest::newRow("fraction of an hour never") << 7.5f << ticks(at(7, 4, 58), 140) << QList<QDateTime>{};
        // A late look still rings within the minute; the first look of all only sets the mark.
        QTest::newRow("tick lost in second 0")
            << 7.f << QList{at(7, 4, 59, 800), at(7, 5, 1, 600), at(7, 5, 2, 500)} << QList{at(7, 5, 1, 600)};
        QTest::newRow("59.9 s late") << 7.f << QList{at(7, 4, 59, 900), at(7, 5, 59, 900)} << QList{at(7, 5, 59, 900)};
        // A look after a gap (sleep, a stall) rings what began inside it, up to an hour after its minute.
        QTest::newRow("a minute late") << 7.f << QList{at(7, 4, 59, 900), at(7, 6, 0)} << QList{at(7, 6, 0)};
        QTest::newRow("woken an hour after") << 7.f << QList{at(6, 30), at(8, 5)} << QList{at(8, 5)};
        QTest::newRow("woken an hour and 1 ms after") << 7.f << QList{at(6, 30), at(8, 5, 0, 1)} << QList<QDateTime>{};
        QTest::newRow("slept through the night") << 7.f << QList{at(23, 0, 0, 0, 4), at(7, 30)} << QList{at(7, 30)};
        QTest::newRow("just before") << 7.f << QList{at(7, 4, 58), at(7, 4, 59, 999)} << QList<QDateTime>{};
        QTest::newRow("exactly at the minute") << 7.f << QList{at(7, 4, 59, 100), at(7, 5)} << QList{at(7, 5)};
        QTest::newRow("mark set at the minute") << 7.f << QList{at(7, 5), at(7, 5, 0, 900)} << QList<QDateTime>{};
        QTest::newRow("recorded in its minute: tomorrow")
            << 7.f << QList{at(7, 5, 14), at(7, 5, 15), at(7, 5, 15, 0, 6)} << QList{at(7, 5, 15, 0, 6)};
        // The clock set back shows 07:05 again the same day: the alarm has had its ring for today.
        QTest::newRow("clock set back") << 7.f << QList{at(7, 4, 59, 500), at(7, 5, 0, 400),   at(7, 4),
                                                        at(7, 5, 0, 500),  at(7, 4, 59, 0, 6), at(7, 5, 0, 0, 6)}
                                        << QList{at(7, 5, 0, 400), at(7, 5, 0, 0, 6)};
        // Started with a clock days ahead, then corrected: every real day still rings.
        QTest::newRow("clock corrected from days ahead")
            << 7.f << QList{at(7, 4, 59, 500, 8), at(7, 5, 0, 400, 8), at(7, 4, 59), at(7, 5),
                            at(7, 4, 59, 0, 6),   at(7, 5, 0, 0, 6)}
            << QList{at(7, 5, 0, 400, 8), at(7, 5), at(7, 5, 0, 0, 6)};
    }
    void looks()
    {
        QFETCH(float, hour);
        QFETCH(QList<QDateTime>, looks);
        QFETCH(QList<QDateTime>, ringing);
        AlarmBook book;
        book[3] = {hour, 5, QStringLiteral("x")};
        AlarmCheck check;
        QList<QDateTime> rang;
        for (const QDateTime& look : looks) {
            const QList<int> due = check.due(book, look);
            if (!due.isEmpty())
                rang << look;
            QVERIFY(due.isEmpty() || due == QList<int>{3});
        }
        QCOMPARE(rang, ringing);
    }
};

QTEST_APPLESS_MAIN(tst_AlarmCheck)
#include "tst_AlarmCheck.moc"
