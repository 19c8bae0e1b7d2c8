#include "KeyNames.h"

namespace {

struct FixedName {
    int virtualKey;
    const wchar_t* name;
};

constexpr FixedName kFixedNames[] = {
    {16, L"Shift"}, {17, L"Ctrl"}, {18, L"Alt"}, {19, L"Pause"}, {44, L"Print Screen"},
    {91, L"Windows"}, {92, L"RWindows"}, {93, L"Application"}, {144, L"Num Lock"},
    {160, L"Shift"}, {161, L"RShift"}, {162, L"Ctrl"}, {163, L"RCtrl"}, {164, L"Alt"}, {165, L"RAlt"},
};

bool IsNavigationKey(int virtualKey) { return (virtualKey >= 33 && virtualKey <= 40) || virtualKey == 45 || virtualKey == 46; }

}  // namespace

int RecordedKeyCode(int virtualKey) {
    switch (virtualKey) {
    case 16: return 160;
    case 17: return 162;
    case 18: return 164;
    default: return virtualKey;
    }
}

const wchar_t* FixedKeyName(int virtualKey) {
    for (const FixedName& f : kFixedNames) {
        if (f.virtualKey == virtualKey) return f.name;
    }
    return nullptr;
}

int NameScanCode(int virtualKey, int scanCode) { return IsNavigationKey(virtualKey) ? scanCode | 0x100 : scanCode; }

CString VirtualKeyName(int virtualKey, const LayoutKeyName& layout) {
    if (const wchar_t* fixed = FixedKeyName(virtualKey)) return CString(fixed);
    return layout ? layout(virtualKey) : CString();
}
