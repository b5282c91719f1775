// Runs a command as on a computer whose real-time clock can wake it ("yes") or that has none ("no"), whatever this
// one has: for the command and all it starts, the kernel answers clock_getres(CLOCK_REALTIME_ALARM) with 0 or EINVAL.
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <ctime>
#include <string_view>

int main(int argc, char** argv)
{
    sock_filter code[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_clock_getres, 0, 3),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, CLOCK_REALTIME_ALARM, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (argc > 2 && argv[1] == std::string_view("yes") ? 0 : EINVAL)),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog filter = {sizeof code / sizeof *code, code};
    // Root may add a filter and still start programs with file capabilities; anyone else must give that up.
    if (argc < 3 ||
        (prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) != 0 &&
         (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 || prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) != 0)))
        return std::perror("usage: tockwell_fake_rtc yes|no command..."), 64;
    execvp(argv[2], argv + 2);
    return std::perror(argv[2]), 127;
}
