#pragma once
// Writing and reading buttons: the assign and restore packets, the map and
// single-button reads, and the answers turned back into button functions.
#include <array>
#include <optional>
#include <vector>

#include "ButtonCode.h"
#include "ButtonNames.h"
#include "KeyAssignment.h"
#include "Packet.h"

namespace codec {

// 0x52 0x52 / 0xB3 0x52: byte 2 button, byte 3 = 0, bytes 4-13 the code.
Packet AssignButtonPacket(Dialect d, int button, const ButtonCode& code);
// The same command with only the button set: the button takes its factory function again.
Packet RestoreButtonPacket(Dialect d, int button);

Packet ReadButtonMapRequest(Dialect d);              // 0x52 0x61 / 0xB3 0x61
Packet ReadButtonRequest(Dialect d, int button);     // 0x52 0x62 / 0xB3 0x62
Packet ReadMacroNameRequest(Dialect d, int button);  // 0x52 0x63 / 0xB3 0x63

// One button of the map: its index and code (code[0] the type). Feature-dialect
// map answers carry only the type; the rest comes from ReadButtonRequest.
struct ButtonMapItem {
    int button = 0;
    std::array<std::uint8_t, 7> code{};

    int type() const { return code[0]; }
    friend bool operator==(const ButtonMapItem&, const ButtonMapItem&) = default;
};

// The items of a map answer in the order the mouse lists them, type 0 included.
// Feature dialect: bytes 2-9 are buttons 0-7, bytes 35-41 buttons 9-15.
// Output dialect: byte 2 the count, then items of header (bits 5-7 data length,
// bits 0-4 button), type and data; the list ends early at an item that would
// pass the answer's 64 bytes, a header above 0xDF, or a button with bit 4 set.
// Empty when the answer is not a map answer.
std::optional<std::vector<ButtonMapItem>> DecodeButtonMap(Dialect d, Bytes answer);

// Answer of ReadButtonRequest: bytes 5-10 become code bytes 1-6 of the item.
bool DecodeButtonAnswer(Dialect d, Bytes answer, ButtonMapItem& item);

// The record a map item is stored as (layer 0, key_code = button, the function's
// description); empty where nothing is stored (type 0, macros, codes outside the table).
std::optional<KeyAssignment> AssignmentOfItem(const ButtonMapItem& item, int profile, const TextLookup& texts);

}  // namespace codec
