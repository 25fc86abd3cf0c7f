"""Writes to standard output a C++ program that, built against the layer's Windows headers
(src/platform/include), prints a static_assert for each of their constants and for the sizes of
their structures and types, each with the layer's value: compiled against the real Windows
headers, those asserts say where the layer differs from Windows."""

import re
from pathlib import Path

INCLUDE = Path(__file__).resolve().parents[2] / "src/platform/include"
# Macros that are no constant: calling conventions, type macros, string and resource names.
SKIP = {'WINAPI', 'CALLBACK', 'APIENTRY', 'WINAPIV', 'CONST', 'VOID', 'TRUE', 'FALSE', 'DECLARE_HANDLE',
        'STATUSCLASSNAMEW', 'TOOLBARCLASSNAMEW', 'TOOLTIPS_CLASSW', 'REBARCLASSNAMEW', 'IDI_APPLICATION',
        'IDC_ARROW', 'HINST_COMMCTRL'}
STRUCTS = ['POINT', 'RECT', 'SIZE', 'MSG', 'PAINTSTRUCT', 'CREATESTRUCTW', 'WNDCLASSEXW', 'NMHDR',
           'PIXELFORMATDESCRIPTOR', 'SECURITY_ATTRIBUTES', 'INITCOMMONCONTROLSEX',
           'TBBUTTON', 'TBADDBITMAP', 'TOOLINFOW', 'REBARBANDINFOW', 'TIMECAPS', 'LONG', 'DWORD', 'WORD',
           'UINT', 'ATOM', 'WCHAR', 'WPARAM', 'LPARAM', 'LRESULT', 'LONG_PTR', 'HWND', 'HANDLE']

names = []
for header in ['windows.h', 'commctrl.h', 'mmsystem.h']:
    for line in (INCLUDE / header).read_text(encoding="utf-8").splitlines():
        m = re.match(r'#define (\w+)\s+\S', line)
        if m and m.group(1) not in SKIP:
            names.append(m.group(1))
print('#include <windows.h>\n#include <commctrl.h>\n#include <mmsystem.h>\n#include <cstdio>\nint main() {')
for n in names:
    print(f'    std::printf("static_assert((long long)({n}) == %lldLL, \\"{n}\\");\\n", (long long)({n}));')
for s in STRUCTS:
    print(f'    std::printf("static_assert(sizeof({s}) == %zu, \\"sizeof({s})\\");\\n", sizeof({s}));')
print('}')
