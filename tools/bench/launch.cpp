// Starts a program, waits until its first top-level window is mapped on the X
// server, ends it and prints three numbers: milliseconds from fork to the map,
// the program's peak memory (maximum resident set) in kilobytes, and the
// processor time in milliseconds its threads had used by the map (which, unlike
// the time to the map, hardly depends on what else the machine is doing).
// Usage: parta-bench-launch [--settle MS] PROGRAM [ARGUMENTS...]
// With --settle the program runs that many milliseconds more after the map
// (its first paint), so that the peak memory includes it.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Waits for the first MapNotify of a window that is not override-redirect
// among the root's children; false when the child ends or time runs out.
bool waitForMap(xcb_connection_t *connection, pid_t child, double deadlineMs)
{
    const int fd = xcb_get_file_descriptor(connection);
    while (nowMs() < deadlineMs) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                                !reinterpret_cast<xcb_map_notify_event_t *>(event)->override_redirect;
            std::free(event);
            if (mapped)
                return true;
        }
        if (waitpid(child, nullptr, WNOHANG) == child)
            return false;
        pollfd watch{fd, POLLIN, 0};
        poll(&watch, 1, 50);
    }
    return false;
}

// The processor time all threads of the process have run, from the kernel's
// scheduler statistics (nanoseconds, the first field of each thread's schedstat).
double processorMs(pid_t process)
{
    double total = 0;
    std::error_code error;
    const std::filesystem::path tasks = "/proc/" + std::to_string(process) + "/task";
    for (const auto &task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream stat(task.path() / "schedstat");
        double ns = 0;
        if (stat >> ns)
            total += ns / 1e6;
    }
    return total;
}

} // namespace

int main(int argc, char *argv[])
{
    int first = 1;
    int settleMs = 0;
    if (argc > 2 && std::strcmp(argv[1], "--settle") == 0) {
        settleMs = std::atoi(argv[2]);
        first = 3;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: %s [--settle MS] PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }

    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "cannot connect to the X display\n");
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t selected =
        xcb_change_window_attributes_checked(connection, screens.data->root, XCB_CW_EVENT_MASK, &mask);
    if (std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error{
            xcb_request_check(connection, selected), &std::free}) {
        std::fprintf(stderr, "cannot watch the root window\n");
        return 1;
    }

    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first], argv + first);
        std::perror(argv[first]);
        _exit(127);
    }
    if (child < 0) {
        std::perror("fork");
        return 1;
    }

    const bool mapped = waitForMap(connection, child, start + 20000);
    const double mapMs = nowMs() - start;
    const double cpuMs = mapped ? processorMs(child) : 0;
    if (mapped && settleMs > 0)
        usleep(static_cast<useconds_t>(settleMs) * 1000);
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    xcb_disconnect(connection);
    if (!mapped) {
        std::fprintf(stderr, "%s: no window was mapped\n", argv[first]);
        return 1;
    }
    std::printf("%.2f %ld %.2f\n", mapMs, usage.ru_maxrss, cpuMs);
    return 0;
}
