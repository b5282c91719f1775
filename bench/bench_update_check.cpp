// What an update check costs the running clock. A 900 ms precise timer (the clock tick's period) and a
// 10 ms probe timer run for 8 s with nothing else to do, then for 8 s while a whole check asks a slow
// local server, which holds each document for 2 s and then sends it a byte every 250 ms.
// Reported: the latest tick, the event loop's longest and 99th-percentile stall, and the interface
// thread's CPU time. Run a Release build:  build/bench/tockwell_bench_update

#include "FakeDesktop.h"
#include "app/modMain.h"
#include "platform/QtDesktop.h"
#include "settings/UpdateCheck.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void serveSlowly(QTcpSocket* socket)
{
    const QByteArray body = socket->readAll().contains(".ver") ? QByteArray("1.0.1") : QByteArray("New!");
    QTimer::singleShot(2000, socket, [socket, body] {
        socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Length: " + QByteArray::number(body.size()) +
                      "\r\n\r\n");
        auto* drip = new QTimer(socket);
        QObject::connect(drip, &QTimer::timeout, socket, [socket, body, drip, sent = qsizetype(0)]() mutable {
            socket->write(body.mid(sent++, 1));
            if (sent == body.size()) {
                drip->stop();
                socket->disconnectFromHost();
            }
        });
        drip->start(250);
    });
}

// Runs the event loop for 8 s with the tick and the probe going; `alongside` starts what runs meanwhile.
void measure(const char* name, const std::function<void()>& alongside)
{
    QElapsedTimer clock;
    double tickLate = 0;
    std::vector<double> stalls;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&, ticks = 0]() mutable {
        tickLate = std::max(tickLate, clock.nsecsElapsed() / 1e6 - 900.0 * ++ticks);
    });
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&, last = qint64(0)]() mutable {
        stalls.push_back((clock.nsecsElapsed() - last) / 1e6 - 10.0);
        last = clock.nsecsElapsed();
    });
    QEventLoop loop;
    QTimer::singleShot(8000, &loop, &QEventLoop::quit);
    const double cpu = threadCpuMs();
    clock.start();
    tick.start(900);
    probe.start(10);
    alongside();
    loop.exec();
    std::sort(stalls.begin(), stalls.end());
    std::printf("%-20s tick late max %6.2f ms | loop stall p99 %6.2f max %6.2f ms | UI thread CPU %5.1f ms\n", name,
                tickLate, stalls[stalls.size() * 99 / 100], stalls.back(), threadCpuMs() - cpu);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        QTcpSocket* socket = server.nextPendingConnection();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] { serveSlowly(socket); });
    });
    qputenv("TOCKWELL_UPDATE_SERVER", QByteArray("http://127.0.0.1:") + QByteArray::number(server.serverPort()));

    FakeDesktop fakes;
    QtWebFetch web;
    QTemporaryDir root;
    modMain context(Desktop{fakes.clock, fakes.messages, fakes.sound, fakes.tray, fakes.shell, fakes.files, web,
                            fakes.settings, fakes.programEnd, fakes.modal},
                    {QStringLiteral("tockwell-bench"), root.filePath(QStringLiteral("p")), root.path()});
    QWidget window;
    auto* button = new QPushButton(&window);
    auto* label = new QLabel(&window);
    auto* check = new UpdateCheck(context, button, label, &window);

    QElapsedTimer wall;
    double clickMs = 0;
    double questionMs = 0;
    fakes.messages.expect({}, MsgBox::No, [&] { questionMs = wall.nsecsElapsed() / 1e6; });
    measure("idle", [] {});
    measure("during a slow check", [&] {
        wall.start();
        check->start();
        clickMs = wall.nsecsElapsed() / 1e6;
    });
    std::printf("label \"%s\", question after %.0f ms, button back: %s; start() returned after %.2f ms\n",
                qPrintable(label->text()), questionMs, button->isEnabled() ? "yes" : "NO", clickMs);
    return 0;
}
