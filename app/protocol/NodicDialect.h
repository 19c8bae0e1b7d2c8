#pragma once
// The second chip family (usage page 0xFF0A): numbered objects read and written
// whole in 64-byte frames (NodicFrame.h builds them). Every frame's answer comes
// back apart from its request, with whether it arrived; validity and acceptance are
// asked of the answer, so a request can never pass for its own answer.
#include <cstdint>

#include "DeviceDialect.h"
#include "NodicExchange.h"

class NodicDialect final : public DeviceDialect {
public:
    explicit NodicDialect(HidDeviceManager& manager) : m_manager(manager) {}

    ProtocolFamily Family() const override { return ProtocolFamily::kSecondFamily; }
    bool ReadStatus(DeviceStatus& status) override;

    // The device tasks of this family (NodicTasks.cpp, NodicButtons.cpp).

    // Whether frames for the mouse carry the route bit: it sits behind a receiver
    // (connection mode 1 or 3).
    bool Routed();

    // One frame and its answer (NodicExchange), nothing retried.
    NodicReply Exchange(const NodicFrameBytes& request);
    // A read: an answer that is missing or not valid with at least `minData` data
    // bytes is asked for once more, 100 ms later.
    NodicReply Read(const NodicFrameBytes& request, int minData);
    // A write whose answer does not carry `expected` in byte 2 is sent once more,
    // after `resendAfterMs` (0: at once).
    NodicReply Write(const NodicFrameBytes& request, std::uint8_t expected, int resendAfterMs);

private:
    HidDeviceManager& m_manager;
};
