// Starts one program on the current X display and prints, on one line, the milliseconds from
// starting it to its first top-level window being mapped, its peak resident memory in KiB a
// settling time later, and that window's width and height. The program is then ended.
//
// usage: startup_probe [--settle MS] [--timeout MS] PROGRAM [ARGUMENT...]
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

struct Mapped {
    xcb_window_t window = XCB_NONE;
    double milliseconds = 0;
};

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* x, const char* name) {
    Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::strlen(name), name), nullptr),
        std::free);
    return reply ? reply->atom : XCB_NONE;
}

// Qt sets _NET_WM_PID before it maps a window, so windows of other clients are told apart.
bool ownedBy(xcb_connection_t* x, xcb_atom_t wmPid, xcb_window_t window, pid_t pid) {
    Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(x, xcb_get_property(x, 0, window, wmPid, XCB_ATOM_CARDINAL, 0, 1),
                               nullptr),
        std::free);
    if (!reply || xcb_get_property_value_length(reply.get()) != 4)
        return false;
    return *static_cast<const uint32_t*>(xcb_get_property_value(reply.get())) ==
           static_cast<uint32_t>(pid);
}

bool exited(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == pid;
}

Mapped waitForMap(xcb_connection_t* x, pid_t pid, Clock::time_point started, int timeoutMs) {
    const xcb_atom_t wmPid = atom(x, "_NET_WM_PID");
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    while (Clock::now() - started < std::chrono::milliseconds(timeoutMs)) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            const Clock::time_point now = Clock::now();
            Reply<xcb_generic_event_t> owned(event, std::free);
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                continue;
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
            if (map->override_redirect || !ownedBy(x, wmPid, map->window, pid))
                continue;
            return {map->window, std::chrono::duration<double, std::milli>(now - started).count()};
        }
        if (xcb_connection_has_error(x) || exited(pid))
            return {};
        poll(&fd, 1, 20);
    }
    return {};
}

long peakKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

void end(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (exited(pid))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

int usage() {
    std::fprintf(stderr,
                 "usage: startup_probe [--settle MS] [--timeout MS] PROGRAM [ARGUMENT...]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int settleMs = 1000, timeoutMs = 10000, first = 1;
    for (; first + 1 < argc && std::strncmp(argv[first], "--", 2) == 0; first += 2) {
        int* option = std::strcmp(argv[first], "--settle") == 0    ? &settleMs
                      : std::strcmp(argv[first], "--timeout") == 0 ? &timeoutMs
                                                                   : nullptr;
        if (!option)
            return usage();
        *option = std::atoi(argv[first + 1]);
    }
    if (first >= argc)
        return usage();

    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "startup_probe: cannot open the X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked, so that listening has begun before the program starts.
    if (xcb_generic_error_t* error = xcb_request_check(
            x, xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask))) {
        std::free(error);
        std::fprintf(stderr, "startup_probe: cannot watch the root window\n");
        return 1;
    }

    const Clock::time_point started = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(STDERR_FILENO, STDOUT_FILENO);  // our standard output carries only the figures
        execvp(argv[first], argv + first);
        std::fprintf(stderr, "startup_probe: cannot start %s: %s\n", argv[first],
                     std::strerror(errno));
        _exit(127);
    }
    if (pid < 0) {
        std::perror("startup_probe: fork");
        return 1;
    }

    const Mapped mapped = waitForMap(x, pid, started, timeoutMs);
    if (mapped.window == XCB_NONE) {
        std::fprintf(stderr, "startup_probe: %s mapped no window\n", argv[first]);
        end(pid);
        return 1;
    }
    Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(x, xcb_get_geometry(x, mapped.window), nullptr), std::free);
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long peak = peakKib(pid);
    end(pid);
    xcb_disconnect(x);
    std::printf("%.1f %ld %d %d\n", mapped.milliseconds, peak, geometry ? geometry->width : 0,
                geometry ? geometry->height : 0);
    return peak < 0 ? 1 : 0;
}
