// Entry points of the layer that are not implemented yet: each fails loudly.
#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>

#include "platform/Unimplemented.h"
#include "Harness.h"

#pragma GCC diagnostic ignored "-Wunused-parameter"

extern "C" {
ATOM WINAPI RegisterClassExW(const WNDCLASSEXW* lpwcx) { failUnimplemented("RegisterClassExW"); }
BOOL WINAPI UnregisterClassW(LPCWSTR lpClassName, HINSTANCE hInstance) { failUnimplemented("UnregisterClassW"); }
HWND WINAPI CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle,
                            int X, int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                            HINSTANCE hInstance, LPVOID lpParam) { failUnimplemented("CreateWindowExW"); }
BOOL WINAPI DestroyWindow(HWND hWnd) { failUnimplemented("DestroyWindow"); }
BOOL WINAPI IsWindow(HWND hWnd) { failUnimplemented("IsWindow"); }
BOOL WINAPI IsWindowVisible(HWND hWnd) { failUnimplemented("IsWindowVisible"); }
BOOL WINAPI IsWindowEnabled(HWND hWnd) { failUnimplemented("IsWindowEnabled"); }
LRESULT WINAPI DefWindowProcW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) { failUnimplemented("DefWindowProcW"); }
LRESULT WINAPI CallWindowProcW(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) { failUnimplemented("CallWindowProcW"); }
LONG_PTR WINAPI GetWindowLongPtrW(HWND hWnd, int nIndex) { failUnimplemented("GetWindowLongPtrW"); }
LONG_PTR WINAPI SetWindowLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong) { failUnimplemented("SetWindowLongPtrW"); }
HWND WINAPI GetParent(HWND hWnd) { failUnimplemented("GetParent"); }
DWORD WINAPI GetWindowThreadProcessId(HWND hWnd, LPDWORD lpdwProcessId) { failUnimplemented("GetWindowThreadProcessId"); }
BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) { failUnimplemented("GetClientRect"); }
BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect) { failUnimplemented("GetWindowRect"); }
BOOL WINAPI AdjustWindowRect(LPRECT lpRect, DWORD dwStyle, BOOL bMenu) { failUnimplemented("AdjustWindowRect"); }
BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) { failUnimplemented("MoveWindow"); }
BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) { failUnimplemented("ShowWindow"); }
BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable) { failUnimplemented("EnableWindow"); }
BOOL WINAPI SetWindowTextW(HWND hWnd, LPCWSTR lpString) { failUnimplemented("SetWindowTextW"); }
int WINAPI GetWindowTextW(HWND hWnd, LPWSTR lpString, int nMaxCount) { failUnimplemented("GetWindowTextW"); }
int WINAPI GetWindowTextLengthW(HWND hWnd) { failUnimplemented("GetWindowTextLengthW"); }
BOOL WINAPI GetCursorPos(LPPOINT lpPoint) { failUnimplemented("GetCursorPos"); }
BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint) { failUnimplemented("ScreenToClient"); }
BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT lpPoint) { failUnimplemented("ClientToScreen"); }
HICON WINAPI LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName) { failUnimplemented("LoadIconW"); }
HCURSOR WINAPI LoadCursorW(HINSTANCE hInstance, LPCWSTR lpCursorName) { failUnimplemented("LoadCursorW"); }
HACCEL WINAPI LoadAcceleratorsW(HINSTANCE hInstance, LPCWSTR lpTableName) { failUnimplemented("LoadAcceleratorsW"); }
int WINAPI TranslateAcceleratorW(HWND hWnd, HACCEL hAccTable, LPMSG lpMsg) { failUnimplemented("TranslateAcceleratorW"); }
BOOL WINAPI GetMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) { failUnimplemented("GetMessageW"); }
BOOL WINAPI PeekMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) { failUnimplemented("PeekMessageW"); }
BOOL WINAPI TranslateMessage(const MSG* lpMsg) { failUnimplemented("TranslateMessage"); }
LRESULT WINAPI DispatchMessageW(const MSG* lpMsg) { failUnimplemented("DispatchMessageW"); }
BOOL WINAPI PostMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) { failUnimplemented("PostMessageW"); }
BOOL WINAPI PostThreadMessageW(DWORD idThread, UINT Msg, WPARAM wParam, LPARAM lParam) { failUnimplemented("PostThreadMessageW"); }
void WINAPI PostQuitMessage(int nExitCode) { failUnimplemented("PostQuitMessage"); }
LRESULT WINAPI SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) { failUnimplemented("SendMessageW"); }
BOOL WINAPI WaitMessage(void) { failUnimplemented("WaitMessage"); }
DWORD WINAPI MsgWaitForMultipleObjects(DWORD nCount, const HANDLE* pHandles, BOOL fWaitAll,
                                       DWORD dwMilliseconds, DWORD dwWakeMask) { failUnimplemented("MsgWaitForMultipleObjects"); }
