#pragma once
// The second family's 4-byte button code for each function type, and its
// inverse. The function types and their parameters are the first family's; only
// the code the mouse stores differs.
#include <array>
#include <cstdint>
#include <map>
#include <optional>

#include "ButtonCode.h"
#include "MacroRecords.h"

namespace nodic {

inline constexpr int kTableButtons = 12;  // buttons 0-11 have a code in the table

using KeyCode = std::array<std::uint8_t, 4>;

// Where an uploaded macro sits in the mouse's macro table, and how it plays.
struct MacroSlot {
    int slot = 0;
    int playTimes = 0;  // 0-255
    int playMode = 0;

    friend bool operator==(const MacroSlot&, const MacroSlot&) = default;
};
// Macro identifier -> its slot in the table last uploaded.
using SlotMap = std::map<int, MacroSlot>;

// The mouse's play mode: play_type 1 -> 2, 2 -> 3, 3 -> 5; otherwise 1 for fewer
// than two repeats, else 4.
int PlayModeOf(const MacroHeader& header);

// Largest parameters of type 7: a 12-bit number beside the kind nibble, and a byte.
inline constexpr int kMaxKeyParameter3 = 0x0FFF;
inline constexpr int kMaxKeyParameter2 = 0xFF;

// Empty when the entry keeps the code it has: a macro without a slot in `slots`,
// type 0 and types above 9. Parameters that do not fit are clamped, never spilled
// into the neighbouring bits; a modifier given as the key joins the mask.
std::optional<KeyCode> EncodeNodicKey(const codec::ButtonFunction& function, const SlotMap& slots);

// The function of an entry read from the mouse; empty for codes that are not
// stored (macros among them). A function whose first two parameters are zero
// removes the button's stored assignment when it is saved.
std::optional<codec::ButtonFunction> DecodeNodicKey(const KeyCode& code);

}  // namespace nodic
