#include "engine/TimeTexts.h"
#include "settings/Settings.h"

#include <QTest>

// Dates and times in other languages, and the stored option codes that choose how they show.
class tst_TimeTexts : public QObject {
    Q_OBJECT
private slots:
    void dates_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("German names") << german << "DDDD DD MMMM, YYYY" << QStringLiteral("Montag 09 März, 2026");
        QTest::newRow("German separator") << german << "MM/DD/YYYY" << QStringLiteral("03.09.2026");
        QTest::newRow("Swedish separator")
            << QLocale(QLocale::Swedish, QLocale::Sweden) << "MM/DD/YYYY" << QStringLiteral("03-09-2026");
        QTest::newRow("no separator of its own") << QLocale::c() << "MM/DD/YYYY" << QStringLiteral("03/09/2026");
    }
    void dates()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(TimeTexts::formatDate(QDate(2026, 3, 9), pattern, locale), expected);
        // The 12-hour time takes the language's own designators.
        QCOMPARE(TimeTexts::twelveHour(QTime(20, 15), locale), QStringLiteral("08:15:00 ") + locale.pmText());
    }
    void storedCodes_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("value"); // -1: no value any reader lists
        QTest::newRow("blanks around") << " \t2 " << 2;
        QTest::newRow("largest") << "255" << 255;
        QTest::newRow("just over a byte") << "256" << -1;
        QTest::newRow("digit then text") << "2x" << -1;
    }
    void storedCodes()
    {
        QFETCH(QString, stored);
        QFETCH(int, value);
        QCOMPARE(Settings::decode(stored), value);
    }
};

QTEST_APPLESS_MAIN(tst_TimeTexts)
#include "tst_TimeTexts.moc"
