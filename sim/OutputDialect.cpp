// Output-report dialect: commands arrive as 65-byte output reports 0xB5 / 0xB3; the
// device answers reads and confirms writes with 64-byte input reports whose id is
// the scenario's answer form (0xB4 or 0xB6). An acknowledgement carries the code
// 0xE4 in byte 1; an answer carries the command in byte 1 only when the mouse echoes.
#include <cstdio>

#include "ButtonMemory.h"
#include "DeviceSide.h"
#include "SettingsMemory.h"
#include "VersionAnswers.h"

namespace sim {
namespace {

bool IsRead(std::uint8_t id, std::uint8_t cmd) {
    if (id == 0xB5) return cmd == 0x02 || cmd == 0x03 || cmd == 0x04;
    return cmd == 0x06 || cmd == 0x61 || cmd == 0x62 || cmd == 0x63;
}

Bytes ReadAnswer(World& world, const Device& d, std::uint8_t id, std::uint8_t cmd) {
    Bytes a{d.setup.answerId, static_cast<std::uint8_t>(d.setup.echoCommand ? cmd : 0x00)};
    MouseMemory& m = world.MemoryOf(d);
    if (id == 0xB5 && cmd == 0x04) return OutputVersionAnswer(d);
    if (id == 0xB5 && cmd == 0x03) {
        a.insert(a.end(), {0x00, static_cast<std::uint8_t>(d.setup.pairedVid & 0xFF),
                           static_cast<std::uint8_t>(d.setup.pairedVid >> 8),
                           static_cast<std::uint8_t>(d.setup.pairedPid & 0xFF),
                           static_cast<std::uint8_t>(d.setup.pairedPid >> 8),
                           static_cast<std::uint8_t>(MouseReachable(d) ? 1 : 0)});
    } else {
        OutputSettingsAnswer(m, d.setup, Bytes{id, cmd}, a);
    }
    return a;
}

void ApplyWrite(World& world, const Device& d, const Bytes& report) {
    MouseMemory& m = world.MemoryOf(d);
    if (OutputButtonWrite(m, report) || OutputSettingsWrite(m, d.setup, report)) return;
    if (report[0] == 0xB5 && report[1] == 0x0E && report[2] < 5) {
        m.currentProfile = report[2];
        return;
    }
    char key[8];
    std::snprintf(key, sizeof key, "%02x_%02x", report[0], report[1]);
    m.unhandledWrites[key] = report;
}

}  // namespace

void OutputWrite(World& world, Interface& iface, const Bytes& report) {
    Device& d = *iface.device;
    if (report.size() < 2) return;
    std::uint8_t id = report[0];
    std::uint8_t cmd = report[1];
    if (id != 0xB5 && id != 0xB3) return;
    bool receiverQuery = id == 0xB5 && (cmd == 0x02 || cmd == 0x03);
    if (receiverQuery && d.setup.kind == Kind::kReceiver && !d.setup.answersQueries) return;
    if (!receiverQuery && !MouseReachable(d)) return;
    bool answers = receiverQuery ? d.setup.kind == Kind::kReceiver || !d.setup.silent : !d.setup.silent;
    Bytes notification = StateNotification(world, d, 0xB6);
    Bytes buttonAnswer{d.setup.answerId, static_cast<std::uint8_t>(d.setup.echoCommand ? cmd : 0x00)};
    if (OutputButtonAnswer(world.MemoryOf(d), d.setup, report, buttonAnswer)) {
        if (answers) Reply(world, iface, ReplyPath::kInput, std::move(buttonAnswer), notification);
        return;
    }
    if (IsRead(id, cmd)) {
        if (answers) Reply(world, iface, ReplyPath::kInput, ReadAnswer(world, d, id, cmd), notification);
        return;
    }
    ApplyWrite(world, d, report);
    world.SaveMemory();
    if (answers) Reply(world, iface, ReplyPath::kInput, Bytes{d.setup.answerId, 0xE4, 0x00, cmd}, notification);
}

}  // namespace sim
