#include "assets/LineReader.h"

#include "base/Error.h"

#include <cstring>

namespace {
constexpr std::size_t kBufferSize = 8192;
}

LineReader LineReader::openFile(const std::string& path) {
    LineReader reader;
    reader.file = std::fopen(path.c_str(), "rb");
    if (!reader.file) throw Error("can not open file " + path);
    reader.buffer.resize(kBufferSize);
    return reader;
}

LineReader LineReader::fromText(std::string text) {
    LineReader reader;
    reader.buffer = std::move(text);
    reader.length = reader.buffer.size();
    return reader;
}

LineReader::LineReader(LineReader&& other) noexcept
    : file(other.file), buffer(std::move(other.buffer)), position(other.position), length(other.length),
      spill(std::move(other.spill)), pendingLF(other.pendingLF) {
    other.file = nullptr;
}

LineReader::~LineReader() {
    if (file) std::fclose(file);
}

bool LineReader::fill() {
    if (!file) return false;
    position = 0;
    length = std::fread(buffer.data(), 1, buffer.size(), file);
    return length > 0;
}

bool LineReader::readLine(std::string_view& line) {
    spill.clear();
    bool spilled = false;  // the line so far is in spill
    for (;;) {
        if (position == length && !fill()) {
            line = spill;
            return spilled;
        }
        if (pendingLF) {
            pendingLF = false;
            if (buffer[position] == '\n' && ++position == length) continue;
        }
        const char* start = buffer.data() + position;
        const std::size_t available = length - position;
        // The terminator is the first CR or LF: scan for both at once.
        const char* lf = static_cast<const char*>(std::memchr(start, '\n', available));
        const std::size_t span = lf ? static_cast<std::size_t>(lf - start) : available;
        const char* cr = static_cast<const char*>(std::memchr(start, '\r', span));
        const char* end = cr ? cr : lf;
        if (!end) {
            spill.append(start, available);
            spilled = true;
            position = length;
            continue;
        }
        const auto size = static_cast<std::size_t>(end - start);
        if (spilled) {
            spill.append(start, size);
            line = spill;
        } else {
            line = std::string_view(start, size);
        }
        position += size + 1;
        if (*end == '\r') {
            if (position < length) {
                if (buffer[position] == '\n') ++position;
            } else {
                pendingLF = true;  // the LF, if any, is in the next buffer
            }
        }
        return true;
    }
}
