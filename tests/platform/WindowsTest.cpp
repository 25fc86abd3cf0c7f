// Window classes and windows: creation messages and their order, the frame model, failures,
// subclassing, default processing, text, geometry and the small resource calls.

#include <gtest/gtest.h>
#include <windows.h>

#include "TestWindows.h"

namespace {

struct CreateSeen {
    void* params = nullptr;
    RECT clientInCreate{};
    int nccreateCount = 0;
};
CreateSeen createSeen;

LRESULT CALLBACK createProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    messageLog.add(hwnd, message, wParam, lParam);
    if (message == WM_CREATE) {
        createSeen.params = reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams;
        GetClientRect(hwnd, &createSeen.clientInCreate);
    }
    if (message == WM_NCCREATE) ++createSeen.nccreateCount;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(WindowCreation, SendsCreationMessagesInOrderWithTheClientAreaAlreadyRight) {
    messageLog.clear();
    auto cls = registerTestClass(createProbeProc);
    int param = 42;
    HWND hwnd = createTestWindow(cls, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 520, 539, &param);
    ASSERT_NE(hwnd, nullptr);
    std::vector<UINT> expected = {WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE};
    EXPECT_EQ(messageLog.messages(hwnd), expected);
    EXPECT_EQ(createSeen.params, &param);
    EXPECT_EQ(createSeen.clientInCreate.right, 512);
    EXPECT_EQ(createSeen.clientInCreate.bottom, 512);
    auto entries = messageLog.entries;
    EXPECT_EQ(entries[2].lParam, MAKELPARAM(512, 512));
    RECT window;
    GetWindowRect(hwnd, &window);
    EXPECT_EQ(window.right - window.left, 520);
    EXPECT_EQ(window.bottom - window.top, 539);
    EXPECT_EQ(entries[3].lParam, MAKELPARAM(window.left + 4, window.top + 23));
    EXPECT_TRUE(DestroyWindow(hwnd));
}

TEST(WindowCreation, HiddenWindowGetsSizeAndMoveWhenFirstShown) {
    messageLog.clear();
    auto cls = registerTestClass(createProbeProc);
    HWND hwnd = createTestWindow(cls, WS_OVERLAPPEDWINDOW);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(messageLog.messages(hwnd), (std::vector<UINT>{WM_NCCREATE, WM_CREATE}));
    EXPECT_FALSE(ShowWindow(hwnd, SW_SHOW));
    EXPECT_EQ(messageLog.messages(hwnd), (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE}));
    EXPECT_TRUE(ShowWindow(hwnd, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(hwnd));
    DestroyWindow(hwnd);
}

LRESULT CALLBACK refuseNcCreate(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    messageLog.add(hwnd, message, wParam, lParam);
    if (message == WM_NCCREATE) return FALSE;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK refuseCreate(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    messageLog.add(hwnd, message, wParam, lParam);
    if (message == WM_CREATE) return -1;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(WindowCreation, FailsForUnknownClassRefusedNcCreateOrCreate) {
    SetLastError(0);
    EXPECT_EQ(createTestWindow(u"NoSuchClass"), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_CANNOT_FIND_WND_CLASS));

    messageLog.clear();
    EXPECT_EQ(createTestWindow(registerTestClass(refuseNcCreate)), nullptr);
    EXPECT_EQ(messageLog.messages(), (std::vector<UINT>{WM_NCCREATE, WM_NCDESTROY}));

    messageLog.clear();
    EXPECT_EQ(createTestWindow(registerTestClass(refuseCreate)), nullptr);
    EXPECT_EQ(messageLog.messages(), (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}));
    auto entries = messageLog.entries;
    EXPECT_FALSE(IsWindow(entries[0].hwnd));

    SetLastError(0);
    EXPECT_EQ(CreateWindowExW(0, registerTestClass(recordingProc).c_str(), nullptr, WS_CHILD, 0, 0, 10, 10, nullptr,
                              nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_TLW_WITH_WSCHILD));
}

TEST(WindowClasses, RegistrationRejectsDuplicatesAndBadInput) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = recordingProc;
    wc.lpszClassName = u"DuplicateClassTest";
    EXPECT_NE(RegisterClassExW(&wc), 0);
    wc.lpszClassName = u"duplicateclasstest";  // class names ignore letter case
    SetLastError(0);
    EXPECT_EQ(RegisterClassExW(&wc), 0);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_CLASS_ALREADY_EXISTS));

    struct Case {
        const char* what;
        WNDCLASSEXW wc;
    };
    WNDCLASSEXW good = wc;
    good.lpszClassName = u"NeverRegistered";
    std::vector<Case> cases;
    cases.push_back({"32-bit structure size", good});
    cases.back().wc.cbSize = 48;
    cases.push_back({"no procedure", good});
    cases.back().wc.lpfnWndProc = nullptr;
    cases.push_back({"no name", good});
    cases.back().wc.lpszClassName = nullptr;
    cases.push_back({"empty name", good});
    cases.back().wc.lpszClassName = u"";
    cases.push_back({"negative extra bytes", good});
    cases.back().wc.cbWndExtra = -8;
    for (auto& c : cases) {
        SetLastError(0);
        EXPECT_EQ(RegisterClassExW(&c.wc), 0) << c.what;
        EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER)) << c.what;
    }
    EXPECT_EQ(RegisterClassExW(nullptr), 0);
    EXPECT_EQ(createTestWindow(u"NeverRegistered"), nullptr);

    EXPECT_TRUE(UnregisterClassW(u"DuplicateClassTest", nullptr));
    EXPECT_NE(RegisterClassExW(&wc), 0) << "free again after unregistering";
}

