#include "win/CommonControl.h"

#include <windows.h>

#include <commctrl.h>

namespace {
bool commonControlsInitialised = false;
}

CommonControl::CommonControl() {
    if (!commonControlsInitialised) {
        InitCommonControls();
        commonControlsInitialised = true;
    }
}
