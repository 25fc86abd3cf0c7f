// comctl32: the status bar, tool bar, tooltip and rebar classes as virtual child windows that
// keep what their messages set, so that it can be read back with the matching query messages.
// Bars align themselves to their parent (status bar at the bottom, tool bar at the top) unless
// CCS_NOPARENTALIGN or CCS_NORESIZE is given; the rebar keeps the height its bands need and
// reports each change of it to its parent with WM_NOTIFY / RBN_HEIGHTCHANGE.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstddef>
#include <map>

#include "platform/LayerState.h"

using namespace platform;

namespace {

const int statusBarHeight = 22;
const int toolBarHeight = 28;
const int bandBorder = 4;  // rebar pixels around the tallest band child

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

struct Tool {
    TOOLINFOW info{};
    std::u16string text;
};

struct TooltipState {
    std::vector<Tool> tools;
    bool active = true;
};

struct Band {
    REBARBANDINFOW info{};
    std::u16string text;
};

struct RebarState {
    std::vector<Band> bands;
    int height = 0;
};

template <class T>
std::shared_ptr<T> stateOf(HWND hwnd) {
    LayerState& s = state();
    Lock lk(s.lock);
    Window* w = s.find(hwnd);
    if (!w) return nullptr;
    if (!w->control) w->control = std::make_shared<T>();
    return std::static_pointer_cast<T>(w->control);
}

// Keeps a bar along the top or bottom edge of its parent's client area, full width.
void alignToParent(HWND hwnd, bool bottom, int height) {
    LONG style = LONG(GetWindowLongPtrW(hwnd, GWL_STYLE));
    if (style & (CCS_NOPARENTALIGN | CCS_NORESIZE)) return;
    HWND parent = GetParent(hwnd);
    RECT client;
    if (!parent || !GetClientRect(parent, &client)) return;
    MoveWindow(hwnd, 0, bottom ? client.bottom - height : 0, client.right, height, TRUE);
}

bool isText(LPCWSTR text) { return text && !IS_INTRESOURCE(text) && text != reinterpret_cast<LPCWSTR>(-1); }

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

// The oldest TOOLINFOW layout (without lParam and lpReserved) is the least a caller must give.
const UINT minToolInfoSize = offsetof(TOOLINFOW, lParam);

Tool* findTool(TooltipState& st, const TOOLINFOW& key) {
    for (Tool& t : st.tools)
        if (t.info.hwnd == key.hwnd && t.info.uId == key.uId) return &t;
    return nullptr;
}

LRESULT CALLBACK tooltipProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto st = stateOf<TooltipState>(hwnd);
    if (!st) return DefWindowProcW(hwnd, message, wParam, lParam);
    auto* ti = reinterpret_cast<TOOLINFOW*>(lParam);
    switch (message) {
        case TTM_ADDTOOLW: {
            if (!ti || ti->cbSize < minToolInfoSize) return FALSE;
            Tool t;
            std::copy_n(reinterpret_cast<const unsigned char*>(ti), std::min<size_t>(ti->cbSize, sizeof(TOOLINFOW)),
                        reinterpret_cast<unsigned char*>(&t.info));
            if (isText(ti->lpszText)) t.text = ti->lpszText;
            t.info.lpszText = nullptr;
            // As comctl32: a second tool with a known id is added after the first, which
            // every lookup still finds.
            st->tools.push_back(t);
            return TRUE;
        }
        case TTM_NEWTOOLRECTW: {
            if (!ti || ti->cbSize < minToolInfoSize) return 0;
            if (Tool* t = findTool(*st, *ti)) t->info.rect = ti->rect;
            return 0;
        }
        case TTM_DELTOOLW:
            if (ti && ti->cbSize >= minToolInfoSize)
                if (Tool* t = findTool(*st, *ti)) st->tools.erase(st->tools.begin() + (t - st->tools.data()));
            return 0;
        case TTM_GETTOOLCOUNT:
            return LRESULT(st->tools.size());
        case TTM_GETTOOLINFOW: {
            if (!ti || ti->cbSize < minToolInfoSize) return FALSE;
            Tool* t = findTool(*st, *ti);
            if (!t) return FALSE;
            LPWSTR buffer = ti->lpszText;
            UINT size = ti->cbSize;
            std::copy_n(reinterpret_cast<const unsigned char*>(&t->info), std::min<size_t>(size, sizeof(TOOLINFOW)),
                        reinterpret_cast<unsigned char*>(ti));
            ti->cbSize = size;
            ti->lpszText = buffer;
            if (isText(buffer)) {
                std::copy(t->text.begin(), t->text.end(), buffer);
                buffer[t->text.size()] = 0;
            }
            return TRUE;
        }
        case TTM_ACTIVATE:
            st->active = wParam != 0;
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// The oldest REBARBANDINFOW layout (up to wID) is the least a caller must give; only fields
// within it are read.
const UINT minBandInfoSize = offsetof(REBARBANDINFOW, cyChild);

int barHeight(const RebarState& st) {
    int tallest = -1;
    for (const Band& b : st.bands)
        if (!(b.info.fStyle & RBBS_HIDDEN)) tallest = std::max(tallest, int(b.info.cyMinChild));
    return tallest < 0 ? 0 : tallest + bandBorder;
}

void copyBand(Band& band, const REBARBANDINFOW& in) {
    UINT mask = in.fMask;
    REBARBANDINFOW& b = band.info;
    if (mask & RBBIM_STYLE) b.fStyle = in.fStyle;
    if (mask & RBBIM_COLORS) {
        b.clrFore = in.clrFore;
        b.clrBack = in.clrBack;
    }
    if (mask & RBBIM_TEXT) band.text = isText(in.lpText) ? in.lpText : u"";
    if (mask & RBBIM_IMAGE) b.iImage = in.iImage;
    if (mask & RBBIM_CHILD) b.hwndChild = in.hwndChild;
    if (mask & RBBIM_CHILDSIZE) {
        b.cxMinChild = in.cxMinChild;
        b.cyMinChild = in.cyMinChild;
    }
    if (mask & RBBIM_SIZE) b.cx = in.cx;
    if (mask & RBBIM_BACKGROUND) b.hbmBack = in.hbmBack;
    if (mask & RBBIM_ID) b.wID = in.wID;
    b.fMask |= mask;
    b.cbSize = sizeof(REBARBANDINFOW);
}

// Takes the height the bands need and tells the parent when it changed.
void relayoutRebar(HWND hwnd, RebarState& st) {
    int height = barHeight(st);
    if (height == st.height) return;
    st.height = height;
    RECT r;
    GetWindowRect(hwnd, &r);
    LONG style = LONG(GetWindowLongPtrW(hwnd, GWL_STYLE));
    HWND parent = GetParent(hwnd);
    if (!(style & CCS_NORESIZE) && parent) {
        POINT topLeft{r.left, r.top};
        ScreenToClient(parent, &topLeft);
        MoveWindow(hwnd, topLeft.x, topLeft.y, r.right - r.left, height, TRUE);
    }
    NMHDR nm{};
    nm.hwndFrom = hwnd;
    nm.idFrom = UINT_PTR(GetWindowLongPtrW(hwnd, GWLP_ID));
    nm.code = RBN_HEIGHTCHANGE;
    if (parent) SendMessageW(parent, WM_NOTIFY, nm.idFrom, reinterpret_cast<LPARAM>(&nm));
}

LRESULT CALLBACK rebarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto st = stateOf<RebarState>(hwnd);
    if (!st) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
        case RB_INSERTBANDW: {
            auto* in = reinterpret_cast<const REBARBANDINFOW*>(lParam);
            if (!in || in->cbSize < minBandInfoSize) return FALSE;
            Band band;
            copyBand(band, *in);
            auto index = int(INT_PTR(wParam));
            if (index < 0 || size_t(index) > st->bands.size())
                st->bands.push_back(band);
            else
                st->bands.insert(st->bands.begin() + index, band);
            relayoutRebar(hwnd, *st);
            return TRUE;
        }
        case RB_SETBANDINFOW: {
            auto* in = reinterpret_cast<const REBARBANDINFOW*>(lParam);
            if (!in || in->cbSize < minBandInfoSize || wParam >= st->bands.size()) return FALSE;
            copyBand(st->bands[wParam], *in);
            relayoutRebar(hwnd, *st);
            return TRUE;
        }
        case RB_GETBANDCOUNT:
            return LRESULT(st->bands.size());
        case RB_GETBARHEIGHT:
            return st->height;
        case RB_GETBANDINFOW: {
            auto* out = reinterpret_cast<REBARBANDINFOW*>(lParam);
            if (!out || out->cbSize < minBandInfoSize || wParam >= st->bands.size()) return FALSE;
            const Band& band = st->bands[wParam];
            UINT size = out->cbSize, mask = out->fMask, cch = out->cch;
            LPWSTR text = out->lpText;
            std::copy_n(reinterpret_cast<const unsigned char*>(&band.info), std::min<size_t>(size, sizeof(REBARBANDINFOW)),
                        reinterpret_cast<unsigned char*>(out));
            out->cbSize = size;
            out->fMask = mask;
            out->lpText = text;
            out->cch = cch;
            if ((mask & RBBIM_TEXT) && text && cch > 0) {
                size_t n = std::min<size_t>(band.text.size(), cch - 1);
                std::copy_n(band.text.data(), n, text);
                text[n] = 0;
            }
            return TRUE;
        }
        case WM_SIZE: {
            // The bar keeps its own height whatever it is moved to.
            LONG style = LONG(GetWindowLongPtrW(hwnd, GWL_STYLE));
            if (!(style & CCS_NORESIZE) && st->height > 0 && HIWORD(lParam) != st->height) {
                RECT r;
                GetWindowRect(hwnd, &r);
                POINT topLeft{r.left, r.top};
                if (HWND parent = GetParent(hwnd)) ScreenToClient(parent, &topLeft);
                MoveWindow(hwnd, topLeft.x, topLeft.y, LOWORD(lParam), st->height, TRUE);
            }
            return 0;
        }
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
