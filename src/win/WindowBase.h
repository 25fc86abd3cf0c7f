#pragma once
// WindowBase: the object behind one Win32 window. A process-wide registry maps handles to
// objects; two window procedures route each message to the object:
// - the class window procedure, in every class registered through registerClass, sees the
//   messages of creation from WM_CREATE on and everything the subclass procedure passes on;
// - the subclass procedure, installed on every window that create makes (own classes and
//   system control classes alike), sees every message first after creation, shows it to
//   subclassHook and hands it to the window's previous procedure.
// So a message to a window of an own class runs: subclass procedure -> subclassHook ->
// class window procedure -> routeMessage -> (the class's own handling) -> handleMessage.
// Used only from the window thread; the registry is not locked.

#include <windows.h>

#include "win/WideText.h"

#include <string>
#include <unordered_map>

class WindowBase;

// Handle -> object; filled at WM_CREATE and after CreateWindowExW returns, emptied at the
// window's WM_NCDESTROY or by the object's destructor, whichever comes first.
extern std::unordered_map<HWND, WindowBase*> windowObjects;
// Handle -> the window procedure the window had before subclassing; emptied at WM_NCDESTROY.
extern std::unordered_map<HWND, WNDPROC> previousProcs;

class WindowBase {
public:
    explicit WindowBase(const std::string& caption);
    // Sends WM_CLOSE to the window (if any) and removes it from windowObjects.
    virtual ~WindowBase();
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    // The twelve WNDCLASSEXW members in their declared order; returns 0.
    virtual int setWindowClass(UINT cbSize, UINT style, WNDPROC lpfnWndProc, int cbClsExtra, int cbWndExtra,
                               HINSTANCE hInstance, HICON hIcon, HCURSOR hCursor, HBRUSH hbrBackground,
                               LPCWSTR lpszMenuName, LPCWSTR lpszClassName, HICON hIconSm);
    // 0, or -1 when RegisterClassExW refuses the class (e.g. it is registered already).
    virtual int registerClass();
    // Creates, registers and subclasses the window: 0, or -2 when CreateWindowExW fails.
    // On an object whose window exists it only records menu and returns 0.
    virtual int create(DWORD exStyle, DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu);
    virtual HWND getHwnd();
    virtual HWND getParent();
    virtual HINSTANCE getInstance();
    // -1 without a window.
    virtual int setFont(HFONT font);
    virtual LRESULT sendMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT sendMessageTo(HWND target, UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT sendToParent(UINT message, WPARAM wParam, LPARAM lParam);
    // WM_SETTEXT; true when the window accepted it.
    virtual bool setText(const std::string& text);
    // The window text's UTF-16 code units as bytes, without the terminating NUL.
    virtual std::string getTextRaw();
    virtual std::string getText();
    // First handler of every message the class window procedure delivers.
    virtual LRESULT routeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Final handler: default processing.
    virtual LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT subclassDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Sees every message of a created window before its procedure does; the result is ignored.
    virtual LRESULT subclassHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    static LRESULT CALLBACK classWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    const std::string& getCaption() const { return caption; }

protected:
    // Points windowClass.lpszClassName at a copy of name that lives as long as this object.
    void setClassName(const std::string& name);

    HWND hwnd = nullptr;
    WNDCLASSEXW windowClass{};
    std::string caption;
    HMENU menu = nullptr;
    int created = 0;

private:
    WideText className;
};
