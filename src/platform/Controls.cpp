// comctl32: the status bar, tool bar, tooltip and rebar classes as virtual child windows that
// keep what their messages set, so that it can be read back with the matching query messages.
// Here: the classes' registration and the two bars, which align themselves to their parent
// (status bar at the bottom, tool bar at the top) unless CCS_NOPARENTALIGN or CCS_NORESIZE is
// given; tooltips and the rebar are in ControlsTooltips.cpp and ControlsRebar.cpp.

#include <windows.h>
#include <commctrl.h>

#include <map>

#include "platform/Controls.h"

using namespace platform;

namespace {

const int statusBarHeight = 22;
const int toolBarHeight = 28;

struct StatusState {
    std::map<int, std::u16string> parts;  // part 255 (SB_SIMPLEID) is the simple-mode text
    bool simple = false;
    HFONT font = nullptr;
};

struct ToolbarState {
    UINT buttonSize = sizeof(TBBUTTON);
    std::vector<TBBUTTON> buttons;
    std::vector<std::pair<TBADDBITMAP, int>> bitmaps;  // each with its image count
    int images = 0;
    HFONT font = nullptr;
};

// Keeps a bar along the top or bottom edge of its parent's client area, full width.
void alignToParent(HWND hwnd, bool bottom, int height) {
    LONG style = LONG(GetWindowLongPtrW(hwnd, GWL_STYLE));
    if (style & (CCS_NOPARENTALIGN | CCS_NORESIZE)) return;
    HWND parent = GetParent(hwnd);
    RECT client;
    if (!parent || !GetClientRect(parent, &client)) return;
    MoveWindow(hwnd, 0, bottom ? client.bottom - height : 0, client.right, height, TRUE);
}


LRESULT CALLBACK statusProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto st = stateOf<StatusState>(hwnd);
    if (!st) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_CREATE: {
            auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            if (cs && isText(cs->lpszName)) st->parts[0] = cs->lpszName;
            alignToParent(hwnd, true, statusBarHeight);
            return 0;
        }
        case WM_SIZE:
            alignToParent(hwnd, true, statusBarHeight);
            return 0;
        case WM_SETTEXT:
            st->parts[0] = isText(reinterpret_cast<LPCWSTR>(lParam)) ? reinterpret_cast<LPCWSTR>(lParam) : u"";
            break;
        case SB_SETTEXTW: {
            auto text = reinterpret_cast<LPCWSTR>(lParam);
            st->parts[LOBYTE(wParam)] = isText(text) ? text : u"";
            InvalidateRect(hwnd, nullptr, TRUE);
            return TRUE;
        }
        case SB_GETTEXTW:
        case SB_GETTEXTLENGTHW: {
            auto it = st->parts.find(int(LOBYTE(wParam)));
            std::u16string text = it == st->parts.end() ? std::u16string() : it->second;
            if (message == SB_GETTEXTW && lParam) {
                auto* out = reinterpret_cast<LPWSTR>(lParam);
                std::copy(text.begin(), text.end(), out);
                out[text.size()] = 0;
            }
            return MAKELRESULT(WORD(text.size()), 0);
        }
        case SB_SIMPLE:
            st->simple = wParam != 0;
            return 0;
        case WM_SETFONT:
            st->font = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(st->font);
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK toolbarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto st = stateOf<ToolbarState>(hwnd);
    if (!st) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_CREATE:
            alignToParent(hwnd, false, toolBarHeight);
            return 0;
        case TB_BUTTONSTRUCTSIZE:
            st->buttonSize = UINT(wParam);
            return 0;
        case TB_ADDBITMAP: {
            auto* bitmap = reinterpret_cast<const TBADDBITMAP*>(lParam);
            if (!bitmap) return -1;
            int first = st->images;
            st->bitmaps.emplace_back(*bitmap, int(wParam));
            st->images += int(wParam);
            return first;
        }
        case TB_ADDBUTTONSW: {
            auto* buttons = reinterpret_cast<const TBBUTTON*>(lParam);
            // Only the structure of this build is understood (a 32-bit program's 20-byte
            // buttons would be misread here).
            if (!buttons || st->buttonSize != sizeof(TBBUTTON)) return FALSE;
            st->buttons.insert(st->buttons.end(), buttons, buttons + wParam);
            return TRUE;
        }
        case TB_BUTTONCOUNT:
            return LRESULT(st->buttons.size());
        case TB_GETBUTTON: {
            auto* out = reinterpret_cast<TBBUTTON*>(lParam);
            if (!out || wParam >= st->buttons.size()) return FALSE;
            *out = st->buttons[wParam];
            return TRUE;
        }
        case TB_AUTOSIZE:
            alignToParent(hwnd, false, toolBarHeight);
            return 0;
        case WM_SETFONT:
            st->font = reinterpret_cast<HFONT>(wParam);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(st->font);
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}


int initCount = 0;

}  // namespace

namespace platform {

void registerControlClasses(LayerState& s) {
    static bool done = false;
    if (done) return;
    done = true;
    struct {
        const char16_t* name;
        WNDPROC proc;
    } classes[] = {{STATUSCLASSNAMEW, statusProc},
                   {TOOLBARCLASSNAMEW, toolbarProc},
                   {TOOLTIPS_CLASSW, tooltipProc},
                   {REBARCLASSNAMEW, rebarProc}};
    for (auto& c : classes) {
        auto cls = std::make_shared<WindowClass>();
        cls->name = c.name;
        cls->info.cbSize = sizeof(WNDCLASSEXW);
        cls->info.lpfnWndProc = c.proc;
        cls->atom = s.nextAtom++;
        cls->system = true;
        std::u16string key = c.name;
        for (auto& ch : key)
            if (ch >= u'A' && ch <= u'Z') ch = char16_t(ch - u'A' + u'a');
        s.classes[key] = cls;
    }
}

}  // namespace platform

extern "C" {

void WINAPI InitCommonControls(void) {
    LayerState& s = state();
    Lock lk(s.lock);
    registerControlClasses(s);
    ++initCount;
}

BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* icc) {
    if (!icc || icc->dwSize != sizeof(INITCOMMONCONTROLSEX)) {
        setError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    InitCommonControls();
    return TRUE;
}

HWND WINAPI CreateStatusWindowW(LONG style, LPCWSTR text, HWND parent, UINT id) {
    return CreateWindowExW(0, STATUSCLASSNAMEW, text, DWORD(style), 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(UINT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
}

HWND WINAPI CreateToolbarEx(HWND parent, DWORD style, UINT id, int bitmaps, HINSTANCE bitmapInstance, UINT_PTR bitmapId,
                            LPCTBBUTTON buttons, int buttonCount, int, int, int, int, UINT structSize) {
    if (structSize != sizeof(TBBUTTON) || buttonCount < 0 || (buttonCount > 0 && !buttons)) {
        setError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    HWND bar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, style, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(UINT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
    if (!bar) return nullptr;
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, structSize, 0);
    if (bitmaps > 0) {
        TBADDBITMAP add{bitmapInstance, bitmapId};
        SendMessageW(bar, TB_ADDBITMAP, WPARAM(bitmaps), reinterpret_cast<LPARAM>(&add));
    }
    if (buttonCount > 0) SendMessageW(bar, TB_ADDBUTTONSW, WPARAM(buttonCount), reinterpret_cast<LPARAM>(buttons));
    return bar;
}

}  // extern "C"