std::vector<std::string> hookOrder;
WNDPROC previousProc = nullptr;

LRESULT CALLBACK classProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) hookOrder.push_back("class");
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) hookOrder.push_back("subclass");
    return CallWindowProcW(previousProc, hwnd, message, wParam, lParam);
}

TEST(WindowSubclassing, ReplacedProcedureRunsFirstAndChainsToThePreviousOne) {
    HWND hwnd = createTestWindow(registerTestClass(classProc));
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(classProc));
    previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclassProc)));
    EXPECT_EQ(previousProc, classProc);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(subclassProc));
    SendMessageW(hwnd, WM_APP, 0, 0);
    PostMessageW(hwnd, WM_APP, 0, 0);
    pumpUntil([] { return hookOrder.size() >= 4; });
    EXPECT_EQ(hookOrder, (std::vector<std::string>{"subclass", "class", "subclass", "class"}));
    // The full 64-bit pointer survives the round trip.
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, LONG_PTR(0x123456789abcdef0));
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_USERDATA), LONG_PTR(0x123456789abcdef0));
    DestroyWindow(hwnd);
}

TEST(WindowDefaults, CloseDestroysWithDestroyThenNcDestroyAndChildrenGoToo) {
    messageLog.clear();
    auto cls = registerTestClass(recordingProc);
    HWND hwnd = createTestWindow(cls);
    HWND child = CreateWindowExW(0, cls.c_str(), nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, hwnd, nullptr, nullptr,
                                 nullptr);
    ASSERT_NE(child, nullptr);
    messageLog.clear();
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(IsWindow(child));
    std::vector<std::pair<HWND, UINT>> seen;
    for (auto& e : messageLog.entries) seen.push_back({e.hwnd, e.message});
    std::vector<std::pair<HWND, UINT>> expected = {
        {hwnd, WM_CLOSE}, {hwnd, WM_DESTROY}, {child, WM_DESTROY}, {child, WM_NCDESTROY}, {hwnd, WM_NCDESTROY}};
    EXPECT_EQ(seen, expected);
    SetLastError(0);
    EXPECT_EQ(SendMessageW(hwnd, WM_APP, 0, 0), 0);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_FALSE(DestroyWindow(hwnd));
}

