#include "NodicMacroTable.h"

#include <algorithm>
#include <tuple>

#include "KeyUsage.h"
#include "MacroBody.h"
#include "Packet.h"
#include "TextFormat.h"
#include "Utf.h"

namespace nodic {
namespace {

constexpr std::size_t kPlayTimesByte = 2;
constexpr std::size_t kSlotByte = 4;
constexpr std::size_t kPlayModeByte = 5;
constexpr std::size_t kNameByte = 6;
constexpr std::size_t kDelayTimeByte = 40;
constexpr std::size_t kEventCountByte = 42;
constexpr std::size_t kEventSize = 4;
// A step is only taken while the record plus this stays below the limit.
constexpr std::size_t kStepHeadroom = 8;

constexpr int kFirstModifierKey = 160;  // left/right Shift, Ctrl, Alt: 160-165
constexpr int kLastModifierKey = 165;
constexpr const wchar_t* kScrollUpText = L"Scroll Up";
constexpr const wchar_t* kScrollDownText = L"Scroll Down";
constexpr std::uint8_t kWheelUp = 0x01;
constexpr std::uint8_t kWheelDown = 0xFF;

void PutLe16(std::vector<std::uint8_t>& bytes, std::size_t at, int value) {
    int v = codec::Clamp(value, 0, 0xFFFF);
    bytes[at] = static_cast<std::uint8_t>(v & 0xFF);
    bytes[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

bool IsModifierKey(int virtualKey) { return virtualKey >= kFirstModifierKey && virtualKey <= kLastModifierKey; }

// Sign-and-magnitude (bit 7 = negative) as a two's-complement byte.
std::uint8_t SignMagnitude(int byte) {
    int magnitude = byte & 0x7F;
    return codec::SignedByte((byte & 0x80) != 0 ? -magnitude : magnitude);
}

struct StepEvents {
    std::vector<MacroEvent> events;  // delays filled in by the caller
    bool known = true;               // a step of a listed type; others get no delay of their own
};

StepEvents EventsOf(const MacroStep& step) {
    auto one = [](std::uint8_t code, std::uint8_t parameter) {
        return StepEvents{{MacroEvent{code, parameter, 0, 0}}, true};
    };
    auto usage = static_cast<std::uint8_t>(codec::UsageOfVirtualKey(step.value));
    bool scrollUp = step.desc.Find(kScrollUpText) >= 0;
    bool scrollDown = step.desc.Find(kScrollDownText) >= 0;
    switch (step.type) {
    case codec::kStepKeyDown: return one(IsModifierKey(step.value) ? event::kModifierDown : event::kKeyDown, usage);
    case codec::kStepKeyUp: return one(IsModifierKey(step.value) ? event::kModifierUp : event::kKeyUp, usage);
    case codec::kStepButtonDown:
        if (scrollUp) return one(event::kWheel, kWheelUp);
        if (scrollDown) return one(event::kWheel, kWheelDown);
        return one(event::kButtonDown, static_cast<std::uint8_t>(step.value & 0xFF));
    case codec::kStepButtonUp:
        if (scrollUp || scrollDown) return one(event::kWheelRelease, 0);
        return one(event::kButtonUp, static_cast<std::uint8_t>(step.value & 0xFF));
    // Wheel up turns the wheel the way the "Scroll Up" button text does.
    case codec::kStepWheelUp: return one(event::kWheel, kWheelUp);
    case codec::kStepWheelDown: return one(event::kWheel, kWheelDown);
    case codec::kStepMoveUp: return one(event::kMoveY, codec::SignedByte(-step.value));
    case codec::kStepMoveDown: return one(event::kMoveY, codec::SignedByte(step.value));
    case codec::kStepMoveLeft: return one(event::kMoveX, codec::SignedByte(-step.value));
    case codec::kStepMoveRight: return one(event::kMoveX, codec::SignedByte(step.value));
    case codec::kStepMoveBy:
        return StepEvents{{MacroEvent{event::kMoveX, SignMagnitude(step.value & 0xFF), 0, 0},
                           MacroEvent{event::kMoveY, SignMagnitude((step.value >> 8) & 0xFF), 0, 0}},
                          true};
    default: return StepEvents{{MacroEvent{}}, false};
    }
}

void SetDelay(MacroEvent& e, long long delay) {
    int d = static_cast<int>(std::min<long long>(delay, kMaxEventDelay));
    e[2] = static_cast<std::uint8_t>(d & 0xFF);
    e[3] = static_cast<std::uint8_t>(d >> 8);
}

// The first 17 UTF-16 code units, one fewer when the 17th would split a surrogate pair.
std::u16string RecordName(const CString& name) {
    std::u16string units = utf::WideToUtf16(name.str());
    if (units.size() <= kMacroNameUnits) return units;
    std::size_t keep = kMacroNameUnits;
    char16_t last = units[keep - 1];
    if (last >= 0xD800 && last <= 0xDBFF) --keep;
    return units.substr(0, keep);
}

bool PlaysOnTableButton(std::span<const KeyAssignment> assignments, int macroId) {
    return std::any_of(assignments.begin(), assignments.end(), [&](const KeyAssignment& a) {
        return a.macro_type == codec::kFunctionMacro && a.macro_value == macroId && a.key_code >= 0 &&
               a.key_code < kTableButtons;
    });
}

}  // namespace

MacroRecord BuildMacroRecord(const MacroHeader& header, std::span<const MacroStep> steps, int slot) {
    std::vector<MacroStep> ordered(steps.begin(), steps.end());
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const MacroStep& a, const MacroStep& b) { return a.record_index < b.record_index; });

