// comctl32: the tooltip class, a virtual child window that keeps its tools and their texts.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstddef>

#include "platform/Controls.h"

namespace platform {

namespace {

struct Tool {
    TOOLINFOW info{};
    std::u16string text;
};

struct TooltipState {
    std::vector<Tool> tools;
    bool active = true;
};

// The oldest TOOLINFOW layout (without lParam and lpReserved) is the least a caller must give.
const UINT minToolInfoSize = offsetof(TOOLINFOW, lParam);

Tool* findTool(TooltipState& st, const TOOLINFOW& key) {
    for (Tool& t : st.tools)
        if (t.info.hwnd == key.hwnd && t.info.uId == key.uId) return &t;
    return nullptr;
}

}  // namespace

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

}  // namespace platform
