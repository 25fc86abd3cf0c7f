// Windows' screensaver command lines: every form Windows sends, and what is refused.

#include <gtest/gtest.h>

#include "app/ScreensaverMode.h"

namespace {

using Args = std::vector<std::string>;
using enum ScreensaverAction;

TEST(ScreensaverModeTest, ReadsEveryFormWindowsSendsInEitherCase) {
    const struct { Args args; bool scrFile; ScreensaverAction action; uint64_t window; } cases[] = {
        {{"/s"}, true, show, 0},
        {{"/S"}, false, show, 0},
        {{"/p", "1234"}, true, preview, 1234},
        {{"/P:1234"}, false, preview, 1234},
        {{"/p", "18446744073709551615"}, true, preview, UINT64_MAX},
        {{"/c"}, true, configure, 0},
        {{"/C:987"}, true, configure, 987},
        {{}, true, configure, 0},  // a .scr opened without arguments: its settings
        {{"/a", "66"}, true, passwordChange, 0},
        {{}, false, none, 0},  // the .exe as it always was
        {{"--version"}, true, none, 0},
        {{"/x"}, true, none, 0},
        {{"/sx"}, true, none, 0},
    };
    for (const auto& c : cases) {
        ScreensaverMode mode{preview, 42};  // overwritten whatever it held
        EXPECT_EQ(parseScreensaverMode(c.args, c.scrFile, mode), "") << ::testing::PrintToString(c.args);
        EXPECT_EQ(mode.action, c.action) << ::testing::PrintToString(c.args);
        EXPECT_EQ(mode.window, c.window) << ::testing::PrintToString(c.args);
    }
}

TEST(ScreensaverModeTest, RefusesBadHandlesAndExtraArgumentsButSaysWhatWasAsked) {
    const struct { Args args; ScreensaverAction action; std::string message; } cases[] = {
        {{"/p"}, preview, "/p needs a window handle, an unsigned decimal number"},
        {{"/p:"}, preview, "/p needs a window handle"},
        {{"/p", "abc"}, preview, "/p needs a window handle"},
        {{"/p", "12x"}, preview, "/p needs a window handle"},
        {{"/P:-5"}, preview, "/P needs a window handle"},
        {{"/p", "0"}, preview, "/p needs a window handle"},
        {{"/p", "18446744073709551616"}, preview, "/p needs a window handle"},
        {{"/p", "1", "2"}, preview, "unexpected argument 2 after /p"},
        {{"/c:owner"}, configure, "/c needs a window handle"},
        {{"/s:5"}, show, "/s takes no window handle"},
        {{"/s", "--fullscreen"}, show, "unexpected argument --fullscreen after /s"},
    };
    for (const auto& c : cases) {
        ScreensaverMode mode;
        const std::string message = parseScreensaverMode(c.args, true, mode);
        EXPECT_NE(message.find(c.message), std::string::npos) << ::testing::PrintToString(c.args) << ": " << message;
        EXPECT_EQ(mode.action, c.action) << ::testing::PrintToString(c.args);
    }
}

TEST(ScreensaverModeTest, TheProgramFilesExtensionMakesAScreensaver) {
    for (const auto& [path, screensaver] :
         {std::pair{"C:\\Users\\Zo\xc3\xab\\twistblocks.scr", true}, {"C:\\WINDOWS\\SYSTEM32\\TWISTBLOCKS.SCR", true},
          {"C:\\Games\\twistblocks.exe", false}, {"C:\\Games\\twistblocks.scr.exe", false}, {"scr", false}})
        EXPECT_EQ(isScreensaverFile(path), screensaver) << path;
}

}  // namespace
