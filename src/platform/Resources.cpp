// Resources: only the system's icons and cursors exist (the program carries no resources),
// and there are no accelerator tables.

#include <windows.h>

#include "platform/LayerState.h"

using namespace platform;

namespace {

// The handle of a system icon or cursor; only the ids first..last (IDI_*, IDC_*), asked for
// with no module, exist.
template <class Handle>
Handle systemResource(HINSTANCE instance, LPCWSTR name, ULONG_PTR first, ULONG_PTR last, ULONG_PTR handleBase) {
    ULONG_PTR id = reinterpret_cast<ULONG_PTR>(name);
    if (instance || !IS_INTRESOURCE(name) || id < first || id > last) {
        setError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<Handle>(handleBase + id);
}

}  // namespace

extern "C" {

HICON WINAPI LoadIconW(HINSTANCE instance, LPCWSTR name) {
    return systemResource<HICON>(instance, name, 32512, 32518, 0x20000);
}

HCURSOR WINAPI LoadCursorW(HINSTANCE instance, LPCWSTR name) {
    return systemResource<HCURSOR>(instance, name, 32512, 32651, 0x30000);
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
