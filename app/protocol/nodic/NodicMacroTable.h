#pragma once
// The macro table (object 7): every macro a button of the profile plays, one
// record each, sent in 59-byte chunks. Uploading it numbers the macros (the slot
// map), which the button codes then point into, so it goes before the button table.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "CString.h"
#include "KeyAssignment.h"
#include "MacroRecords.h"
#include "NodicCommands.h"
#include "NodicKeyCode.h"

namespace nodic {

inline constexpr std::size_t kMacroRecordHeader = 44;
inline constexpr std::size_t kMacroRecordLimit = 1024;  // a record stays below this
inline constexpr std::size_t kMacroTableLimit = 3540;   // a larger table is not sent
inline constexpr std::size_t kMacroNameUnits = 17;      // UTF-16 code units of the name
inline constexpr int kDefaultEventDelay = 10;           // ms after an event with no delay step behind it
inline constexpr int kMaxEventDelay = 0xFFFF;

// The mouse's event codes.
namespace event {
inline constexpr std::uint8_t kKeyDown = 0x01;
inline constexpr std::uint8_t kModifierDown = 0x02;
inline constexpr std::uint8_t kButtonDown = 0x04;
inline constexpr std::uint8_t kWheel = 0x05;
inline constexpr std::uint8_t kMoveX = 0x06;
inline constexpr std::uint8_t kMoveY = 0x07;
inline constexpr std::uint8_t kKeyUp = 0x81;
inline constexpr std::uint8_t kModifierUp = 0x82;
inline constexpr std::uint8_t kButtonUp = 0x84;
inline constexpr std::uint8_t kWheelRelease = 0x85;
}  // namespace event

// Event code, parameter, delay after the event (16-bit little-endian).
using MacroEvent = std::array<std::uint8_t, 4>;

struct MacroRecord {
    std::vector<std::uint8_t> bytes;  // 44 + 4 * events
    int events = 0;
    int droppedSteps = 0;  // steps left out to keep the record below 1024 bytes
};

// One record: header, name, the events of the steps (taken in record_index order)
// with their delays. Delay steps add up (saturating at 65535 ms) into the delay
// after the event before them.
MacroRecord BuildMacroRecord(const MacroHeader& header, std::span<const MacroStep> steps, int slot);

// The steps of a macro, as the store lists them.
using StepLookup = std::function<std::vector<MacroStep>(int macroId)>;

struct MacroTable {
    std::vector<std::uint8_t> bytes;  // length (2 bytes) and records; empty when nothing is sent
    SlotMap slots;                    // empty when nothing is sent
    int droppedSteps = 0;
    CString trace;  // why a table with macros is not sent; empty otherwise
};

// The table of the macros that buttons 0-11 of `assignments` play, in the order of
// `macros`, each once. A table above 3540 bytes is not sent and leaves no slots.
MacroTable BuildMacroTable(std::span<const KeyAssignment> assignments, std::span<const MacroHeader> macros,
                           const StepLookup& steps);

// The data of each chunk frame, chunk i with byte 1 = i: 59 table bytes, the last
// chunk zero-padded.
using MacroChunk = std::array<std::uint8_t, command::kMacroChunk.length>;
std::vector<MacroChunk> MacroTableChunks(const MacroTable& table);

}  // namespace nodic
