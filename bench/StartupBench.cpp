// Whole-process runs of velmora on a virtual X display. Kept apart from the
// Qt benchmarks: Xlib's macros clash with Qt's headers.
#include <benchmark/benchmark.h>

#include <X11/Xlib.h>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {
// A virtual X display for whole-process runs, started once.
class VirtualDisplay {
  public:
    VirtualDisplay() {
        int ready[2];
        if (pipe(ready) != 0) return;
        const std::string fd = std::to_string(ready[1]);
        const char* argv[] = {"Xvfb",    "-displayfd", fd.c_str(),     "-nolisten", "tcp",
                              "-screen", "0",          "1280x1024x24", nullptr};
        // The server keeps none of our output channels open.
        posix_spawn_file_actions_t quiet;
        posix_spawn_file_actions_init(&quiet);
        for (int channel : {0, 1, 2}) {
            posix_spawn_file_actions_addopen(&quiet, channel, "/dev/null", O_RDWR, 0);
        }
        const int spawned =
            posix_spawnp(&pid_, "Xvfb", &quiet, nullptr, const_cast<char**>(argv), environ);
        posix_spawn_file_actions_destroy(&quiet);
        if (spawned != 0) return;
        close(ready[1]);
        // The display number goes after the ':' in place: GCC 12 falsely
        // warns (-Wrestrict) on ":" + a string.
        char name[17] = ":";
        pollfd wait{ready[0], POLLIN, 0};
        if (poll(&wait, 1, 10000) == 1 && read(ready[0], name + 1, sizeof name - 2) > 0) {
            name_ = std::string(name, strcspn(name, "\n"));
            display_ = XOpenDisplay(name_.c_str());
        }
        close(ready[0]);
        if (display_) XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
    }
    ~VirtualDisplay() {
        if (display_) XCloseDisplay(display_);
        if (pid_ > 0) kill(pid_, SIGTERM), waitpid(pid_, nullptr, 0);
    }
    Display* display() const { return display_; }
    const std::string& name() const { return name_; }

    // Waits until a top-level window titled title is mapped.
    bool waitForWindow(const char* title, int timeoutMs) {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (std::chrono::steady_clock::now() < deadline) {
            while (XPending(display_)) {
                XEvent event;
                XNextEvent(display_, &event);
                if (event.type != MapNotify) continue;
                char* name = nullptr;
                const bool match = XFetchName(display_, event.xmap.window, &name) && name &&
                                   std::strcmp(name, title) == 0;
                if (name) XFree(name);
                if (match) return true;
            }
            pollfd wait{ConnectionNumber(display_), POLLIN, 0};
            poll(&wait, 1, 10);
        }
        return false;
    }

  private:
    pid_t pid_ = -1;
    std::string name_;
    Display* display_ = nullptr;
};

// The start of the real program to its main window mapped on the screen.
// The window manager-less display maps the window the moment Qt shows it.
void BM_StartToMainWindowShown(benchmark::State& state) {
    static VirtualDisplay screen;
    if (!screen.display()) {
        state.SkipWithError("no virtual X display (Xvfb)");
        return;
    }
    const std::string display = "DISPLAY=" + screen.name();
    char* envp[] = {const_cast<char*>(display.c_str()), const_cast<char*>("QT_QPA_PLATFORM=xcb"),
                    nullptr};
    char* argv[] = {const_cast<char*>(VELMORA_EXECUTABLE), nullptr};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = -1;
        if (posix_spawn(&pid, VELMORA_EXECUTABLE, nullptr, nullptr, argv, envp) != 0) {
            state.SkipWithError("velmora did not start");
            break;
        }
        const bool shown = screen.waitForWindow("Velmora", 10000);
        const auto end = std::chrono::steady_clock::now();
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        if (!shown) {
            state.SkipWithError("the Velmora window did not appear");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}
BENCHMARK(BM_StartToMainWindowShown)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
}  // namespace
