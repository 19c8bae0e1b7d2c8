// Second chip family: 64-byte frames behind report id 0, checksum in byte 63. A
// receiver answers its own status and version queries (byte 0 without the route
// bit); frames with the route bit 0x40 go on to the mouse, which answers only
// while it is awake. Over the cable the mouse takes the frames without the bit.
#include <algorithm>

#include "DeviceSide.h"
#include "NodicMemory.h"
#include "NodicSide.h"

namespace sim {
namespace {

constexpr std::size_t kFrame = 64;
constexpr std::uint8_t kRouteBit = 0x40;
constexpr std::uint8_t kRefused = 0x00;  // byte 2 of an answer to a frame the mouse does not take
constexpr std::size_t kChunkBytes = 59;

// Firmware versions as the mouse and its receiver report them (bytes 9 and 8).
constexpr std::uint8_t kMouseVersion[2] = {0x01, 0x07};
constexpr std::uint8_t kReceiverVersion[2] = {0x01, 0x02};

// An answer frame, report id first: byte i of the frame is a[1 + i].
Bytes Answer(const std::uint8_t* request, std::uint8_t lengthByte) {
    Bytes a(kFrame + 1, 0);
    a[1] = request[0];
    a[2] = request[1];
    a[3] = lengthByte;
    a[4] = request[3];
    return a;
}

std::uint8_t& At(Bytes& a, std::size_t frameByte) { return a[1 + frameByte]; }

void Seal(Bytes& a) { a[kFrame] = NodicChecksum(a.data() + 1); }

template <std::size_t N>
Bytes BlockAnswer(const std::uint8_t* p, const std::array<std::uint8_t, N>& block) {
    Bytes a = Answer(p, static_cast<std::uint8_t>(0x80 | N));
    std::copy(block.begin(), block.end(), a.begin() + 1 + 4);
    return a;
}

template <std::size_t N>
void Take(std::array<std::uint8_t, N>& into, const std::uint8_t* p) {
    std::copy(p + 4, p + 4 + N, into.begin());
}

Bytes VersionAnswer(const std::uint8_t* p, const std::uint8_t (&version)[2]) {
    Bytes a = Answer(p, 0x80 | 16);
    At(a, 9) = version[0];
    At(a, 8) = version[1];
    return a;
}

Bytes ReceiverStatus(const Device& d, const std::uint8_t* p) {
    Bytes a = Answer(p, 0x86);
    At(a, 4) = MouseReachable(d) ? 1 : 0;
    At(a, 8) = static_cast<std::uint8_t>(d.setup.receiverId & 0xFF);
    At(a, 9) = static_cast<std::uint8_t>(d.setup.receiverId >> 8);
    return a;
}

// The status block, which the mouse also sends on its own when its state changes.
Bytes StatusBlock(MouseMemory& m, const std::uint8_t* p) {
    const NodicProfile& profile = m.nodic.profiles[static_cast<std::size_t>(m.currentProfile)];
    Bytes a = Answer(p, 0x80 | 24);
    At(a, 5) = 6;  // up to 8000 Hz
    At(a, 10) = m.charging;
    At(a, 11) = m.battery;
    At(a, 12) = static_cast<std::uint8_t>(m.currentProfile);
    At(a, 13) = profile.sensor[13 - 4];
    At(a, 20) = profile.system[8 - 4];
    At(a, 21) = profile.lightCode;
    auto light = profile.lights.find(profile.lightCode);
    if (light != profile.lights.end()) {
        At(a, 23) = light->second[7 - 4];
        At(a, 24) = light->second[8 - 4];
    }
    return a;
}

// A macro table arrives in 59-byte chunks, chunk 0 first; its first two bytes give
// its length, and once that many have come it replaces the profile's table.
void TakeMacroChunk(NodicMemory& n, NodicProfile& profile, const std::uint8_t* p) {
    std::size_t index = p[1];
    if (index == 0) n.macroUpload.clear();
    if (n.macroUpload.size() != index * kChunkBytes) {  // a chunk out of order spoils the upload
        n.macroUpload.clear();
        return;
    }
    n.macroUpload.insert(n.macroUpload.end(), p + 4, p + 4 + kChunkBytes);
    std::size_t total = n.macroUpload[0] | (n.macroUpload[1] << 8);
    if (total < 2 || n.macroUpload.size() < total) return;
    profile.macroTable.assign(n.macroUpload.begin(), n.macroUpload.begin() + static_cast<std::ptrdiff_t>(total));
    n.macroUpload.clear();
}

bool RestoreButtons(NodicProfile& profile, std::uint8_t which) {
    for (int b = 0; b < 12; ++b) {
        if (which != 0xFF && which != b) continue;
        auto code = NodicFactoryButton(b);
        std::copy(code.begin(), code.end(), profile.buttons.begin() + 4 * b);
    }
    return which == 0xFF || which < 12;
}

Bytes MouseAnswer(World& world, const Device& d, const std::uint8_t* p) {
    MouseMemory& m = world.MemoryOf(d);
    NodicMemory& n = m.nodic;
    n.used = true;
    NodicProfile& profile = n.profiles[static_cast<std::size_t>(m.currentProfile)];
    const std::uint8_t object = p[0] & 0x3F;
    const std::uint8_t op = p[3];
    const std::uint8_t length = p[2];
    // A write is taken only with the length its object has; the answer repeats it.
    auto accept = [p](bool taken) { return Answer(p, taken ? p[2] : kRefused); };
    switch (object) {
    case 0:
        if (op == 0) return VersionAnswer(p, kMouseVersion);
        break;
    case 1:
        if (op == 1) return StatusBlock(m, p);
        break;
    case 2:
        if (op == 2 && length == 0x82) {
            bool exists = p[4] < 5;
            if (exists) m.currentProfile = p[4];
            return accept(exists);
        }
        break;
    case 3:
        if (op == 1) return BlockAnswer(p, profile.buttons);
        // The write declares 49 bytes and carries the 48 of the table.
        if (op == 2 && length == 0xB1) {
            Take(profile.buttons, p);
            return accept(true);
        }
        break;
    case 4:
        if (op == 1) return BlockAnswer(p, profile.sensor);
        if (op == 3) return BlockAnswer(p, profile.system);
        if (op == 2 && length == 0xB5) {
            Take(profile.sensor, p);
            return accept(true);
        }
        if (op == 4 && length == 0x8F) {
            Take(profile.system, p);
            return accept(true);
        }
        break;
    case 5:
        if (op == 1) {
            Bytes a = Answer(p, 0x80 | 3);
            At(a, 6) = profile.lightCode;
            return a;
        }
        if (op == 4 && length == 0x9D) {
            Take(profile.lights[p[4]], p);
            return accept(true);
        }
        if (op == 5 && length == 0x82) {
            profile.lightCode = p[4];
            return accept(true);
        }
        break;
    case 7:
        if (op == 2 && length == 0xBB) {
            TakeMacroChunk(n, profile, p);
            return accept(true);
        }
        break;
    case 9:
        if (op == 2 && length == 0x82) return accept(RestoreButtons(profile, p[4]));
        if (op == 0xFF && length == 0x82) {
            n.profiles.fill(NodicFactoryProfile());
            m.currentProfile = 0;
            ++n.factoryResets;
            return Answer(p, 0x81);  // the mouse confirms a factory reset with 0x81
        }
        break;
    case 10:
        if (op == 1) return Answer(p, 0x81);
        break;
    default:
        break;
    }
    return accept(false);
}

}  // namespace

std::uint8_t NodicChecksum(const std::uint8_t* payload) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < kFrame - 1; ++i) sum += payload[i];
    return static_cast<std::uint8_t>((0xA1u - (sum & 0xFF)) & 0xFF);
}

