// Feature-report dialect: commands arrive as feature reports 0x51 / 0x52. Each
// command is handled the way its row of the command table says: reads answered
// with the feature report of the request's id (over a receiver some only after
// the mouse says 0x54 0xE4 0x01), confirmed writes acknowledged over a receiver
// with 0x54 0xE4 0x00, "fire" writes never acknowledged.
#include <cstdio>

#include "ButtonMemory.h"
#include "DeviceSide.h"
#include "SettingsMemory.h"
#include "VersionAnswers.h"

namespace sim {
namespace {

enum class Transfer {
    kFire,            // no answer, no acknowledgement
    kConfirmed,       // acknowledged over a receiver
    kReadBack,        // the answer is fetched at once, over the cable and a receiver alike
    kAckThenGet,      // over a receiver the mouse first says the answer is ready
    kHandshake,       // the receiver checks its link to the mouse
    kReceiverQuery,   // answered by the receiver itself
    kMouseVersion,    // answered at once; over a receiver it need not wait for the handshake
};

Transfer TransferOf(const Bytes& r) {
    std::uint8_t id = r[0];
    std::uint8_t cmd = r.size() > 1 ? r[1] : 0;
    if (id == 0x51) {
        switch (cmd) {
        case 0x03: return Transfer::kReceiverQuery;
        case 0x04: return Transfer::kMouseVersion;
        case 0x06:
        case 0x07: return Transfer::kReadBack;
        case 0x0C: return Transfer::kHandshake;
        case 0x22:
        case 0x23:
        case 0x27:
        case 0x28:
        case 0x42: return Transfer::kConfirmed;
        default: return cmd >= 0x12 && cmd <= 0x17 ? Transfer::kAckThenGet : Transfer::kFire;
        }
    }
    bool restFromByte3Zero = true;  // a button restore: index only
    for (std::size_t i = 3; i < r.size(); ++i) restFromByte3Zero = restFromByte3Zero && r[i] == 0;
    switch (cmd) {
    case 0x52: return restFromByte3Zero ? Transfer::kFire : Transfer::kConfirmed;
    case 0x53:
    case 0x54: return Transfer::kConfirmed;
    case 0x55: return r.size() > 3 && r[3] == 1 ? Transfer::kFire : Transfer::kConfirmed;  // only the last chunk
    case 0x61:
    case 0x62:
    case 0x63: return Transfer::kAckThenGet;
    default: return Transfer::kFire;
    }
}

Bytes PairAnswer(const Device& d) {
    Bytes a{0x51, 0x00, 0x00, static_cast<std::uint8_t>(d.setup.pairedVid & 0xFF),
            static_cast<std::uint8_t>(d.setup.pairedVid >> 8), static_cast<std::uint8_t>(d.setup.pairedPid & 0xFF),
            static_cast<std::uint8_t>(d.setup.pairedPid >> 8), static_cast<std::uint8_t>(MouseReachable(d) ? 1 : 0)};
    return a;
}

Bytes DeviceState(World& world, const Device& d) {
    MouseMemory& m = world.MemoryOf(d);
    Bytes a(21, 0);
    a[0] = 0x51;
    for (int i = 2; i <= 9; ++i) a[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    std::uint8_t workMode = d.setup.kind == Kind::kReceiver ? 1 : 0;
    a[10] = static_cast<std::uint8_t>(workMode | (MouseReachable(d) ? 0x08 : 0));
    a[11] = m.battery;
    a[12] = m.charging;
    a[14] = 1;
    return a;
}

Bytes ReadAnswer(World& world, const Device& d, const Bytes& request) {
    std::uint8_t id = request[0];
    std::uint8_t cmd = request.size() > 1 ? request[1] : 0;
    Bytes a = id == 0x51 && cmd == 0x06 ? DeviceState(world, d) : Bytes{id, 0x00};
    FeatureButtonAnswer(world.MemoryOf(d), request, a);
    FeatureSettingsAnswer(world.MemoryOf(d), d.setup, request, a);
    a[1] = d.setup.echoCommand ? cmd : 0x00;
    return a;
}

void StoreWrite(World& world, const Device& d, const Bytes& report) {
    char key[8];
    std::snprintf(key, sizeof key, "%02x_%02x", report[0], report.size() > 1 ? report[1] : 0);
    world.MemoryOf(d).unhandledWrites[key] = report;
}

void Handshake(World& world, Interface& iface) {
    Device& d = *iface.device;
    bool linked = MouseReachable(d);
    d.handshaken = linked;
    Bytes answer = linked ? Bytes{0x54, 0xE3, 0x00} : Bytes{0x54, 0xE4, 0x02};
    Reply(world, iface, ReplyPath::kInput, std::move(answer), StateNotification(world, d, 0x54));
}

}  // namespace

void FeatureSet(World& world, Interface& iface, const Bytes& report) {
    Device& d = *iface.device;
    bool receiver = d.setup.kind == Kind::kReceiver;
    Bytes notification = StateNotification(world, d, 0x54);
    // A new request replaces the answer the mouse held for its report id.
    iface.featureReplies.erase(report[0]);
    Transfer transfer = TransferOf(report);
    if (transfer == Transfer::kHandshake) {
        if (receiver) Handshake(world, iface);
        return;
    }
    if (transfer == Transfer::kReceiverQuery) {
        if (receiver && !d.setup.answersQueries) return;
        Reply(world, iface, ReplyPath::kFeature, PairAnswer(d), notification);
        return;
    }
    if (transfer == Transfer::kMouseVersion) {
        // The receiver answers for its own versions, whether its mouse is there or not.
        std::uint8_t selector = report.size() > 2 ? report[2] : 0;
        if (!ReceiverAnswersVersion(d, selector) && (!MouseReachable(d) || d.setup.silent)) return;
        Reply(world, iface, ReplyPath::kFeature, FeatureVersionAnswer(d, selector), notification);
        return;
    }
    if (!MouseReachable(d)) return;  // a sleeping mouse never hears the command
    bool read = transfer == Transfer::kReadBack || transfer == Transfer::kAckThenGet;
    if (!read) {
        if (!FeatureButtonWrite(world.MemoryOf(d), report) && !FeatureSettingsWrite(world.MemoryOf(d), d.setup, report))
            StoreWrite(world, d, report);
        world.SaveMemory();
        if (receiver && transfer == Transfer::kConfirmed && !d.setup.silent)
            Reply(world, iface, ReplyPath::kInput, Bytes{0x54, 0xE4, 0x00}, notification);
        return;
    }
    if (d.setup.silent) return;
    bool linkClosed = receiver && d.setup.needsHandshake && !d.handshaken;
    if (linkClosed) return;
    Bytes answer = ReadAnswer(world, d, report);
    if (!receiver || transfer != Transfer::kAckThenGet) {
        Reply(world, iface, ReplyPath::kFeature, std::move(answer), notification);
        return;
    }
    // The answer is prepared now and fetched once the mouse has said it is ready.
    auto length = iface.featureLengths.find(report[0]);
    if (length == iface.featureLengths.end()) return;
    answer.resize(length->second, 0);
    // An armed fault falls on the acknowledgement; a mouse that does not answer, or
    // answers something else, has prepared nothing either.
    Fault fault;
    bool faulty = world.TakeFault(d, fault);
    if (!faulty || (fault != Fault::kNoReply && fault != Fault::kWrongReply))
        iface.featureReplies[report[0]] = PendingReport{0, std::move(answer)};
    ReplyAs(world, iface, ReplyPath::kInput, Bytes{0x54, 0xE4, 0x01}, notification, faulty ? &fault : nullptr);
}

}  // namespace sim
