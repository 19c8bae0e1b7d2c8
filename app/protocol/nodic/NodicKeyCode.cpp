#include "NodicKeyCode.h"

#include <iterator>

#include "KeyUsage.h"
#include "Packet.h"

namespace nodic {
namespace {

using codec::ButtonFunction;

template <typename T, std::size_t N>
constexpr bool InTable(const T (&)[N], int value) {
    return value >= 1 && value <= static_cast<int>(N);
}

// Index of `byte` in `table`, as a 1-based value; 0 when absent.
template <std::size_t N>
int ValueOf(const std::uint8_t (&table)[N], std::uint8_t byte) {
    for (std::size_t i = 0; i < N; ++i) {
        if (table[i] == byte) return static_cast<int>(i) + 1;
    }
    return 0;
}

// Type 1, values 1-6, 9 and 10: the action byte (byte 2); 0 for values that have none.
constexpr std::uint8_t kMouseActions[] = {0xF0, 0xF2, 0xF1, 0xF9, 0xF4, 0xF3, 0x00, 0x00, 0xF5, 0xF6};
constexpr std::uint8_t kWheelAction = 0xF8;  // byte 3: 01 wheel up (value 7), FF down (value 8)
constexpr int kWheelUp = 7;
constexpr int kWheelDown = 8;

// Type 3: consumer usages of values 1-8.
constexpr int kMediaUsages[] = {0x0183, 0x00CD, 0x00B7, 0x00B6, 0x00B5, 0x00E9, 0x00EA, 0x00E2};
// Type 3 values 2-8 are recognised by the usage's low byte alone.
constexpr std::uint8_t kMediaLowBytes[] = {0x83, 0xCD, 0xB7, 0xB6, 0xB5, 0xE9, 0xEA, 0xE2};

// Type 8: the whole code of values 1-11.
constexpr KeyCode kShortcuts[] = {
    {0x03, 0x00, 0x6F, 0x00}, {0x03, 0x00, 0x70, 0x00}, {0x03, 0x00, 0x92, 0x01}, {0x03, 0x00, 0x94, 0x01},
    {0x03, 0x00, 0x23, 0x02}, {0x03, 0x00, 0x8A, 0x01},
    {0x00, 0x00, 0x3E, 0x00},  // F5
    {0x0A, 0x01, 0x00, 0x00},  // Alt+Tab
    {0x00, 0x01, 0x06, 0x00}, {0x00, 0x01, 0x19, 0x00}, {0x00, 0x01, 0x1B, 0x00},  // Ctrl+C, Ctrl+V, Ctrl+X
};
constexpr int kShortcutF5 = 7;
constexpr int kShortcutAltTab = 8;

constexpr std::uint8_t kCodeKey = 0x00;
constexpr std::uint8_t kCodeMouse = 0x01;
constexpr std::uint8_t kCodeMedia = 0x03;
constexpr std::uint8_t kCodeDpi = 0x07;
constexpr std::uint8_t kCodeMacro = 0x09;
constexpr std::uint8_t kCodeNumbered = 0x0A;
constexpr std::uint8_t kCodeKeyParamsByte = 0x10;  // kind 1: the key byte as it is
constexpr std::uint8_t kCodeKeyParamsUsage = 0x30;  // other kinds: a virtual key sent as its usage
constexpr int kKindScale = 1024;
constexpr int kKindByte = 1;
constexpr int kKindUsage = 2;  // every kind but 1 comes back as 2

constexpr int kMaxMacroPlayTimes = 0xFF;

std::uint8_t Low(int value) { return static_cast<std::uint8_t>(value & 0xFF); }

KeyCode EncodeMouse(int value) {
    if (value == kWheelUp) return {kCodeMouse, 0, kWheelAction, 0x01};
    if (value == kWheelDown) return {kCodeMouse, 0, kWheelAction, 0xFF};
    std::uint8_t action = InTable(kMouseActions, value) ? kMouseActions[value - 1] : 0;
    return {kCodeMouse, 0, action, 0};
}

KeyCode EncodeKey(const ButtonFunction& f) {
    int mask = f.value2 > 0 ? f.value2 & 0xFF : 0;
    int key = codec::Clamp(f.value, 0, 0xFF);
    // The mouse reads byte 2 as an ordinary usage: a modifier goes in the mask.
    if (codec::IsModifierUsage(key)) {
        mask |= codec::ModifierBit(key);
        key = 0;
    }
    return {kCodeKey, static_cast<std::uint8_t>(mask), static_cast<std::uint8_t>(key), 0};
}

KeyCode EncodeMedia(int value) {
    int usage = InTable(kMediaUsages, value) ? kMediaUsages[value - 1] : 0;
    return {kCodeMedia, 0, Low(usage), Low(usage >> 8)};
}

KeyCode EncodeKeyWithParameters(const ButtonFunction& f) {
    int value = f.value < 0 ? 0 : f.value;
    int value3 = codec::Clamp(f.value3, 0, kMaxKeyParameter3);
    int value2 = codec::Clamp(f.value2, 0, kMaxKeyParameter2);
    bool byteKind = value / kKindScale == kKindByte;
    std::uint8_t kindBits = byteKind ? kCodeKeyParamsByte : kCodeKeyParamsUsage;
    std::uint8_t key = byteKind ? Low(value) : static_cast<std::uint8_t>(codec::UsageOfVirtualKey(value & 0xFF));
    return {static_cast<std::uint8_t>(kindBits | (value3 >> 8)), key, Low(value3), static_cast<std::uint8_t>(value2)};
}

std::optional<KeyCode> EncodeMacro(int macroId, const SlotMap& slots) {
    auto found = slots.find(macroId);
    if (found == slots.end()) return std::nullopt;
    const MacroSlot& m = found->second;
    return KeyCode{kCodeMacro, static_cast<std::uint8_t>(codec::Clamp(m.playTimes, 0, kMaxMacroPlayTimes)),
                   codec::ClampByte(m.slot), codec::ClampByte(m.playMode)};
}

ButtonFunction Function(int type, int value, int value2 = 0, int value3 = 0) {
    return ButtonFunction{type, value, value2, value3};
}

std::optional<ButtonFunction> DecodeKeyCode(const KeyCode& c) {
    if (c[1] == 0x01) {
        for (int v : {9, 10, 11}) {
            if (c[2] == kShortcuts[v - 1][2]) return Function(codec::kFunctionShortcut, v);
        }
    }
    if (c[1] == 0 && c[2] == 0 && c[3] == 0) return Function(codec::kFunctionSingleByte, 0);
    // Only the exact F5 code is the shortcut: with a modifier it is a keyboard key,
    // and reading it as the shortcut would drop the modifier at the next write.
    if (c[1] == 0 && c[2] == kShortcuts[kShortcutF5 - 1][2]) return Function(codec::kFunctionShortcut, kShortcutF5);
    return Function(codec::kFunctionKey, c[2], c[1]);
}

ButtonFunction DecodeMouse(const KeyCode& c) {
    if (c[2] == kWheelAction) return Function(codec::kFunctionMouse, c[3] == 0x01 ? kWheelUp : kWheelDown);
    for (std::size_t i = 0; i < std::size(kMouseActions); ++i) {
        if (kMouseActions[i] != 0 && kMouseActions[i] == c[2]) {
            return Function(codec::kFunctionMouse, static_cast<int>(i) + 1);
        }
    }
    return Function(codec::kFunctionMouse, 0);
}

std::optional<ButtonFunction> DecodeMedia(const KeyCode& c) {
    if (c[2] == kMediaLowBytes[0]) {
        if (c[3] == 0x01) return Function(codec::kFunctionMedia, 1);
    } else if (int v = ValueOf(kMediaLowBytes, c[2])) {
        return Function(codec::kFunctionMedia, v);
    }
    if (c[2] == 0x6F) return Function(codec::kFunctionShortcut, 1);
    if (c[2] == 0x70) return Function(codec::kFunctionShortcut, 2);
    if (c[3] == 0x01) {
        if (c[2] == 0x92) return Function(codec::kFunctionShortcut, 3);
        if (c[2] == 0x94) return Function(codec::kFunctionShortcut, 4);
        if (c[2] == 0x8A) return Function(codec::kFunctionShortcut, 6);
    }
    if (c[3] == 0x02) {
        if (c[2] == 0x23) return Function(codec::kFunctionShortcut, 5);
        // The mouse's other code for F5; F5 itself is sent as a keyboard code.
        if (c[2] == 0x27) return Function(codec::kFunctionShortcut, kShortcutF5);
    }
    return std::nullopt;
}

ButtonFunction DecodeKeyWithParameters(const KeyCode& c) {
    bool byteKind = (c[0] & 0xF0) == kCodeKeyParamsByte;
    int value = byteKind ? kKindByte * kKindScale + c[1] : kKindUsage * kKindScale + codec::VirtualKeyOfUsage(c[1]);
    int value3 = c[2] + 256 * (c[0] & 0x0F);
    return Function(codec::kFunctionKeyParams, value, c[3], value3);
}

}  // namespace

int PlayModeOf(const MacroHeader& header) {
    switch (header.play_type) {
    case 1: return 2;
    case 2: return 3;
    case 3: return 5;
    default: return header.play_times < 2 ? 1 : 4;
    }
}

std::optional<KeyCode> EncodeNodicKey(const ButtonFunction& f, const SlotMap& slots) {
    switch (f.type) {
    case codec::kFunctionMouse: return EncodeMouse(f.value);
    case codec::kFunctionKey: return EncodeKey(f);
    case codec::kFunctionMedia: return EncodeMedia(f.value);
    case codec::kFunctionMacro: return EncodeMacro(f.value, slots);
    case codec::kFunctionDpi:
        return KeyCode{kCodeDpi, 0, static_cast<std::uint8_t>(f.value >= 1 && f.value <= 3 ? f.value : 0), 0};
    case codec::kFunctionNumbered:
        return KeyCode{kCodeNumbered, static_cast<std::uint8_t>(f.value >= 1 && f.value <= 5 ? f.value + 1 : 0), 0, 0};
    case codec::kFunctionKeyParams: return EncodeKeyWithParameters(f);
    case codec::kFunctionShortcut:
        return InTable(kShortcuts, f.value) ? kShortcuts[f.value - 1] : KeyCode{kCodeMedia, 0, 0, 0};
    case codec::kFunctionSingleByte: return KeyCode{};
    default: return std::nullopt;
    }
}

std::optional<ButtonFunction> DecodeNodicKey(const KeyCode& c) {
    switch (c[0]) {
    case kCodeKey: return DecodeKeyCode(c);
    case kCodeMouse: return DecodeMouse(c);
    case kCodeMedia: return DecodeMedia(c);
    case kCodeDpi: return Function(codec::kFunctionDpi, c[2] >= 1 && c[2] <= 3 ? c[2] : 0);
    case kCodeNumbered:
        if (c[1] == kShortcuts[kShortcutAltTab - 1][1]) return Function(codec::kFunctionShortcut, kShortcutAltTab);
        return Function(codec::kFunctionNumbered, c[1] >= 2 && c[1] <= 6 ? c[1] - 1 : 0);
    default: break;
    }
    if ((c[0] & 0xF0) == kCodeKeyParamsByte || (c[0] & 0xF0) == kCodeKeyParamsUsage) return DecodeKeyWithParameters(c);
    return std::nullopt;
}

}  // namespace nodic
