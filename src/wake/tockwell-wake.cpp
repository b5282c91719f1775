// tockwell-wake: the one part of Tockwell that may wake the computer from sleep. It holds the capability
// CAP_WAKE_ALARM (a file capability the install sets) and no other, opens no file and starts nothing.
//
// Tockwell writes it one line per change: a wall-clock time in whole seconds since 1970-01-01 UTC arms
// the wake-up for then, replacing the one before; an empty line disarms it. Anything else is refused,
// on the error output, and changes nothing. It says "ready" once its timer exists, and ends when its
// input closes, which is when Tockwell ends. Exit status 2: not permitted to wake the computer (no
// capability); 3: the system offers no wake-up alarm.
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

// From here on only CAP_WAKE_ALARM, whoever started the program (root included), and nothing gained by exec.
bool keepOnlyWakeAlarm()
{
    __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    data[CAP_TO_INDEX(CAP_WAKE_ALARM)].permitted = CAP_TO_MASK(CAP_WAKE_ALARM);
    data[CAP_TO_INDEX(CAP_WAKE_ALARM)].effective = CAP_TO_MASK(CAP_WAKE_ALARM);
    return syscall(SYS_capset, &header, data) == 0 && prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0;
}

// A whole number of seconds, digits only, that a time_t holds; -1 for anything else.
long long secondsIn(const char* line)
{
    long long seconds = 0;
    for (const char* c = line; *c != '\0'; ++c) {
        if (*c < '0' || *c > '9' || c - line >= 12)
            return -1;
        seconds = seconds * 10 + (*c - '0');
    }
    return *line == '\0' ? -1 : seconds;
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

} // namespace

int main()
{
    int timer = newTimer();
    if (!keepOnlyWakeAlarm()) {
        std::fprintf(stderr, "tockwell-wake: could not give up other capabilities: %s\n", std::strerror(errno));
        return 1;
    }
    std::puts("ready");
    std::fflush(stdout);

    char line[32];
    while (std::fgets(line, sizeof line, stdin)) {
        const size_t length = std::strlen(line);
        if (length == 0 || line[length - 1] != '\n') {
            // Longer than any time, or cut off by the end of input: skip to the end of the line.
            for (int c = 0; c != '\n' && c != EOF;)
                c = std::getchar();
            std::fputs("tockwell-wake: refused a line that is not a time\n", stderr);
            continue;
        }
        line[length - 1] = '\0';
        if (line[0] == '\0') {
            // A disarmed alarm timer goes on reporting its old expiry (in /proc and to timerfd_gettime); a
            // new one shows plainly that nothing is armed.
            close(timer);
            timer = newTimer();
            continue;
        }
        const long long seconds = secondsIn(line);
        if (seconds <= 0) {
            std::fputs("tockwell-wake: refused a line that is not a time\n", stderr);
            continue;
        }
        itimerspec when = {};
        when.it_value.tv_sec = static_cast<time_t>(seconds);
        if (timerfd_settime(timer, TFD_TIMER_ABSTIME, &when, nullptr) != 0)
            std::fprintf(stderr, "tockwell-wake: the wake-up could not be set: %s\n", std::strerror(errno));
    }
    return 0;
}
