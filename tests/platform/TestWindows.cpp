#include "TestWindows.h"

#include <atomic>

MessageLog messageLog;

std::u16string registerTestClass(WNDPROC proc) {
    static std::atomic<int> counter{0};
    std::string name = "PlatformTest" + std::to_string(counter++);
    std::u16string wide(name.begin(), name.end());
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = wide.c_str();
    if (!RegisterClassExW(&wc)) return u"";
    return wide;
}

HWND createTestWindow(const std::u16string& cls, DWORD style, int width, int height, void* param, HWND parent) {
    return CreateWindowExW(0, cls.c_str(), u"test", style, CW_USEDEFAULT, CW_USEDEFAULT, width, height, parent, nullptr,
                           GetModuleHandleW(nullptr), param);
}

bool pumpUntil(const std::function<bool()>& done) {
    while (!done()) {
        MSG msg;
        BOOL r = GetMessageW(&msg, nullptr, 0, 0);
        if (r == 0 || r == -1) return false;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

void pumpReady() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            return;
        }
        DispatchMessageW(&msg);
    }
}

void MessageLog::add(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    std::lock_guard<std::mutex> g(lock);
    entries.push_back({hwnd, message, wParam, lParam});
}

std::vector<UINT> MessageLog::messages(HWND hwnd) {
    std::lock_guard<std::mutex> g(lock);
    std::vector<UINT> out;
    for (auto& e : entries)
        if (!hwnd || e.hwnd == hwnd) out.push_back(e.message);
    return out;
}

void MessageLog::clear() {
    std::lock_guard<std::mutex> g(lock);
    entries.clear();
}

LRESULT CALLBACK recordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    messageLog.add(hwnd, message, wParam, lParam);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}
