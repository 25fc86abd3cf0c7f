#pragma once
// UTF-8 (the system's text inside) to UTF-16 (the text of every Win32 call) and back.
// Malformed input never fails: each bad sequence becomes U+FFFD.

#include <string>
#include <string_view>

std::u16string toUtf16(std::string_view utf8);
std::string toUtf8(std::u16string_view utf16);
