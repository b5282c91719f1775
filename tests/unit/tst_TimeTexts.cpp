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
    void emptyPatternIsLocaleShortDate();
    void dateSeparator_data();
    void dateSeparator();
};

void tst_TimeTexts::timeTexts_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("led12");
    QTest::addColumn<QString>("led24");

    QTest::newRow("midnight") << QTime(0, 0, 7) << "12:00:07 AM / 00:00:07"
                              << "12:00:07"
                              << "00:00:07";
    QTest::newRow("last second of the night") << QTime(23, 59, 59) << "11:59:59 PM / 23:59:59"
                                              << "11:59:59"
                                              << "23:59:59";
    QTest::newRow("noon") << QTime(12, 30, 0) << "12:30:00 PM / 12:30:00"
                          << "12:30:00"
                          << "12:30:00";
    QTest::newRow("just before noon") << QTime(11, 59, 59) << "11:59:59 AM / 11:59:59"
                                      << "11:59:59"
                                      << "11:59:59";
    QTest::newRow("afternoon") << QTime(13, 5, 9) << "01:05:09 PM / 13:05:09"
                               << "01:05:09"
                               << "13:05:09";
    QTest::newRow("one in the morning") << QTime(1, 0, 0) << "01:00:00 AM / 01:00:00"
                                        << "01:00:00"
                                        << "01:00:00";
}

void tst_TimeTexts::timeTexts()
{
    QFETCH(QTime, time);
    QFETCH(QString, label);
    QFETCH(QString, led12);
    QFETCH(QString, led24);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(TimeTexts::timeLabel(time, english), label);
    QCOMPARE(TimeTexts::twelveHour(time, english), label.section(QStringLiteral(" / "), 0, 0));
    QCOMPARE(TimeTexts::ledText(time, TimeTexts::HourMode::Twelve), led12);
    QCOMPARE(TimeTexts::ledText(time, TimeTexts::HourMode::TwentyFour), led24);
}

void tst_TimeTexts::designatorsFollowLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("Korean") << QLocale(QLocale::Korean, QLocale::SouthKorea);
    QTest::newRow("Greek") << QLocale(QLocale::Greek, QLocale::Greece);
}

void tst_TimeTexts::designatorsFollowLocale()
{
    QFETCH(QLocale, locale);
    const QString morning = TimeTexts::twelveHour(QTime(0, 15, 0), locale);
    const QString evening = TimeTexts::twelveHour(QTime(20, 15, 0), locale);
    QCOMPARE(morning, QStringLiteral("12:15:00 ") + locale.amText());
    QCOMPARE(evening, QStringLiteral("08:15:00 ") + locale.pmText());
    QVERIFY(morning != evening.left(9) + locale.amText() || locale.amText() != locale.pmText());
    // The LED never shows the designator, whatever its length.
    QCOMPARE(TimeTexts::ledText(QTime(20, 15, 0), TimeTexts::HourMode::Twelve), QStringLiteral("08:15:00"));
}

void tst_TimeTexts::datePatterns_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QDate friday(2007, 1, 5);
    QTest::newRow("1 US") << us << friday << "MMMM DD, YYYY"
                          << "January 05, 2007";
    QTest::newRow("2 US") << us << friday << "MMM DD, YYYY"
                          << "Jan 05, 2007";
    QTest::newRow("3 US") << us << friday << "MM/DD/YYYY"
                          << "01/05/2007";
    QTest::newRow("4 US") << us << friday << "DD MMMM, YYYY"
                          << "05 January, 2007";
    QTest::newRow("5 US") << us << friday << "DDDD DD MMMM, YYYY"
                          << "Friday 05 January, 2007";
    QTest::newRow("5 US December") << us << QDate(2026, 12, 5) << "DDDD DD MMMM, YYYY"
                                   << "Saturday 05 December, 2026";
    QTest::newRow("1 US end of year") << us << QDate(2026, 12, 31) << "MMMM DD, YYYY"
                                      << "December 31, 2026";

    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("1 German") << german << QDate(2026, 3, 9) << "MMMM DD, YYYY"
                              << "März 09, 2026";
    QTest::newRow("3 German separator") << german << QDate(2026, 3, 9) << "MM/DD/YYYY"
                                        << "03.09.2026";
    QTest::newRow("5 German") << german << QDate(2026, 3, 9) << "DDDD DD MMMM, YYYY"
                              << "Montag 09 März, 2026";

    const QLocale french(QLocale::French, QLocale::France);
    QTest::newRow("5 French") << french << QDate(2026, 8, 15) << "DDDD DD MMMM, YYYY"
                              << "samedi 15 août, 2026";
    QTest::newRow("3 French") << french << QDate(2026, 8, 15) << "MM/DD/YYYY"
                              << "08/15/2026";
}

void tst_TimeTexts::datePatterns()
{
    QFETCH(QLocale, locale);
    QFETCH(QDate, date);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(TimeTexts::formatDate(date, pattern, locale), expected);
}

void tst_TimeTexts::emptyPatternIsLocaleShortDate()
{
    const QDate date(2026, 12, 5);
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German)})
        QCOMPARE(TimeTexts::formatDate(date, QString(), locale), locale.toString(date, QLocale::ShortFormat));
}

void tst_TimeTexts::dateSeparator_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("separator");
    QTest::newRow("US") << QLocale(QLocale::English, QLocale::UnitedStates) << "/";
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << ".";
    QTest::newRow("Swedish") << QLocale(QLocale::Swedish, QLocale::Sweden) << "-";
}

void tst_TimeTexts::dateSeparator()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, separator);
    QCOMPARE(TimeTexts::dateSeparator(locale), separator);
}

QTEST_APPLESS_MAIN(tst_TimeTexts)
#include "tst_TimeTexts.moc"
