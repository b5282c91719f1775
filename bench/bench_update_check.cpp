// What an update check costs the running clock. A 900 ms precise timer (the clock tick's period) and a
// 10 ms probe timer run for a while with nothing else to do, then for as long while a whole check asks a
// slow local server, which holds each document for 2 s and then sends it a byte every 250 ms.
// Reported: how late the ticks came, the longest stalls of the event loop, and the user-interface
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

constexpr int HoldMs = 2000;
constexpr int DripMs = 250;
constexpr int WindowMs = 8000;

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

class SlowServer : public QObject {
public:
    QTcpServer server;
    SlowServer()
    {
        server.listen(QHostAddress::LocalHost, 0);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, socket, [socket] { answer(socket); });
        });
    }
    QString address() const { return QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort()); }

private:
    static void answer(QTcpSocket* socket)
    {
        const QByteArray request = socket->readAll();
        const QByteArray body = request.contains(".ver") ? QByteArray("1.0.1") : QByteArray("New!");
        QTimer::singleShot(HoldMs, socket, [socket, body] {
            socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Length: " + QByteArray::number(body.size()) +
                          "\r\n\r\n");
            auto* drip = new QTimer(socket);
            auto sent = std::make_shared<qsizetype>(0);
            QObject::connect(drip, &QTimer::timeout, socket, [socket, body, sent, drip] {
                socket->write(body.mid((*sent)++, 1));
                if (*sent == body.size()) {
                    drip->stop();
                    socket->disconnectFromHost();
                }
            });
            drip->start(DripMs);
        });
    }
};

struct Measured {
    std::vector<double> tickLateMs;
    std::vector<double> probeStallMs;
    double cpuMs = 0;
};

// Runs the event loop for WindowMs with both timers going; `during` starts whatever runs alongside.
Measured measure(const std::function<void()>& during)
{
    Measured m;
    QElapsedTimer clock;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(900);
    int ticks = 0;
    QObject::connect(&tick, &QTimer::timeout,
                     [&] { m.tickLateMs.push_back(clock.nsecsElapsed() / 1e6 - 900.0 * ++ticks); });
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(10);
    qint64 last = 0;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        m.probeStallMs.push_back((now - last) / 1e6 - 10.0);
        last = now;
    });
    QEventLoop loop;
    QTimer::singleShot(WindowMs, &loop, &QEventLoop::quit);
    const double cpu = threadCpuMs();
    clock.start();
    tick.start();
    probe.start();
    during();
    loop.exec();
    m.cpuMs = threadCpuMs() - cpu;
    return m;
}

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[std::min(v.size() - 1, static_cast<std::size_t>(p * v.size()))];
}

void report(const char* name, const Measured& m)
{
    std::printf(
        "%-24s ticks %2zu, late max %6.2f ms | probe stalls p50 %5.2f p99 %5.2f max %6.2f ms | UI CPU %6.1f ms\n", name,
        m.tickLateMs.size(), *std::max_element(m.tickLateMs.begin(), m.tickLateMs.end()),
        percentile(m.probeStallMs, 0.5), percentile(m.probeStallMs, 0.99),
        *std::max_element(m.probeStallMs.begin(), m.probeStallMs.end()), m.cpuMs);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    SlowServer server;
    qputenv("TOCKWELL_UPDATE_SERVER", server.address().toUtf8());
    FakeDesktop fakes;
    QtWebFetch web;
    QTemporaryDir root;
    modMain context(Desktop{fakes.clock, fakes.messages, fakes.sound, fakes.tray, fakes.shell, fakes.files, web,
                            fakes.settings, fakes.programEnd, fakes.modal},
                    {QStringLiteral("tockwell-bench"), root.filePath(QStringLiteral("p")), root.path()});
    QWidget window;
    auto* button = new QPushButton(UpdateCheck::CheckCaption, &window);
    auto* label = new QLabel(&window);
    auto* check = new UpdateCheck(context, button, label, &window);

    report("idle", measure([] {}));
    QElapsedTimer wall;
    double startMs = -1;
    double questionMs = -1;
    fakes.messages.expect({}, MsgBox::No, [&] { questionMs = wall.nsecsElapsed() / 1e6; });
    QObject::connect(button, &QPushButton::clicked, check, &UpdateCheck::start);
    report("during a slow check", measure([&] {
               wall.start();
               button->click();
               startMs = wall.nsecsElapsed() / 1e6;
           }));
    std::printf("check: label \"%s\", question after %.0f ms, button back: %s; the click returned after %.2f ms\n",
                qPrintable(label->text()), questionMs, button->isEnabled() ? "yes" : "NO", startMs);
    return 0;
}
