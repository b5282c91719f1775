// tockwell-wake: the one part of Tockwell that may wake the computer from sleep. It holds the capability
// CAP_WAKE_ALARM (a file capability the install sets) and no other, opens no file and starts nothing.
//
// Tockwell writes it one line per change: a wall-clock time in whole seconds since 1970-01-01 UTC arms
// the wake-up for then, replacing the one before; an empty line disarms it. A time must lie between 10
// seconds and 8 days ahead: whoever may run this program can then wake the computer no more than an alarm
// could, and not keep it from sleeping (the kernel refuses a suspend only while an alarm timer is due within
// 2 seconds). Anything else is refused, on the error output, and changes nothing. It says "ready" once its
// timer exists, and ends when its input closes, which is when Tockwell ends. Exit status 2: not permitted
// to wake the computer (no capability); 3: the system offers no wake-up alarm.
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <limits>

namespace {

constexpr long long SoonestAhead = 10;
constexpr long long LatestAhead = 8 * 24 * 60 * 60;

// Files left open by whatever started Tockwell would reach this program too: only the standard streams stay.
void closeInherited()
{
#ifdef SYS_close_range
    if (syscall(SYS_close_range, 3U, ~0U, 0U) == 0)
        return;
#endif
    for (long fd = sysconf(_SC_OPEN_MAX) - 1; fd >= 3; --fd)
        close(static_cast<int>(fd));
}

// From here on only CAP_WAKE_ALARM, whoever started the program (root included), and nothing gained by exec.
bool keepOnlyWakeAlarm()
{
    __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    data[CAP_TO_INDEX(CAP_WAKE_ALARM)].permitted = CAP_TO_MASK(CAP_WAKE_ALARM);
    data[CAP_TO_INDEX(CAP_WAKE_ALARM)].effective = CAP_TO_MASK(CAP_WAKE_ALARM);
    return syscall(SYS_capset, &header, data) == 0 && prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0;
}

// A new wake-up timer, not armed; exits when there can be none.
int newTimer()
{
    const int timer = timerfd_create(CLOCK_REALTIME_ALARM, TFD_CLOEXEC);
    if (timer >= 0)
        return timer;
    std::fprintf(stderr, "tockwell-wake: no wake-up timer: %s\n", std::strerror(errno));
    std::exit(errno == EPERM ? 2 : 3);
}

constexpr long long Empty = -2;
constexpr long long NotATime = -1;

// Reads one line, byte by byte, so that whatever bytes it holds it ends at its own newline: the seconds it
// names (1 to 12 digits and nothing else), Empty or NotATime. False at the end of input.
bool readLine(long long& seconds)
{
    seconds = Empty;
    for (int digits = 0;;) {
        char c = 0;
        const ssize_t got = read(STDIN_FILENO, &c, 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        if (c == '\n')
            return true;
        if (c < '0' || c > '9' || ++digits > 12)
            seconds = NotATime;
        else if (seconds != NotATime)
            seconds = std::max(seconds, 0LL) * 10 + (c - '0');
    }
}

} // namespace

int main()
{
    closeInherited();
    // A timer on this clock can be made without a real-time clock to wake the computer, and would never fire.
    timespec resolution = {};
    if (clock_getres(CLOCK_REALTIME_ALARM, &resolution) != 0) {
        std::fprintf(stderr, "tockwell-wake: no real-time clock can wake this computer: %s\n", std::strerror(errno));
        return 3;
    }
    int timer = newTimer();
    if (!keepOnlyWakeAlarm()) {
        std::fprintf(stderr, "tockwell-wake: could not give up other capabilities: %s\n", std::strerror(errno));
        return 1;
    }
    std::puts("ready");
    std::fflush(stdout);

    for (long long seconds; readLine(seconds);) {
        if (seconds == Empty) {
            // A disarmed alarm timer goes on reporting its old expiry (in /proc and to timerfd_gettime); a
            // new one shows plainly that nothing is armed.
            close(timer);
            timer = newTimer();
            continue;
        }
        // Compared before the conversion to time_t, which where it has 32 bits would make a later time an earlier one.
        timespec now = {};
        clock_gettime(CLOCK_REALTIME, &now);
        if (seconds == NotATime) {
            std::fputs("tockwell-wake: refused a line that is not a time\n", stderr);
        } else if (seconds < now.tv_sec + SoonestAhead || seconds > now.tv_sec + LatestAhead ||
                   seconds > std::numeric_limits<time_t>::max()) {
            std::fprintf(stderr, "tockwell-wake: refused %lld: not between 10 seconds and 8 days ahead\n", seconds);
        } else {
            itimerspec when = {};
            when.it_value.tv_sec = static_cast<time_t>(seconds);
            if (timerfd_settime(timer, TFD_TIMER_ABSTIME, &when, nullptr) != 0)
                std::fprintf(stderr, "tockwell-wake: the wake-up could not be set: %s\n", std::strerror(errno));
        }
    }
    return 0;
}
