// The virtual clock that paced loops run on in tests and captures, and calls outside the
// implemented subset, which abort naming the call.

#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include <functional>
#include <string>

#include "Harness.h"

namespace {

TEST(Clock, VirtualClockAdvancesOnlyBySleepAndWraps) {
    Harness::useVirtualClock(true, 0xFFFFFFF0u);
    EXPECT_EQ(timeGetTime(), 0xFFFFFFF0u);
    Sleep(16);
    EXPECT_EQ(timeGetTime(), 0u);
    Sleep(1000000);
    EXPECT_EQ(timeGetTime(), 1000000u);
    Harness::useVirtualClock(false);
    const DWORD start = timeGetTime();
    Sleep(20);
    EXPECT_GE(DWORD(timeGetTime() - start), 20u) << "the real clock again";
}

TEST(Unimplemented, CallsOutsideTheSubsetAbortWithTheirName) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[] { CreateThread(nullptr, 0, [](LPVOID) -> DWORD { return 0; }, nullptr, CREATE_SUSPENDED, nullptr); },
         "CreateThread"},
        {[] { GetDC(nullptr); }, "GetDC\\(NULL\\)"},
        {[] { Sleep(INFINITE); }, "Sleep\\(INFINITE\\)"},
    };
    for (const auto& [call, name] : cases) EXPECT_DEATH(call(), std::string(name) + ".* is not implemented");
}

}  // namespace
