// The Windows side of Desktop.h for the arguments and the messages. The program is a GUI
// program: it has no console of its own, so what a terminal program would only print is also
// shown in a message box, and its argv is in the ANSI code page, so the arguments come from
// the UTF-16 command line.

#include <windows.h>

#include <shellapi.h>

#include <cstdio>

#include "base/Utf.h"

#include <Desktop.h>

namespace {

bool messageBoxes = true;

std::wstring wide(const std::string& utf8) {
    const std::u16string text = toUtf16(utf8);
    return {text.begin(), text.end()};
}

void showBox(const std::string& text, UINT icon) {
    if (messageBoxes) MessageBoxW(nullptr, wide(text).c_str(), L"Twistblocks", MB_OK | icon | MB_SETFOREGROUND);
}

// The console of the program that started this one (cmd, PowerShell), where there is one.
bool writeToParentConsole(const std::string& text) {
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return false;
    const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
    bool written = false;
    if (console != INVALID_HANDLE_VALUE) {
        // The shell has not waited for a GUI program and has printed its prompt already.
        const std::wstring line = L"\n" + wide(text);
        DWORD count = 0;
        written = WriteConsoleW(console, line.data(), static_cast<DWORD>(line.size()), &count, nullptr);
        CloseHandle(console);
    }
    FreeConsole();
    return written;
}

}  // namespace

std::vector<std::string> Desktop::arguments(int, char**) {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> result;
    for (int i = 1; words && i < count; ++i) result.push_back(toUtf8(reinterpret_cast<const char16_t*>(words[i])));
    LocalFree(words);
    return result;
}

void Desktop::showError(const std::string& message) {
    std::fprintf(stderr, "twistblocks: %s\n", message.c_str());
    std::fflush(stderr);
    showBox(message, MB_ICONERROR);
}

void Desktop::showText(const std::string& text) {
    // Started with its output redirected (a pipe, a file): there. A console handle inherited
    // from the parent is of no use without attaching to that console.
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    const DWORD type = output && output != INVALID_HANDLE_VALUE ? GetFileType(output) : FILE_TYPE_UNKNOWN;
    if (type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE) {
        std::fputs(text.c_str(), stdout);
        std::fflush(stdout);
    } else if (!writeToParentConsole(text)) {
        showBox(text, MB_ICONINFORMATION);
    }
}

void Desktop::suppressMessageBoxes() { messageBoxes = false; }
