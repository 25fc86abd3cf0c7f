#include "platform/Keys.h"

#include <SDL.h>


namespace platform {

namespace {

struct KeyInfo {
    UINT vk;
    UINT scan;
    bool extended;
};

// Scan codes of the PC keyboard (set 1) for the keys the layer knows.
const KeyInfo keys[] = {
    {VK_BACK, 0x0E, false},   {VK_TAB, 0x0F, false},    {VK_RETURN, 0x1C, false}, {VK_SHIFT, 0x2A, false},
    {VK_CONTROL, 0x1D, false}, {VK_MENU, 0x38, false},  {VK_PAUSE, 0x45, false},  {VK_ESCAPE, 0x01, false},
    {VK_SPACE, 0x39, false},  {VK_PRIOR, 0x49, true},   {VK_NEXT, 0x51, true},    {VK_END, 0x4F, true},
    {VK_HOME, 0x47, true},    {VK_LEFT, 0x4B, true},    {VK_UP, 0x48, true},      {VK_RIGHT, 0x4D, true},
    {VK_DOWN, 0x50, true},    {VK_INSERT, 0x52, true},  {VK_DELETE, 0x53, true},  {'0', 0x0B, false},
    {'1', 0x02, false},       {'2', 0x03, false},       {'3', 0x04, false},       {'4', 0x05, false},
    {'5', 0x06, false},       {'6', 0x07, false},       {'7', 0x08, false},       {'8', 0x09, false},
    {'9', 0x0A, false},       {'A', 0x1E, false},       {'B', 0x30, false},       {'C', 0x2E, false},
    {'D', 0x20, false},       {'E', 0x12, false},       {'F', 0x21, false},       {'G', 0x22, false},
    {'H', 0x23, false},       {'I', 0x17, false},       {'J', 0x24, false},       {'K', 0x25, false},
    {'L', 0x26, false},       {'M', 0x32, false},       {'N', 0x31, false},       {'O', 0x18, false},
    {'P', 0x19, false},       {'Q', 0x10, false},       {'R', 0x13, false},       {'S', 0x1F, false},
    {'T', 0x14, false},       {'U', 0x16, false},       {'V', 0x2F, false},       {'W', 0x11, false},
    {'X', 0x2D, false},       {'Y', 0x15, false},       {'Z', 0x2C, false},       {VK_F1, 0x3B, false},
    {VK_F2, 0x3C, false},     {VK_F3, 0x3D, false},     {VK_F4, 0x3E, false},     {VK_F5, 0x3F, false},
    {VK_F6, 0x40, false},     {VK_F7, 0x41, false},     {VK_F8, 0x42, false},     {VK_F9, 0x43, false},
    {VK_F10, 0x44, false},    {VK_F11, 0x57, false},    {VK_F12, 0x58, false},
};

const KeyInfo* infoOf(UINT vk) {
    for (const KeyInfo& k : keys)
        if (k.vk == vk) return &k;
    return nullptr;
}

}  // namespace

UINT virtualKeyFromSdl(int32_t sym) {
    if (sym >= SDLK_a && sym <= SDLK_z) return UINT('A' + (sym - SDLK_a));
    if (sym >= SDLK_0 && sym <= SDLK_9) return UINT('0' + (sym - SDLK_0));
    if (sym >= SDLK_F1 && sym <= SDLK_F12) return UINT(VK_F1 + (sym - SDLK_F1));
    switch (sym) {
        case SDLK_BACKSPACE: return VK_BACK;
        case SDLK_TAB: return VK_TAB;
        case SDLK_RETURN: case SDLK_KP_ENTER: return VK_RETURN;
        case SDLK_LSHIFT: case SDLK_RSHIFT: return VK_SHIFT;
        case SDLK_LCTRL: case SDLK_RCTRL: return VK_CONTROL;
        case SDLK_LALT: case SDLK_RALT: return VK_MENU;
        case SDLK_PAUSE: return VK_PAUSE;
        case SDLK_ESCAPE: return VK_ESCAPE;
        case SDLK_SPACE: return VK_SPACE;
        case SDLK_PAGEUP: return VK_PRIOR;
        case SDLK_PAGEDOWN: return VK_NEXT;
        case SDLK_END: return VK_END;
        case SDLK_HOME: return VK_HOME;
        case SDLK_LEFT: return VK_LEFT;
        case SDLK_UP: return VK_UP;
        case SDLK_RIGHT: return VK_RIGHT;
        case SDLK_DOWN: return VK_DOWN;
        case SDLK_INSERT: return VK_INSERT;
        case SDLK_DELETE: return VK_DELETE;
        default: return 0;
    }
}

UINT scanCodeOf(UINT vk) {
    const KeyInfo* k = infoOf(vk);
    return k ? k->scan : 0;
}

LPARAM keyLParam(UINT vk, bool down, bool wasDown) {
    const KeyInfo* k = infoOf(vk);
    DWORD bits = 1;
    if (k) bits |= DWORD(k->scan) << 16;
    if (k && k->extended) bits |= 1u << 24;
    if (wasDown || !down) bits |= 1u << 30;
    if (!down) bits |= 1u << 31;
    return LPARAM(bits);
}

}  // namespace platform
