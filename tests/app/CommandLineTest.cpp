// The program's options as a table: what each form sets, what is refused with which message,
// and how XSCREENSAVER_WINDOW meets the options.

#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace {

using Args = std::vector<std::string>;

// What a parsed command line asks for, in words.
std::string describe(const CommandLine& line) {
    std::string words;
    for (const auto& [set, word] : {std::pair{line.help, "help"}, {line.version, "version"},
                                    {line.fullscreen, "fullscreen"}, {line.root, "root"}})
        if (set) words += std::string(word) + " ";
    if (line.windowId) words += "window " + std::to_string(*line.windowId);
    return words;
}

TEST(CommandLineTest, ReadsEveryOptionAndTheScreensaverWindow) {
    const struct { Args args; const char* environment; std::string expected; } cases[] = {
        {{}, nullptr, ""},
        {{}, "", ""},
        {{"--fullscreen", "--root"}, nullptr, "fullscreen root "},
        {{"--window-id", "4194311"}, nullptr, "window 4194311"},
        {{"--window-id", "0X1fffffff"}, nullptr, "window 536870911"},  // X ids have 29 bits
        {{}, "0x400007", "window 4194311"},
        {{"--root"}, "77", "root window 77"},              // the daemon's --root draws into its window
        {{"--window-id", "5"}, "bad", "window 5"},         // the option wins over the environment
        {{"--help"}, "bad", "help "},                      // help and version need no window
        {{"--version"}, "0x400007", "version "},
    };
    for (const auto& c : cases) {
        CommandLine line;
        EXPECT_EQ(parseCommandLine(c.args, c.environment, line), "") << ::testing::PrintToString(c.args);
        EXPECT_EQ(describe(line), c.expected) << ::testing::PrintToString(c.args);
    }
}

TEST(CommandLineTest, RefusesWhatIsNotAnOptionOrAWindowId) {
    const std::string needsId = "--window-id needs an X window id, decimal or 0x-hex";
    const struct { Args args; const char* environment; std::string message; } cases[] = {
        {{"--bogus"}, nullptr, "unknown option --bogus"},
        {{"/s"}, nullptr, "unknown option /s"},
        {{"--window-id"}, nullptr, needsId},
        {{"--window-id", "0"}, nullptr, needsId},
        {{"--window-id", "0x"}, nullptr, needsId},
        {{"--window-id", "12ab"}, nullptr, needsId},
        {{"--window-id", "-5"}, nullptr, needsId},
        {{"--window-id", "0x20000000"}, nullptr, needsId},
        {{"--window-id", "0x100400007"}, nullptr, needsId},
        {{"--window-id", "99999999999999999999999"}, nullptr, needsId},
        {{}, "none", "XSCREENSAVER_WINDOW is not an X window id: none"},
        {{"--fullscreen"}, "0x20000000", "XSCREENSAVER_WINDOW is not an X window id: 0x20000000"},
    };
    for (const auto& c : cases) {
        CommandLine line;
        EXPECT_EQ(parseCommandLine(c.args, c.environment, line), c.message) << ::testing::PrintToString(c.args);
    }
}

}  // namespace
