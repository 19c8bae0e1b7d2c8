#include "OutputDialect.h"

#include <algorithm>

#include "HidLink.h"
#include "Waits.h"

namespace {

constexpr std::size_t kPayload = 64;

bool Fits(std::size_t size) { return size >= 2 && size <= kMaxReportSize; }

void HandOn(HidLink& link, const Report& r, int n) {
    if (IsNotificationReport(r.data(), n, kOutputNotificationId) && r[1] != 0xE4) link.HandOn(r.data(), n);
}

// Drops what is pending (the first read waits 10 ms), so that only what the mouse says
// after this request counts, then sends the packet's first 64 bytes as one output report.
bool Send(HidLink& link, std::span<const std::uint8_t> packet) {
    link.Port().Drain(10, [&link](const Report& r, int n) { HandOn(link, r, n); });
    return link.Port().WriteOutput(packet.first(std::min(packet.size(), kPayload)));
}

}  // namespace

bool OutputDialect::Write(std::span<const std::uint8_t> packet) {
    HidLink link(m_manager);
    if (!link || !Fits(packet.size()) || !Send(link, packet)) return false;
    for (int round = 0; round < 10; ++round) {
        WaitMs(2);
        if (link.Mode() == 0) return true;  // the cable needs no confirmation
        WaitMs(5);
        for (int attempt = 0; attempt < 10; ++attempt) {
            Report in;
            int n = link.Port().Read(in, 20);
            if (IsOutputAcknowledgement(in.data(), n)) return true;
            HandOn(link, in, n);
            WaitMs(10);
        }
    }
    return false;
}

bool OutputDialect::Read(std::span<std::uint8_t> packet) {
    HidLink link(m_manager);
    if (!link || !Fits(packet.size()) || !Send(link, packet)) return false;
    for (int attempt = 0; attempt < 100; ++attempt) {
        WaitMs(2);
        Report in;
        int n = link.Port().Read(in, 15);
        if (n < 0) return false;
        if (!IsOutputAnswer(in.data(), n)) {
            HandOn(link, in, n);
            continue;
        }
        if (n != static_cast<int>(kPayload)) return false;
        std::copy_n(in.begin(), std::min(packet.size(), kPayload), packet.begin());
        return true;
    }
    return false;
}

bool OutputDialect::ReadStatus(DeviceStatus& status) {
    std::uint8_t block[kPayload] = {0xB3, 0x06};
    if (!Read(block)) return false;
    // Byte 20: bits 0-6 the battery level, bit 7 charging. Over a receiver the mouse
    // that answered is connected.
    status.mouseConnected = true;
    status.battery = block[20] & 0x7F;
    status.charging = (block[20] & 0x80) != 0;
    return true;
}
