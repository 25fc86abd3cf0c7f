#include "assets/LineReader.h"

#include "base/Error.h"
#include "ImageFixtures.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> allLines(LineReader reader) {
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.readLine(line)) lines.emplace_back(line);
    EXPECT_EQ(line, "");
    EXPECT_FALSE(reader.readLine(line));  // the end stays the end
    return lines;
}

}  // namespace

TEST(LineReaderTest, LineEndsOfEveryKind) {
    EXPECT_EQ(allLines(LineReader::fromText("a\nb\r\nc\rd")), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(allLines(LineReader::fromText("\n\r\n\r\r\n")), (std::vector<std::string>{"", "", "", ""}));
    EXPECT_EQ(allLines(LineReader::fromText("x\n")), (std::vector<std::string>{"x"}));
    EXPECT_EQ(allLines(LineReader::fromText("")), (std::vector<std::string>{}));
    EXPECT_EQ(allLines(LineReader::fromText(std::string("a\0b\n", 4))), (std::vector<std::string>{std::string("a\0b", 3)}));
}

// The file is read through an 8192-byte buffer: a line or a CR LF pair cut by the
// buffer's end must read as if it were whole.
TEST(LineReaderTest, FileLinesAcrossTheBufferEdgeReadLikeMemory) {
    TempDir dir;
    for (const std::size_t crAt : {8190u, 8191u, 8192u, 16383u}) {
        SCOPED_TRACE(crAt);
        const std::string text = std::string(crAt, 'x') + "\r\nnext\rlast\r" + std::string(20000, 'y') + "\r\nend";
        const auto path = dir / "lines.txt";
        std::ofstream(path, std::ios::binary) << text;
        const std::vector<std::string> lines{std::string(crAt, 'x'), "next", "last", std::string(20000, 'y'), "end"};
        EXPECT_EQ(allLines(LineReader::openFile(path.string())), lines);
        EXPECT_EQ(allLines(LineReader::fromText(text)), lines);
    }
}
