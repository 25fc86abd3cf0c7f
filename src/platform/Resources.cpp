// Resources: only the system's icons and cursors exist (the program carries no resources),
// and there are no accelerator tables.

#include <windows.h>

#include "platform/LayerState.h"

using namespace platform;

extern "C" {

HICON WINAPI LoadIconW(HINSTANCE instance, LPCWSTR name) {
    ULONG_PTR id = reinterpret_cast<ULONG_PTR>(name);
    if (instance || !IS_INTRESOURCE(name) || id < 32512 || id > 32518) {
        setError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<HICON>(0x20000 + id);
}

HCURSOR WINAPI LoadCursorW(HINSTANCE instance, LPCWSTR name) {
    ULONG_PTR id = reinterpret_cast<ULONG_PTR>(name);
    if (instance || !IS_INTRESOURCE(name) || id < 32512 || id > 32651) {
        setError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<HCURSOR>(0x30000 + id);
}

HACCEL WINAPI LoadAcceleratorsW(HINSTANCE, LPCWSTR) {
    setError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
}

int WINAPI TranslateAcceleratorW(HWND, HACCEL accelerators, LPMSG message) {
    if (!accelerators || !message) setError(ERROR_INVALID_PARAMETER);
    return 0;
}

}  // extern "C"
