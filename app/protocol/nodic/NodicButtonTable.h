#pragma once
// The button table (object 3): twelve 4-byte codes, entry b for button b at frame
// bytes 4 + 4b .. 7 + 4b. It is rewritten whole, so a write starts from the table
// the mouse reported: an unread table is never replaced by zeros, which would
// turn every unassigned button into the 00 00 00 00 function.
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "ButtonNames.h"
#include "KeyAssignment.h"
#include "NodicCommands.h"
#include "NodicData.h"
#include "NodicKeyCode.h"

namespace nodic {

// The language text used as the name of a key with two parameters (type 7): the
// caption of that category on the key page.
inline constexpr int kKeyParamsText = 161;

// Frame bytes 4-52: the 48 table bytes and the 49th the write declares, always 0.
using ButtonTableWrite = std::array<std::uint8_t, command::kButtonTableWrite.length>;

class ButtonTable {
public:
    // Empty unless the answer is valid with at least 48 data bytes.
    static std::optional<ButtonTable> FromAnswer(const Answer& answer);

    KeyCode Entry(int button) const;  // 0-11

    // The table with the code of each assignment of buttons 0-11 laid over it.
    // Assignments whose code keeps the entry (a macro without a slot, an unknown
    // type) and those of other buttons leave the table as read.
    ButtonTableWrite Write(std::span<const KeyAssignment> assignments, const SlotMap& slots) const;

    // The records a read stores for the current profile: one per decodable entry of
    // buttons 0-11 but 5, 6, 8 and 9 (layer 0, key_code = button, named as the key
    // page shows it). A record whose first two parameters are zero removes the
    // button's stored assignment when saved.
    std::vector<KeyAssignment> Decode(int profile, const codec::TextLookup& texts) const;

private:
    explicit ButtonTable(ReadBlock block) : m_block(block) {}
    ReadBlock m_block;
};

// Empty when no table was read: the write is then not sent at all.
std::optional<ButtonTableWrite> BuildButtonTableWrite(const std::optional<ButtonTable>& cached,
                                                      std::span<const KeyAssignment> assignments,
                                                      const SlotMap& slots);

// The name a decoded function is stored with.
CString DescribeNodicFunction(const codec::ButtonFunction& function, const codec::TextLookup& texts);

}  // namespace nodic
