// What an update check costs the running clock: the longest gap between the ticks of a 10 ms timer, for 4 s
// with nothing else to do, then for 8 s in which a whole check asks a local server that holds each document
// for 3 s. Run a Release build:  build/bench/tockwell_bench_update

#include "FakeDesktop.h"
#include "app/modMain.h"
#include "platform/QtDesktop.h"
#include "settings/UpdateCheck.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        QTcpSocket* socket = server.nextPendingConnection();
        QTimer::singleShot(3000, socket, [socket] {
            const QByteArray body = socket->readAll().contains(".ver") ? "1.0.1" : "New!";
            socket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
            socket->disconnectFromHost();
        });
    });
    qputenv("TOCKWELL_UPDATE_SERVER", "http://127.0.0.1:" + QByteArray::number(server.serverPort()));
    FakeDesktop fakes;
    QtWebFetch web;
    QTemporaryDir root;
    modMain context(Desktop{fakes.clock, fakes.messages, fakes.sound, fakes.tray, fakes.shell, fakes.files, web,
                            fakes.settings, fakes.programEnd, fakes.modal},
                    {QStringLiteral("tockwell-bench"), root.filePath(QStringLiteral("p")), root.path()});
    auto* check = new UpdateCheck(context, nullptr, nullptr, &app);
    fakes.messages.expect({}, MsgBox::No);

    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest[2] = {}; // idle, then during the check
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        qint64& phase = longest[clock.elapsed() >= 4000];
        phase = std::max(phase, clock.nsecsElapsed() - std::exchange(last, clock.nsecsElapsed()));
    });
    QTimer::singleShot(12000, &app, &QApplication::quit);
    clock.start();
    probe.start(10);
    QTimer::singleShot(4000, check, &UpdateCheck::start);
    app.exec();
    qInfo("longest gap between 10 ms ticks: idle %.2f ms, during the check %.2f ms (the check %s)", longest[0] / 1e6,
          longest[1] / 1e6, check->isRunning() ? "did NOT end" : "ended");
}
