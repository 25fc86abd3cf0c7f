#include "assets/LineForms.h"

#include <cstddef>
#include <cstdint>

namespace LineForms {

namespace {

bool isDigit(char c) { return static_cast<unsigned char>(c - '0') < 10; }

const char* skipDigits(const char* p, const char* end) {
    while (p != end && isDigit(*p)) ++p;
    return p;
}

// Past the blanks at p; null when there is none (\s+ needs one).
const char* skipBlanks(const char* p, const char* end) {
    const char* start = p;
    while (p != end && isBlank(*p)) ++p;
    return p == start ? nullptr : p;
}

// The end of the NUMBER at p, null for none: the longest of the alternatives that
// matches. Their digit runs are greedy and giving a digit back cannot help (a digit is
// neither the point, an exponent letter nor a blank); a shorter alternative ends at the
// point or the exponent letter of a longer one, never at a blank, so where the longest
// is not followed by the blanks the line needs next, no other alternative is either.
const char* numberEnd(const char* p, const char* end) {
    while (p != end && *p == '-') ++p;
    const char* matched = skipDigits(p, end);
    if (matched == p) return nullptr;
    if (matched == end || *matched != '.') return matched;
    const char* fraction = skipDigits(matched + 1, end);
    if (fraction == matched + 1) return matched;
    matched = fraction;
    if (matched == end || (*matched != 'e' && *matched != 'E')) return matched;
    const char* exponent = matched + 1;
    if (exponent != end && (*exponent == '-' || *exponent == '+')) ++exponent;
    const char* exponentEnd = skipDigits(exponent, end);
    return exponentEnd == exponent ? matched : exponentEnd;
}

// Exact powers of ten: every one up to 1e22 is a double without rounding.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

}  // namespace

std::string_view keyword(std::string_view line) {
    const char* end = line.data() + line.size();
    const char* p = line.data();
    while (p != end && !isBlank(*p)) ++p;
    return {line.data(), static_cast<std::size_t>(p - line.data())};
}

bool word(std::string_view rest, std::string_view& out) {
    const char* p = skipBlanks(rest.data(), rest.data() + rest.size());
    if (!p) return false;
    out = keyword({p, static_cast<std::size_t>(rest.data() + rest.size() - p)});
    return !out.empty();
}

bool numbers(std::string_view rest, std::string_view* out, int count) {
    const char* p = rest.data();
    const char* end = p + rest.size();
    for (int n = 0; n < count; ++n) {
        p = skipBlanks(p, end);
        if (!p) return false;
        const char* numberStop = numberEnd(p, end);
        if (!numberStop) return false;
        out[n] = {p, static_cast<std::size_t>(numberStop - p)};
        p = numberStop;
    }
    return true;
}

bool face(std::string_view rest, std::string_view out[9]) {
    const char* p = rest.data();
    const char* end = p + rest.size();
    for (int corner = 0; corner < 3; ++corner) {
        p = skipBlanks(p, end);
        if (!p) return false;
        for (int field = 0; field < 3; ++field) {
            const char* fieldEnd = skipDigits(p, end);
            out[3 * corner + field] = {p, static_cast<std::size_t>(fieldEnd - p)};
            p = fieldEnd;
            if (field < 2) {
                if (p == end || *p != '/') return false;
                ++p;
            }
        }
    }
    return true;
}

bool quickValue(std::string_view number, double& value) {
    const char* p = number.data();
    const char* end = p + number.size();
    const bool negative = p != end && *p == '-';
    if (negative) ++p;
    uint64_t mantissa = 0;
    auto digitsFrom = [&](const char* start) {
        for (p = start; p != end && isDigit(*p); ++p) mantissa = mantissa * 10 + static_cast<uint64_t>(*p - '0');
        return p - start;
    };
    const auto integerDigits = digitsFrom(p);
    const auto fractionDigits = p != end && *p == '.' ? digitsFrom(p + 1) : 0;
    if (p != end) return false;  // an exponent, or not a number at all
    // A mantissa and a power of ten that are both exact doubles: their quotient is the
    // correctly rounded value, as the general conversion would give it.
    const auto digits = integerDigits + fractionDigits;
    if (digits == 0 || digits > 19 || mantissa > (uint64_t{1} << 53) || fractionDigits > 22) return false;
    const double magnitude = static_cast<double>(mantissa) / kPowersOfTen[fractionDigits];
    value = negative ? -magnitude : magnitude;
    return true;
}

bool quickValue(std::string_view number, int32_t& value) {
    if (number.empty() || number.size() > 9) return false;  // nine digits never overflow
    int32_t result = 0;
    for (const char c : number) {
        if (!isDigit(c)) return false;
        result = result * 10 + (c - '0');
    }
    value = result;
    return true;
}

}  // namespace LineForms
