// Key names of the current keyboard layout.
#include <windows.h>

#include "KeyNames.h"

CString SystemKeyName(int virtualKey) {
    UINT scanCode = MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC);
    int nameCode = NameScanCode(virtualKey, static_cast<int>(scanCode));
    // GetKeyNameTextW reads the scan code from bits 16-23 of a key message's
    // lParam and the extended-key flag from bit 24.
    LONG lParam = static_cast<LONG>(nameCode) << 16;
    wchar_t name[260] = {};
    int length = GetKeyNameTextW(lParam, name, 260);
    return length > 0 ? CString(name, static_cast<std::size_t>(length)) : CString();
}
