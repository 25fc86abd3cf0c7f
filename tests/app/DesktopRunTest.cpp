// The program as desktops run it, in processes of its own under Xvfb (with-xvfb.sh, black root
// window): installed and started from /tmp, drawing into a window made here as a screensaver
// daemon hands one over, ended by signals at any moment, by that window's destruction or by the
// loss of the X server, refusing bad options and missing data.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <thread>

#include <X11/Xlib.h>  // last: its macros (None, Bool, Status) clash with the headers above
#include <X11/Xutil.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr unsigned long kMagenta = 0xFF00FF;  // the test windows' background; the demo never draws it

// X errors are ignored: a window gone is a finding, not a crash.
Display* display() {
    static Display* connection = (XSetErrorHandler([](Display*, XErrorEvent*) { return 0; }), XOpenDisplay(nullptr));
    return connection;
}

struct Rect { int x, y, width, height; bool operator==(const Rect&) const = default; };

::Window makeWindow(Rect r) {
    const ::Window window =
        XCreateSimpleWindow(display(), DefaultRootWindow(display()), r.x, r.y, r.width, r.height, 0, 0, kMagenta);
    XMapWindow(display(), window);
    XSync(display(), False);
    return window;
}

// The demo has drawn over `area` (hardly any background left, the cube's coloured stickers
// centred in it, as the picture is laid out for the area's size) and nowhere outside it (the
// black root window).
bool drawnOnlyOver(Rect area, unsigned long background) {
    const int width = DisplayWidth(display(), 0), height = DisplayHeight(display(), 0);
    XImage* image = XGetImage(display(), DefaultRootWindow(display()), 0, 0, width, height, AllPlanes, ZPixmap);
    long left = 0, coloured = 0, sumX = 0, sumY = 0, strayOutside = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned long p = XGetPixel(image, x, y) & 0xFFFFFF;
            const int ax = x - area.x, ay = y - area.y;
            if (ax < 0 || ay < 0 || ax >= area.width || ay >= area.height) {
                strayOutside += p != 0;
                continue;
            }
            left += p == background;
            const int r = p >> 16, g = (p >> 8) & 0xFF, b = p & 0xFF;
            if (std::max({r, g, b}) - std::min({r, g, b}) < 100) continue;
            ++coloured, sumX += ax, sumY += ay;
        }
    }
    XDestroyImage(image);
    const auto centred = [&](long sum, int size) { return std::abs(sum / coloured - size / 2) < size / 8; };
    return strayOutside == 0 && left * 100 < long(area.width) * area.height && coloured > 100 &&
           centred(sumX, area.width) && centred(sumY, area.height);
}

bool waitFor(const std::function<bool()>& done, std::chrono::seconds limit = 30s) {
    for (auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;
         std::this_thread::sleep_for(20ms))
        if (done()) return true;
    return false;
}

// Whether the program has taken `window`: it listens to its size once it has.
bool taken(::Window window) {
    XWindowAttributes seen{};
    return XGetWindowAttributes(display(), window, &seen) && (seen.all_event_masks & StructureNotifyMask);
}

// A shell command run in a process of its own (`exec` keeps the pid the program's), its
// standard output and error in a file named after `name`.
class Program {
public:
    explicit Program(const std::string& command, const std::string& name = "program")
        : out(fs::temp_directory_path() / ("twistblocks-desktop-" + std::to_string(getpid()) + "-" + name + ".out")) {
        const std::string line = command + " >" + out.string() + " 2>&1";
        pid = fork();
        if (pid == 0) {
            execl("/bin/sh", "sh", "-c", line.c_str(), nullptr);
            _exit(127);
        }
    }
    ~Program() { if (pid > 0 && kill(pid, SIGKILL) == 0) waitpid(pid, nullptr, 0); }
    // The exit code; -1 for a death by signal or no end within the limit (a hang, not slowness).
    int finish(std::chrono::seconds limit = 10s) {
        int status = 0;
        if (!waitFor([&] { return waitpid(pid, &status, WNOHANG) == pid; }, limit)) return -1;
        pid = 0;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string output() const { return (std::stringstream() << std::ifstream(out).rdbuf()).str(); }
    const fs::path out;
    pid_t pid = 0;
};

const std::string kProgram = TWISTBLOCKS_PROGRAM, kInstalled = TWISTBLOCKS_INSTALL_PREFIX "/bin/twistblocks";

}  // namespace

