// Where the program looks for its data, and that a folder with a non-ASCII name is found and
// named right (on Windows the path must never pass through the ANSI code page).

#include "app/DataFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

TEST(DataFolderTest, CandidatesAreTheWorkingFolderTheProgramsFolderTheInstallationAndTheSourceTree) {
    EXPECT_EQ(dataFolderCandidates({}), std::vector<fs::path>{"."});
    const std::vector<fs::path> installed{".", "/opt/tb/bin", fs::path("/opt/tb/share/twistblocks").lexically_normal()};
    EXPECT_EQ(dataFolderCandidates("/opt/tb/bin/"), installed);
    EXPECT_EQ(dataFolderCandidates("/opt/tb/bin"), installed);
    const std::vector<fs::path> inBuildTree = dataFolderCandidates(fs::path(u8"" TWISTBLOCKS_BUILD_PROGRAM_FOLDER));
    ASSERT_EQ(inBuildTree.size(), 4u);
    EXPECT_EQ(inBuildTree.back(), fs::path(u8"" TWISTBLOCKS_SOURCE_DATA));
}

TEST(DataFolderTest, EntersTheFirstCompleteFolderAndNamesTheOnesTriedInUtf8) {
    const fs::path before = fs::current_path();
    const fs::path root = fs::temp_directory_path() / u8"twistblocks-Zoë-data";
    const fs::path complete = root / u8"Zoë";
    const fs::path fontOnly = root / u8"Åsa";
    for (const fs::path& file : {complete / "3d_obj/block.obj", complete / "img_data/font8x16.png",
                                 fontOnly / "img_data/font8x16.png"}) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "x";
    }
    EXPECT_EQ(enterDataFolder({root / "missing", fontOnly, complete}), "");
    EXPECT_TRUE(fs::equivalent(fs::current_path(), complete));
    fs::current_path(before);
    const std::string message = enterDataFolder({fontOnly, root / "missing"});
    EXPECT_NE(message.find("cannot find the data files 3d_obj/block.obj and img_data/font8x16.png in "),
              std::string::npos);
    EXPECT_NE(message.find("Åsa, "), std::string::npos) << message;
    EXPECT_EQ(fs::current_path(), before);
    fs::remove_all(root);
}
