#include "settings/Settings.h"

#include <QTest>

class tst_Settings : public QObject {
    Q_OBJECT
private slots:
    void decode_data();
    void decode();
    void datePatterns();
};

void tst_Settings::decode_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("value");
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("largest") << "255" << 255;
    QTest::newRow("blanks around") << "  2 " << 2;
    QTest::newRow("tab around") << "\t5\t" << 5;
    QTest::newRow("just over a byte") << "256" << -1;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("plus sign") << "+2" << -1;
    QTest::newRow("fraction") << "2.5" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("word") << "green" << -1;
    QTest::newRow("digits then garbage") << "2x" << -1;
    QTest::newRow("arabic-indic digit") << QString(QChar(0x0662)) << -1;
}

void tst_Settings::decode()
{
    QFETCH(QString, stored);
    QFETCH(int, value);
    QCOMPARE(Settings::decode(stored), value);
}

void tst_Settings::datePatterns()
{
    QCOMPARE(Settings::datePatternForCode(1), QStringLiteral("MMMM DD, YYYY"));
    QCOMPARE(Settings::datePatternForCode(2), QStringLiteral("MMM DD, YYYY"));
    QCOMPARE(Settings::datePatternForCode(3), QStringLiteral("MM/DD/YYYY"));
    QCOMPARE(Settings::datePatternForCode(4), QStringLiteral("DD MMMM, YYYY"));
    QCOMPARE(Settings::datePatternForCode(5), QStringLiteral("DDDD DD MMMM, YYYY"));
    for (int code : {-1, 0, 6, 255})
        QVERIFY(Settings::datePatternForCode(code).isEmpty());
}

QTEST_APPLESS_MAIN(tst_Settings)
#include "tst_Settings.moc"
