#include "win/CommonControlEx.h"

#include "base/Trace.h"

CommonControlEx::CommonControlEx(DWORD flags) {
    init.dwSize = sizeof(INITCOMMONCONTROLSEX);
    init.dwICC = flags;
    InitCommonControlsEx(&init);
    writek("exec InitCommonControlsEx()\n");
}
