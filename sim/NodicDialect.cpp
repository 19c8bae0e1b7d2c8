// Second chip family: 64-byte frames behind report id 0, checksum in byte 63. A
// receiver answers its own status query (byte 0 = 0x01); frames with the route bit
// 0x40 go on to the mouse, which answers only while it is awake.
#include "DeviceSide.h"

namespace sim {
namespace {

constexpr std::size_t kFrame = 64;

Bytes Answer(const std::uint8_t* request, std::uint8_t lengthByte) {
    Bytes a(kFrame + 1, 0);
    a[1] = request[0];
    a[2] = request[1];
    a[3] = lengthByte;
    a[4] = request[3];
    return a;
}

void Seal(Bytes& a) { a[kFrame] = NodicChecksum(a.data() + 1); }

Bytes ReceiverStatus(const Device& d, const std::uint8_t* p) {
    Bytes a = Answer(p, 0x86);
    a[5] = MouseReachable(d) ? 1 : 0;
    a[9] = static_cast<std::uint8_t>(d.setup.receiverId & 0xFF);
    a[10] = static_cast<std::uint8_t>(d.setup.receiverId >> 8);
    return a;
}

Bytes MouseAnswer(World& world, const Device& d, const std::uint8_t* p) {
    MouseMemory& m = world.MemoryOf(d);
    std::uint8_t object = p[0] & 0x3F;
    bool read = (p[2] == 0x81 || p[2] == 0x82) && (p[3] == 1 || p[3] == 3 || object == 0 || object == 10);
    if (!read) {
        if (object == 2 && p[3] == 2 && p[4] < 5) m.currentProfile = p[4];
        return Answer(p, p[2]);  // an accepted write repeats byte 2
    }
    Bytes a = Answer(p, 0x80 | 24);
    if (object == 1) {
        a[1 + 4] = 1;
        a[1 + 5] = 6;
        a[1 + 10] = m.charging;
        a[1 + 11] = m.battery;
        a[1 + 12] = static_cast<std::uint8_t>(m.currentProfile);
        a[1 + 13] = m.Current().dpiIndex;
        a[1 + 20] = 3;
    }
    return a;
}

}  // namespace

std::uint8_t NodicChecksum(const std::uint8_t* payload) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < kFrame - 1; ++i) sum += payload[i];
    return static_cast<std::uint8_t>((0xA1u - (sum & 0xFF)) & 0xFF);
}

void NodicWrite(World& world, Interface& iface, const Bytes& report) {
    Device& d = *iface.device;
    if (report.size() < kFrame + 1 || report[0] != 0) return;
    const std::uint8_t* p = report.data() + 1;
    if (p[kFrame - 1] != NodicChecksum(p)) return;  // a damaged frame is dropped
    Bytes notification = Answer(p, 0x80);
    notification[1] = 0x0A;  // an unsolicited state frame
    Seal(notification);
    bool receiver = d.setup.kind == Kind::kReceiver;
    Bytes answer;
    if (receiver && p[0] == 0x01) {
        if (!d.setup.answersQueries) return;
        answer = ReceiverStatus(d, p);
    } else {
        bool routed = (p[0] & 0x40) != 0;
        if (receiver != routed || !MouseReachable(d) || d.setup.silent) return;
        answer = MouseAnswer(world, d, p);
        world.SaveMemory();
    }
    Seal(answer);
    Reply(world, iface, ReplyPath::kInput, std::move(answer), notification);
}

}  // namespace sim
