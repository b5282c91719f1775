// Tells the benchmark scripts when top-level windows appear on the X display: one line per window
// mapped, "MS WINDOW", the wall-clock time in milliseconds and the window's id.
//   tockwell_mapwatch OUT                   watches until the display goes away
//   tockwell_mapwatch OUT PROGRAM [ARG...]  writes "MS exec" and becomes PROGRAM (so the caller's $!
//                                           is the program), watching from a process of its own
//                                           while the program runs
// The root window's events are selected before the program starts, so no window is missed.

#include <xcb/xcb.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

long long nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return t.tv_sec * 1000LL + t.tv_nsec / 1'000'000;
}

// Until the display closes or `program` (when not 0) has gone.
[[noreturn]] void watch(xcb_connection_t* x, FILE* out, pid_t program)
{
    pollfd display{xcb_get_file_descriptor(x), POLLIN, 0};
    while (!xcb_connection_has_error(x) && (program == 0 || kill(program, 0) == 0)) {
        poll(&display, 1, 500);
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY)
                std::fprintf(out, "%lld %u\n", nowMs(), reinterpret_cast<xcb_map_notify_event_t*>(event)->window);
            std::free(event);
        }
    }
    std::_Exit(0);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: tockwell_mapwatch OUT [PROGRAM ARG...]\n");
        return 2;
    }
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    FILE* out = std::fopen(argv[1], "we");
    if (xcb_connection_has_error(x) || !out) {
        std::fprintf(stderr, "tockwell_mapwatch: no X display or no output file\n");
        return 2;
    }
    std::setvbuf(out, nullptr, _IOLBF, 0);
    fcntl(xcb_get_file_descriptor(x), F_SETFD, FD_CLOEXEC);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    // A round trip: once it is answered, the selection is in force.
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
    if (argc == 2)
        watch(x, out, 0);

    // The watcher is a grandchild, so the program never has a child of its own to leave unreaped.
    const pid_t program = getpid();
    const pid_t middle = fork();
    if (middle == 0) {
        if (fork() == 0)
            watch(x, out, program);
        std::_Exit(0);
    }
    if (middle < 0 || waitpid(middle, nullptr, 0) != middle)
        return 2;
    std::fprintf(out, "%lld exec\n", nowMs());
    std::fflush(out);
    execvp(argv[2], argv + 2);
    std::fprintf(stderr, "tockwell_mapwatch: cannot run %s (%d)\n", argv[2], errno);
    return 2;
}