UINT_PTR WINAPI SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) { failUnimplemented("SetTimer"); }
BOOL WINAPI KillTimer(HWND hWnd, UINT_PTR uIDEvent) { failUnimplemented("KillTimer"); }
BOOL WINAPI InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase) { failUnimplemented("InvalidateRect"); }
BOOL WINAPI ValidateRect(HWND hWnd, const RECT* lpRect) { failUnimplemented("ValidateRect"); }
BOOL WINAPI UpdateWindow(HWND hWnd) { failUnimplemented("UpdateWindow"); }
BOOL WINAPI RedrawWindow(HWND hWnd, const RECT* lprcUpdate, HRGN hrgnUpdate, UINT flags) { failUnimplemented("RedrawWindow"); }
BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL bErase) { failUnimplemented("GetUpdateRect"); }
HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) { failUnimplemented("BeginPaint"); }
BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint) { failUnimplemented("EndPaint"); }
HDC WINAPI GetDC(HWND hWnd) { failUnimplemented("GetDC"); }
int WINAPI ReleaseDC(HWND hWnd, HDC hDC) { failUnimplemented("ReleaseDC"); }
HWND WINAPI WindowFromDC(HDC hDC) { failUnimplemented("WindowFromDC"); }
HGDIOBJ WINAPI GetStockObject(int i) { failUnimplemented("GetStockObject"); }
int WINAPI ChoosePixelFormat(HDC hdc, const PIXELFORMATDESCRIPTOR* ppfd) { failUnimplemented("ChoosePixelFormat"); }
BOOL WINAPI SetPixelFormat(HDC hdc, int format, const PIXELFORMATDESCRIPTOR* ppfd) { failUnimplemented("SetPixelFormat"); }
int WINAPI GetPixelFormat(HDC hdc) { failUnimplemented("GetPixelFormat"); }
int WINAPI DescribePixelFormat(HDC hdc, int iPixelFormat, UINT nBytes, LPPIXELFORMATDESCRIPTOR ppfd) { failUnimplemented("DescribePixelFormat"); }
BOOL WINAPI SwapBuffers(HDC hdc) { failUnimplemented("SwapBuffers"); }
HGLRC WINAPI wglCreateContext(HDC hdc) { failUnimplemented("wglCreateContext"); }
BOOL WINAPI wglDeleteContext(HGLRC hglrc) { failUnimplemented("wglDeleteContext"); }
BOOL WINAPI wglMakeCurrent(HDC hdc, HGLRC hglrc) { failUnimplemented("wglMakeCurrent"); }
HGLRC WINAPI wglGetCurrentContext(void) { failUnimplemented("wglGetCurrentContext"); }
HDC WINAPI wglGetCurrentDC(void) { failUnimplemented("wglGetCurrentDC"); }
PROC WINAPI wglGetProcAddress(LPCSTR lpszProc) { failUnimplemented("wglGetProcAddress"); }
HMODULE WINAPI GetModuleHandleW(LPCWSTR lpModuleName) { failUnimplemented("GetModuleHandleW"); }
void WINAPI Sleep(DWORD dwMilliseconds) { failUnimplemented("Sleep"); }
DWORD WINAPI GetLastError(void) { failUnimplemented("GetLastError"); }
void WINAPI SetLastError(DWORD dwErrCode) { failUnimplemented("SetLastError"); }
DWORD WINAPI GetCurrentThreadId(void) { failUnimplemented("GetCurrentThreadId"); }
HANDLE WINAPI CreateThread(LPSECURITY_ATTRIBUTES lpThreadAttributes, SIZE_T dwStackSize,
                           LPTHREAD_START_ROUTINE lpStartAddress, LPVOID lpParameter,
                           DWORD dwCreationFlags, LPDWORD lpThreadId) { failUnimplemented("CreateThread"); }
