#include "ButtonCode.h"

#include <bit>

#include "KeyUsage.h"

namespace codec {
namespace {

// Type 1: which code byte a mouse action sets, and to what; index = macro_value - 1.
struct ByteAndValue {
    std::size_t byte;
    std::uint8_t value;
};
constexpr ByteAndValue kMouseActions[] = {
    {1, 0x01}, {1, 0x04}, {1, 0x02}, {1, 0x80}, {1, 0x08},  // left, middle, right, 0x80, back
    {1, 0x10}, {2, 0x02}, {2, 0xFE}, {3, 0xFE}, {3, 0x02},  // forward, wheel +2/-2, tilt -2/+2
};

// Type 3: consumer usages; index = macro_value - 1.
constexpr int kMediaUsages[] = {0x0183, 0x00CD, 0x00B7, 0x00B6, 0x00B5, 0x00E9, 0x00EA, 0x00E2};

// Type 5: DPI action byte; index = macro_value - 1.
constexpr std::uint8_t kDpiActions[] = {0x02, 0x03, 0x01};

// Type 8: the code after the type byte; index = macro_value - 1.
struct ShortcutCode {
    std::uint8_t bytes[6];
};
constexpr ShortcutCode kShortcuts[] = {
    {{0x0C, 0x6F, 0x00}}, {{0x0C, 0x70, 0x00}}, {{0x0C, 0x92, 0x01}},
    {{0x0C, 0x94, 0x01}}, {{0x0C, 0x23, 0x02}}, {{0x0C, 0x8A, 0x01}},
    {{0x07, 0x00, 0x3E}},                    // F5
    {{0x07, 0x04, 0x2B, 0x00, 0x00, 0x01}},  // Alt+Tab
    {{0x07, 0x01, 0x06}},                    // Ctrl+C
    {{0x07, 0x01, 0x19}},                    // Ctrl+V
    {{0x07, 0x01, 0x1B}},                    // Ctrl+X
};
constexpr int kAltTab = 8;

template <typename T, std::size_t N>
bool InTable(const T (&)[N], int value) {
    return value >= 1 && value <= static_cast<int>(N);
}

void EncodeKey(const ButtonFunction& f, ButtonCode& code) {
    int mask = Clamp(f.value2, 0, 0xFF);
    if (mask == 0 && IsModifierUsage(f.value)) {
        code[1] = static_cast<std::uint8_t>(ModifierBit(f.value));
    } else {
        code[1] = static_cast<std::uint8_t>(mask);
        code[2] = ClampByte(f.value);
    }
    // A modifier cannot sit in a key field: it joins the mask.
    if (IsModifierUsage(f.value3)) {
        code[1] = static_cast<std::uint8_t>(code[1] | ModifierBit(f.value3));
    } else {
        code[3] = ClampByte(f.value3);
    }
}

void EncodeKeyWithParameters(const ButtonFunction& f, ButtonCode& code) {
    int value = f.value < 0 ? 0 : f.value;
    int kind = value / 1024;
    int low = value & 0xFF;
    code[1] = ClampByte(kind);
    code[2] = static_cast<std::uint8_t>(kind == 1 ? low : UsageOfVirtualKey(low));
    int value2 = Clamp(f.value2, 0, 0xFFFF);
    int value3 = Clamp(f.value3, 0, 0xFFFF);
    code[3] = static_cast<std::uint8_t>(value2 & 0xFF);
    code[4] = static_cast<std::uint8_t>(value2 >> 8);
    code[5] = static_cast<std::uint8_t>(value3 & 0xFF);
    code[6] = static_cast<std::uint8_t>(value3 >> 8);
}

std::optional<ButtonFunction> DecodeMouse(const std::uint8_t* c) {
    for (std::size_t byte = 1; byte <= 3; ++byte) {
        if (c[byte] == 0) continue;
        for (std::size_t i = 0; i < std::size(kMouseActions); ++i) {
            if (kMouseActions[i].byte == byte && kMouseActions[i].value == c[byte]) {
                return ButtonFunction{kFunctionMouse, static_cast<int>(i) + 1, 0, 0};
            }
        }
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<ButtonFunction> DecodeKey(const std::uint8_t* c) {
    int mask = c[1], key = c[2], key2 = c[3];
    // A lone modifier is sent as its bit; it was assigned as the modifier key.
    if (key == 0 && key2 == 0 && std::has_single_bit(static_cast<unsigned>(mask))) {
        return ButtonFunction{kFunctionKey, 0xE0 + std::countr_zero(static_cast<unsigned>(mask)), 0, 0};
    }
    if (mask == 0 && key == 0 && key2 == 0) return std::nullopt;
    return ButtonFunction{kFunctionKey, key, mask, key2};
}

std::optional<ButtonFunction> DecodeKeyWithParameters(const std::uint8_t* c) {
    int kind = c[1];
    int value = kind == 1 ? c[2] + 1024 : VirtualKeyOfUsage(c[2]) + kind * 1024;
    return ButtonFunction{kFunctionKeyParams, value, c[3] | (c[4] << 8), c[5] | (c[6] << 8)};
}

std::optional<ButtonFunction> DecodeShortcut(const std::uint8_t* c) {
    for (std::size_t i = 0; i < std::size(kShortcuts); ++i) {
        const std::uint8_t* s = kShortcuts[i].bytes;
        if (c[1] == s[0] && c[2] == s[1] && c[3] == s[2]) {
            return ButtonFunction{kFunctionShortcut, static_cast<int>(i) + 1, 0, 0};
        }
    }
    return std::nullopt;
}

template <typename T, std::size_t N>
std::optional<ButtonFunction> DecodeByIndex(int type, const T (&table)[N], const T& wanted) {
    for (std::size_t i = 0; i < N; ++i) {
        if (table[i] == wanted) return ButtonFunction{type, static_cast<int>(i) + 1, 0, 0};
    }
    return std::nullopt;
}

}  // namespace

ButtonFunction FunctionOf(const KeyAssignment& a) {
    return ButtonFunction{a.macro_type, a.macro_value, a.macro_value2, a.macro_value3};
}

std::optional<ButtonCode> EncodeButtonFunction(const ButtonFunction& f) {
    if (f.type < kFunctionNone || f.type > kFunctionSingleByte) return std::nullopt;
    ButtonCode code{};
    code[0] = static_cast<std::uint8_t>(f.type);
    switch (f.type) {
    case kFunctionNone:
        break;
    case kFunctionMouse:
        if (InTable(kMouseActions, f.value)) {
            const ByteAndValue& action = kMouseActions[f.value - 1];
            code[action.byte] = action.value;
        }
        break;
    case kFunctionKey:
        EncodeKey(f, code);
        break;
    case kFunctionMedia:
        if (InTable(kMediaUsages, f.value)) {
            code[1] = static_cast<std::uint8_t>(kMediaUsages[f.value - 1] & 0xFF);
            code[2] = static_cast<std::uint8_t>(kMediaUsages[f.value - 1] >> 8);
        }
        break;
    case kFunctionMacro:
        break;  // the body and name travel separately
    case kFunctionDpi:
        if (InTable(kDpiActions, f.value)) code[1] = kDpiActions[f.value - 1];
        break;
    case kFunctionNumbered:
        if (f.value >= 1 && f.value <= 5) code[1] = static_cast<std::uint8_t>(f.value);
        break;
    case kFunctionKeyParams:
        EncodeKeyWithParameters(f, code);
        break;
    case kFunctionShortcut:
        if (InTable(kShortcuts, f.value)) {
            for (std::size_t i = 0; i < 6; ++i) code[i + 1] = kShortcuts[f.value - 1].bytes[i];
        }
        break;
    case kFunctionSingleByte:
        break;
    }
    return code;
}

bool FitsProfileSlot(const ButtonFunction& f) {
    if (f.type == kFunctionMacro || f.type == kFunctionKeyParams) return false;
    return !(f.type == kFunctionShortcut && f.value == kAltTab);
}

std::optional<ButtonFunction> DecodeButtonCode(Bytes code) {
    std::uint8_t c[kButtonCodeSize] = {};
    for (std::size_t i = 0; i < code.size() && i < kButtonCodeSize; ++i) c[i] = code[i];
    switch (c[0]) {
    case kFunctionMouse: return DecodeMouse(c);
    case kFunctionKey: return DecodeKey(c);
    case kFunctionMedia: return DecodeByIndex(kFunctionMedia, kMediaUsages, c[1] | (c[2] << 8));
    case kFunctionDpi: return DecodeByIndex(kFunctionDpi, kDpiActions, c[1]);
    case kFunctionNumbered:
        if (c[1] >= 1 && c[1] <= 5) return ButtonFunction{kFunctionNumbered, c[1], 0, 0};
        return std::nullopt;
    case kFunctionKeyParams: return DecodeKeyWithParameters(c);
    case kFunctionShortcut: return DecodeShortcut(c);
    // The key page stores 1 for this function; a read-back must not lose the assignment.
    case kFunctionSingleByte: return ButtonFunction{kFunctionSingleByte, 1, 0, 0};
    default: return std::nullopt;  // none, macro, or a type the table does not know
    }
}

}  // namespace codec