TEST(WindowText, KeepsUtf16TextAndTruncatesToTheBuffer) {
    HWND hwnd = createTestWindow(registerTestClass(recordingProc));
    EXPECT_EQ(GetWindowTextLengthW(hwnd), 4);  // "test" from creation
    std::u16string text = u"Twist \U0001F9E9 \u00e9";  // a surrogate pair counts as two units
    EXPECT_TRUE(SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())));
    EXPECT_EQ(GetWindowTextLengthW(hwnd), int(text.size()));
    WCHAR buffer[64];
    EXPECT_EQ(GetWindowTextW(hwnd, buffer, 64), int(text.size()));
    EXPECT_EQ(std::u16string(buffer), text);
    EXPECT_EQ(GetWindowTextW(hwnd, buffer, 4), 3);
    EXPECT_EQ(std::u16string(buffer), u"Twi");
    EXPECT_EQ(GetWindowTextW(hwnd, buffer, 0), 0);
    EXPECT_TRUE(SetWindowTextW(hwnd, nullptr));
    EXPECT_EQ(GetWindowTextLengthW(hwnd), 0);
    DestroyWindow(hwnd);
}

TEST(WindowGeometry, MoveWindowSendsMoveAndSizeAndChildrenUseParentClientCoordinates) {
    auto cls = registerTestClass(recordingProc);
    HWND top = CreateWindowExW(0, cls.c_str(), nullptr, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 50, 520, 539, nullptr,
                               nullptr, nullptr, nullptr);
    HWND child = CreateWindowExW(0, cls.c_str(), nullptr, WS_CHILD | WS_VISIBLE, 10, 20, 30, 40, top,
                                 reinterpret_cast<HMENU>(7), nullptr, nullptr);
    EXPECT_EQ(GetParent(child), top);
    EXPECT_EQ(GetParent(top), nullptr);
    EXPECT_EQ(GetWindowLongPtrW(child, GWLP_ID), 7);
    RECT r;
    GetWindowRect(child, &r);
    EXPECT_EQ(r.left, 100 + 4 + 10);
    EXPECT_EQ(r.top, 50 + 23 + 20);
    POINT p{r.left, r.top};
    ScreenToClient(top, &p);
    EXPECT_EQ(p.x, 10);
    EXPECT_EQ(p.y, 20);
    ClientToScreen(child, &p);
    EXPECT_EQ(p.x, r.left + 10);

    messageLog.clear();
    EXPECT_TRUE(MoveWindow(child, 0, 0, 30, 40, TRUE));  // moved, same size
    EXPECT_EQ(messageLog.messages(child), (std::vector<UINT>{WM_MOVE}));
    messageLog.clear();
    EXPECT_TRUE(MoveWindow(child, 0, 0, 300, 25, TRUE));
    EXPECT_EQ(messageLog.messages(child), (std::vector<UINT>{WM_SIZE}));
    EXPECT_EQ(messageLog.entries.back().lParam, MAKELPARAM(300, 25));
    GetClientRect(child, &r);
    EXPECT_EQ(r.right, 300);
    EXPECT_EQ(r.bottom, 25);

    RECT adjust{0, 0, 512, 512};
    AdjustWindowRect(&adjust, WS_OVERLAPPEDWINDOW, FALSE);
    EXPECT_EQ(adjust.right - adjust.left, 520);
    EXPECT_EQ(adjust.bottom - adjust.top, 539);
    DestroyWindow(top);
}

