#include "engine/TimeTexts.h"

#include <QTest>

class tst_TimeTexts : public QObject {
    Q_OBJECT
private slots:
    void timeTexts_data();
    void timeTexts();
    void designatorsFollowLocale_data();
    void designatorsFollowLocale();
    void datePatterns_data();
    void datePatterns();
};

void tst_TimeTexts::timeTexts_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("label"); // the LED shows its first eight characters in 12-hour mode, else its last

    QTest::newRow("midnight") << QTime(0, 0, 7) << QStringLiteral("12:00:07 AM / 00:00:07");
    QTest::newRow("last second of the night") << QTime(23, 59, 59) << QStringLiteral("11:59:59 PM / 23:59:59");
    QTest::newRow("noon") << QTime(12, 30, 0) << QStringLiteral("12:30:00 PM / 12:30:00");
    QTest::newRow("just before noon") << QTime(11, 59, 59) << QStringLiteral("11:59:59 AM / 11:59:59");
    QTest::newRow("afternoon") << QTime(13, 5, 9) << QStringLiteral("01:05:09 PM / 13:05:09");
}

void tst_TimeTexts::timeTexts()
{
    QFETCH(QTime, time);
    QFETCH(QString, label);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(TimeTexts::timeLabel(time, english), label);
    QCOMPARE(TimeTexts::twelveHour(time, english), label.left(11));
    QCOMPARE(TimeTexts::ledText(time, TimeTexts::HourMode::Twelve), label.left(8));
    QCOMPARE(TimeTexts::ledText(time, TimeTexts::HourMode::TwentyFour), label.right(8));
}

void tst_TimeTexts::designatorsFollowLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("Korean") << QLocale(QLocale::Korean, QLocale::SouthKorea);
}

void tst_TimeTexts::designatorsFollowLocale()
{
    QFETCH(QLocale, locale);
    QCOMPARE(TimeTexts::twelveHour(QTime(0, 15, 0), locale), QStringLiteral("12:15:00 ") + locale.amText());
    QCOMPARE(TimeTexts::twelveHour(QTime(20, 15, 0), locale), QStringLiteral("08:15:00 ") + locale.pmText());
}

void tst_TimeTexts::datePatterns_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale french(QLocale::French, QLocale::France);
    const QDate friday(2007, 1, 5);
    const QDate monday(2026, 3, 9);
    QTest::newRow("1 US") << us << friday << "MMMM DD, YYYY" << QStringLiteral("January 05, 2007");
    QTest::newRow("2 US") << us << friday << "MMM DD, YYYY" << QStringLiteral("Jan 05, 2007");
    QTest::newRow("3 US") << us << friday << "MM/DD/YYYY" << QStringLiteral("01/05/2007");
    QTest::newRow("4 US") << us << friday << "DD MMMM, YYYY" << QStringLiteral("05 January, 2007");
    QTest::newRow("5 US") << us << friday << "DDDD DD MMMM, YYYY" << QStringLiteral("Friday 05 January, 2007");
    QTest::newRow("1 German") << german << monday << "MMMM DD, YYYY" << QStringLiteral("März 09, 2026");
    QTest::newRow("3 German separator") << german << monday << "MM/DD/YYYY" << QStringLiteral("03.09.2026");
    QTest::newRow("3 Swedish separator") << QLocale(QLocale::Swedish, QLocale::Sweden) << monday << "MM/DD/YYYY"
                                         << QStringLiteral("03-09-2026");
    QTest::newRow("3 no separator of its own")
        << QLocale::c() << monday << "MM/DD/YYYY" << QStringLiteral("03/09/2026");
    QTest::newRow("5 German") << german << monday << "DDDD DD MMMM, YYYY" << QStringLiteral("Montag 09 März, 2026");
    QTest::newRow("5 French") << french << QDate(2026, 8, 15) << "DDDD DD MMMM, YYYY"
                              << QStringLiteral("samedi 15 août, 2026");
    QTest::newRow("3 French") << french << QDate(2026, 8, 15) << "MM/DD/YYYY" << QStringLiteral("08/15/2026");
    QTest::newRow("none, US") << us << monday << "" << us.toString(monday, QLocale::ShortFormat);
    QTest::newRow("none, German") << german << monday << "" << german.toString(monday, QLocale::ShortFormat);
}

void tst_TimeTexts::datePatterns()
{
    QFETCH(QLocale, locale);
    QFETCH(QDate, date);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(TimeTexts::formatDate(date, pattern, locale), expected);
}

QTEST_APPLESS_MAIN(tst_TimeTexts)
#include "tst_TimeTexts.moc"
