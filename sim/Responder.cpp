#include "DeviceSide.h"

#include "Clock.h"

namespace sim {
namespace {

// Long enough to outlast every read time-out of a transfer's retry budget.
constexpr std::uint64_t kLateReplyMs = 30000;

void Post(World& world, Interface& iface, ReplyPath path, Bytes answer, std::uint64_t delayMs) {
    if (path == ReplyPath::kInput) {
        world.Queue(iface, std::move(answer), delayMs);
        return;
    }
    std::uint8_t id = answer.empty() ? 0 : answer[0];
    auto length = iface.featureLengths.find(id);
    if (length == iface.featureLengths.end()) return;
    answer.resize(length->second, 0);
    iface.featureReplies[id] = PendingReport{Clock::Get().NowMs() + delayMs, std::move(answer)};
}

}  // namespace

bool MouseReachable(const Device& device) {
    return device.setup.kind != Kind::kReceiver || device.setup.mouseAwake;
}

Bytes StateNotification(World& world, const Device& device, std::uint8_t reportId) {
    MouseMemory& m = world.MemoryOf(device);
    std::uint8_t workMode = device.setup.kind == Kind::kReceiver ? 1 : 0;
    return Bytes{reportId, 0xE2, workMode, static_cast<std::uint8_t>(MouseReachable(device) ? 1 : 0), m.charging,
                 m.battery, m.Current().dpiIndex, m.Current().rateCode, 0x10, 0x07};
}

Bytes UnsolicitedReport(World& world, const Device& device) {
    if (device.setup.family == Family::kFeature) return StateNotification(world, device, 0x54);
    if (device.setup.family != Family::kNodic) return StateNotification(world, device, 0xB6);
    MouseMemory& m = world.MemoryOf(device);
    Bytes frame(65, 0);
    frame[1] = 0x01;
    frame[3] = 0x80 | 16;
    frame[4 + 1] = MouseReachable(device) ? 1 : 0;
    frame[8 + 1] = static_cast<std::uint8_t>(device.setup.receiverId & 0xFF);
    frame[9 + 1] = static_cast<std::uint8_t>(device.setup.receiverId >> 8);
    frame[11 + 1] = m.battery;
    frame[64] = NodicChecksum(frame.data() + 1);
    return frame;
}

void Reply(World& world, Interface& iface, ReplyPath path, Bytes answer, const Bytes& notification) {
    Fault fault;
    bool faulty = world.TakeFault(*iface.device, fault);
    ReplyAs(world, iface, path, std::move(answer), notification, faulty ? &fault : nullptr);
}

void ReplyAs(World& world, Interface& iface, ReplyPath path, Bytes answer, const Bytes& notification,
             const Fault* faultOrNull) {
    Device& device = *iface.device;
    if (!faultOrNull) {
        Post(world, iface, path, std::move(answer), 0);
        return;
    }
    Fault fault = *faultOrNull;
    switch (fault) {
    case Fault::kNoReply:
        break;
    case Fault::kLateReply:
        Post(world, iface, path, std::move(answer), kLateReplyMs);
        break;
    case Fault::kWrongReply:
        if (iface.usagePage == 0xFF0A && answer.size() == 65) {
            answer[3] &= 0x7F;  // the frame's byte 2 without its valid bit
            answer[64] = NodicChecksum(answer.data() + 1);
            Post(world, iface, path, std::move(answer), 0);
        } else {
            // "The mouse restarted", in place of the answer: it answers nothing.
            world.Queue(iface, Bytes{notification.empty() ? std::uint8_t{0} : notification[0], 0xE0});
        }
        break;
    case Fault::kNotificationFirst:
        world.Queue(iface, notification);
        Post(world, iface, path, std::move(answer), 0);
        break;
    case Fault::kUnplugMidTransfer:
        // Open handles keep the object; the bus forgets it, so it can be plugged in again.
        device.plugged = false;
        for (auto it = world.devices.begin(); it != world.devices.end(); ++it) {
            if (it->get() == &device) {
                world.devices.erase(it);
                break;
            }
        }
        break;
    }
}

}  // namespace sim
