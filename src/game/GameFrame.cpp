#include "game/GameFrame.h"

#include "glload/glut.h"
#include "render/RenderContext.h"
#include "win/ProgramIcon.h"

#include <cstdio>

namespace {

// Which GameInfo word and bit a virtual-key code sets while the key is held.
struct KeyBit {
    WPARAM key;
    bool command;  // commandKeys rather than cursorKeys
    int32_t bit;
};
constexpr KeyBit kKeyBits[] = {
    {VK_LEFT, false, kKeyLeft},  {VK_RIGHT, false, kKeyRight}, {VK_DOWN, false, kKeyDown},
    {VK_UP, false, kKeyUp},      {VK_SPACE, true, kKeySpace},  {'C', true, kKeyC},
    {'Z', true, kKeyZ},          {'X', true, kKeyX},
};

}  // namespace

GameFrame::GameFrame(const std::string& caption, const std::string& className)
    : MainWindow(caption), sprite(std::make_unique<Sprite>()) {
    setClassName(className);
    windowClass.style = 0;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    // The program's own icon; the system's where the module carries none (the layer's).
    windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(TWISTBLOCKS_PROGRAM_ICON));
    if (!windowClass.hIcon) windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = nullptr;
    windowClass.lpszMenuName = nullptr;

    pixelFormat.nSize = sizeof(PIXELFORMATDESCRIPTOR);
    pixelFormat.nVersion = 1;
    pixelFormat.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pixelFormat.iPixelType = PFD_TYPE_RGBA;
    pixelFormat.cColorBits = 24;
    pixelFormat.cDepthBits = 32;
    pixelFormat.iLayerType = PFD_MAIN_PLANE;
}

GameFrame::~GameFrame() {
    // Normally WM_DESTROY has stopped the loop thread; this collects one that asked for the
    // close itself, or one still running because the window was never destroyed.
    stopLoopThread();
}

int GameFrame::setClientSize(int width, int height) {
    if (width < 0 || height < 0) return -1;
    gameInfo.width = width;
    gameInfo.height = height;
    return 0;
}

int GameFrame::gameLoop() { return 0; }

int GameFrame::onDestroy() { return 0; }

int GameFrame::threadMain() {
    std::string failure;
    try {
        gameLoop();
        return 0;
    } catch (const std::exception& e) {
        failure = e.what();
    } catch (...) {
        failure = "unknown failure";
    }
    std::printf("GameLoopError: %s\n", failure.c_str());
    std::fflush(stdout);
    failureText = "the demo failed: " + failure;
    // Tell WM_DESTROY not to wait for this thread: it is the one asking.
    loopClosedWindow.store(true, std::memory_order_release);
    SendMessageW(gameInfo.hWnd, WM_CLOSE, 0, 0);
    return 0;
}

DWORD WINAPI GameFrame::loopEntry(LPVOID frame) {
    static_cast<GameFrame*>(frame)->threadMain();
    return 0;
}

