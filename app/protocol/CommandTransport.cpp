#include "CommandTransport.h"

#include <cstring>
#include <vector>

#include "Clock.h"
#include "NodicFrame.h"

namespace {

constexpr int kOutputPayload = 64;
constexpr int kStatusReport = 21;

}  // namespace

CommandTransport::CommandTransport(HidDeviceManager& manager, int deviceType)
    : m_manager(manager), m_family(FamilyOf(deviceType)) {}

int CommandTransport::ActiveMode() {
    HidDeviceEntry entry;
    return m_manager.ActiveInterface(&entry) ? entry.mode : -1;
}

bool CommandTransport::Fire(std::uint8_t* packet, int length) {
    if (!packet || length < 2) return false;
    if (m_family == ProtocolFamily::kOutputReport) return m_manager.WriteReportWaitAck(packet, kOutputPayload);
    if (m_family != ProtocolFamily::kFeatureReport) return false;
    return m_manager.SendFeature(packet, length, false);
}

bool CommandTransport::WriteConfirmed(std::uint8_t* packet, int length) {
    if (!packet || length < 2) return false;
    if (m_family != ProtocolFamily::kFeatureReport) return Fire(packet, length);
    int mode = ActiveMode();
    if (mode < 0) return false;
    return IsReceiver(mode) ? m_manager.SendFeatureWaitAck(packet, length) : m_manager.SendFeature(packet, length, false);
}

bool CommandTransport::WriteConfirmedRepeated(std::uint8_t* packet, int length) {
    if (m_family != ProtocolFamily::kFeatureReport || !IsReceiver(ActiveMode())) return WriteConfirmed(packet, length);
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (attempt > 0) Clock::Get().SleepMs(100);
        if (m_manager.SendFeatureWaitAck(packet, length)) return true;
    }
    return false;
}

bool CommandTransport::AcceptAnswer(std::uint8_t* packet, const std::uint8_t* answer, int length,
                                    std::uint8_t answerId) {
    if (answer[0] != answerId || answer[1] != packet[1]) return false;
    std::memcpy(packet, answer, static_cast<std::size_t>(length));
    return true;
}

bool CommandTransport::Read(std::uint8_t* packet, int length) {
    if (!packet || length < 2) return false;
    if (m_family == ProtocolFamily::kOutputReport) {
        std::uint8_t answer[kOutputPayload] = {};
        std::memcpy(answer, packet, static_cast<std::size_t>(length < kOutputPayload ? length : kOutputPayload));
        if (!m_manager.WriteReportReadReply(answer, kOutputPayload)) return false;
        return AcceptAnswer(packet, answer, length < kOutputPayload ? length : kOutputPayload, 0xB4);
    }
    if (m_family != ProtocolFamily::kFeatureReport) return false;
    int mode = ActiveMode();
    if (mode < 0) return false;
    std::vector<std::uint8_t> answer(packet, packet + length);
    bool ok = IsReceiver(mode) ? m_manager.SendFeatureAckThenGet(answer.data(), length)
                               : m_manager.SendFeature(answer.data(), length, true);
    return ok && AcceptAnswer(packet, answer.data(), length, packet[0]);
}

bool CommandTransport::ReadBack(std::uint8_t* packet, int length) {
    if (!packet || length < 2 || m_family != ProtocolFamily::kFeatureReport) return false;
    std::vector<std::uint8_t> answer(packet, packet + length);
    return m_manager.SendFeature(answer.data(), length, true) && AcceptAnswer(packet, answer.data(), length, packet[0]);
}

bool CommandTransport::ReceiverHandshake() {
    if (m_family != ProtocolFamily::kFeatureReport) return false;
    std::uint8_t request[kStatusReport] = {0x51, 0x0C, 0x02};
    if (!m_manager.SendFeature(request, kStatusReport, false)) return false;
    for (int round = 0; round < 10; ++round) {
        std::uint8_t in[kStatusReport] = {};
        int n = m_manager.ReadInput(in, kStatusReport, 100);
        if (n < 0) return false;  // the interface is gone
        if (n >= 2 && in[0] == 0x54 && in[1] == 0xE3) return true;
        if (n >= 3 && in[0] == 0x54 && in[1] == 0xE4 && in[2] > 1) return false;
        if (IsNotificationReport(in, n, 0x54) && in[1] != 0xE4) m_manager.HandOnNotification(in, n);
        Clock::Get().SleepMs(200);
    }
    return false;
}

bool CommandTransport::Exchange(std::uint8_t* frame) {
    if (!frame || m_family != ProtocolFamily::kSecondFamily) return false;
    std::uint8_t answer[kNodicFrameSize];
    std::memcpy(answer, frame, sizeof answer);
    if (!m_manager.NodicExchange(answer) || !IsValidNodicAnswer(answer)) return false;
    std::memcpy(frame, answer, sizeof answer);
    return true;
}
