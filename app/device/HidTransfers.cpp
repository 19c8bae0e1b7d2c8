// The report exchanges of every dialect, with their delays, time-outs and retries.
// All hold the manager's lock for their whole length and fail at once without a
// usable handle (not opened, nothing chosen, or a Bluetooth record chosen).
#include <algorithm>
#include <cstring>

#include "Clock.h"
#include "DeviceModeEntry.h"
#include "HidDeviceManager.h"
#include "NodicChecksum.h"

namespace {

constexpr int kOutputReportSize = 65;
constexpr int kPayloadSize = 64;
constexpr std::size_t kMaxSetAside = 16;

void Wait(int ms) { Clock::Get().SleepMs(static_cast<std::uint32_t>(ms)); }

bool IsAck(const unsigned char* r, int n, unsigned char code) {
    return n >= 3 && r[0] == 0x54 && r[1] == 0xE4 && r[2] == code;
}

}  // namespace

int HidDeviceManager::Read(hid_device* h, unsigned char* buf, int len, int timeoutMs) {
    if (!h || len <= 0) return -1;
    return hid_read_timeout(h, buf, static_cast<std::size_t>(len), timeoutMs);
}

// Clears a stale report before a request; a notification among them is kept.
void HidDeviceManager::ReadAndDiscard(hid_device* h, int len, int timeoutMs) {
    unsigned char stale[kOutputReportSize] = {};
    int n = Read(h, stale, std::min(len, kOutputReportSize), timeoutMs);
    if (IsNotificationReport(stale, n, 0xB6) && stale[1] != 0xE4) HandOnNotification(stale, n);
}

void HidDeviceManager::HandOnNotification(const unsigned char* report, int len) {
    LockGuard guard(m_lock);
    if (!report || len <= 0) return;
    if (m_notifications.size() >= kMaxSetAside) m_notifications.pop_front();
    m_notifications.emplace_back(report, report + len);
}

int HidDeviceManager::ReadInput(unsigned char* buf, int len, int timeoutMs) {
    LockGuard guard(m_lock);
    return buf ? Read(ActiveHandle(), buf, len, timeoutMs) : -1;
}

bool HidDeviceManager::TakeNotification(unsigned char* buf, int len) {
    LockGuard guard(m_lock);
    if (m_notifications.empty() || !buf || len <= 0) return false;
    const auto& report = m_notifications.front();
    std::memset(buf, 0, static_cast<std::size_t>(len));
    std::memcpy(buf, report.data(), std::min(report.size(), static_cast<std::size_t>(len)));
    m_notifications.pop_front();
    return true;
}

bool HidDeviceManager::SendFeature(unsigned char* buf, int len, bool readBack) {
    LockGuard guard(m_lock);
    hid_device* h = ActiveHandle();
    if (!h || !buf || len <= 0) return false;
    Wait(5);
    if (hid_send_feature_report(h, buf, static_cast<std::size_t>(len)) < 0) return false;
    if (!readBack) return true;
    Wait(5);
    std::vector<unsigned char> reply(static_cast<std::size_t>(len));
    for (int attempt = 0; attempt < 10; ++attempt) {
        std::fill(reply.begin(), reply.end(), 0);
        reply[0] = buf[0];
        if (hid_get_feature_report(h, reply.data(), reply.size()) > 0) {
            std::memcpy(buf, reply.data(), reply.size());
            return true;
        }
        Wait(5);
    }
    return false;
}

bool HidDeviceManager::SendFeatureWaitAck(unsigned char* buf, int len) {
    LockGuard guard(m_lock);
    hid_device* h = ActiveHandle();
    if (!h || !buf || len <= 0) return false;
    Wait(5);
    if (hid_send_feature_report(h, buf, static_cast<std::size_t>(len)) < 0) return false;
    Wait(5);
    std::vector<unsigned char> in(static_cast<std::size_t>(std::max(len, 21)));
    for (int attempt = 0; attempt < 10; ++attempt) {
        int n = Read(h, in.data(), len, 100);
        if (IsAck(in.data(), n, 0x00)) return true;
        if (n > 0 && IsNotificationReport(in.data(), n, 0x54) && in[1] != 0xE4) HandOnNotification(in.data(), n);
        Wait(200);
    }
    return false;
}

bool HidDeviceManager::SendFeatureAckThenGet(unsigned char* buf, int len) {
    LockGuard guard(m_lock);
    hid_device* h = ActiveHandle();
    if (!h || !buf || len <= 0) return false;
    std::vector<unsigned char> request(buf, buf + len);
    Wait(5);
    if (hid_send_feature_report(h, buf, static_cast<std::size_t>(len)) < 0) return false;
    Wait(5);
    std::vector<unsigned char> in(static_cast<std::size_t>(std::max(len, 21)));
    for (int attempt = 0; attempt < 5; ++attempt) {
        int n = Read(h, in.data(), len, 100);
        if (IsAck(in.data(), n, 0x01)) {
            std::memcpy(buf, request.data(), request.size());
            return hid_get_feature_report(h, buf, static_cast<std::size_t>(len)) > 0;
        }
        if (n > 0 && IsNotificationReport(in.data(), n, 0x54) && in[1] != 0xE4) HandOnNotification(in.data(), n);
        Wait(200);
    }
    return false;
}

