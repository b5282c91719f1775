#include "alarms/AlarmBook.h"

#include <QTest>

class tst_AlarmBook : public QObject {
    Q_OBJECT
private slots:
    void alarmLine_data();
    void alarmLine();
    void freeSlotsAreNeverListedNorMatched();
    void slotZeroIsNeverRecordedIntoButRefusesItsTime();
};

void tst_AlarmBook::alarmLine_data()
{
    QTest::addColumn<AlarmRecord>("alarm");
    QTest::addColumn<QString>("line");

    QTest::newRow("morning") << AlarmRecord{7, 5, u"Wake up"_qs} << QStringLiteral("7:05 AM   -   Wake up");
    QTest::newRow("afternoon") << AlarmRecord{13, 30, u"Lunch"_qs} << QStringLiteral("13:30 PM   -   Lunch");
    QTest::newRow("12 AM stays on the 24 scale")
        << AlarmRecord{12, 0, u"N/A"_qs} << QStringLiteral("12:00 AM   -   N/A");
    QTest::newRow("12 PM is 24") << AlarmRecord{24, 45, u"Tea"_qs} << QStringLiteral("24:45 PM   -   Tea");
    QTest::newRow("minute 59, no text") << AlarmRecord{23, 59, {}} << QStringLiteral("23:59 PM   -   ");
    QTest::newRow("markup stays text") << AlarmRecord{9, 0, u"<b>x</b>"_qs} << QStringLiteral("9:00 AM   -   <b>x</b>");
    QTest::newRow("fraction from a file")
        << AlarmRecord{7.5f, 5.25f, u"odd"_qs} << QStringLiteral("7.5:05.25 AM   -   odd");
}

void tst_AlarmBook::alarmLine()
{
    QFETCH(AlarmRecord, alarm);
    QFETCH(QString, line);
    QCOMPARE(::alarmLine(alarm), line);
}

void tst_AlarmBook::freeSlotsAreNeverListedNorMatched()
{
    AlarmBook book;
    book[3] = {-2, 5, QStringLiteral("negative")};
    book[4] = {0, 30, QStringLiteral("zero hour")};
    book[0] = {8, 0, QStringLiteral("slot zero")};
    book[100] = {20, 15, QStringLiteral("last")};
    QCOMPARE(book.lines(), QStringList({"8:00 AM   -   slot zero", "20:15 PM   -   last"}));
    QCOMPARE(book.AlarmCount(), 2);
    // A free slot's line never matches, even the text it would build.
    QCOMPARE(book.findLine(::alarmLine(AlarmRecord{})), -1);
    QCOMPARE(book.findLine(::alarmLine(book[4])), -1);
}

void tst_AlarmBook::slotZeroIsNeverRecordedIntoButRefusesItsTime()
{
    AlarmBook book;
    book[0] = {12, 0, QStringLiteral("from a file")};
    QCOMPARE(book.lowestFreeSlot(), 1);
    QCOMPARE(book.record({12, 0, QStringLiteral("other text")}), AlarmBook::Entry::DuplicateTime);
    QCOMPARE(book.record({24, 0, QStringLiteral("noon")}), AlarmBook::Entry::Written);
    QCOMPARE(book.rewrite(1, {24, 0, QStringLiteral("own time kept")}), AlarmBook::Entry::Written);
    QCOMPARE(book.rewrite(1, {12, 0, QStringLiteral("slot 0's time")}), AlarmBook::Entry::DuplicateTime);
    QCOMPARE(book[1], AlarmRecord({24, 0, QStringLiteral("own time kept")}));
}

QTEST_APPLESS_MAIN(tst_AlarmBook)
#include "tst_AlarmBook.moc"
