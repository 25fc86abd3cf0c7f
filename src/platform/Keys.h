#pragma once
// Keyboard translation: SDL key codes to Windows virtual-key codes, and the lParam of
// WM_KEYDOWN/WM_KEYUP as Windows builds it (repeat count 1 in bits 0-15, the set-1 scan code in
// bits 16-23, bit 24 for extended keys such as the arrows, bit 30 when the key was already
// down, bit 31 on key-up).

#include <windows.h>

#include <cstdint>

namespace platform {

// 0 for keys without a virtual-key code here.
UINT virtualKeyFromSdl(int32_t sdlKeycode);

// 0 for virtual-key codes without a known scan code.
UINT scanCodeOf(UINT vk);

LPARAM keyLParam(UINT vk, bool down, bool wasDown);

}  // namespace platform
