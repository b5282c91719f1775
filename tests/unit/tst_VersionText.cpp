#include "settings/VersionText.h"

#include <QTest>

class tst_VersionText : public QObject {
    Q_OBJECT
private slots:
    void compare_data();
    void compare();
};

// -2 stands for "unusable": no order at all.
void tst_VersionText::compare_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("running");
    QTest::addColumn<int>("order");
    QTest::newRow("same") << "1.0.0"
                          << "1.0.0" << 0;
    QTest::newRow("revision newer") << "1.0.1"
                                    << "1.0.0" << 1;
    QTest::newRow("older") << "0.9.9"
                           << "1.0.0" << -1;
    QTest::newRow("two digits beat one") << "1.0.10"
                                         << "1.0.9" << 1;
    QTest::newRow("line end after") << "1.0.0\n"
                                    << "1.0.0" << 0;
    QTest::newRow("blanks and CR LF around") << " \t1.0.1\r\n"
                                             << "1.0.0" << 1;
    QTest::newRow("leading zeros") << "01.00.010"
                                   << "1.0.10" << 0;
    QTest::newRow("missing numbers are zero") << "1.0"
                                              << "1.0.0" << 0;
    QTest::newRow("beyond 64 bits") << "1.0.99999999999999999999999"
                                    << "1.0.99999999999999999999998" << 1;
    QTest::newRow("empty") << ""
                           << "1.0.0" << -2;
    QTest::newRow("error page") << "<html><body>404 Not Found</body></html>"
                                << "1.0.0" << -2;
    QTest::newRow("suffix") << "1.0.1-beta"
                            << "1.0.0" << -2;
    QTest::newRow("empty number") << "1..1"
                                  << "1.0.0" << -2;
    QTest::newRow("two versions") << "1.0.1\n1.0.2"
                                  << "1.0.0" << -2;
    QTest::newRow("arabic-indic digits") << QStringLiteral("1.0.\u0661") << "1.0.0" << -2;
}

void tst_VersionText::compare()
{
    QFETCH(QString, server);
    QFETCH(QString, running);
    QFETCH(int, order);
    QCOMPARE(VersionText::compare(server, running).value_or(-2), order);
    if (order != -2)
        QCOMPARE(VersionText::compare(running, server).value_or(-2), -order);
}

QTEST_APPLESS_MAIN(tst_VersionText)
#include "tst_VersionText.moc"
