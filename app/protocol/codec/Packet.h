#pragma once
// A command or answer of the first chip family as it travels: a zero-filled
// byte buffer whose size is the exact wire length of its dialect (21, 64 or 65
// bytes as a feature report; 65 bytes as an output report, report id first).
// The storage always holds 65 bytes, so a transfer may read an answer of any
// of these lengths into it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace codec {

// The two dialects of the first chip family.
enum class Dialect {
    kFeature,  // feature reports 0x51 / 0x52, answers 0x54
    kOutput,   // output reports 0xB5 / 0xB3, answers 0xB4 / 0xB6
};

// Report ids of each dialect's command groups.
inline constexpr std::uint8_t kFeatureSettingsId = 0x51;
inline constexpr std::uint8_t kFeatureBulkId = 0x52;
inline constexpr std::uint8_t kFeatureNotifyId = 0x54;
inline constexpr std::uint8_t kOutputSettingsId = 0xB5;
inline constexpr std::uint8_t kOutputBulkId = 0xB3;
inline constexpr std::uint8_t kOutputAnswerId = 0xB4;
inline constexpr std::uint8_t kOutputNotifyId = 0xB6;

constexpr std::uint8_t SettingsId(Dialect d) { return d == Dialect::kOutput ? kOutputSettingsId : kFeatureSettingsId; }
constexpr std::uint8_t BulkId(Dialect d) { return d == Dialect::kOutput ? kOutputBulkId : kFeatureBulkId; }

// Wire lengths.
inline constexpr std::size_t kShortLength = 21;   // most feature settings and queries
inline constexpr std::size_t kResetLength = 64;   // feature reset commands
inline constexpr std::size_t kLongLength = 65;    // feature button, macro and profile commands
inline constexpr std::size_t kOutputLength = 65;  // every output report
// The output transfer sends the first 64 bytes of a packet and pads the report
// with one zero byte, so nothing may be placed at byte 64.
inline constexpr std::size_t kOutputPayloadEnd = 64;

using Bytes = std::span<const std::uint8_t>;

class Packet {
public:
    static constexpr std::size_t kCapacity = 65;

    Packet() = default;
    // Zero-filled; byte 0 = report id, byte 1 = command code. Lengths above the
    // capacity are capped; bytes from `writableEnd` on stay zero.
    Packet(std::uint8_t reportId, std::uint8_t command, std::size_t length, std::size_t writableEnd = kCapacity);

    std::uint8_t* data() { return m_bytes.data(); }
    const std::uint8_t* data() const { return m_bytes.data(); }
    std::size_t size() const { return m_size; }
    Bytes bytes() const { return Bytes(m_bytes.data(), m_size); }
    // The packet as a transfer fills it with an answer.
    std::span<std::uint8_t> writable() { return {m_bytes.data(), m_size}; }

    std::uint8_t operator[](std::size_t i) const { return i < m_size ? m_bytes[i] : 0; }
    // Writes past the writable end are ignored, so no builder can overrun the packet.
    void Set(std::size_t i, std::uint8_t value);
    void SetLe16(std::size_t i, int value);  // value clamped to 0..65535
    // Copies as many of `source` as fit from byte `at`; returns how many were copied.
    std::size_t Room(std::size_t at) const { return at < m_end ? m_end - at : 0; }
    std::size_t Copy(std::size_t at, Bytes source);

    friend bool operator==(const Packet& a, const Packet& b) { return a.m_size == b.m_size && a.m_bytes == b.m_bytes; }

private:
    std::array<std::uint8_t, kCapacity> m_bytes{};
    std::size_t m_size = 0;
    std::size_t m_end = 0;  // first byte that is never written
};

// A settings packet (0x51 / 0xB5 group) of the feature length `featureLength` or the output report length.
Packet SettingsPacket(Dialect d, std::uint8_t command, std::size_t featureLength = kShortLength);
// A button, macro or profile packet (0x52 / 0xB3 group): 65 bytes in both dialects.
Packet BulkPacket(Dialect d, std::uint8_t command);

// Value helpers shared by the builders.
constexpr int Clamp(int value, int low, int high) { return value < low ? low : (value > high ? high : value); }
constexpr std::uint8_t ClampByte(int value) { return static_cast<std::uint8_t>(Clamp(value, 0, 255)); }
// A signed amount as the two's-complement byte the mouse reads, clamped to -128..127.
constexpr std::uint8_t SignedByte(int value) { return static_cast<std::uint8_t>(Clamp(value, -128, 127) & 0xFF); }
constexpr int FromSignedByte(std::uint8_t byte) { return byte < 0x80 ? byte : byte - 256; }
inline int Le16(Bytes b, std::size_t at) { return at + 1 < b.size() ? b[at] | (b[at + 1] << 8) : 0; }

}  // namespace codec

namespace codec {

// True when `answer` has at least `minLength` bytes and begins as the answer to a
// request with report id `requestId`: in the feature dialect the feature report of
// that id, in the output dialect an 0xB4 or 0xB6 input report that is not a
// notification. Byte 1 need not repeat the command.
bool IsAnswer(Dialect d, Bytes answer, std::uint8_t requestId, std::size_t minLength);

}  // namespace codec
