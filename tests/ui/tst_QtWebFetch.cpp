#include "platform/QtDesktop.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <optional>

using namespace std::chrono_literals;

Q_DECLARE_METATYPE(std::chrono::milliseconds)

namespace {

QByteArray http(const QByteArray& status, const QByteArray& body, const QByteArray& headers = {})
{
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n" + headers + "\r\n" + body;
}

// An HTTP server on 127.0.0.1 that answers each path with the raw bytes given for it and holds the
// connection open, unanswered, for any other path.
class TestServer : public QObject {
public:
    QTcpServer server;
    QHash<QByteArray, QByteArray> responses;
    int connections = 0; // open at the moment

    TestServer()
    {
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection())
                serve(socket);
        });
    }
    bool listen() { return server.listen(QHostAddress::LocalHost, 0); }
    QString url(const QString& path) const
    {
        return path.startsWith(u'/')
                   ? QStringLiteral("http://127.0.0.1:%1%2").arg(server.serverPort()).arg(path)
                   : QString(path).replace(QStringLiteral("PORT"), QString::number(server.serverPort()));
    }

private:
    void serve(QTcpSocket* socket)
    {
        ++connections;
        auto request = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
            *request += socket->readAll();
            if (!request->contains("\r\n\r\n"))
                return;
            const QByteArray path = request->split(' ').value(1);
            request->clear();
            if (responses.contains(path)) {
                socket->write(responses.value(path));
                socket->disconnectFromHost();
            }
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            --connections;
            socket->deleteLater();
        });
    }
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
    QTest::addColumn<std::chrono::milliseconds>("timeout");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("truncated");
    QTest::addColumn<QString>("error"); // empty: any error text, as the network layer words it

    const std::chrono::milliseconds patient = 30s;
    QTest::newRow("whole document") << "/doc" << http("200 OK", "1.0.1") << patient << true << 200
                                    << QByteArray("1.0.1") << false << "";
    QTest::newRow("exactly the cap") << "/doc" << http("200 OK", QByteArray(64, 'v')) << patient << true << 200
                                     << QByteArray(64, 'v') << false << "";
    QTest::newRow("far past the cap") << "/doc" << http("200 OK", QByteArray(1 << 20, 'v')) << patient << true << 200
                                      << QByteArray(64, 'v') << true << "";
    QTest::newRow("not found") << "/doc" << http("404 Not Found", "<html><body>Gone</body></html>") << patient << false
                               << 404 << QByteArray() << false
                               << "The server answered with HTTP status 404 (Not Found).";
    QTest::newRow("redirect, same scheme") << "/doc" << http("302 Found", {}, "Location: /moved\r\n") << patient << true
                                           << 200 << QByteArray("1.0.2") << false << "";
    QTest::newRow("redirect to another scheme")
        << "/doc" << http("302 Found", {}, "Location: https://127.0.0.1/moved\r\n") << patient << false << 302
        << QByteArray() << false
        << "The server sent the request on to an address of another kind: https://127.0.0.1/moved";
    QTest::newRow("cut off") << "/doc" << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n1.0.1") << patient
                             << false << 200 << QByteArray() << false << "";
    QTest::newRow("no answer in time") << "/held" << QByteArray() << std::chrono::milliseconds(300ms) << false << 0
                                       << QByteArray() << false << "The server did not answer within 0.3 seconds.";
    QTest::newRow("a local file") << "file:///etc/hostname" << QByteArray() << patient << false << 0 << QByteArray()
                                  << false << "Not a web address: file:///etc/hostname";
}

void tst_QtWebFetch::fetch()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, response);
    QFETCH(std::chrono::milliseconds, timeout);
    QFETCH(bool, ok);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, truncated);
    QFETCH(QString, error);

    TestServer server;
    QVERIFY(server.listen());
    server.responses = {{"/doc", response}, {"/moved", http("200 OK", "1.0.2")}};
    QtWebFetch web(timeout);
    QObject context;
    std::optional<WebFetch::Result> result;
    web.get(server.url(path), 64, &context, [&](const WebFetch::Result& r) { result = r; });
    QVERIFY(!result); // never from inside get()
    QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 20000);

    QCOMPARE(result->ok, ok);
    QCOMPARE(result->httpStatus, status);
    if (ok) {
        QCOMPARE(result->body, body);
        QCOMPARE(result->truncated, truncated);
        QVERIFY(result->error.isEmpty());
    } else if (error.isEmpty()) {
        QVERIFY(!result->error.isEmpty());
    } else {
        QCOMPARE(result->error, error);
    }
}

void tst_QtWebFetch::abandonedWhenTheCallerGoes()
{
    TestServer server;
    QVERIFY(server.listen());
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
