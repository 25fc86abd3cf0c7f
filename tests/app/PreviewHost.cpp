// A stand-in for the screen-saver settings' preview, for the Windows checks: a small window
// (magenta inside) whose handle goes to the screensaver as Windows sends it, "/p HWND" or
// "/p:HWND". Closing the window (WM_CLOSE, as taskkill sends it) first checks that the preview
// is there: a disabled child window of another process covering the whole client area; then
// destroys the window, which must end the screensaver. Exit code: the screensaver's, 4 when
// the preview was not there, 3 when the screensaver still runs 10 s later.
//
// Usage: twistblocks-preview-host SCREENSAVER [colon] [grow]
//   colon: "/p:HWND" instead of "/p HWND"; grow: the window grows by 100 x 60 after 3 s.

#include <windows.h>

#include <string>

namespace {

constexpr int kClientWidth = 320, kClientHeight = 240;
constexpr UINT_PTR kGrowTimer = 1;
bool previewSeen = false;

bool coveredByPreview(HWND window) {
    const HWND child = GetWindow(window, GW_CHILD);
    DWORD process = 0;
    if (child == nullptr || IsWindowEnabled(child)) return false;
    GetWindowThreadProcessId(child, &process);
    RECT client{}, area{};
    GetClientRect(window, &client);
    GetWindowRect(child, &area);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&area), 2);
    return process != GetCurrentProcessId() && EqualRect(&client, &area);
}

LRESULT CALLBACK hostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER: {
        KillTimer(window, kGrowTimer);
        RECT outer{};
        GetWindowRect(window, &outer);
        SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + 100, outer.bottom - outer.top + 60,
                     SWP_NOMOVE | SWP_NOZORDER);
        return 0;
    }
    case WM_CLOSE:
        previewSeen = coveredByPreview(window);
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc < 2) return 2;
    bool colon = false, grow = false;
    for (int i = 2; i < argc; ++i) {
        colon |= std::wstring(argv[i]) == L"colon";
        grow |= std::wstring(argv[i]) == L"grow";
    }

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = hostProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = CreateSolidBrush(RGB(255, 0, 255));
    windowClass.lpszClassName = L"TwistblocksPreviewHost";
    RegisterClassExW(&windowClass);
    RECT outer{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, FALSE);
    const HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Twistblocks preview host",
                                        WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 40, 40,
                                        outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                                        instance, nullptr);
    if (window == nullptr) return 2;
    UpdateWindow(window);
    if (grow) SetTimer(window, kGrowTimer, 3000, nullptr);

    const std::wstring handle = std::to_wstring(reinterpret_cast<uintptr_t>(window));
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\" /p" + (colon ? L":" : L" ") + handle;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return 2;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) return 3;
    DWORD exitCode = 2;
    GetExitCodeProcess(process.hProcess, &exitCode);
    return previewSeen ? static_cast<int>(exitCode) : 4;
}
