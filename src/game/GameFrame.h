#pragma once
// GameFrame: the OpenGL game window. The window thread handles every message, records keys
// and the cursor in gameInfo and paints (make the GL context current, drawFrame, swap,
// release). The loop thread runs gameLoop, which a concrete game overrides; each of its
// frames ends in the renderer's endFrame, which has the window thread paint while the loop
// thread waits.
//
// Shutdown: WM_DESTROY asks the loop thread to stop at its next frame boundary and waits for
// it, serving messages sent to this thread meanwhile (the loop thread may be waiting for a
// paint), before the GL context is deleted. When the loop thread itself asked for the close
// (a failure in the game) it is not waited for there; the destructor collects it.

#include "gameinfo/GameInfo.h"
#include "render/Sprite.h"
#include "win/MainWindow.h"

#include <windows.h>

#include <mmsystem.h>

#include <atomic>
#include <memory>

class GameFrame : public MainWindow {
public:
    GameFrame(const std::string& caption, const std::string& className);
    ~GameFrame() override;

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    // The design size the renderer lays the screen out in; before the window is created.
    // -1 (and nothing changed) for a negative value.
    virtual int setClientSize(int width, int height);
    // Body of the loop thread: gameLoop, with any failure reported as "GameLoopError: %s\n"
    // on standard output, kept for failure() and turned into a close of the window.
    virtual int threadMain();
    // The game; returns at once here.
    virtual int gameLoop();
    // Runs during WM_DESTROY, after the loop thread has stopped.
    virtual int onDestroy();

    const GameInfo& getGameInfo() const { return gameInfo; }
    // Why the window could not be made or the game ended by itself; empty while neither
    // happened. Read it on the window thread once the message loop has ended.
    const std::string& failure() const { return failureText; }
    Sprite& getSprite() { return *sprite; }

protected:
    // True once the window is closing: a game loop checks it at every frame boundary and
    // returns when it is set.
    bool stopping() const { return gameInfo.stopping.load(std::memory_order_acquire); }
    // From now on paints draw the renderer's lists; the game calls it before its first frame.
    void startPresenting() { presenting.store(true, std::memory_order_release); }

    HINSTANCE instance = nullptr;
    PIXELFORMATDESCRIPTOR pixelFormat{};
    int32_t pixelFormatIndex = 0;
    TIMECAPS timerCaps{};
    std::unique_ptr<Sprite> sprite;
    GameInfo gameInfo{};
    HANDLE loopThread = nullptr;

private:
    static DWORD WINAPI loopEntry(LPVOID frame);
    LRESULT onCreate(HWND window, LPARAM lParam);
    void onPaint(HWND window);
    void onKey(WPARAM key, bool down);
    void releaseKeys();
    void onDestroyWindow(HWND window);
    void stopLoopThread();

    std::atomic<bool> presenting{false};
    std::atomic<bool> loopClosedWindow{false};
    std::string failureText;
};