TEST(WindowState, EnableWindowReportsThePreviousStateAndSendsEnable) {
    HWND hwnd = createTestWindow(registerTestClass(recordingProc));
    messageLog.clear();
    EXPECT_FALSE(EnableWindow(hwnd, FALSE));  // was enabled
    EXPECT_FALSE(IsWindowEnabled(hwnd));
    EXPECT_TRUE(EnableWindow(hwnd, FALSE));   // was disabled already: no message
    EXPECT_TRUE(EnableWindow(hwnd, TRUE));
    EXPECT_TRUE(IsWindowEnabled(hwnd));
    EXPECT_EQ(messageLog.messages(hwnd), (std::vector<UINT>{WM_ENABLE, WM_ENABLE}));
    DestroyWindow(hwnd);
}

TEST(Resources, OnlySystemIconsAndCursorsExistAndThereIsNoAcceleratorTable) {
    EXPECT_NE(LoadIconW(nullptr, IDI_APPLICATION), nullptr);
    EXPECT_NE(LoadCursorW(nullptr, IDC_ARROW), nullptr);
    HINSTANCE self = GetModuleHandleW(nullptr);
    EXPECT_NE(self, nullptr);
    EXPECT_EQ(LoadIconW(self, IDI_APPLICATION), nullptr);
    EXPECT_EQ(LoadAcceleratorsW(self, u"MYACCEL"), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_RESOURCE_NAME_NOT_FOUND));
    MSG msg{};
    msg.message = WM_KEYDOWN;
    EXPECT_EQ(TranslateAcceleratorW(nullptr, nullptr, &msg), 0);
}

TEST(BadInput, CallsWithInvalidHandlesFailWithTheWin32ErrorCode) {
    HWND gone = createTestWindow(registerTestClass(recordingProc));
    DestroyWindow(gone);
    RECT r;
    POINT p{};
    WCHAR buffer[8] = {u'x'};
    struct Case {
        const char* what;
        std::function<BOOL()> call;
        DWORD error;
    };
    std::vector<Case> cases = {
        {"GetClientRect", [&] { return GetClientRect(gone, &r); }, ERROR_INVALID_WINDOW_HANDLE},
        {"GetWindowRect", [&] { return GetWindowRect(gone, &r); }, ERROR_INVALID_WINDOW_HANDLE},
        {"MoveWindow", [&] { return MoveWindow(gone, 0, 0, 1, 1, TRUE); }, ERROR_INVALID_WINDOW_HANDLE},
        {"ShowWindow", [&] { return ShowWindow(gone, SW_SHOW); }, ERROR_INVALID_WINDOW_HANDLE},
        {"PostMessageW", [&] { return PostMessageW(gone, WM_APP, 0, 0); }, ERROR_INVALID_WINDOW_HANDLE},
        {"InvalidateRect", [&] { return InvalidateRect(gone, nullptr, TRUE); }, ERROR_INVALID_WINDOW_HANDLE},
        {"ScreenToClient", [&] { return ScreenToClient(gone, &p); }, ERROR_INVALID_WINDOW_HANDLE},
        {"GetWindowTextW", [&] { return BOOL(GetWindowTextW(gone, buffer, 8)); }, ERROR_INVALID_WINDOW_HANDLE},
        {"GetMessageW filter", [&] { MSG m; return BOOL(GetMessageW(&m, gone, 0, 0) != -1); },
         ERROR_INVALID_WINDOW_HANDLE},
        {"GetMessageW without MSG", [&] { return BOOL(GetMessageW(nullptr, nullptr, 0, 0) != -1); },
         ERROR_INVALID_PARAMETER},
        {"GetDC", [&] { return BOOL(GetDC(gone) != nullptr); }, ERROR_INVALID_WINDOW_HANDLE},
        {"SetTimer", [&] { return BOOL(SetTimer(gone, 1, 10, nullptr)); }, ERROR_INVALID_WINDOW_HANDLE},
    };
    for (auto& c : cases) {
        SetLastError(0);
        EXPECT_FALSE(c.call()) << c.what;
        EXPECT_EQ(GetLastError(), c.error) << c.what;
    }
    EXPECT_EQ(buffer[0], 0) << "the buffer is emptied";
}

}  // namespace
