#include "win/Rebar.h"

#include "win/ToolBarEx.h"

namespace {
constexpr DWORD kRebarStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_BORDER | WS_DLGFRAME |
                              RBS_BANDBORDERS | RBS_VARHEIGHT | CCS_NODIVIDER | CCS_NOPARENTALIGN;
}

Rebar::Rebar(const std::string& caption) : WindowObject(caption), library(ICC_COOL_CLASSES | ICC_BAR_CLASSES) {
    setClassName("ReBarWindow32");
    exStyle = WS_EX_TOOLWINDOW;
    style = kRebarStyle;
    band.cbSize = sizeof(REBARBANDINFOW);
    band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_BACKGROUND;
    band.cxMinChild = 100;
    band.cyMinChild = 25;
    band.cx = 128;
}

int Rebar::setBandInfo(REBARBANDINFOW newBand) {
    band = newBand;
    band.cbSize = sizeof(REBARBANDINFOW);
    return 0;
}

int Rebar::insertBand(WindowObject& child) { return insertBandFor(child.getHwnd()); }

int Rebar::insertBand(ToolBarEx& child) { return insertBandFor(child.getHwnd()); }

int Rebar::insertBandFor(HWND child) {
    REBARBANDINFOW inserted = band;
    inserted.hwndChild = child;
    SendMessageW(hwnd, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&inserted));
    return 0;
}
