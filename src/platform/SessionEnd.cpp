#include "SessionEnd.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <optional>
#include <unistd.h>

namespace {

constexpr int Signals[] = {SIGTERM, SIGHUP};
int wakePipe[2] = {-1, -1};
// What each signal did before this program took it, put back when it lets go; empty when it left it alone.
std::optional<struct sigaction> before[std::size(Signals)];

// All a signal handler may safely do: a byte into the pipe wakes the event loop, which does the rest.
extern "C" void wakeEventLoop(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    // A full pipe already holds a wake-up, so a byte that does not fit is no loss.
    [[maybe_unused]] const ssize_t written = ::write(wakePipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

SessionEnd::SessionEnd(QObject* parent) : QObject(parent)
{
    // The session manager's Die arrives as a Quit event, which would close every window and so ask
    // the main window's exit question of a user who is logging out.
    QCoreApplication::instance()->installEventFilter(this);

    if (::pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        std::fprintf(stderr, "tockwell: SIGTERM and SIGHUP will end the program without cleaning up: %s\n",
                     std::strerror(errno));
        return;
    }
    m_signals = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, this);
    connect(m_signals, &QSocketNotifier::activated, this, &SessionEnd::drainSignals);
    struct sigaction action = {};
    action.sa_handler = wakeEventLoop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(Signals); ++i) {
        struct sigaction inherited = {};
        if (::sigaction(Signals[i], nullptr, &inherited) != 0)
            inherited.sa_handler = SIG_DFL;
        // Started with hang-ups ignored (nohup): the terminal closing is not meant to end the program.
        if (Signals[i] == SIGHUP && inherited.sa_handler == SIG_IGN)
            continue;
        if (::sigaction(Signals[i], &action, nullptr) != 0) {
            std::fprintf(stderr, "tockwell: %s will end the program without cleaning up: %s\n",
                         Signals[i] == SIGTERM ? "SIGTERM" : "SIGHUP", std::strerror(errno));
            continue;
        }
        before[i] = inherited;
    }
}

SessionEnd::~SessionEnd()
{
    if (!m_signals)
        return;
    for (std::size_t i = 0; i < std::size(Signals); ++i) {
        if (before[i])
            ::sigaction(Signals[i], &*before[i], nullptr);
        before[i].reset();
    }
    delete m_signals;
    ::close(wakePipe[0]);
    ::close(wakePipe[1]);
    wakePipe[0] = wakePipe[1] = -1;
}

bool SessionEnd::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) {
        emit requested();
        return true;
    }
    return false;
}

void SessionEnd::drainSignals()
{
    char bytes[64];
    while (::read(wakePipe[0], bytes, sizeof bytes) > 0) {
    }
    emit requested();
}
