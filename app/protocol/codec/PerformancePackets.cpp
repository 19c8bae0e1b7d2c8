#include "PerformancePackets.h"

namespace codec {
namespace {

constexpr std::uint8_t kDpiCommand = 0x40;
constexpr std::uint8_t kRateCommand = 0x41;
constexpr std::uint8_t kSensorCommand = 0x42;
constexpr std::uint8_t kResponseCommand = 0x43;
constexpr std::uint8_t kSleepCommand = 0x0A;
constexpr std::uint8_t kSelectProfileCommand = 0x0E;
constexpr std::uint8_t kFeatureResetCommand = 0x0B;
constexpr std::uint8_t kOutputResetCommand = 0x0F;

constexpr int kFeatureRates[] = {125, 500, 1000};
constexpr int kOutputRates[] = {125, 500, 1000, 2000, 4000, 8000};

std::size_t SlotByte(Link link) {
    switch (link) {
    case Link::kWired: return 2;
    case Link::kReceiver: return 3;
    case Link::kBluetooth: return 4;
    }
    return 2;
}

void FillSlots(Packet& packet, Link link, int value) {
    for (std::size_t i = 2; i <= 4; ++i) packet.Set(i, i == SlotByte(link) ? ClampByte(value) : 0xFF);
}

std::uint8_t SwitchByte(int sensorFlag, int bit) { return (sensorFlag & bit) ? 1 : 2; }

Packet ResetPacket(Dialect d) {
    if (d == Dialect::kOutput) return SettingsPacket(d, kOutputResetCommand);
    return SettingsPacket(d, kFeatureResetCommand, kResetLength);
}

}  // namespace

int ClampedRate(int rateCode) { return Clamp(rateCode, 0, kMaxRateCode); }
int ClampedLevelCount(int count) { return Clamp(count, 1, kDpiLevels); }
int ClampedLevel(const DpiLevels& dpi) { return Clamp(dpi.index, 0, ClampedLevelCount(dpi.count) - 1); }
int EsportsOnWire(int esportsFlag) { return esportsFlag == 2 ? 2 : 1; }

Packet DpiPacket(Dialect d, Link link, const DpiLevels& dpi) {
    Packet packet = SettingsPacket(d, kDpiCommand);
    FillSlots(packet, link, ClampedLevel(dpi));
    for (std::size_t i = 0; i < kDpiLevels; ++i) packet.SetLe16(5 + 2 * i, dpi.values[i]);
    packet.Set(15, static_cast<std::uint8_t>(ClampedLevelCount(dpi.count)));
    return packet;
}

Packet ReportRatePacket(Dialect d, Link link, int rateCode) {
    Packet packet = SettingsPacket(d, kRateCommand);
    FillSlots(packet, link, ClampedRate(rateCode));
    std::span<const int> rates = d == Dialect::kOutput ? std::span<const int>(kOutputRates)
                                                        : std::span<const int>(kFeatureRates);
    for (std::size_t i = 0; i < rates.size(); ++i) packet.SetLe16(5 + 2 * i, rates[i]);
    return packet;
}

Packet SensorPacket(Dialect d, const SensorSettings& s) {
    Packet packet = SettingsPacket(d, kSensorCommand);
    packet.Set(2, ClampByte(s.liftoffHeight));
    packet.Set(3, SwitchByte(s.sensorFlag, 4));
    packet.Set(4, SwitchByte(s.sensorFlag, 8));
    packet.Set(5, SwitchByte(s.sensorFlag, 16));
    packet.Set(7, ClampByte(s.scrollFlag));
    packet.Set(8, static_cast<std::uint8_t>(EsportsOnWire(s.esportsFlag)));
    return packet;
}

Packet ResponseTimePacket(Dialect d, int responseTime) {
    Packet packet = SettingsPacket(d, kResponseCommand);
    packet.Set(2, static_cast<std::uint8_t>(Clamp(responseTime, 0, kMaxResponseTime)));
    return packet;
}

Packet SleepTimePacket(int sleepLight) {
    Packet packet = SettingsPacket(Dialect::kOutput, kSleepCommand);
    packet.Set(2, 1);
    packet.Set(3, ClampByte(sleepLight));
    return packet;
}

std::optional<Packet> SelectProfilePacket(int profile) {
    if (profile < 1 || profile > 5) return std::nullopt;
    Packet packet = SettingsPacket(Dialect::kOutput, kSelectProfileCommand);
    packet.Set(2, static_cast<std::uint8_t>(profile - 1));
    return packet;
}

Packet ResetPartsPacket(Dialect d, int mask) {
    Packet packet = ResetPacket(d);
    if (d == Dialect::kOutput) {
        packet.Set(2, ClampByte(mask));
    } else {
        packet.Set(2, 1);
        packet.Set(3, ClampByte(mask));
    }
    return packet;
}

Packet FactoryResetPacket(Dialect d) {
    Packet packet = ResetPacket(d);
    packet.Set(2, d == Dialect::kOutput ? 0x1F : 0xAA);
    return packet;
}

}  // namespace codec