// How screensaver daemons and people hand the program a window (ID stands for its id), or the screen.
struct Launch { const char* name; std::string command; bool screen; };  // screen: the whole screen is drawn

class DrawingIntoAWindow : public testing::TestWithParam<Launch> {};

TEST_P(DrawingIntoAWindow, StaysInsideItFollowsItsSizeAndLeavesItInPlace) {
    const Launch& launch = GetParam();
    const Rect area = launch.screen ? Rect{0, 0, DisplayWidth(display(), 0), DisplayHeight(display(), 0)} : Rect{40, 30, 200, 160};
    const ::Window window = launch.screen ? DefaultRootWindow(display()) : makeWindow(area);
    XClearWindow(display(), DefaultRootWindow(display()));  // no picture left from an earlier case
    std::string command = launch.command;
    if (const auto at = command.rfind("ID"); at != std::string::npos)
        command.replace(at, 2, command[at - 1] == 'x' ? (std::stringstream() << std::hex << window).str() : std::to_string(window));
    Program program(command);
    ASSERT_TRUE(waitFor([&] { return drawnOnlyOver(area, launch.screen ? 0 : kMagenta); })) << program.output();
    if (!launch.screen) {
        XResizeWindow(display(), window, 300, 220);
        EXPECT_TRUE(waitFor([&] { return drawnOnlyOver({40, 30, 300, 220}, kMagenta); }));
    }
    kill(program.pid, SIGTERM);
    EXPECT_EQ(program.finish(), 0) << program.output();
    XWindowAttributes after{};
    ASSERT_TRUE(XGetWindowAttributes(display(), window, &after));
    EXPECT_EQ(after.map_state, IsViewable);
    if (launch.screen) return;
    EXPECT_EQ((Rect{after.x, after.y, after.width, after.height}), (Rect{40, 30, 300, 220}));
    XDestroyWindow(display(), window);
}

INSTANTIATE_TEST_SUITE_P(
    DesktopRunTest, DrawingIntoAWindow,
    testing::Values(Launch{"InstalledFromTmp", "cd /tmp && exec " + kInstalled + " --window-id 0xID", false},
                    Launch{"ScreensaverWindow", "cd /tmp && XSCREENSAVER_WINDOW=ID exec " + kProgram, false},
                    Launch{"OtherVideoDriverAsked", "SDL_VIDEODRIVER=offscreen exec " + kProgram + " --window-id ID", false},
                    Launch{"Root", "exec " + kProgram + " --root", true},
                    Launch{"Fullscreen", "exec " + kProgram + " --fullscreen", true}),
    [](const testing::TestParamInfo<Launch>& info) { return info.param.name; });

// The program closes as its own window's close would, with 0, when SIGTERM comes at random
// moments while it loads (it has taken its window), and when the owner destroys the window
// without a signal (a preview closing, the host quitting) right after the program took it and
// while it is drawn into. A signal ignored when it started (nohup, a background job) stays
// ignored. SIGTERM while it runs ends every DrawingIntoAWindow case.
TEST(DesktopRunTest, SignalsAndTheWindowsDestructionEndTheProgramWithZero) {
    std::mt19937 random(20261207);
    enum Ending { sigterm, sigtermAfterIgnoredOnes, destroyedTaken, destroyedDrawn };
    for (const Ending ending : {sigterm, sigterm, sigterm, sigtermAfterIgnoredOnes, destroyedTaken, destroyedDrawn}) {
        XClearWindow(display(), DefaultRootWindow(display()));
        const Rect area{40, 30, 200, 160};
        const ::Window window = makeWindow(area);
        const std::string ignoring = ending == sigtermAfterIgnoredOnes ? "trap '' HUP INT && " : "";
        Program program(ignoring + "exec " + kProgram + " --window-id " + std::to_string(window));
        ASSERT_TRUE(waitFor([&] { return ending == destroyedDrawn ? drawnOnlyOver(area, kMagenta) : taken(window); }))
            << program.output();
        if (ending == sigtermAfterIgnoredOnes) {
            kill(program.pid, SIGHUP);
            kill(program.pid, SIGINT);
            ASSERT_EQ(program.finish(3s), -1) << "ended by an ignored signal\n" << program.output();  // else no pid to signal
        }
        if (ending == sigterm) std::this_thread::sleep_for(std::chrono::milliseconds(random() % 100));
        if (ending <= sigtermAfterIgnoredOnes) {
            kill(program.pid, SIGTERM);
        } else {
            XDestroyWindow(display(), window);
            XSync(display(), False);
        }
        EXPECT_EQ(program.finish(), 0) << "ending " << ending << "\n" << program.output();
        if (ending <= sigtermAfterIgnoredOnes) XDestroyWindow(display(), window);
    }
}

