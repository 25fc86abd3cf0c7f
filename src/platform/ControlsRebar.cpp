// comctl32: the rebar class, a virtual child window that keeps its bands, the height they
// need, and reports each change of it to its parent with WM_NOTIFY / RBN_HEIGHTCHANGE.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstddef>

#include "platform/Controls.h"

namespace platform {

namespace {

const int bandBorder = 4;  // rebar pixels around the tallest band child

struct Band {
    REBARBANDINFOW info{};
    std::u16string text;
};

struct RebarState {
    std::vector<Band> bands;
    int height = 0;
};

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

}  // namespace

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

}  // namespace platform
