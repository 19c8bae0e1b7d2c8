#include "Packet.h"

#include <algorithm>

namespace codec {

Packet::Packet(std::uint8_t reportId, std::uint8_t command, std::size_t length, std::size_t writableEnd)
    : m_size(std::min(length, kCapacity)), m_end(std::min(writableEnd, m_size)) {
    Set(0, reportId);
    Set(1, command);
}

void Packet::Set(std::size_t i, std::uint8_t value) {
    if (i < m_end) m_bytes[i] = value;
}

void Packet::SetLe16(std::size_t i, int value) {
    int v = Clamp(value, 0, 0xFFFF);
    Set(i, static_cast<std::uint8_t>(v & 0xFF));
    Set(i + 1, static_cast<std::uint8_t>(v >> 8));
}

std::size_t Packet::Copy(std::size_t at, Bytes source) {
    std::size_t count = std::min(source.size(), Room(at));
    if (count == 0) return 0;
    std::copy_n(source.begin(), count, m_bytes.begin() + static_cast<std::ptrdiff_t>(at));
    return count;
}

Packet SettingsPacket(Dialect d, std::uint8_t command, std::size_t featureLength) {
    if (d == Dialect::kOutput) return Packet(kOutputSettingsId, command, kOutputLength, kOutputPayloadEnd);
    return Packet(kFeatureSettingsId, command, featureLength);
}

Packet BulkPacket(Dialect d, std::uint8_t command) {
    if (d == Dialect::kOutput) return Packet(kOutputBulkId, command, kOutputLength, kOutputPayloadEnd);
    return Packet(kFeatureBulkId, command, kLongLength);
}

}  // namespace codec

namespace codec {

bool IsAnswer(Dialect d, Bytes answer, std::uint8_t requestId, std::size_t minLength) {
    if (answer.size() < minLength || answer.empty()) return false;
    if (d == Dialect::kOutput) {
        // 0xB6 also carries notifications (codes 0xE0-0xE6), which answer nothing.
        bool notification = answer[0] == kOutputNotifyId && answer.size() > 1 && answer[1] >= 0xE0 && answer[1] <= 0xE6;
        return (answer[0] == kOutputAnswerId || answer[0] == kOutputNotifyId) && !notification;
    }
    return answer[0] == requestId;
}

}  // namespace codec
