#pragma once
// CommonControlEx: registers common-control classes with InitCommonControlsEx, on every
// construction (ICC_* flags).

#include <windows.h>

#include <commctrl.h>

class CommonControlEx {
public:
    explicit CommonControlEx(DWORD flags = 0);
    virtual ~CommonControlEx() = default;

protected:
    INITCOMMONCONTROLSEX init{};
};