Bytes NodicStateFrame(World& world, const Device& device) {
    std::uint8_t request[kFrame] = {};
    request[0] = static_cast<std::uint8_t>(0x01 | (device.setup.kind == Kind::kReceiver ? kRouteBit : 0));
    request[3] = 1;
    Bytes frame = StatusBlock(world.MemoryOf(device), request);
    Seal(frame);
    return frame;
}

bool NodicButtonPressed(World& world, Device& device) {
    Interface* iface = nullptr;
    for (auto& candidate : device.interfaces)
        if (candidate->vendor) iface = candidate.get();
    if (!iface || !MouseReachable(device)) return false;
    // The factory DPI button steps through the active levels.
    MouseMemory& m = world.MemoryOf(device);
    NodicProfile& profile = m.nodic.profiles[static_cast<std::size_t>(m.currentProfile)];
    m.nodic.used = true;
    int levels = 0;
    for (int bit = 0; bit < 6; ++bit)
        if (profile.sensor[14 - 4] & (1 << bit)) levels = bit + 1;
    std::uint8_t& level = profile.sensor[13 - 4];
    level = static_cast<std::uint8_t>(levels > 0 ? (level + 1) % levels : 0);
    world.Queue(*iface, NodicStateFrame(world, device));
    world.SaveMemory();
    return true;
}

void NodicWrite(World& world, Interface& iface, const Bytes& report) {
    Device& d = *iface.device;
    if (report.size() < kFrame + 1 || report[0] != 0) return;
    const std::uint8_t* p = report.data() + 1;
    if (p[kFrame - 1] != NodicChecksum(p)) return;  // a damaged frame is dropped
    Bytes notification = NodicStateFrame(world, d);
    bool receiver = d.setup.kind == Kind::kReceiver;
    bool routed = (p[0] & kRouteBit) != 0;
    Bytes answer;
    if (receiver && !routed) {
        // The receiver's own queries: its status and its firmware version.
        if (!d.setup.answersQueries) return;
        if (p[0] == 0x01) answer = ReceiverStatus(d, p);
        else if (p[0] == 0x00 && p[3] == 0) answer = VersionAnswer(p, kReceiverVersion);
        else return;
    } else {
        if (receiver != routed || !MouseReachable(d) || d.setup.silent) return;
        answer = MouseAnswer(world, d, p);
        world.SaveMemory();
    }
    Seal(answer);
    Reply(world, iface, ReplyPath::kInput, std::move(answer), notification);
}

}  // namespace sim
