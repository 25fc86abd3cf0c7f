#include "win/CommonControlEx.h"

#include "win/writek.h"

CommonControlEx::CommonControlEx(DWORD flags) {
    init.dwSize = sizeof(INITCOMMONCONTROLSEX);
    init.dwICC = flags;
    InitCommonControlsEx(&init);
    writek("exec InitCommonControlsEx()\n");
}