    std::vector<MacroEvent> events;
    MacroRecord record;
    long long pending = 0;
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        const MacroStep& step = ordered[i];
        if (step.type == codec::kStepDelay) {
            pending += step.value;
            continue;
        }
        if (kMacroRecordHeader + kEventSize * events.size() + kStepHeadroom >= kMacroRecordLimit) {
            record.droppedSteps = static_cast<int>(ordered.size() - i);
            break;
        }
        if (!events.empty()) SetDelay(events.back(), pending > 0 ? pending : kDefaultEventDelay);
        StepEvents added = EventsOf(step);
        for (MacroEvent& e : added.events) {
            if (added.known) SetDelay(e, kDefaultEventDelay);
            events.push_back(e);
        }
        pending = 0;
    }

    record.events = static_cast<int>(events.size());
    record.bytes.assign(kMacroRecordHeader + kEventSize * events.size(), 0);
    PutLe16(record.bytes, 0, static_cast<int>(record.bytes.size()));
    record.bytes[kPlayTimesByte] = codec::ClampByte(header.play_times);
    record.bytes[kSlotByte] = codec::ClampByte(slot);
    record.bytes[kPlayModeByte] = static_cast<std::uint8_t>(PlayModeOf(header));
    std::u16string name = RecordName(header.name);
    for (std::size_t i = 0; i < name.size(); ++i) {
        record.bytes[kNameByte + 2 * i] = static_cast<std::uint8_t>(name[i] & 0xFF);
        record.bytes[kNameByte + 2 * i + 1] = static_cast<std::uint8_t>(name[i] >> 8);
    }
    PutLe16(record.bytes, kDelayTimeByte, header.delay_time);
    PutLe16(record.bytes, kEventCountByte, record.events);
    for (std::size_t i = 0; i < events.size(); ++i) {
        std::copy(events[i].begin(), events[i].end(), record.bytes.begin() + static_cast<std::ptrdiff_t>(kMacroRecordHeader + kEventSize * i));
    }
    return record;
}

MacroTable BuildMacroTable(std::span<const KeyAssignment> assignments, std::span<const MacroHeader> macros,
                           const StepLookup& steps) {
    MacroTable table;
    table.bytes.assign(2, 0);
    int slot = 0;
    for (const MacroHeader& macro : macros) {
        if (table.slots.count(macro.macro_id) != 0 || !PlaysOnTableButton(assignments, macro.macro_id)) continue;
        std::vector<MacroStep> macroSteps = steps ? steps(macro.macro_id) : std::vector<MacroStep>();
        MacroRecord record = BuildMacroRecord(macro, macroSteps, slot);
        table.slots[macro.macro_id] = MacroSlot{slot, codec::Clamp(macro.play_times, 0, 0xFF), PlayModeOf(macro)};
        table.droppedSteps += record.droppedSteps;
        table.bytes.insert(table.bytes.end(), record.bytes.begin(), record.bytes.end());
        ++slot;
    }
    std::size_t size = table.bytes.size();
    if (size == 2) {
        table.bytes.clear();
        return table;
    }
    if (size > kMacroTableLimit) {
        table.trace = FormatText(L"SetNodicMacroRecordData: macro table too large, size: %d", {static_cast<long long>(size)});
        table.bytes.clear();
        table.slots.clear();
        return table;
    }
    PutLe16(table.bytes, 0, static_cast<int>(size));
    return table;
}

std::vector<MacroChunk> MacroTableChunks(const MacroTable& table) {
    std::vector<MacroChunk> chunks;
    const std::size_t chunkSize = std::tuple_size_v<MacroChunk>;
    for (std::size_t at = 0; at < table.bytes.size(); at += chunkSize) {
        MacroChunk chunk{};
        std::size_t count = std::min(chunkSize, table.bytes.size() - at);
        std::copy_n(table.bytes.begin() + static_cast<std::ptrdiff_t>(at), count, chunk.begin());
        chunks.push_back(chunk);
    }
    return chunks;
}

}  // namespace nodic
