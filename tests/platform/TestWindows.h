#pragma once
// Helpers shared by the platform tests: unique window classes, a message log, and a message
// loop that ends when a condition holds.

#include <windows.h>

#include <functional>
#include <mutex>
#include <string>
#include <vector>

// Registers a window class with proc under a name no other test uses; returns the name.
std::u16string registerTestClass(WNDPROC proc);

// A top-level window of the class; 520 x 539 outside (512 x 512 inside) unless told otherwise.
HWND createTestWindow(const std::u16string& cls, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, int width = 520,
                      int height = 539, void* param = nullptr, HWND parent = nullptr);

// Retrieves and dispatches messages until done() holds (checked after each message); false if
// WM_QUIT came first.
bool pumpUntil(const std::function<bool()>& done);

// Dispatches everything that is ready now, without waiting.
void pumpReady();

// Messages seen by recording window procedures, in order, across threads.
struct MessageLog {
    struct Entry {
        HWND hwnd;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::mutex lock;
    std::vector<Entry> entries;

    void add(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    std::vector<UINT> messages(HWND hwnd = nullptr);
    void clear();
};
extern MessageLog messageLog;

// A window procedure that logs every message and then calls DefWindowProcW.
LRESULT CALLBACK recordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