BOOL WINAPI GetExitCodeThread(HANDLE hThread, LPDWORD lpExitCode) { failUnimplemented("GetExitCodeThread"); }
HANDLE WINAPI CreateEventW(LPSECURITY_ATTRIBUTES lpEventAttributes, BOOL bManualReset, BOOL bInitialState,
                           LPCWSTR lpName) { failUnimplemented("CreateEventW"); }
BOOL WINAPI SetEvent(HANDLE hEvent) { failUnimplemented("SetEvent"); }
BOOL WINAPI ResetEvent(HANDLE hEvent) { failUnimplemented("ResetEvent"); }
DWORD WINAPI WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds) { failUnimplemented("WaitForSingleObject"); }
DWORD WINAPI WaitForMultipleObjects(DWORD nCount, const HANDLE* lpHandles, BOOL bWaitAll, DWORD dwMilliseconds) { failUnimplemented("WaitForMultipleObjects"); }
BOOL WINAPI CloseHandle(HANDLE hObject) { failUnimplemented("CloseHandle"); }
void WINAPI InitializeCriticalSection(LPCRITICAL_SECTION lpCriticalSection) { failUnimplemented("InitializeCriticalSection"); }
void WINAPI EnterCriticalSection(LPCRITICAL_SECTION lpCriticalSection) { failUnimplemented("EnterCriticalSection"); }
BOOL WINAPI TryEnterCriticalSection(LPCRITICAL_SECTION lpCriticalSection) { failUnimplemented("TryEnterCriticalSection"); }
void WINAPI LeaveCriticalSection(LPCRITICAL_SECTION lpCriticalSection) { failUnimplemented("LeaveCriticalSection"); }
void WINAPI DeleteCriticalSection(LPCRITICAL_SECTION lpCriticalSection) { failUnimplemented("DeleteCriticalSection"); }
void WINAPI InitCommonControls(void) { failUnimplemented("InitCommonControls"); }
BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce) { failUnimplemented("InitCommonControlsEx"); }
HWND WINAPI CreateStatusWindowW(LONG style, LPCWSTR lpszText, HWND hwndParent, UINT wID) { failUnimplemented("CreateStatusWindowW"); }
HWND WINAPI CreateToolbarEx(HWND hwnd, DWORD ws, UINT wID, int nBitmaps, HINSTANCE hBMInst, UINT_PTR wBMID,
                            LPCTBBUTTON lpButtons, int iNumButtons, int dxButton, int dyButton, int dxBitmap,
                            int dyBitmap, UINT uStructSize) { failUnimplemented("CreateToolbarEx"); }
DWORD WINAPI timeGetTime(void) { failUnimplemented("timeGetTime"); }
MMRESULT WINAPI timeGetDevCaps(LPTIMECAPS ptc, UINT cbtc) { failUnimplemented("timeGetDevCaps"); }
MMRESULT WINAPI timeBeginPeriod(UINT uPeriod) { failUnimplemented("timeBeginPeriod"); }
MMRESULT WINAPI timeEndPeriod(UINT uPeriod) { failUnimplemented("timeEndPeriod"); }
}

namespace Harness {
void useVirtualClock(bool on, DWORD startMs) { failUnimplemented("Harness::useVirtualClock"); }
bool virtualClockOn() { failUnimplemented("Harness::virtualClockOn"); }
void setPictureHook(PictureHook hook) { failUnimplemented("Harness::setPictureHook"); }
uint64_t presentedFrames() { failUnimplemented("Harness::presentedFrames"); }
void closeAfterFrames(uint64_t frames) { failUnimplemented("Harness::closeAfterFrames"); }
bool injectKey(UINT vk, bool down, HWND target) { failUnimplemented("Harness::injectKey"); }
bool forceHeadless() { failUnimplemented("Harness::forceHeadless"); }
bool headless() { failUnimplemented("Harness::headless"); }
}  // namespace Harness
