#include "engine/AlarmCheck.h"

#include <QTest>
#include <QTimeZone>

namespace {

QDateTime at(int hour, int minute, int second = 0, int ms = 0, int day = 5)
{
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute, second, ms));
}

// Every look from `from` up to `to`, `stepMs` apart, that found an alarm due.
QList<QDateTime> rings(const AlarmBook& book, AlarmCheck& check, QDateTime from, const QDateTime& to, int stepMs = 900)
{
    QList<QDateTime> found;
    for (; from < to; from = from.addMSecs(stepMs))
        if (!check.due(book, from).isEmpty())
            found << from;
    return found;
}

} // namespace

class tst_AlarmCheck : public QObject {
    Q_OBJECT
private slots:
    void ringsOnceOnTheFirstLookOfItsMinute_data();
    void ringsOnceOnTheFirstLookOfItsMinute();
    void lateLook_data();
    void lateLook();
    void recordedDuringItsOwnMinuteWaitsForTomorrow();
    void sameMinuteAlarmsAllDue();
    void clockSetBackRingsNothing();
    void clockCorrectedFromDaysAheadRingsEachDay();
    void summerTimeEndingRingsTheRepeatedHourOnce();
    void onlyWholeTimesRing();
};

void tst_AlarmCheck::ringsOnceOnTheFirstLookOfItsMinute_data()
{
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<float>("hour");
    QTest::addColumn<float>("minute");
    QTest::addColumn<QDateTime>("ringsAt");

    QTest::newRow("07:05") << at(7, 4, 58, 100) << 7.f << 5.f << at(7, 5, 0, 800);
    QTest::newRow("midnight, stored as 12 AM") << at(23, 59, 57, 0, 5) << 12.f << 0.f << at(0, 0, 0, 600, 6);
    QTest::newRow("noon, stored as 12 PM") << at(11, 59, 58, 0) << 24.f << 0.f << at(12, 0, 0, 700);
    QTest::newRow("1 PM") << at(12, 59, 58, 0) << 13.f << 0.f << at(13, 0, 0, 700);
    QTest::newRow("12:59 AM") << at(0, 58, 59, 500) << 12.f << 59.f << at(0, 59, 0, 400);
}

void tst_AlarmCheck::ringsOnceOnTheFirstLookOfItsMinute()
{
    QFETCH(QDateTime, start);
    QFETCH(float, hour);
    QFETCH(float, minute);
    QFETCH(QDateTime, ringsAt);

    AlarmBook book;
    book[1] = {hour, minute, QStringLiteral("x")};
    AlarmCheck check;
    // Two minutes of 900 ms ticks: every second of the minute is looked at at least once.
    QCOMPARE(rings(book, check, start, start.addSecs(125)), QList<QDateTime>{ringsAt});
}

void tst_AlarmCheck::lateLook_data()
{
    QTest::addColumn<QDateTime>("previous");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<bool>("rings");
    QTest::newRow("a tick lost in second 0") << at(7, 4, 59, 800) << at(7, 5, 1, 600) << true;
    QTest::newRow("event loop blocked 20 s") << at(7, 4, 59, 500) << at(7, 5, 20) << true;
    QTest::newRow("59.9 s late") << at(7, 4, 59, 900) << at(7, 5, 59, 900) << true;
    QTest::newRow("a full minute late") << at(7, 4, 59, 900) << at(7, 6, 0) << true;
    QTest::newRow("asleep, woken 25 minutes after") << at(6, 30) << at(7, 30) << true;
    QTest::newRow("woken an hour after") << at(6, 30) << at(8, 5) << true;
    QTest::newRow("woken an hour and 1 ms after") << at(6, 30) << at(8, 5, 0, 1) << false;
    QTest::newRow("slept through the night") << at(23, 0, 0, 0, 4) << at(7, 30) << true;
    QTest::newRow("looked just before, not yet") << at(7, 4, 58) << at(7, 4, 59, 999) << false;
    QTest::newRow("looked exactly at the minute") << at(7, 4, 59, 100) << at(7, 5, 0) << true;
    QTest::newRow("previous look at the minute") << at(7, 5, 0) << at(7, 5, 0, 900) << false;
}

