// Events of the SDL window arrive as window messages.

#include <SDL.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "TestWindows.h"

namespace {

std::vector<std::pair<UINT, WPARAM>> inputSeen;

LRESULT CALLBACK inputProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE || message == WM_KEYDOWN || message == WM_KEYUP) inputSeen.emplace_back(message, wParam);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(SdlInput, EventsOfTheSdlWindowBecomeWindowMessages) {
    GLTestWindow w(64, 48);
    ASSERT_TRUE(wglMakeCurrent(w.dc, w.rc));
    const Uint32 id = SDL_GetWindowID(SDL_GL_GetCurrentWindow());
    wglMakeCurrent(nullptr, nullptr);
    SetWindowLongPtrW(w.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&inputProc));
    pumpReady();
    inputSeen.clear();
    auto push = [&](Uint32 type, SDL_Keycode sym, Uint8 windowEvent = 0) {
        SDL_Event e{};
        if (type == SDL_WINDOWEVENT)
            e.window = SDL_WindowEvent{type, 0, id, windowEvent, 0, 0, 0, 300, 200};
        else
            e.key = SDL_KeyboardEvent{type, 0, id, 0, 0, 0, 0, SDL_Keysym{SDL_SCANCODE_UNKNOWN, sym, 0, 0}};
        SDL_PushEvent(&e);
    };
    push(SDL_KEYDOWN, SDLK_SPACE);
    push(SDL_KEYDOWN, SDLK_SPACE);  // auto-repeat
    push(SDL_KEYUP, SDLK_SPACE);
    push(SDL_KEYDOWN, SDLK_CAPSLOCK);  // no virtual-key code: dropped
    push(SDL_WINDOWEVENT, 0, SDL_WINDOWEVENT_SIZE_CHANGED);
    pumpReady();
    std::vector<std::pair<UINT, WPARAM>> expected = {  // WM_SIZE is sent while reading, the keys are posted
        {WM_SIZE, SIZE_RESTORED}, {WM_KEYDOWN, VK_SPACE}, {WM_KEYDOWN, VK_SPACE}, {WM_KEYUP, VK_SPACE}};
    EXPECT_EQ(inputSeen, expected);
    RECT client;
    GetClientRect(w.hwnd, &client);
    EXPECT_EQ(client.right * 1000 + client.bottom, 300200);
    push(SDL_WINDOWEVENT, 0, SDL_WINDOWEVENT_CLOSE);
    pumpReady();
    EXPECT_FALSE(IsWindow(w.hwnd)) << "the close button closes the window";
}

}  // namespace
