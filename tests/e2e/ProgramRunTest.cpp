// The capture tool runs the unchanged program in a process of its own: missing data must
// end it, or leave it running, with exit code 0.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

struct CaptureRun {
    int exitCode = -1;
    std::string output;  // standard output and standard error
};

// Runs the capture tool in dir. A run that has not ended after 60 seconds is killed and
// reported with exit code 124: a hang, not slowness, is what that catches.
CaptureRun runCapture(const fs::path& dir, const std::string& arguments) {
    const std::string command =
        "cd '" + dir.string() + "' && timeout -k 5 60 '" TWISTBLOCKS_CAPTURE "' " + arguments + " 2>&1";
    CaptureRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    std::size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, got);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

// A copy of the installation data that a test may break.
class DataCopy {
public:
    explicit DataCopy(const std::string& name) : root(fs::temp_directory_path() / ("twistblocks-e2e-" + name)) {
        fs::remove_all(root);
        fs::copy(TWISTBLOCKS_DATA_DIR, root, fs::copy_options::recursive);
    }
    ~DataCopy() {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
    const fs::path root;
};

}  // namespace

TEST(ProgramRunTest, AMissingModelEndsTheGameWithAnErrorLine) {
    DataCopy data("no-model");
    fs::remove(data.root / "3d_obj" / "block.obj");
    const CaptureRun run = runCapture(data.root, "--frames 5");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("\nGameLoopError: "), std::string::npos) << run.output;
}

TEST(ProgramRunTest, AMissingFontLeavesTheDemoRunningWithoutText) {
    DataCopy data("no-font");
    fs::remove(data.root / "img_data" / "font8x16.png");
    const CaptureRun run = runCapture(data.root, "--frames 5 --save 4 --out pictures");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("can not load texture png (img_data/font8x16.png)\n"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("GameLoopError"), std::string::npos) << run.output;
    EXPECT_TRUE(fs::exists(data.root / "pictures" / "frame-000004.png"));
}
