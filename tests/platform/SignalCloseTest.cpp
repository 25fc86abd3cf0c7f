// The termination signals' handler never blocks: with no window to close, nobody reads what
// it writes, and a storm of signals must not hang the process that gets them.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "Desktop.h"

TEST(SignalCloseTest, ManySignalsWithNoWindowToCloseNeverBlockTheHandler) {
    const pid_t child = fork();  // the handlers stay out of the test process
    if (child == 0) {
        Desktop::closeOnSignals();
        for (int i = 0; i < 70000; ++i) raise(SIGTERM);  // more bytes than a pipe holds (64 KiB)
        _exit(0);
    }
    int status = 0;
    for (int wait = 0; wait < 3000 && waitpid(child, &status, WNOHANG) == 0; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (kill(child, SIGKILL) == 0) waitpid(child, &status, 0);  // still there: blocked
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
}
