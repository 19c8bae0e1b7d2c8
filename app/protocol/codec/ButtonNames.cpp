#include "ButtonNames.h"

#include "KeyUsage.h"
#include "TextFormat.h"

namespace codec {
namespace {

constexpr int kMouseTexts[] = {106, 108, 107, 111, 109, 110, 112, 113, 114, 115};
constexpr int kMediaTexts[] = {120, 121, 124, 122, 123, 117, 118, 119};
constexpr int kNumberedTexts[] = {151, 152, 153, 154, 155};
constexpr int kShortcutTexts[] = {127, 128, 129, 130, 131, 132, 133, 134, 31, 32, 36};
constexpr int kDpiCycleText = 143;
constexpr int kSingleByteText = 139;

template <std::size_t N>
CString TextOf(const int (&ids)[N], int value, const TextLookup& texts) {
    if (value < 1 || value > static_cast<int>(N) || !texts) return CString();
    return texts(ids[value - 1]);
}

// Modifiers in the order Shift, Ctrl, Win, Alt; each after the first is written
// "+ X" (Shift, coming first, never follows another).
CString ModifierNames(int mask) {
    struct Modifier {
        int bit;
        const wchar_t* first;
        const wchar_t* following;
    };
    static const Modifier kModifiers[] = {
        {2, L"Shift", L"Shift"}, {1, L"Ctrl", L"+ Ctrl"}, {8, L"Win", L"+ Win"}, {4, L"Alt", L"+ Alt"},
    };
    CString names;
    for (const Modifier& m : kModifiers) {
        if ((mask & m.bit) == 0) continue;
        if (names.IsEmpty()) {
            names = m.first;
        } else {
            names += L" ";
            names += m.following;
        }
    }
    return names;
}

CString KeyDescription(const ButtonFunction& f) {
    CString modifiers = ModifierNames(f.value2);
    CString key = KeyName(f.value);
    if (modifiers.IsEmpty()) return key;
    if (key.IsEmpty()) return modifiers;
    return FormatText(L"%s + %s", {modifiers, key});
}

}  // namespace

CString DescribeButtonFunction(const ButtonFunction& f, const TextLookup& texts) {
    switch (f.type) {
    case kFunctionMouse: return TextOf(kMouseTexts, f.value, texts);
    case kFunctionKey: return KeyDescription(f);
    case kFunctionMedia: return TextOf(kMediaTexts, f.value, texts);
    case kFunctionDpi:
        if (f.value == 1) return CString(L"DPI +");
        if (f.value == 2) return CString(L"DPI -");
        if (f.value == 3 && texts) return texts(kDpiCycleText);
        return CString();
    case kFunctionNumbered: return TextOf(kNumberedTexts, f.value, texts);
    case kFunctionShortcut: return TextOf(kShortcutTexts, f.value, texts);
    case kFunctionSingleByte: return texts ? texts(kSingleByteText) : CString();
    default: return CString();
    }
}

}  // namespace codec
