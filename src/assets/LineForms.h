#pragma once
// LineForms: the line forms of OBJ and MTL files, matched by hand in one scan.
//
// Each form is the regular expression it replaces, with the same backtracking result:
// blanks are space, tab, LF, VT, FF and CR (the class \s); a word is a run of
// non-blanks (\S+); a NUMBER is one of, tried in this order,
//   [-]*[0-9]+\.[0-9]+[eE][-+]?[0-9]+   [-]*[0-9]+\.[0-9]+   [-]*[0-9]+
// so any count of leading minus signs and never a plus sign, digits on both sides of
// the point, and an exponent only after a fraction. A form matches at the start of the
// text it is given (the text after the keyword) and ignores whatever follows its match.
// Captures are views into that text.

#include <cstdint>
#include <string_view>

namespace LineForms {

constexpr bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The first word of a line (^(\S+)); empty when the line is empty or begins with a blank.
std::string_view keyword(std::string_view line);

// \s+(\S+): blanks, then a word.
bool word(std::string_view rest, std::string_view& out);

// (\s+NUMBER) count times; out receives the count numbers.
bool numbers(std::string_view rest, std::string_view* out, int count);

// (\s+([0-9]*)/([0-9]*)/([0-9]*)) three times: three corners of position/texture/normal,
// each field possibly empty; out receives the nine fields, corner by corner.
bool face(std::string_view rest, std::string_view out[9]);

// The value of a NUMBER without a general conversion, where that is exact: a mantissa of
// at most 2^53 with at most 22 fraction digits and one minus sign at most (no exponent),
// respectively up to nine digits of a face index. False leaves the text to std::from_chars.
bool quickValue(std::string_view number, double& value);
bool quickValue(std::string_view number, int32_t& value);

}  // namespace LineForms
