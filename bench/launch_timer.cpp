// Times one run of a program from its exec, on CLOCK_MONOTONIC, and reports its peak
// resident set size (the kernel's ru_maxrss from wait4, the figure /usr/bin/time -v
// prints as "Maximum resident set size").
//
//   launch_timer --until-map [--settle-ms N] -- PROGRAM ARGS...
//       Watches the X server's root window for MapNotify (SubstructureNotifyMask). A
//       marker window is mapped first and the clock starts when the server's
//       notification of that map arrives; the program is then started, and the clock
//       stops when the notification of the program's first top-level map arrives. Both
//       stamps are taken on receipt of a MapNotify on the same connection, so the
//       delivery delay is in both. After N ms (default 500, for the first paint) the
//       window is asked to close with WM_DELETE_WINDOW, as a click on its close box.
//   launch_timer --until-exit -- PROGRAM ARGS...
//       From the exec to the exit of the process; its standard output is discarded.
//
// Prints one line: "ms=<elapsed> maxrss_kib=<peak RSS> status=<exit status>".
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string_view>

namespace {

constexpr int kTimeoutMs = 20000;

double NowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "launch_timer: %s\n", what);
    std::exit(2);
}

pid_t Start(char** argv, bool discardOutput)
{
    const pid_t pid = fork();
    if (pid < 0) {
        Fail("fork failed");
    }
    if (pid == 0) {
        // A program tracing its start-up (VELKARI_STARTUP_TRACE=1) counts from here.
        if (std::getenv("VELKARI_STARTUP_TRACE") != nullptr) {
            char stamp[32];
            std::snprintf(stamp, sizeof stamp, "%.0f", NowMs() * 1e6);
            setenv("VELKARI_STARTUP_T0_NS", stamp, 1);
        }
        if (discardOutput) {
            const int null = open("/dev/null", O_WRONLY);
            if (null >= 0) {
                dup2(null, STDOUT_FILENO);
                close(null);
            }
        }
        execvp(argv[0], argv);
        std::fprintf(stderr, "launch_timer: cannot run %s: %s\n", argv[0], std::strerror(errno));
        _exit(127);
    }
    return pid;
}

struct Finished {
    int status = 0;
    long maxrssKib = 0;
};

pid_t g_child = 0;  // killed by the alarm when it runs past the time-out

void KillChild(int /*signal*/)
{
    if (g_child > 0) {
        kill(g_child, SIGKILL);
    }
}

// Waits for the child, blocked in wait4 so that its exit is seen at once; an alarm
// kills it if it has not ended within the time-out.
Finished Reap(pid_t pid)
{
    g_child = pid;
    struct sigaction action {};
    action.sa_handler = KillChild;
    sigaction(SIGALRM, &action, nullptr);
    alarm(kTimeoutMs / 1000);
    Finished finished;
    rusage usage{};
    while (wait4(pid, &finished.status, 0, &usage) < 0) {
        if (errno != EINTR) {
            Fail("wait4 failed");
        }
    }
    alarm(0);
    g_child = 0;
    finished.maxrssKib = usage.ru_maxrss;
    return finished;
}

int ExitStatus(int status)
{
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    return 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}

// Waits up to the time-out for a MapNotify on the root window that satisfies `accept`;
// returns the arrival time, or a negative number on time-out.
template <typename Accept>
double WaitForMap(Display* display, Accept accept, Window* mapped)
{
    const double deadline = NowMs() + kTimeoutMs;
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && accept(event.xmap)) {
                *mapped = event.xmap.window;
                return NowMs();
            }
        }
        const double left = deadline - NowMs();
        if (left <= 0) {
            return -1;
        }
        poll(&fd, 1, static_cast<int>(left) + 1);
    }
}

void AskToClose(Display* display, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

int UntilMap(char** argv, int settleMs)
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        Fail("cannot open the X display (is DISPLAY set?)");
    }
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);

    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    const Window marker = XCreateWindow(display, root, 0, 0, 1, 1, 0, CopyFromParent, InputOnly,
                                        CopyFromParent, CWOverrideRedirect, &attributes);
    XMapWindow(display, marker);
    XFlush(display);
    Window mapped = 0;
    const double start = WaitForMap(
        display, [marker](const XMapEvent& map) { return map.window == marker; }, &mapped);
    if (start < 0) {
        Fail("the marker window's MapNotify never came");
    }

    const pid_t pid = Start(argv, false);
    // Menus and tool tips are override-redirect; the program's window is not.
    const double end = WaitForMap(
        display,
        [marker](const XMapEvent& map) { return map.window != marker && !map.override_redirect; },
        &mapped);
    if (end < 0) {
        kill(pid, SIGKILL);
        Reap(pid);
        Fail("the program mapped no window");
    }
    usleep(static_cast<useconds_t>(settleMs) * 1000);
    AskToClose(display, mapped);
    const Finished finished = Reap(pid);
    XDestroyWindow(display, marker);
    XCloseDisplay(display);
    std::printf("ms=%.3f maxrss_kib=%ld status=%d\n", end - start, finished.maxrssKib,
                ExitStatus(finished.status));
    return 0;
}

int UntilExit(char** argv)
{
    const double start = NowMs();
    const pid_t pid = Start(argv, true);
    const Finished finished = Reap(pid);
    const double end = NowMs();
    std::printf("ms=%.3f maxrss_kib=%ld status=%d\n", end - start, finished.maxrssKib,
                ExitStatus(finished.status));
    return 0;
}

[[noreturn]] void Usage()
{
    std::fprintf(stderr,
                 "usage: launch_timer --until-map [--settle-ms N] -- PROGRAM ARGS...\n"
                 "       launch_timer --until-exit -- PROGRAM ARGS...\n");
    std::exit(2);
}

}  // namespace

int main(int argc, char** argv)
{
    bool untilMap = false;
    bool untilExit = false;
    int settleMs = 500;
    int at = 1;
    for (; at < argc; ++at) {
        const std::string_view arg = argv[at];
        if (arg == "--") {
            ++at;
            break;
        }
        if (arg == "--until-map") {
            untilMap = true;
        } else if (arg == "--until-exit") {
            untilExit = true;
        } else if (arg == "--settle-ms" && at + 1 < argc) {
            settleMs = std::atoi(argv[++at]);
        } else {
            Usage();
        }
    }
    if (at >= argc || untilMap == untilExit) {
        Usage();
    }
    return untilMap ? UntilMap(argv + at, settleMs) : UntilExit(argv + at);
}
