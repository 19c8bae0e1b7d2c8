// Feature-report dialect: commands arrive as feature reports 0x51 / 0x52; answers are
// prepared as feature reports of the same id, and over a receiver the mouse
// confirms with input reports 0x54 0xE4 (0x00 write done, 0x01 answer ready).
#include <cstdio>

#include "DeviceSide.h"

namespace sim {
namespace {

bool IsRead(std::uint8_t id, std::uint8_t cmd) {
    if (id == 0x51) return cmd == 0x03 || cmd == 0x04 || cmd == 0x06 || cmd == 0x07 || (cmd >= 0x12 && cmd <= 0x17);
    return cmd == 0x61 || cmd == 0x62 || cmd == 0x63;
}

Bytes PairAnswer(const Device& d) {
    Bytes a{0x51, 0x03, 0x00, static_cast<std::uint8_t>(d.setup.pairedVid & 0xFF),
            static_cast<std::uint8_t>(d.setup.pairedVid >> 8), static_cast<std::uint8_t>(d.setup.pairedPid & 0xFF),
            static_cast<std::uint8_t>(d.setup.pairedPid >> 8), static_cast<std::uint8_t>(MouseReachable(d) ? 1 : 0)};
    return a;
}

Bytes DeviceState(World& world, const Device& d) {
    MouseMemory& m = world.MemoryOf(d);
    Bytes a(21, 0);
    a[0] = 0x51;
    a[1] = 0x06;
    for (int i = 2; i <= 9; ++i) a[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    std::uint8_t workMode = d.setup.kind == Kind::kReceiver ? 1 : 0;
    a[10] = static_cast<std::uint8_t>(workMode | (MouseReachable(d) ? 0x08 : 0));
    a[11] = m.battery;
    a[12] = m.charging;
    a[14] = 1;
    return a;
}

Bytes ReadAnswer(World& world, const Device& d, std::uint8_t id, std::uint8_t cmd) {
    if (id == 0x51 && cmd == 0x03) return PairAnswer(d);
    if (id == 0x51 && cmd == 0x06) return DeviceState(world, d);
    return Bytes{id, cmd};
}

void StoreWrite(World& world, const Device& d, const Bytes& report) {
    char key[8];
    std::snprintf(key, sizeof key, "%02x_%02x", report[0], report.size() > 1 ? report[1] : 0);
    world.MemoryOf(d).unhandledWrites[key] = report;
}

void Handshake(World& world, Interface& iface) {
    const Device& d = *iface.device;
    Bytes answer = MouseReachable(d) ? Bytes{0x54, 0xE3, 0x00} : Bytes{0x54, 0xE4, 0x02};
    Reply(world, iface, ReplyPath::kInput, std::move(answer), StateNotification(world, d, 0x54));
}

}  // namespace

void FeatureSet(World& world, Interface& iface, const Bytes& report) {
    Device& d = *iface.device;
    std::uint8_t id = report[0];
    std::uint8_t cmd = report.size() > 1 ? report[1] : 0;
    Bytes notification = StateNotification(world, d, 0x54);
    bool receiver = d.setup.kind == Kind::kReceiver;
    if (id == 0x51 && cmd == 0x0C) {
        Handshake(world, iface);
        return;
    }
    if (id == 0x51 && cmd == 0x03) {
        if (receiver && !d.setup.answersQueries) return;
        Reply(world, iface, ReplyPath::kFeature, PairAnswer(d), notification);
        return;
    }
    if (!MouseReachable(d)) return;  // a sleeping mouse never hears the command
    if (IsRead(id, cmd)) {
        if (!receiver) {
            Reply(world, iface, ReplyPath::kFeature, ReadAnswer(world, d, id, cmd), notification);
            return;
        }
        // Over a receiver the answer is fetched after the mouse says it is ready.
        iface.featureReplies[id] = PendingReport{0, ReadAnswer(world, d, id, cmd)};
        iface.featureReplies[id].bytes.resize(iface.featureLengths[id], 0);
        Reply(world, iface, ReplyPath::kInput, Bytes{0x54, 0xE4, 0x01}, notification);
        return;
    }
    StoreWrite(world, d, report);
    if (receiver) Reply(world, iface, ReplyPath::kInput, Bytes{0x54, 0xE4, 0x00}, notification);
}

}  // namespace sim
