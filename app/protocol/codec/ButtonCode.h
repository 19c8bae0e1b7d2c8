#pragma once
// A button's function (macro_type with its three parameters) and the button code
// the mouse stores for it. Both dialects of the first chip family carry the same
// code; only the packets around it differ.
#include <array>
#include <cstdint>
#include <optional>

#include "KeyAssignment.h"
#include "Packet.h"

namespace codec {

enum FunctionType {
    kFunctionNone = 0,        // the button's factory function
    kFunctionMouse = 1,       // mouse button, wheel or tilt
    kFunctionKey = 2,         // keyboard key with modifiers
    kFunctionMedia = 3,       // consumer-page usage
    kFunctionMacro = 4,       // plays a stored macro
    kFunctionDpi = 5,         // DPI up, down, cycle
    kFunctionNumbered = 6,    // numbered function 1-5
    kFunctionKeyParams = 7,   // key with two 16-bit parameters
    kFunctionShortcut = 8,    // system shortcut
    kFunctionSingleByte = 9,  // single-byte function
};

struct ButtonFunction {
    int type = 0;
    int value = 0;
    int value2 = 0;
    int value3 = 0;

    friend bool operator==(const ButtonFunction&, const ButtonFunction&) = default;
};

ButtonFunction FunctionOf(const KeyAssignment& assignment);

inline constexpr std::size_t kButtonCodeSize = 10;
using ButtonCode = std::array<std::uint8_t, kButtonCodeSize>;

// The code for a function; empty for a type outside 0-9, which no mouse understands.
// A value outside its type's table gives the type byte followed by zeros; parameters
// that do not fit their fields are clamped.
std::optional<ButtonCode> EncodeButtonFunction(const ButtonFunction& function);

// True when the code fits the four bytes of a whole-profile slot.
bool FitsProfileSlot(const ButtonFunction& function);

// The function of a code read back from the mouse (byte 0 the type, missing bytes
// count as 0). Empty for type 0, for macros (type 4, found by name instead) and for
// codes outside the table, none of which is stored.
std::optional<ButtonFunction> DecodeButtonCode(Bytes code);

}  // namespace codec
