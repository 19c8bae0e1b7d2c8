#include "ButtonMemory.h"

#include <algorithm>
#include <cstddef>

namespace sim {
namespace {

constexpr std::size_t kButtons = 16;
constexpr std::size_t kMacroArea = 1024;  // where the mouse assembles a macro body
constexpr std::size_t kChunk = 58;
constexpr std::size_t kAnswerEnd = 64;    // output answers are 64 bytes, report id included

std::uint8_t At(const Bytes& r, std::size_t i) { return i < r.size() ? r[i] : 0; }

ProfileMemory& Table(MouseMemory& m) { return m.Current(); }
const ProfileMemory& Table(const MouseMemory& m) {
    return m.profiles[static_cast<std::size_t>(m.currentProfile)];
}

// The mouse plays a body by its header: byte 0 is 1 and byte 5 counts the 4-byte
// events that follow. A body that disagrees with its own header is not kept.
bool WellFormedBody(const Bytes& body) {
    return body.size() >= 6 && body.size() <= kMacroArea && body[0] == 1 && body.size() == 6 + 4u * body[5];
}

void KeepMacro(MouseMemory& m, std::size_t button, Bytes body) {
    if (button >= kButtons || !WellFormedBody(body)) return;
    ProfileMemory& p = Table(m);
    p.macros[static_cast<int>(button)] = std::move(body);
    // The button plays what it was given.
    p.buttons[button] = StoredButton{4};
}

void Assign(MouseMemory& m, const Bytes& r) {
    std::size_t button = At(r, 2);
    if (button >= kButtons) return;
    ProfileMemory& p = Table(m);
    StoredButton code{};
    for (std::size_t i = 0; i < code.size(); ++i) code[i] = At(r, 4 + i);
    // Byte 3 onward all zero (the restore form) gives the factory function back.
    p.buttons[button] = code;
    if (code[0] != 4) {
        p.macros.erase(static_cast<int>(button));
        p.macroNames.erase(static_cast<int>(button));
    }
}

void Name(MouseMemory& m, const Bytes& r, std::size_t room) {
    std::size_t button = At(r, 2);
    std::size_t length = At(r, 3);
    if (button >= kButtons || length > room || 4 + length > r.size()) return;
    Table(m).macroNames[static_cast<int>(button)] = std::string(r.begin() + 4, r.begin() + 4 + static_cast<std::ptrdiff_t>(length));
}

void FeatureChunk(MouseMemory& m, const Bytes& r) {
    int button = At(r, 2);
    bool more = At(r, 3) == 1;
    std::size_t offset = At(r, 4) | (At(r, 5) << 8);
    std::size_t length = At(r, 6);
    MacroUpload& up = m.upload;
    if (offset == 0) up = MacroUpload{button, 0, {}};
    // A chunk of another upload, or one that leaves a gap or overruns the area, spoils it.
    if (up.button != button || length > kChunk || offset != up.bytes.size() || offset + length > kMacroArea ||
        7 + length > r.size()) {
        up = MacroUpload{};
        return;
    }
    up.bytes.insert(up.bytes.end(), r.begin() + 7, r.begin() + 7 + static_cast<std::ptrdiff_t>(length));
    if (more) return;
    KeepMacro(m, static_cast<std::size_t>(button), std::move(up.bytes));
    up = MacroUpload{};
}

// The output dialect cuts "0x54, button, 0, length (2 bytes), body" into chunks
// numbered in byte 2 (index * 4 + 3 while more follow, + 2 for the last).
void OutputChunk(MouseMemory& m, const Bytes& r) {
    int sequence = At(r, 2);
    int index = sequence >> 2;
    int kind = sequence & 3;
    std::size_t length = At(r, 3);
    MacroUpload& up = m.upload;
    if (index == 0) up = MacroUpload{0, 0, {}};
    if ((kind != 2 && kind != 3) || up.button < 0 || index != up.nextChunk || length > kChunk ||
        up.bytes.size() + length > kMacroArea + 5 || 4 + length > r.size()) {
        up = MacroUpload{};
        return;
    }
    up.bytes.insert(up.bytes.end(), r.begin() + 4, r.begin() + 4 + static_cast<std::ptrdiff_t>(length));
    ++up.nextChunk;
    if (kind == 3) return;
    Bytes stream = std::move(up.bytes);
    up = MacroUpload{};
    if (stream.size() < 5 || stream[0] != 0x54 || stream[2] != 0) return;
    std::size_t bodyLength = stream[3] | (stream[4] << 8);
    if (stream.size() != 5 + bodyLength) return;
    KeepMacro(m, stream[1], Bytes(stream.begin() + 5, stream.end()));
}

// Read one button: laid out as the assign command, byte 2 the button, code from byte 4.
void ButtonAnswer(const MouseMemory& m, const Bytes& request, Bytes& a) {
    std::size_t button = At(request, 2);
    a.resize(std::max<std::size_t>(a.size(), 14), 0);
    a[2] = static_cast<std::uint8_t>(button);
    if (button >= kButtons) return;
    const StoredButton& code = Table(m).buttons[button];
    std::copy(code.begin(), code.end(), a.begin() + 4);
}

void NameAnswer(const MouseMemory& m, const Bytes& request, Bytes& a, std::size_t room) {
    int button = At(request, 2);
    a.resize(std::max<std::size_t>(a.size(), 4), 0);
    a[2] = static_cast<std::uint8_t>(button);
    auto name = Table(m).macroNames.find(button);
    if (name == Table(m).macroNames.end()) return;
    std::size_t length = std::min(name->second.size(), room);
    a[3] = static_cast<std::uint8_t>(length);
    a.insert(a.begin() + 4, name->second.begin(), name->second.begin() + static_cast<std::ptrdiff_t>(length));
}

// Feature map: type bytes of buttons 0-7 at bytes 2-9 and of buttons 9-15 at 35-41.
void FeatureMap(const MouseMemory& m, Bytes& a) {
    a.resize(std::max<std::size_t>(a.size(), 42), 0);
    const ProfileMemory& p = Table(m);
    for (std::size_t b = 0; b <= 7; ++b) a[2 + b] = p.buttons[b][0];
    for (std::size_t b = 9; b < kButtons; ++b) a[35 + b - 9] = p.buttons[b][0];
}

// Output map: a count, then per button a header (data length << 5 | button), the
// type and the data, as many as fit the answer.
void OutputMap(const MouseMemory& m, const DeviceSetup& setup, Bytes& a) {
    a.resize(3, 0);
    const ProfileMemory& p = Table(m);
    std::uint8_t count = 0;
    for (std::size_t b = 0; b < kButtons; ++b) {
        const StoredButton& code = p.buttons[b];
        if (code[0] == 0 && !setup.mapListsAll) continue;
        std::size_t length = 0;
        if (code[0] != 0) {
            for (std::size_t i = 1; i <= 6; ++i)
                if (code[i] != 0 || setup.mapFullItems) length = i;
        }
        if (a.size() + 2 + length > kAnswerEnd) break;
        a.push_back(static_cast<std::uint8_t>(length << 5 | b));
        a.insert(a.end(), code.begin(), code.begin() + 1 + static_cast<std::ptrdiff_t>(length));
        ++count;
    }
    a[2] = count;
}

}  // namespace

bool FeatureButtonWrite(MouseMemory& m, const Bytes& r) {
    if (At(r, 0) != 0x52) return false;
    switch (At(r, 1)) {
    case 0x52: Assign(m, r); return true;
    case 0x53: Name(m, r, 61); return true;
    case 0x54: {
        std::size_t length = At(r, 4);
        if (5 + length <= r.size()) KeepMacro(m, At(r, 2), Bytes(r.begin() + 5, r.begin() + 5 + static_cast<std::ptrdiff_t>(length)));
        return true;
    }
    case 0x55: FeatureChunk(m, r); return true;
    default: return false;
    }
}

bool FeatureButtonAnswer(const MouseMemory& m, const Bytes& request, Bytes& answer) {
    if (At(request, 0) != 0x52) return false;
    switch (At(request, 1)) {
    case 0x61: FeatureMap(m, answer); return true;
    case 0x62: ButtonAnswer(m, request, answer); return true;
    case 0x63: NameAnswer(m, request, answer, 61); return true;
    default: return false;
    }
}

bool OutputButtonWrite(MouseMemory& m, const Bytes& r) {
    if (At(r, 0) != 0xB3) return false;
    switch (At(r, 1)) {
    case 0x52: Assign(m, r); return true;
    case 0x53: Name(m, r, kAnswerEnd - 4); return true;
    case 0x54: {
        std::size_t length = At(r, 4) | (At(r, 5) << 8);
        if (length <= kChunk && 6 + length <= r.size())
            KeepMacro(m, At(r, 2), Bytes(r.begin() + 6, r.begin() + 6 + static_cast<std::ptrdiff_t>(length)));
        return true;
    }
    case 0x71: OutputChunk(m, r); return true;
    default: return false;
    }
}

bool OutputButtonAnswer(const MouseMemory& m, const DeviceSetup& setup, const Bytes& request, Bytes& answer) {
    if (At(request, 0) != 0xB3) return false;
    switch (At(request, 1)) {
    case 0x61: OutputMap(m, setup, answer); return true;
    case 0x62: ButtonAnswer(m, request, answer); return true;
    case 0x63: NameAnswer(m, request, answer, kAnswerEnd - 4); return true;
    default: return false;
    }
}

}  // namespace sim