void tst_AlarmCheck::lateLook()
{
    QFETCH(QDateTime, previous);
    QFETCH(QDateTime, now);
    QFETCH(bool, rings);
    AlarmBook book;
    book[3] = {7, 5, QStringLiteral("late")};
    AlarmCheck check;
    QVERIFY(check.due(book, previous).isEmpty());
    QCOMPARE(check.due(book, now), rings ? QList<int>{3} : QList<int>{});
    if (rings)
        QVERIFY(check.due(book, now.addMSecs(900)).isEmpty());
}

void tst_AlarmCheck::recordedDuringItsOwnMinuteWaitsForTomorrow()
{
    AlarmBook book;
    AlarmCheck check;
    check.due(book, at(7, 5, 14, 100));
    book[1] = {7, 5, QStringLiteral("too late today")};
    QCOMPARE(rings(book, check, at(7, 5, 15), at(7, 6, 0, 0, 6), 30'000), QList<QDateTime>{at(7, 5, 15, 0, 6)});
}

void tst_AlarmCheck::sameMinuteAlarmsAllDue()
{
    AlarmBook book;
    book[7] = {9, 0, QStringLiteral("b")};
    book[2] = {9, 0, QStringLiteral("a")};
    book[0] = {9, 0, QStringLiteral("from a file")};
    book[4] = {9, 1, QStringLiteral("next minute")};
    AlarmCheck check;
    check.due(book, at(8, 59, 59, 500));
    QCOMPARE(check.due(book, at(9, 0, 0, 300)), QList<int>({0, 2, 7}));
    QVERIFY(check.due(book, at(9, 0, 1, 200)).isEmpty());
}

void tst_AlarmCheck::clockSetBackRingsNothing()
{
    AlarmBook book;
    book[1] = {7, 5, QStringLiteral("x")};
    AlarmCheck check;
    check.due(book, at(7, 4, 59, 500));
    QCOMPARE(check.due(book, at(7, 5, 0, 400)), QList<int>{1});
    QVERIFY(check.due(book, at(7, 4, 0)).isEmpty());
    // The clock shows 07:05 again the same day: the alarm has had its ring for today.
    QVERIFY(check.due(book, at(7, 5, 0, 500)).isEmpty());
    check.due(book, at(7, 4, 59, 500, 6));
    QCOMPARE(check.due(book, at(7, 5, 0, 400, 6)), QList<int>{1});
}

void tst_AlarmCheck::clockCorrectedFromDaysAheadRingsEachDay()
{
    AlarmBook book;
    book[1] = {7, 5, QStringLiteral("x")};
    AlarmCheck check;
    // Started with a clock three days ahead, which then rang 07:05 of a day that had not come yet.
    check.due(book, at(7, 4, 59, 500, 8));
    QCOMPARE(check.due(book, at(7, 5, 0, 400, 8)), QList<int>{1});
    QCOMPARE(rings(book, check, at(6, 0, 0, 0, 5), at(8, 0, 0, 0, 8), 20'000),
             QList<QDateTime>({at(7, 5, 0, 0, 5), at(7, 5, 0, 0, 6), at(7, 5, 0, 0, 7), at(7, 5, 0, 0, 8)}));
}

void tst_AlarmCheck::summerTimeEndingRingsTheRepeatedHourOnce()
{
    const QTimeZone berlin("Europe/Berlin");
    QVERIFY(berlin.isValid());
    AlarmBook book;
    book[1] = {2, 30, QStringLiteral("night shift")};
    AlarmCheck check;
    // 03:00 summer time turns back to 02:00 on 25 October 2026: 02:30 happens twice.
    int rings = 0;
    const QDateTime start(QDate(2026, 10, 25), QTime(1, 0), berlin);
    for (QDateTime now = start; now < start.addSecs(4 * 3600); now = now.addMSecs(900))
        rings += int(check.due(book, now).size());
    QCOMPARE(rings, 1);
}

void tst_AlarmCheck::onlyWholeTimesRing()
{
    AlarmBook book;
    book[1] = {7.5f, 5, QStringLiteral("half hour")};
    book[2] = {7, 5.5f, QStringLiteral("half minute")};
    book[3] = {7, 60, QStringLiteral("minute 60")};
    book[4] = {7, -1, QStringLiteral("negative minute")};
    book[5] = {25, 5, QStringLiteral("hour 25")};
    AlarmCheck check;
    QCOMPARE(rings(book, check, at(6, 59), at(8, 2)), QList<QDateTime>{});
}

QTEST_APPLESS_MAIN(tst_AlarmCheck)
#include "tst_AlarmCheck.moc"
