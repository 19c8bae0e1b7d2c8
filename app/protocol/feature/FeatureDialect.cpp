#include "FeatureDialect.h"

#include <algorithm>

#include "HidLink.h"
#include "Waits.h"

namespace {

constexpr std::uint8_t kInputId = 0x54;
constexpr std::uint8_t kAckCode = 0xE4;
constexpr std::uint8_t kAckWritten = 0x00;
constexpr std::uint8_t kAckAnswerReady = 0x01;

bool Fits(std::size_t size) { return size >= 2 && size <= kMaxReportSize; }

bool IsAck(const Report& r, int n, std::uint8_t code) {
    return n >= 3 && r[0] == kInputId && r[1] == kAckCode && r[2] == code;
}

// A notification read while waiting for something else goes to the next poll; an
// acknowledgement nobody waits for any more is dropped.
void HandOn(HidLink& link, const Report& r, int n) {
    if (IsNotificationReport(r.data(), n, kInputId) && r[1] != kAckCode) link.HandOn(r.data(), n);
}

// Only what the device says after the request may confirm or answer it.
void DrainStale(HidLink& link) {
    link.Port().Drain(0, [&link](const Report& r, int n) { HandOn(link, r, n); });
}

}  // namespace

FeatureDialect::ReadSequence::ReadSequence(FeatureDialect& dialect) : m_dialect(dialect) {
    if (m_dialect.m_sequences == 0) {
        HidLink link(m_dialect.m_manager);
        m_dialect.m_sequenceReady = link && (!link.OverReceiver() || m_dialect.HandshakeOn(link));
    }
    ++m_dialect.m_sequences;
}

FeatureDialect::ReadSequence::~ReadSequence() { --m_dialect.m_sequences; }

bool FeatureDialect::MayRead() {
    if (m_sequences > 0) return m_sequenceReady;
    HidLink link(m_manager);
    return link && (!link.OverReceiver() || HandshakeOn(link));
}

bool FeatureDialect::SendOn(HidLink& link, std::span<const std::uint8_t> packet) {
    WaitMs(5);
    return link.Port().SendFeature(packet);
}

// The answer is the feature report of the request's report id; it replaces the packet.
bool FeatureDialect::GetInto(HidLink& link, std::span<std::uint8_t> packet) {
    Report answer{};
    int n = link.Port().GetFeature(packet[0], std::span<std::uint8_t>(answer.data(), packet.size()));
    if (n <= 0 || answer[0] != packet[0]) return false;
    std::copy_n(answer.begin(), packet.size(), packet.begin());
    return true;
}

bool FeatureDialect::ReadBackOn(HidLink& link, std::span<std::uint8_t> packet) {
    if (!SendOn(link, packet)) return false;
    WaitMs(5);
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (GetInto(link, packet)) return true;
        WaitMs(5);
    }
    return false;
}

bool FeatureDialect::WaitAckOn(HidLink& link, std::span<const std::uint8_t> packet) {
    DrainStale(link);
    if (!SendOn(link, packet)) return false;
    WaitMs(5);
    for (int attempt = 0; attempt < 10; ++attempt) {
        Report in;
        int n = link.Port().Read(in, 100);
        if (IsAck(in, n, kAckWritten)) return true;
        HandOn(link, in, n);
        WaitMs(200);
    }
    return false;
}

bool FeatureDialect::AckThenGetOn(HidLink& link, std::span<std::uint8_t> packet) {
    DrainStale(link);
    if (!SendOn(link, packet)) return false;
    WaitMs(5);
    for (int attempt = 0; attempt < 5; ++attempt) {
        Report in;
        int n = link.Port().Read(in, 100);
        if (IsAck(in, n, kAckAnswerReady)) return GetInto(link, packet);
        HandOn(link, in, n);
        WaitMs(200);
    }
    return false;
}

bool FeatureDialect::HandshakeOn(HidLink& link) {
    DrainStale(link);  // an earlier handshake's 0x54 0xE3 must not pass for this one's
    const std::uint8_t request[21] = {0x51, 0x0C, 0x02};
    if (!SendOn(link, request)) return false;
    for (int round = 0; round < 10; ++round) {
        Report in;
        int n = link.Port().Read(in, 100);
        if (n < 0) return false;  // the interface is gone
        if (n >= 2 && in[0] == kInputId && in[1] == 0xE3) return true;
        if (n >= 3 && in[0] == kInputId && in[1] == kAckCode && in[2] > 1) return false;
        HandOn(link, in, n);
        WaitMs(200);
    }
    return false;
}

bool FeatureDialect::SendFeature(std::span<std::uint8_t> packet, bool readBack) {
    HidLink link(m_manager);
    if (!link || !Fits(packet.size())) return false;
    return readBack ? ReadBackOn(link, packet) : SendOn(link, packet);
}

bool FeatureDialect::SendFeatureWaitAck(std::span<const std::uint8_t> packet) {
    HidLink link(m_manager);
    return link && Fits(packet.size()) && WaitAckOn(link, packet);
}

bool FeatureDialect::SendFeatureAckThenGet(std::span<std::uint8_t> packet) {
    HidLink link(m_manager);
    return link && Fits(packet.size()) && AckThenGetOn(link, packet);
}

bool FeatureDialect::ReceiverHandshake() {
    HidLink link(m_manager);
    return link && HandshakeOn(link);
}

bool FeatureDialect::Fire(std::span<const std::uint8_t> packet) {
    HidLink link(m_manager);
    return link && Fits(packet.size()) && SendOn(link, packet);
}

bool FeatureDialect::WriteConfirmed(std::span<const std::uint8_t> packet) {
    HidLink link(m_manager);
    if (!link || !Fits(packet.size())) return false;
    return link.OverReceiver() ? WaitAckOn(link, packet) : SendOn(link, packet);
}

bool FeatureDialect::WriteConfirmedRepeated(std::span<const std::uint8_t> packet) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (attempt > 0) WaitMs(100);
        HidLink link(m_manager);
        if (!link || !Fits(packet.size())) return false;
        if (!link.OverReceiver()) return SendOn(link, packet);
        if (WaitAckOn(link, packet)) return true;
    }
    return false;
}

bool FeatureDialect::Read(std::span<std::uint8_t> packet) {
    if (!Fits(packet.size()) || !MayRead()) return false;
    HidLink link(m_manager);
    if (!link) return false;
    return link.OverReceiver() ? AckThenGetOn(link, packet) : ReadBackOn(link, packet);
}

bool FeatureDialect::ReadBack(std::span<std::uint8_t> packet) {
    if (!Fits(packet.size()) || !MayRead()) return false;
    HidLink link(m_manager);
    return link && ReadBackOn(link, packet);
}

bool FeatureDialect::ReadStatus(DeviceStatus& status) {
    std::uint8_t state[21] = {0x51, 0x06};
    if (!ReadBack(state)) return false;
    // Byte 10: bits 0-2 the work mode, bit 3 the mouse connected in it.
    status.mouseConnected = (state[10] & 0x08) != 0;
    status.battery = state[11];
    status.charging = state[12] == 1;
    return true;
}
