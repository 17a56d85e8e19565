// Start-up of a program on an X server: the time from just before it is started to the
// moment the server maps its first top-level window, and the child's peak memory.
// The mapping is learnt from the server's own MapNotify on the root window, so the
// figure has the resolution of the clock, not of a polling interval.
//
// Runs the program under test and a reference program alternately (one unmeasured
// warm-up start each first), kills each child as soon as its window is mapped, and
// prints the medians and the ratios program/reference.
//
// Usage: bench_startup [--runs N] PROGRAM REFERENCE
// DISPLAY names a running X server without a window manager (bench/startup.sh starts
// an Xvfb for it).

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct CStart {
    double Milliseconds = 0;
    double CpuMilliseconds = 0; // user and system time of the child: less sensitive to a busy machine
    double PeakMegabytes = 0;
};

struct CEventFree {
    void operator()(xcb_generic_event_t* event) const { std::free(event); }
};
using CEvent = std::unique_ptr<xcb_generic_event_t, CEventFree>;

// One connection that hears of every window created, mapped and destroyed on the root.
class CRootWatcher {
public:
    CRootWatcher()
    {
        int screenNumber = 0;
        Connection = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(Connection) != 0) {
            return;
        }
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(Connection));
        for (int i = 0; i < screenNumber; ++i) {
            xcb_screen_next(&screens);
        }
        Root = screens.data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_generic_error_t* error = xcb_request_check(
            Connection, xcb_change_window_attributes_checked(Connection, Root, XCB_CW_EVENT_MASK, &mask));
        Ready = error == nullptr;
        std::free(error);
    }
    ~CRootWatcher() { xcb_disconnect(Connection); }
    CRootWatcher(const CRootWatcher&) = delete;
    CRootWatcher& operator=(const CRootWatcher&) = delete;

    [[nodiscard]] bool IsReady() const { return Ready && xcb_connection_has_error(Connection) == 0; }

    // The next event, waiting on the connection's socket until the deadline; empty
    // when the deadline passes or the connection fails.
    CEvent Next(Clock::time_point deadline)
    {
        for (;;) {
            if (xcb_generic_event_t* event = xcb_poll_for_event(Connection)) {
                return CEvent(event);
            }
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0 || xcb_connection_has_error(Connection) != 0) {
                return {};
            }
            pollfd socket{xcb_get_file_descriptor(Connection), POLLIN, 0};
            poll(&socket, 1, static_cast<int>(left));
        }
    }

    // Discards what is queued from earlier runs.
    void Drain()
    {
        Sync();
        while (xcb_generic_event_t* event = xcb_poll_for_event(Connection)) {
            std::free(event);
        }
    }

    [[nodiscard]] xcb_window_t RootWindow() const { return Root; }

private:
    // A round trip: every event the server sent before it has arrived afterwards.
    void Sync() { std::free(xcb_get_input_focus_reply(Connection, xcb_get_input_focus(Connection), nullptr)); }

    xcb_connection_t* Connection = nullptr;
    xcb_window_t Root = 0;
    bool Ready = false;
};

uint8_t Kind(const CEvent& event)
{
    return static_cast<uint8_t>(event->response_type & 0x7f);
}

