#pragma once
// LineReader: the buffered, read-only text stream of the loaders. Yields lines without
// their terminator; LF, CR LF and a lone CR each end a line. Reads a file through an
// 8192-byte buffer, or a text held in memory. Lines may be of any length; a line is
// handed out as a view into the buffer, copied only when it runs across the buffer's end.

#include <cstdio>
#include <string>
#include <string_view>

class LineReader {
public:
    // Opens path read-only; raises Error "can not open file <path>" when that fails.
    static LineReader openFile(const std::string& path);
    // Reads the given text instead of a file.
    static LineReader fromText(std::string text);

    LineReader(LineReader&& other) noexcept;
    LineReader& operator=(LineReader&&) = delete;
    ~LineReader();

    // Reads the next line into line, a view valid until the next call. False (and line
    // empty) at the end of the stream.
    bool readLine(std::string_view& line);

private:
    LineReader() = default;
    bool fill();

    std::FILE* file = nullptr;
    std::string buffer;      // file: the read buffer; memory: the whole text
    std::size_t position = 0;
    std::size_t length = 0;  // bytes valid in buffer
    std::string spill;       // a line that runs across the buffer's end
    bool pendingLF = false;  // the last line ended in CR: a following LF belongs to it
};
