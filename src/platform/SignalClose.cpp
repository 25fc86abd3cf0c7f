// SIGTERM, SIGINT and SIGHUP close the program as its close button does. The handler only
// writes a byte to a pipe (write is async-signal-safe); a thread of its own reads the pipe and
// posts WM_CLOSE from an ordinary context, where the layer's lock may be taken. A signal the
// program was started with ignored (nohup, a background job) stays ignored. The loss of a
// foreign window closes the program the same way (requestClose).

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <mutex>
#include <thread>

#include "Desktop.h"
#include "platform/LayerState.h"

namespace platform {

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
    int saved = errno;
    char byte = 1;
    [[maybe_unused]] ssize_t written = write(signalPipe[1], &byte, 1);
    errno = saved;
}

// False while no top-level window exists yet.
bool postCloseToTopLevel() {
    HWND target;
    {
        LayerState& s = state();
        Lock lk(s.lock);
        target = s.lastTopLevel;
        if (!s.find(target)) return false;
    }
    return PostMessageW(target, WM_CLOSE, 0, 0);
}

void closeOnEachSignal() {
    for (;;) {
        char byte;
        ssize_t got = read(signalPipe[0], &byte, 1);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return;
        // A signal during start-up closes the main window as soon as it exists.
        while (!postCloseToTopLevel()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

bool startCloser() {
    static const bool started = [] {
        if (pipe2(signalPipe, O_CLOEXEC) != 0) return false;
        // Once the window is gone nobody reads the pipe; a full pipe must not block the handler.
        fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);
        std::thread(closeOnEachSignal).detach();
        return true;
    }();
    return started;
}

}  // namespace

void requestClose() {
    if (startCloser()) onSignal(0);
}

}  // namespace platform

void Desktop::closeOnSignals() {
    static std::once_flag once;
    std::call_once(once, [] {
        if (!platform::startCloser()) return;
        struct sigaction action {};
        action.sa_handler = platform::onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
            struct sigaction inherited {};
            if (sigaction(signal, nullptr, &inherited) == 0 && inherited.sa_handler == SIG_IGN) continue;
            sigaction(signal, &action, nullptr);
        }
    });
}