// The X server goes away under the running program (logout, an ssh forwarding dropped), alone
// or as a SIGTERM comes: whichever thread meets the loss first ends the process, with one line
// and exit code 1 (or 0, when the close was quicker). Xlib's own handler ran the exit handlers
// on two threads at once and could hang in them.
TEST(DesktopRunTest, LosingTheDisplayEndsTheProgram) {
    std::mt19937 random(20261207);
    const fs::path displayFile = fs::temp_directory_path() / ("twistblocks-display-" + std::to_string(getpid()));
    for (int run = 0; run < 6; ++run) {
        const bool sigterm = run % 2;
        fs::remove(displayFile);
        Program server("exec Xvfb -displayfd 3 -screen 0 320x240x24 -nolisten tcp 3>" + displayFile.string(), "server");
        std::string name;
        ASSERT_TRUE(waitFor([&] { return std::getline(std::ifstream(displayFile), name) && !name.empty(); }));
        name = ":" + name;
        Program program("DISPLAY=" + name + " exec " + kProgram);
        Display* other = XOpenDisplay(name.c_str());  // closed before the server goes: the test lives on
        ASSERT_NE(other, nullptr);
        const auto windowShown = [&] {
            ::Window root, parent, *children = nullptr;
            unsigned count = 0;
            XQueryTree(other, DefaultRootWindow(other), &root, &parent, &children, &count);
            bool shown = false;
            for (unsigned i = 0; i < count; ++i) {
                XWindowAttributes a{};
                shown |= XGetWindowAttributes(other, children[i], &a) && a.map_state == IsViewable;
            }
            if (children) XFree(children);
            return shown;
        };
        ASSERT_TRUE(waitFor(windowShown)) << program.output();
        XCloseDisplay(other);
        std::this_thread::sleep_for(std::chrono::milliseconds(random() % 300));
        kill(server.pid, SIGKILL);
        if (sigterm) kill(program.pid, SIGTERM);
        const int code = program.finish();
        if (code != 0 || !sigterm) {
            EXPECT_EQ(code, 1) << "sigterm " << sigterm << "\n" << program.output();
            EXPECT_NE(program.output().find("platform: lost the connection to the X display\n"), std::string::npos)
                << program.output();
        }
    }
    fs::remove(displayFile);
}

// Each form of a bad option is CommandLineTest's part; here the program's exit codes.
TEST(DesktopRunTest, BadOptionsAndMissingDataGiveTheirMessagesAndExitCodes) {
    const std::string bare = (fs::temp_directory_path() / ("twistblocks-bare-" + std::to_string(getpid()))).string();  // no data
    const struct { std::string command; int exitCode; std::string message; } cases[] = {
        {kProgram + " --bogus", 2, "twistblocks: unknown option --bogus"},
        {"XSCREENSAVER_WINDOW=none " + kProgram + " --help", 0, "--window-id ID"},  // help needs no window
        {kProgram + " --window-id 0x7ffffff", 1, "there is no X window 0x7ffffff"},
        {"mkdir -p " + bare + "/bin && cp " + kInstalled + " " + bare + "/bin && cd /tmp && exec " + bare + "/bin/twistblocks",
         1, "in /tmp, " + bare + "/bin, " + bare + "/share/twistblocks\n"},
    };
    for (const auto& c : cases) {
        Program program(c.command);
        EXPECT_EQ(program.finish(), c.exitCode) << c.command;
        EXPECT_NE(program.output().find(c.message), std::string::npos) << c.command << "\n" << program.output();
    }
    fs::remove_all(bare);
}
