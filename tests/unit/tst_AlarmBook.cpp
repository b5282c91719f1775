#include "alarms/AlarmBook.h"

#include <QTest>

class tst_AlarmBook : public QObject {
    Q_OBJECT
private slots:
    void alarmLine_data();
    void alarmLine();
    void freeSlotsAreNeverListed();
    void recordingNeverOverwritesAKeptAlarm();
    void fullTableHasNoFreeSlot();
    void lookupTakesTheLowerSlot();
    void findTimeIgnoresDescriptionAndTheEditedSlot();
    void choicesFor_data();
    void choicesFor();
    void recordAndRewriteRefuse();
};

void tst_AlarmBook::alarmLine_data()
{
    QTest::addColumn<float>("hour");
    QTest::addColumn<float>("minute");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("line");

    QTest::newRow("morning") << 7.f << 5.f << "Wake up"
                             << "7:05 AM   -   Wake up";
    QTest::newRow("afternoon") << 13.f << 30.f << "Lunch"
                               << "13:30 PM   -   Lunch";
    QTest::newRow("12 AM stays on the 24 scale") << 12.f << 0.f << "N/A"
                                                 << "12:00 AM   -   N/A";
    QTest::newRow("12 PM is 24") << 24.f << 45.f << "Tea"
                                 << "24:45 PM   -   Tea";
    QTest::newRow("minute nine") << 1.f << 9.f << "x"
                                 << "1:09 AM   -   x";
    QTest::newRow("minute ten") << 1.f << 10.f << "x"
                                << "1:10 AM   -   x";
    QTest::newRow("minute 59") << 23.f << 59.f << ""
                               << "23:59 PM   -   ";
    QTest::newRow("blanks kept") << 9.f << 0.f << "   "
                                 << "9:00 AM   -      ";
    QTest::newRow("markup stays text") << 9.f << 0.f << "<b>x</b>"
                                       << "9:00 AM   -   <b>x</b>";
    QTest::newRow("fraction from a file") << 7.5f << 5.25f << "odd"
                                          << "7.5:05.25 AM   -   odd";
}

void tst_AlarmBook::alarmLine()
{
    QFETCH(float, hour);
    QFETCH(float, minute);
    QFETCH(QString, description);
    QFETCH(QString, line);
    QCOMPARE(::alarmLine(AlarmRecord{hour, minute, description}), line);
}

void tst_AlarmBook::freeSlotsAreNeverListed()
{
    AlarmBook book;
    book[3] = {-2, 5, QStringLiteral("negative")};
    book[4] = {0, 30, QStringLiteral("zero hour")};
    book[0] = {8, 0, QStringLiteral("slot zero")};
    book[100] = {20, 15, QStringLiteral("last")};
    QCOMPARE(book.lines(), QStringList({"8:00 AM   -   slot zero", "20:15 PM   -   last"}));
    QCOMPARE(book.AlarmCount(), 2);
}

void tst_AlarmBook::recordingNeverOverwritesAKeptAlarm()
{
    AlarmBook book;
    QCOMPARE(book.lowestFreeSlot(), 1);
    for (int slot = 1; slot <= 5; ++slot)
        book[slot] = {static_cast<float>(slot), 0, QString::number(slot)};
    book.free(2);
    book.free(4);
    QCOMPARE(book.AlarmCount(), 3);
    QCOMPARE(book.lowestFreeSlot(), 2);
    book[2] = {9, 9, QStringLiteral("new")};
    QCOMPARE(book.lowestFreeSlot(), 4);
    // Slot 0 is filled only by a session file; recording never uses it.
    book[0] = {1, 1, QStringLiteral("loaded")};
    QCOMPARE(book.lowestFreeSlot(), 4);
    QCOMPARE(book[3].Description, QStringLiteral("3"));
    QCOMPARE(book[5].Description, QStringLiteral("5"));
}

void tst_AlarmBook::fullTableHasNoFreeSlot()
{
    AlarmBook book;
    for (int slot = 1; slot <= AlarmBook::LastSlot; ++slot)
        book[slot] = {1, static_cast<float>(slot % 60), QString()};
    QCOMPARE(book.lowestFreeSlot(), -1);
    QCOMPARE(book.AlarmCount(), 100);
    book.free(57);
    QCOMPARE(book.lowestFreeSlot(), 57);
}

void tst_AlarmBook::lookupTakesTheLowerSlot()
{
    AlarmBook book;
    book[9] = {7, 5, QStringLiteral("same")};
    book[4] = {7, 5, QStringLiteral("same")};
    book[6] = {7, 15, QStringLiteral("other")};
    QCOMPARE(book.findLine(QStringLiteral("7:05 AM   -   same")), 4);
    QCOMPARE(book.findLine(QStringLiteral("7:15 AM   -   other")), 6);
    QCOMPARE(book.findLine(QStringLiteral("7:05 AM   -   gone")), -1);
    // A free slot's line never matches, even the text it would build.
    QCOMPARE(book.findLine(::alarmLine(AlarmRecord{})), -1);
}

void tst_AlarmBook::findTimeIgnoresDescriptionAndTheEditedSlot()
{
    AlarmBook book;
    book[1] = {19, 30, QStringLiteral("evening")};
    QCOMPARE(book.findTime(19, 30), 1);
    QCOMPARE(book.findTime(7, 30), -1);
    QCOMPARE(book.findTime(19, 30, 1), -1);
    book[2] = {19, 30, QStringLiteral("copy")};
    QCOMPARE(book.findTime(19, 30, 1), 2);
}

void tst_AlarmBook::choicesFor_data()
{
    QTest::addColumn<float>("hour");
    QTest::addColumn<float>("minute");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QStringList>("choices"); // hour, minute, AM/PM, description

    QTest::newRow("12 AM") << 12.f << 0.f << "  Tea " << QStringList{"12", "00", "AM", "Tea"};
    QTest::newRow("7 PM") << 19.f << 5.f << "a  b" << QStringList{"07", "05", "PM", "a  b"};
    QTest::newRow("12 PM") << 24.f << 45.f << "\tx" << QStringList{"12", "45", "PM", "\tx"};
    QTest::newRow("1 AM, minute 10") << 1.f << 10.f << "   " << QStringList{"01", "10", "AM", ""};
    QTest::newRow("fraction from a file") << 7.5f << 5.5f << "" << QStringList{"07.5", "05.5", "AM", ""};
}

void tst_AlarmBook::choicesFor()
{
    QFETCH(float, hour);
    QFETCH(float, minute);
    QFETCH(QString, description);
    QFETCH(QStringList, choices);
    const AlarmChoices got = ::choicesFor({hour, minute, description});
    QCOMPARE(QStringList({got.hour, got.minute, got.amPm, got.description}), choices);
}

void tst_AlarmBook::recordAndRewriteRefuse()
{
    AlarmBook book;
    book[0] = {12, 0, QStringLiteral("from a file")};
    QCOMPARE(book.record({12, 0, QStringLiteral("other text")}), AlarmBook::Entry::DuplicateTime);
    QCOMPARE(book.record({24, 0, QStringLiteral("noon")}), AlarmBook::Entry::Written);
    QCOMPARE(book.rewrite(1, {24, 0, QStringLiteral("own time kept")}), AlarmBook::Entry::Written);
    QCOMPARE(book.rewrite(1, {12, 0, QStringLiteral("slot 0's time")}), AlarmBook::Entry::DuplicateTime);
    QCOMPARE(book[1], AlarmRecord({24, 0, QStringLiteral("own time kept")}));
}

QTEST_APPLESS_MAIN(tst_AlarmBook)
#include "tst_AlarmBook.moc"
