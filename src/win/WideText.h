#pragma once
// WideText: UTF-8 text held as NUL-terminated UTF-16 for the Win32 calls. WCHAR is 16-bit
// on every platform we build for, so the UTF-16 buffer is handed over as it is.

#include "base/Utf.h"

#include <windows.h>

#include <string>
#include <string_view>

class WideText {
public:
    WideText() = default;
    explicit WideText(std::string_view utf8) : text(toUtf16(utf8)) {}

    const WCHAR* get() const { return reinterpret_cast<const WCHAR*>(text.c_str()); }
    // For the structures that declare their text pointer non-const (TOOLINFOW).
    WCHAR* mutableGet() { return reinterpret_cast<WCHAR*>(text.data()); }
    bool empty() const { return text.empty(); }

private:
    std::u16string text;
};
