#include "assets/LineForms.h"

#include <cstddef>

namespace LineForms {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && isDigit(text[i])) ++i;
    return i;
}

// Blanks from i on; npos when there is none (\s+ needs one).
std::size_t skipBlanks(std::string_view text, std::size_t i) {
    const std::size_t start = i;
    while (i < text.size() && isBlank(text[i])) ++i;
    return i == start ? std::string_view::npos : i;
}

// The length of the NUMBER at the start of text, 0 for none. Each alternative's digit
// runs are greedy and giving a digit back cannot help (a digit is neither the point,
// an exponent letter nor a blank), so an alternative either matches with its longest
// text or not at all. A NUMBER that more of the line must follow (more is true) needs
// a blank after it.
std::size_t numberLength(std::string_view text, bool more) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == '-') ++i;
    const std::size_t integerEnd = skipDigits(text, i);
    if (integerEnd == i) return 0;
    std::size_t fractionEnd = 0, exponentEnd = 0;
    if (integerEnd < text.size() && text[integerEnd] == '.') {
        const std::size_t end = skipDigits(text, integerEnd + 1);
        if (end > integerEnd + 1) fractionEnd = end;
    }
    if (fractionEnd != 0 && fractionEnd < text.size() && (text[fractionEnd] == 'e' || text[fractionEnd] == 'E')) {
        std::size_t start = fractionEnd + 1;
        if (start < text.size() && (text[start] == '-' || text[start] == '+')) ++start;
        const std::size_t end = skipDigits(text, start);
        if (end > start) exponentEnd = end;
    }
    for (const std::size_t end : {exponentEnd, fractionEnd, integerEnd})
        if (end != 0 && (!more || (end < text.size() && isBlank(text[end])))) return end;
    return 0;
}

}  // namespace

std::string_view keyword(std::string_view line) {
    std::size_t end = 0;
    while (end < line.size() && !isBlank(line[end])) ++end;
    return line.substr(0, end);
}

bool word(std::string_view rest, std::string_view& out) {
    const std::size_t start = skipBlanks(rest, 0);
    if (start == std::string_view::npos) return false;
    out = keyword(rest.substr(start));
    return !out.empty();
}

bool numbers(std::string_view rest, std::string_view* out, int count) {
    std::size_t i = 0;
    for (int n = 0; n < count; ++n) {
        i = skipBlanks(rest, i);
        if (i == std::string_view::npos) return false;
        const std::size_t length = numberLength(rest.substr(i), n + 1 < count);
        if (length == 0) return false;
        out[n] = rest.substr(i, length);
        i += length;
    }
    return true;
}

bool face(std::string_view rest, std::string_view out[9]) {
    std::size_t i = 0;
    for (int corner = 0; corner < 3; ++corner) {
        i = skipBlanks(rest, i);
        if (i == std::string_view::npos) return false;
        for (int field = 0; field < 3; ++field) {
            const std::size_t end = skipDigits(rest, i);
            out[3 * corner + field] = rest.substr(i, end - i);
            i = end;
            if (field < 2) {
                if (i == rest.size() || rest[i] != '/') return false;
                ++i;
            }
        }
    }
    return true;
}

}  // namespace LineForms