LRESULT GameFrame::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return onCreate(window, lParam);
    case WM_PAINT:
        onPaint(window);
        return 0;
    case WM_SIZE:
        gameInfo.clientWidth = LOWORD(lParam);
        gameInfo.clientHeight = HIWORD(lParam);
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
        onKey(wParam, message == WM_KEYDOWN);
        return 0;
    // A key released while another window has the focus sends this window no WM_KEYUP: held
    // keys (Space, which pauses while it is down) would stay down until pressed again.
    case WM_KILLFOCUS:
    case WM_ACTIVATEAPP:
        releaseKeys();
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_MOUSEMOVE: {
        POINT cursor{};
        GetCursorPos(&cursor);
        ScreenToClient(window, &cursor);
        gameInfo.mouseX = cursor.x;
        gameInfo.mouseY = cursor.y;
        return 0;
    }
    case WM_DESTROY:
        onDestroyWindow(window);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT GameFrame::onCreate(HWND window, LPARAM lParam) {
    RECT client{};
    GetClientRect(window, &client);
    const HDC deviceContext = GetDC(window);
    pixelFormatIndex = ChoosePixelFormat(deviceContext, &pixelFormat);
    const HGLRC glContext = pixelFormatIndex > 0 && SetPixelFormat(deviceContext, pixelFormatIndex, &pixelFormat)
                                ? wglCreateContext(deviceContext)
                                : nullptr;
    if (!glContext) {
        failureText = "cannot create an OpenGL context for the window";
        ReleaseDC(window, deviceContext);
        return -1;  // no window: the creation fails
    }
    wglMakeCurrent(deviceContext, glContext);
    glut::loadGLEntryPoints();
    wglMakeCurrent(nullptr, nullptr);
    instance = reinterpret_cast<CREATESTRUCTW*>(lParam)->hInstance;

    gameInfo.hWnd = window;
    gameInfo.hDC = deviceContext;
    gameInfo.hGLRC = glContext;
    gameInfo.sprite = sprite.get();
    gameInfo.clientWidth = client.right;
    gameInfo.clientHeight = client.bottom;
    releaseKeys();

    loopThread = CreateThread(nullptr, 0, loopEntry, this, 0, nullptr);
    timeGetDevCaps(&timerCaps, sizeof(TIMECAPS));
    timeBeginPeriod(timerCaps.wPeriodMin);
    return 0;
}

void GameFrame::onPaint(HWND window) {
    // Windows may deliver the loop thread's RedrawWindow as a sent WM_PAINT after a queued
    // WM_PAINT already drew the frame and validated the window: with nothing left to update,
    // drawing again would only cost a second frame's time.
    PAINTSTRUCT paint{};
    BeginPaint(window, &paint);
    const RECT& update = paint.rcPaint;
    const bool somethingToUpdate = update.right > update.left && update.bottom > update.top;
    // Nothing is shown until the game hands over its first frame, so that the first picture
    // presented is that frame. The context scope waits while the loop thread loads.
    if (somethingToUpdate && presenting.load(std::memory_order_acquire)) {
        RenderContext context(gameInfo);
        if (context.current()) {
            sprite->drawFrame(gameInfo.clientWidth, gameInfo.clientHeight);
            SwapBuffers(gameInfo.hDC);
        }
    }
    EndPaint(window, &paint);
}

void GameFrame::onKey(WPARAM key, bool down) {
    for (const KeyBit& entry : kKeyBits) {
        if (entry.key != key) continue;
        auto& word = entry.command ? gameInfo.commandKeys : gameInfo.cursorKeys;
        if (down)
            word |= entry.bit;
        else
            word &= ~entry.bit;
    }
}

void GameFrame::releaseKeys() {
    gameInfo.cursorKeys = 0;
    gameInfo.commandKeys = 0;
}

void GameFrame::onDestroyWindow(HWND window) {
    if (!gameInfo.hGLRC) return;  // its creation failed: nothing was taken, no loop runs
    // A loop thread that asked for this close itself is inside its SendMessageW to us: it
    // ends once the message is answered, and the destructor collects it.
    if (!loopClosedWindow.load(std::memory_order_acquire)) stopLoopThread();
    onDestroy();
    timeEndPeriod(timerCaps.wPeriodMin);
    wglDeleteContext(gameInfo.hGLRC);
    gameInfo.hGLRC = nullptr;
    ReleaseDC(window, gameInfo.hDC);
    PostQuitMessage(0);
}

void GameFrame::stopLoopThread() {
    if (loopThread == nullptr) return;
    gameInfo.stopping.store(true, std::memory_order_release);
    // Serve what the loop thread sends meanwhile (its frame's paint) until it has ended.
    while (MsgWaitForMultipleObjects(1, &loopThread, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
        MSG pending;
        PeekMessageW(&pending, nullptr, 0, 0, PM_NOREMOVE);
    }
    CloseHandle(loopThread);
    loopThread = nullptr;
}
