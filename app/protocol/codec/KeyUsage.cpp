#include "KeyUsage.h"

#include <utility>

namespace codec {
namespace {

struct KeyPair {
    int virtualKey;
    int usage;
};

// Single keys outside the letter, digit and function-key runs.
constexpr KeyPair kSingleKeys[] = {
    {13, 0x28},  {27, 0x29},  {8, 0x2A},   {9, 0x2B},   {32, 0x2C},   // Enter, Escape, Backspace, Tab, Space
    {189, 0x2D}, {187, 0x2E}, {219, 0x2F}, {221, 0x30}, {220, 0x31},  // - = [ ] backslash
    {186, 0x33}, {222, 0x34}, {192, 0x35}, {188, 0x36}, {190, 0x37}, {191, 0x38},  // ; ' ` , . /
    {226, 0x64},                                                       // the non-US key
    {20, 0x39},                                                        // Caps Lock
    {44, 0x46},  {145, 0x47}, {19, 0x48},                              // Print Screen, Scroll Lock, Pause
    {45, 0x49},  {36, 0x4A},  {33, 0x4B},  {46, 0x4C},  {35, 0x4D}, {34, 0x4E},  // Insert ... Page Down
    {39, 0x4F},  {37, 0x50},  {40, 0x51},  {38, 0x52},                 // Right, Left, Down, Up
    {144, 0x53},                                                       // Num Lock
    {111, 0x54}, {106, 0x55}, {109, 0x56}, {107, 0x57}, {108, 0x58},   // keypad / * - +, separator
    {96, 0x62},  {110, 0x63},                                          // keypad 0 and .
    {93, 0x65},                                                        // Application
    {162, 0xE0}, {160, 0xE1}, {164, 0xE2}, {91, 0xE3},                 // left Ctrl, Shift, Alt, Win
    {163, 0xE4}, {161, 0xE5}, {165, 0xE6}, {92, 0xE7},                 // right Ctrl, Shift, Alt, Win
    {136, 136},  {137, 137},  {138, 138},  {139, 139},                 // keys the mouse passes through
    {254, 0xAF}, {666, 0x32}, {301, 0xEC}, {302, 0xEB},                // the program's own codes
};

// Runs of consecutive virtual keys that map to consecutive usages.
struct KeyRun {
    int firstKey;
    int lastKey;
    int firstUsage;
};

constexpr KeyRun kRuns[] = {
    {'A', 'Z', 0x04},
    {'1', '9', 0x1E},
    {'0', '0', 0x27},
    {112, 123, 0x3A},  // F1-F12
    {124, 135, 0x68},  // F13-F24
    {97, 105, 0x59},   // keypad 1-9
};

}  // namespace

int UsageOfVirtualKey(int virtualKey) {
    for (const KeyRun& run : kRuns) {
        if (virtualKey >= run.firstKey && virtualKey <= run.lastKey) return run.firstUsage + (virtualKey - run.firstKey);
    }
    for (const KeyPair& pair : kSingleKeys) {
        if (pair.virtualKey == virtualKey) return pair.usage;
    }
    return 0;
}

int VirtualKeyOfUsage(int usage) {
    if (usage == 0) return 0;
    for (const KeyRun& run : kRuns) {
        int last = run.firstUsage + (run.lastKey - run.firstKey);
        if (usage >= run.firstUsage && usage <= last) return run.firstKey + (usage - run.firstUsage);
    }
    for (const KeyPair& pair : kSingleKeys) {
        if (pair.usage == usage) return pair.virtualKey;
    }
    return 0;
}

CString KeyName(int usage) {
    static const std::pair<int, const wchar_t*> kNames[] = {
        {0x28, L"Enter"}, {0x58, L"Enter"}, {0x29, L"Esc"}, {0x2A, L"Backspace"}, {0x2B, L"Tab"},
        {0x2C, L"Space"}, {0x2D, L"-"}, {0x2E, L"="}, {0x2F, L"["}, {0x30, L"]"}, {0x31, L"\\"},
        {0x33, L";"}, {0x34, L"'"}, {0x35, L"`"}, {0x36, L","}, {0x37, L"."}, {0x38, L"/"},
        {0x39, L"Caps Lock"}, {0x46, L"Print Screen"}, {0x47, L"Scrlk"}, {0x48, L"Pause"},
        {0x49, L"Insert"}, {0x4A, L"Home"}, {0x4B, L"Page Up"}, {0x4C, L"Delete"}, {0x4D, L"End"},
        {0x4E, L"Page Down"}, {0x4F, L"Right"}, {0x50, L"Left"}, {0x51, L"Down"}, {0x52, L"Up"},
        {0x53, L"Num"}, {0x54, L"//"}, {0x55, L"Num *"}, {0x56, L"Num -"}, {0x57, L"Num +"},
        {0x62, L"Num 0"}, {0x63, L"Num Del"}, {0x65, L"Menu"}, {0xAF, L"Fn"},
        {0xE0, L"Ctrl"}, {0xE4, L"Ctrl"}, {0xE1, L"Shift"}, {0xE5, L"Shift"},
        {0xE2, L"Alt"}, {0xE6, L"Alt"}, {0xE3, L"Windows"},
    };
    if (usage >= 0x04 && usage <= 0x1D) return CString(1, static_cast<wchar_t>(L'A' + (usage - 0x04)));
    if (usage >= 0x1E && usage <= 0x26) return CString(1, static_cast<wchar_t>(L'1' + (usage - 0x1E)));
    if (usage == 0x27) return CString(L"0");
    if (usage >= 0x3A && usage <= 0x45) return CString(L"F" + std::to_wstring(usage - 0x3A + 1));
    if (usage >= 0x59 && usage <= 0x61) return CString(L"Num " + std::to_wstring(usage - 0x59 + 1));
    for (const auto& [code, name] : kNames) {
        if (code == usage) return CString(name);
    }
    return CString();
}

}  // namespace codec