bool HidDeviceManager::SendOutputReport(hid_device* h, const unsigned char* buf, int payloadLen) {
    ReadAndDiscard(h, payloadLen, 10);
    unsigned char out[kOutputReportSize] = {};
    std::memcpy(out, buf, static_cast<std::size_t>(payloadLen));
    return hid_write(h, out, sizeof out) >= 0;
}

bool HidDeviceManager::WriteReportWaitAck(unsigned char* buf, int len) {
    LockGuard guard(m_lock);
    hid_device* h = ActiveHandle();
    if (!h || !buf || len <= 0) return false;
    int readLen = std::min(len, kPayloadSize);
    if (!SendOutputReport(h, buf, readLen)) return false;
    for (int round = 0; round < 10; ++round) {
        Wait(2);
        if (m_activeMode == kModeWired) return true;  // the cable needs no confirmation
        Wait(5);
        for (int attempt = 0; attempt < 10; ++attempt) {
            unsigned char in[kPayloadSize] = {};
            int n = Read(h, in, readLen, 20);
            if (n > 0 && (in[0] == 0xB6 || in[0] == 0xB4)) {
                // A notification ends the wait as the device's sign of life; keep it for the poll.
                if (IsNotificationReport(in, n, 0xB6) && in[1] != 0xE4) HandOnNotification(in, n);
                return true;
            }
            Wait(10);
        }
    }
    return false;
}

bool HidDeviceManager::WriteReportReadReply(unsigned char* buf, int len) {
    LockGuard guard(m_lock);
    hid_device* h = ActiveHandle();
    if (!h || !buf || len <= 0) return false;
    int readLen = std::min(len, kPayloadSize);
    if (!SendOutputReport(h, buf, readLen)) return false;
    for (int attempt = 0; attempt < 100; ++attempt) {
        Wait(2);
        unsigned char in[kPayloadSize] = {};
        int n = Read(h, in, readLen, 15);
        if (n < 0) return false;
        if (n == 0 || (in[0] != 0xB4 && in[0] != 0xB6)) continue;
        if (IsNotificationReport(in, n, 0xB6)) {
            // Never the answer: it only looks like one. Hand it on and keep waiting.
            if (in[1] != 0xE4) HandOnNotification(in, n);
            continue;
        }
        std::memcpy(buf, in, static_cast<std::size_t>(readLen));
        return n == kPayloadSize;
    }
    return false;
}

std::vector<HidDeviceManager::OpenEntry*> HidDeviceManager::FallbackReceivers(bool includeMode4) {
    std::vector<OpenEntry*> out;
    for (auto& entry : m_entries) {
        const HidDeviceEntry& e = entry->info;
        bool receiver = e.mode == kModeReceiver || e.mode == kModeReceiver2 || (includeMode4 && e.mode == kModeReceiver3);
        if (e.device_type == m_currentType && receiver && entry->handle) out.push_back(entry.get());
    }
    return out;
}

bool HidDeviceManager::ReadStatusReport(unsigned char* buf, int len) {
    LockGuard guard(m_lock);
    if (!m_opened || !buf || len <= 0) return false;
    if (TakeNotification(buf, len)) return true;
    if (OpenEntry* active = ActiveEntry()) return active->handle && Read(active->handle, buf, len, 100) > 0;
    // No mouse reachable: a receiver may still say its mouse woke up.
    for (OpenEntry* entry : FallbackReceivers(true))
        if (Read(entry->handle, buf, len, 10) > 0) return true;
    return false;
}

bool HidDeviceManager::ExchangeFrame(hid_device* h, unsigned char* payload) {
    if (!h || !payload) return false;
    payload[kNodicFrameSize - 1] = NodicChecksum(payload);
    unsigned char report[kOutputReportSize] = {};
    Read(h, report, kOutputReportSize, 100);  // a stale frame would be taken for the answer
    std::memset(report, 0, sizeof report);
    std::memcpy(report + 1, payload, kNodicFrameSize);
    if (hid_write(h, report, sizeof report) < 0) return false;
    Wait(16);
    unsigned char in[kOutputReportSize] = {};
    int n = Read(h, in, kOutputReportSize, 200);
    if (n == 0) {
        Wait(200);
        n = Read(h, in, kOutputReportSize, 100);
    }
    if (n != static_cast<int>(kNodicFrameSize)) return false;
    std::memcpy(payload, in, kNodicFrameSize);
    return true;
}

bool HidDeviceManager::NodicExchange(unsigned char* payload) {
    LockGuard guard(m_lock);
    return ExchangeFrame(ActiveHandle(), payload);
}

bool HidDeviceManager::GetNodicDeviceNotify(unsigned char* buf) {
    LockGuard guard(m_lock);
    if (!m_opened || !buf) return false;
    unsigned char in[kOutputReportSize] = {};
    if (OpenEntry* active = ActiveEntry()) {
        if (!active->handle || Read(active->handle, in, kOutputReportSize, 10) != static_cast<int>(kNodicFrameSize))
            return false;
        std::memcpy(buf, in, kNodicFrameSize);
        return true;
    }
    for (OpenEntry* entry : FallbackReceivers(false)) {
        int n = Read(entry->handle, in, kOutputReportSize, 10);
        if (n <= 0) continue;
        std::memcpy(buf, in, kNodicFrameSize);
        entry->info.device_type = kNodicReceiverType;
        entry->info.online = in[4] == 1 ? 1 : 0;
        if ((in[8] | (in[9] << 8)) == 0x0710) entry->info.device_type = kNodicWiredReceiverType;
        return true;
    }
    return false;
}
