#include "MacroBody.h"

#include <algorithm>
#include <optional>

#include "KeyUsage.h"
#include "Packet.h"

namespace codec {
namespace {

// Move-by packs x and y as sign-and-magnitude bytes (bit 7 negative).
int FromSignMagnitude(int byte) {
    int magnitude = byte & 0x7F;
    return (byte & 0x80) ? -magnitude : magnitude;
}

MacroEvent Event(int kind, std::uint8_t a, std::uint8_t b) {
    return MacroEvent{0, static_cast<std::uint8_t>(kind), a, b};
}

// A button step whose text names a scroll is played as a wheel notch.
std::optional<MacroEvent> ScrollOfButton(const MacroStep& step) {
    if (step.desc.Find(L"Scroll Up") >= 0) return Event(0x05, SignedByte(step.value), 0);
    if (step.desc.Find(L"Scroll Down") >= 0) return Event(0x05, SignedByte(-step.value), 0);
    return std::nullopt;
}

}  // namespace

MacroEvent EncodeMacroEvent(const MacroStep& step) {
    int v = step.value;
    switch (step.type) {
    case kStepDelay: {
        int ms = Clamp(v, 0, 0xFFFF);
        return Event(0x0F, static_cast<std::uint8_t>(ms & 0xFF), static_cast<std::uint8_t>(ms >> 8));
    }
    case kStepKeyDown: return Event(0x81, static_cast<std::uint8_t>(UsageOfVirtualKey(v)), 0);
    case kStepKeyUp: return Event(0x01, static_cast<std::uint8_t>(UsageOfVirtualKey(v)), 0);
    case kStepButtonDown: return ScrollOfButton(step).value_or(Event(0x88, ClampByte(v), 0));
    case kStepButtonUp: return ScrollOfButton(step).value_or(Event(0x08, ClampByte(v), 0));
    case kStepWheelUp: return Event(0x05, SignedByte(v), 0);
    case kStepWheelDown: return Event(0x05, SignedByte(-v), 0);
    case kStepMoveUp: return Event(0x09, 0, SignedByte(-v));
    case kStepMoveDown: return Event(0x09, 0, SignedByte(v));
    case kStepMoveLeft: return Event(0x09, SignedByte(-v), 0);
    case kStepMoveRight: return Event(0x09, SignedByte(v), 0);
    case kStepMoveBy:
        return Event(0x09, SignedByte(FromSignMagnitude(v & 0xFF)), SignedByte(FromSignMagnitude((v >> 8) & 0xFF)));
    default: return MacroEvent{};
    }
}

MacroBody BuildMacroBody(const MacroHeader& header, std::span<const MacroStep> steps) {
    std::vector<const MacroStep*> ordered;
    ordered.reserve(steps.size());
    for (const MacroStep& step : steps) ordered.push_back(&step);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const MacroStep* a, const MacroStep* b) { return a->record_index < b->record_index; });

    MacroBody body;
    body.events = static_cast<int>(std::min<std::size_t>(ordered.size(), kMaxMacroEvents));
    body.dropped = static_cast<int>(ordered.size()) - body.events;

    int playTimes = Clamp(header.play_times, 0, kMaxPlayTimes);
    int delay = Clamp(header.delay_time, 0, 0xFFFF);
    body.bytes = {
        1,
        static_cast<std::uint8_t>(playTimes & 0xFF),
        static_cast<std::uint8_t>((playTimes >> 8) + Clamp(header.play_type, 0, 7) * 32),
        static_cast<std::uint8_t>(delay & 0xFF),
        static_cast<std::uint8_t>(delay >> 8),
        static_cast<std::uint8_t>(body.events),
    };
    for (int i = 0; i < body.events; ++i) {
        MacroEvent event = EncodeMacroEvent(*ordered[static_cast<std::size_t>(i)]);
        body.bytes.insert(body.bytes.end(), event.begin(), event.end());
    }
    return body;
}

}  // namespace codec
