#include "TestWindows.h"

#include <atomic>

std::vector<std::pair<HWND, UINT>> messageLog;

std::u16string registerTestClass(WNDPROC proc) {
    static std::atomic<int> counter{0};
    std::string name = "PlatformTest" + std::to_string(counter++);
    std::u16string wide(name.begin(), name.end());
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.lpszClassName = wide.c_str();
    return RegisterClassExW(&wc) ? wide : u"";
}

HWND createTestWindow(const std::u16string& cls, DWORD style, int width, int height, HWND parent) {
    return CreateWindowExW(0, cls.c_str(), u"test", style, CW_USEDEFAULT, CW_USEDEFAULT, width, height, parent, nullptr,
                           nullptr, nullptr);
}

HGLRC createGLContext(HDC dc, BYTE depthBits) {
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = 24;
    format.cDepthBits = depthBits;
    SetPixelFormat(dc, ChoosePixelFormat(dc, &format), &format);
    return wglCreateContext(dc);
}

GLTestWindow::GLTestWindow(int width, int height) {
    RECT outer{0, 0, width, height};
    AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, FALSE);
    hwnd = createTestWindow(registerTestClass(DefWindowProcW), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                            outer.right - outer.left, outer.bottom - outer.top);
    dc = GetDC(hwnd);
    rc = createGLContext(dc);
}

GLTestWindow::~GLTestWindow() {
    wglDeleteContext(rc);
    ReleaseDC(hwnd, dc);
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
}

bool waitAndClose(HANDLE thread) {
    bool ended = MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, 0) == WAIT_OBJECT_0;
    return CloseHandle(thread) && ended;
}

void pumpUntil(UINT message) {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) && msg.message != message) DispatchMessageW(&msg);
}

void pumpReady() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

std::vector<UINT> messagesOf(HWND hwnd) {
    std::vector<UINT> out;
    for (auto& [h, m] : messageLog)
        if (h == hwnd) out.push_back(m);
    return out;
}

LRESULT CALLBACK recordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    messageLog.emplace_back(hwnd, message);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}
