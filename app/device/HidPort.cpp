#include "HidPort.h"

#include <algorithm>
#include <cstring>

#include "StopSignal.h"

namespace {

// A device that keeps sending cannot hold a transfer in its drain for ever.
constexpr int kMaxDrained = 64;

// A thread asked to stop moves no more reports, so a sequence in progress fails
// through its remaining steps without waiting on the device.
bool Stopping() { return StopSignal::ThisThreadStopping(); }

}  // namespace

bool HidPort::SendFeature(std::span<const std::uint8_t> report) {
    if (!m_handle || report.empty() || Stopping()) return false;
    Report wire{};
    std::size_t n = std::min(report.size(), wire.size());
    std::memcpy(wire.data(), report.data(), n);
    return hid_send_feature_report(m_handle, wire.data(), n) >= 0;
}

int HidPort::GetFeature(std::uint8_t id, std::span<std::uint8_t> into) {
    if (!m_handle || into.empty() || Stopping()) return -1;
    Report wire{};
    wire[0] = id;
    int n = hid_get_feature_report(m_handle, wire.data(), wire.size());
    if (n <= 0) return -1;
    std::fill(into.begin(), into.end(), 0);
    CopyOut(wire, n, into);
    return n;
}

bool HidPort::WriteOutput(std::span<const std::uint8_t> report) {
    if (!m_handle || report.empty() || Stopping()) return false;
    Report wire{};
    std::memcpy(wire.data(), report.data(), std::min(report.size(), wire.size()));
    return hid_write(m_handle, wire.data(), wire.size()) >= 0;
}

int HidPort::Read(Report& into, int timeoutMs) {
    into.fill(0);
    if (!m_handle || Stopping()) return -1;
    int n = hid_read_timeout(m_handle, into.data(), into.size(), timeoutMs);
    return n < 0 ? -1 : std::min(n, static_cast<int>(into.size()));
}

void HidPort::Drain(int firstTimeoutMs, const std::function<void(const Report&, int)>& seen) {
    Report stale;
    int timeout = firstTimeoutMs;
    for (int i = 0; i < kMaxDrained; ++i) {
        int n = Read(stale, timeout);
        if (n <= 0) return;
        if (seen) seen(stale, n);
        timeout = 0;
    }
}

void CopyOut(const Report& report, int count, std::span<std::uint8_t> into) {
    if (count <= 0) return;
    std::size_t n = std::min({static_cast<std::size_t>(count), into.size(), report.size()});
    std::memcpy(into.data(), report.data(), n);
}
