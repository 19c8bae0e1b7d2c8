#include "NodicDialect.h"

#include "Waits.h"
#include "HidLink.h"
#include "NodicFrame.h"

namespace {

// Data bytes a valid answer carries at least.
constexpr int kReceiverStatusData = 1;
constexpr int kStatusBlockData = 17;

}  // namespace

bool NodicDialect::Routed() {
    int mode = m_manager.ConnectMode();
    return mode == 1 || mode == 3;
}

NodicReply NodicDialect::Exchange(const NodicFrameBytes& request) {
    HidLink link(m_manager);
    if (!link) return NodicReply{};
    return ExchangeNodicFrame(link.Port(), request);
}

NodicReply NodicDialect::Read(const NodicFrameBytes& request, int minData) {
    NodicReply reply = Exchange(request);
    if (reply.Valid(minData)) return reply;
    WaitMs(100);
    return Exchange(request);
}

NodicReply NodicDialect::Write(const NodicFrameBytes& request, std::uint8_t expected, int resendAfterMs) {
    NodicReply reply = Exchange(request);
    if (reply.Accepted(expected)) return reply;
    WaitMs(resendAfterMs);
    return Exchange(request);
}

bool NodicDialect::ReadStatus(DeviceStatus& status) {
    bool routed = Routed();
    NodicFrameBytes request{};
    if (routed) {
        // The receiver itself (no route bit) says whether its mouse is connected.
        BuildNodicRead(request.data(), 1, false, 1);
        NodicReply receiver = Read(request, kReceiverStatusData);
        if (receiver.Valid(kReceiverStatusData) && receiver.frame[4] != 1) {
            status.mouseConnected = false;
            return true;
        }
    }
    BuildNodicRead(request.data(), 1, routed, 1);
    NodicReply reply = Read(request, kStatusBlockData);
    if (!reply.Valid(kStatusBlockData)) return false;
    status.mouseConnected = true;
    status.battery = reply.frame[11] != 0 ? reply.frame[11] : -1;  // 0 means no level
    status.charging = reply.frame[10] == 1;
    return true;
}