pid_t Start(const std::string& program)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    std::vector<char> name(program.begin(), program.end());
    name.push_back('\0');
    char* arguments[] = {name.data(), nullptr};
    pid_t child = -1;
    if (posix_spawn(&child, name.data(), &actions, nullptr, arguments, environ) != 0) {
        child = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

// Whether the child has ended, leaving it unreaped for wait4 to collect its usage.
bool HasEnded(pid_t child)
{
    siginfo_t info{};
    return waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == child;
}

// One start of the program: empty when it fails to show a window within 30 s.
std::optional<CStart> MeasureOnce(CRootWatcher& watcher, const std::string& program)
{
    watcher.Drain();
    const Clock::time_point started = Clock::now();
    const pid_t child = Start(program);
    if (child < 0) {
        std::fprintf(stderr, "bench_startup: cannot start %s\n", program.c_str());
        return {};
    }
    std::optional<CStart> result;
    xcb_window_t shown = 0;
    const Clock::time_point deadline = started + std::chrono::seconds(30);
    for (;;) {
        // Woken by the socket at once; every 100 ms also asks whether the child died.
        const CEvent event = watcher.Next(std::min(deadline, Clock::now() + std::chrono::milliseconds(100)));
        if (!event) {
            if (Clock::now() >= deadline || HasEnded(child) || !watcher.IsReady()) {
                break;
            }
            continue;
        }
        if (Kind(event) != XCB_MAP_NOTIFY) {
            continue;
        }
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
        if (map->event == watcher.RootWindow() && map->override_redirect == 0) {
            const std::chrono::duration<double, std::milli> elapsed = Clock::now() - started;
            result = CStart{elapsed.count(), 0, 0};
            shown = map->window;
            break;
        }
    }
    kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!result) {
        std::fprintf(stderr, "bench_startup: %s showed no window\n", program.c_str());
        return {};
    }
    result->PeakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB
    const auto milliseconds
        = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3; };
    result->CpuMilliseconds = milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
    // The next start begins on an empty screen: wait until the server has destroyed the window.
    const Clock::time_point gone = Clock::now() + std::chrono::seconds(5);
    while (CEvent event = watcher.Next(gone)) {
        if (Kind(event) == XCB_DESTROY_NOTIFY
            && reinterpret_cast<const xcb_destroy_notify_event_t*>(event.get())->window == shown) {
            break;
        }
    }
    return result;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string BaseName(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

int main(int argc, char* argv[])
{
    int runs = 15;
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else {
            programs.emplace_back(argv[i]);
        }
    }
    if (programs.size() != 2 || runs < 1) {
        std::fprintf(stderr, "usage: bench_startup [--runs N] PROGRAM REFERENCE  (with DISPLAY set)\n");
        return 2;
    }
    // An inherited offscreen platform would never map a window.
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    const char* display = std::getenv("DISPLAY");
    CRootWatcher watcher;
    if (display == nullptr || !watcher.IsReady()) {
        std::fprintf(
            stderr, "bench_startup: cannot watch the root window of DISPLAY=%s\n", display != nullptr ? display : "");
        return 1;
    }

    std::array<std::vector<double>, 2> times;
    std::array<std::vector<double>, 2> cpu;
    std::array<std::vector<double>, 2> memory;
    for (int run = -1; run < runs; ++run) { // run -1 warms the file cache
        for (std::size_t p = 0; p < 2; ++p) {
            const std::optional<CStart> start = MeasureOnce(watcher, programs[p]);
            if (!start) {
                return 1;
            }
            if (run >= 0) {
                times[p].push_back(start->Milliseconds);
                cpu[p].push_back(start->CpuMilliseconds);
                memory[p].push_back(start->PeakMegabytes);
            }
        }
    }

    std::printf("exec to first window mapped on DISPLAY=%s, medians of %d starts each\n", display, runs);
    for (std::size_t p = 0; p < 2; ++p) {
        const auto [fastest, slowest] = std::minmax_element(times[p].begin(), times[p].end());
        std::printf("  %-18s %7.1f ms (%.1f to %.1f)  cpu %6.1f ms  peak memory %6.1f MB\n",
            BaseName(programs[p]).c_str(), Median(times[p]), *fastest, *slowest, Median(cpu[p]), Median(memory[p]));
    }
    std::printf("  %s/%s: time %.2fx, cpu %.2fx, peak memory %.2fx\n", BaseName(programs[0]).c_str(),
        BaseName(programs[1]).c_str(), Median(times[0]) / Median(times[1]), Median(cpu[0]) / Median(cpu[1]),
        Median(memory[0]) / Median(memory[1]));
    return 0;
}
