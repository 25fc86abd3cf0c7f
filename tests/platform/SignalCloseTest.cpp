// The termination signals' handler never blocks: with no window to close, nobody reads what
// it writes, and a storm of signals must not hang the process that gets them.

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include "Desktop.h"

TEST(SignalCloseTest, ManySignalsWithNoWindowToCloseNeverBlockTheHandler) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process: the handlers stay out of this one
    EXPECT_EXIT(
        {
            alarm(30);  // a handler blocked in its write ends here, as a failure
            Desktop::closeOnSignals();
            for (int i = 0; i < 70000; ++i) raise(SIGTERM);  // more bytes than a pipe holds (64 KiB)
            _exit(0);
        },
        testing::ExitedWithCode(0), "");
}
