#include "win/MainWindow.h"

#include "win/Rebar.h"
#include "win/StatusBar.h"
#include "win/ToolBarEx.h"

StatusBar* statusBar = nullptr;

MainWindow::MainWindow(const std::string& caption) : Frame(caption) {}

MainWindow::~MainWindow() = default;

int MainWindow::enableRebar() {
    rebarEnabled = 1;
    return 0;
}

int MainWindow::setBandInfo(REBARBANDINFOW band) {
    if (!rebarEnabled || !rebar) return -1;
    return rebar->setBandInfo(band);
}

int MainWindow::insertToolBar(ToolBarEx& toolBar) {
    if (!rebarEnabled || !rebar) return -1;
    return rebar->insertBand(toolBar);
}

int MainWindow::insertBand(WindowObject& child) {
    if (!rebarEnabled || !rebar) return -1;
    return rebar->insertBand(child);
}

int MainWindow::setStatusBar(StatusBar& bar, const std::string& text) {
    const int result = bar.create(hwnd, text);
    if (bar.getHwnd() != nullptr) {
        sizeForward.push_back(bar.getHwnd());
        statusBar = &bar;
    }
    return result;
}

int MainWindow::removeChild(WindowObject* child) {
    if (child == nullptr || child != rebar.get()) return WindowObject::removeChild(child);
    forgetChild(child);
    rebar.reset();
    return 0;
}

void MainWindow::layOut(WPARAM wParam, LPARAM lParam) {
    RECT client;
    GetClientRect(hwnd, &client);
    if (statusBar != nullptr && statusBar->getHwnd() != nullptr) {
        RECT bar;
        GetWindowRect(statusBar->getHwnd(), &bar);
        client.bottom -= bar.bottom - bar.top;
    }
    const int w = client.right - client.left, h = client.bottom - client.top;
    for (std::size_t i = children.size(); i-- > 0;) {
        WindowObject* child = children[i];
        if (child == nullptr || child->getHwnd() == nullptr) continue;
        if (!rebarEnabled)
            MoveWindow(child->getHwnd(), 0, 0, w, h, TRUE);
        else if (rebar && child == rebar.get())
            MoveWindow(child->getHwnd(), 0, 0, w, h, TRUE);
        else
            MoveWindow(child->getHwnd(), 0, rebarHeight + 2, w, h - rebarHeight, TRUE);
    }
    for (std::size_t i = sizeForward.size(); i-- > 0;) SendMessageW(sizeForward[i], WM_SIZE, wParam, lParam);
}

LRESULT MainWindow::routeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (rebarEnabled) {
            rebar = std::make_unique<Rebar>("Rebar");
            addChild(rebar.get(), nullptr, true, true);
        }
        break;
    case WM_MOVE:
        x = LOWORD(lParam);
        y = HIWORD(lParam);
        break;
    case WM_SIZE:
        width = LOWORD(lParam);
        height = HIWORD(lParam);
        layOut(wParam, lParam);
        break;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (rebarEnabled && rebar && header != nullptr && header->hwndFrom == rebar->getHwnd() &&
            header->code == static_cast<UINT>(RBN_HEIGHTCHANGE)) {
            InvalidateRect(hwnd, nullptr, TRUE);
            UpdateWindow(rebar->getHwnd());
            RECT bandClient;
            GetClientRect(rebar->getHwnd(), &bandClient);
            rebarHeight = bandClient.bottom - bandClient.top + 2;
            RECT outer;
            GetWindowRect(hwnd, &outer);
            SendMessageW(hwnd, WM_SIZE, 0, MAKELPARAM(outer.right - outer.left, outer.bottom - outer.top));
        }
        break;
    }
    default:
        break;
    }
    return handleMessage(window, message, wParam, lParam);
}
