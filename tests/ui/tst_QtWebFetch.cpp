#include "platform/QtDesktop.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <optional>

using namespace std::chrono_literals;

namespace {

QByteArray http(const QByteArray& status, const QByteArray& body, const QByteArray& headers = {})
{
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n" + headers + "\r\n" + body;
}

// An HTTP server on 127.0.0.1: each path is answered with the raw bytes given for it; a path with
// none is never answered, and its connection stays open.
class TestServer : public QTcpServer {
public:
    QHash<QByteArray, QByteArray> responses;
    int connections = 0;

    TestServer()
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* socket = nextPendingConnection();
            ++connections;
            connect(socket, &QTcpSocket::disconnected, this, [this] { --connections; });
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                const QByteArray path = socket->readAll().split(' ').value(1);
                if (responses.contains(path)) {
                    socket->write(responses.value(path));
                    socket->disconnectFromHost();
                }
            });
        });
    }
    QString url(const QString& path) const { return QStringLiteral("http://127.0.0.1:%1").arg(serverPort()) + path; }
};

} // namespace

class tst_QtWebFetch : public QObject {
    Q_OBJECT
private slots:
    void fetch_data();
    void fetch();
    void abandonedWhenTheCallerGoes();
};

void tst_QtWebFetch::fetch_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("response");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body"); // of a success; of a failure, the error text or empty for any
    QTest::addColumn<bool>("truncated");

    QTest::newRow("whole document") << "/doc" << http("200 OK", "1.0.1") << true << 200 << QByteArray("1.0.1") << false;
    QTest::newRow("exactly the cap") << "/doc" << http("200 OK", QByteArray(64, 'v')) << true << 200
                                     << QByteArray(64, 'v') << false;
    QTest::newRow("far past the cap") << "/doc" << http("200 OK", QByteArray(1 << 20, 'v')) << true << 200
                                      << QByteArray(64, 'v') << true;
    QTest::newRow("not found") << "/doc" << http("404 Not Found", "<html>Gone</html>") << false << 404
                               << QByteArray("The server answered with HTTP status 404 (Not Found).") << false;
    QTest::newRow("redirect, same scheme")
        << "/doc" << http("302 Found", {}, "Location: /moved\r\n") << true << 200 << QByteArray("1.0.2") << false;
    QTest::newRow("redirect to another scheme")
        << "/doc" << http("302 Found", {}, "Location: https://127.0.0.1/moved\r\n") << false << 302
        << QByteArray("The server sent the request on to an address of another kind: https://127.0.0.1/moved") << false;
    QTest::newRow("cut off") << "/doc" << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n1.0.1") << false
                             << 200 << QByteArray() << false;
    QTest::newRow("no answer in time") << "/held" << QByteArray() << false << 0
                                       << QByteArray("The server did not answer within 0.3 seconds.") << false;
    QTest::newRow("a local file") << "file:///etc/hostname" << QByteArray() << false << 0
                                  << QByteArray("Not a web address: file:///etc/hostname") << false;
}

void tst_QtWebFetch::fetch()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, response);
    QFETCH(bool, ok);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, truncated);

    TestServer server;
    server.responses = {{"/doc", response}, {"/moved", http("200 OK", "1.0.2")}};
    // Only the row that waits for nothing needs a short deadline.
    QtWebFetch web(path == u"/held" ? std::chrono::milliseconds(300ms) : std::chrono::milliseconds(30s));
    QObject context;
    std::optional<WebFetch::Result> result;
    web.get(path.startsWith(u'/') ? server.url(path) : path, 64, &context,
            [&](const WebFetch::Result& r) { result = r; });
    QVERIFY(!result); // never from inside get()
    QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 20000);

    QCOMPARE(result->ok, ok);
    QCOMPARE(result->httpStatus, status);
    QCOMPARE(result->truncated, truncated);
    QCOMPARE(ok ? result->body : QByteArray(), ok ? body : QByteArray());
    QCOMPARE(result->error.isEmpty(), ok);
    if (!ok && !body.isEmpty())
        QCOMPARE(result->error, QString::fromUtf8(body));
}

void tst_QtWebFetch::abandonedWhenTheCallerGoes()
{
    TestServer server;
    QtWebFetch web;
    auto* context = new QObject;
    int called = 0;
    web.get(server.url(QStringLiteral("/held")), 64, context, [&](const WebFetch::Result&) { ++called; });
    QTRY_COMPARE(server.connections, 1);
    delete context;
    // The transfer is dropped at once, not left to run into its time-out.
    QTRY_COMPARE(server.connections, 0);
    QCoreApplication::processEvents();
    QCOMPARE(called, 0);
}

QTEST_GUILESS_MAIN(tst_QtWebFetch)
#include "tst_QtWebFetch.moc"
