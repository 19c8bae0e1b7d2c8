#pragma once
// The commands that write performance settings, and the reset commands.
// Stored values that do not fit their fields are clamped, never wrapped.
#include <optional>

#include "Packet.h"
#include "Performance.h"

namespace codec {

// 0x40: bytes 2-4 the level in the connection's slot (others 0xFF), bytes 5-14 the
// five values (16-bit little-endian), byte 15 the count.
Packet DpiPacket(Dialect d, Link link, const DpiLevels& dpi);
// 0x41: bytes 2-4 the rate code in the connection's slot, from byte 5 the rates the
// dialect supports (feature 125-1000 Hz, output 125-8000 Hz), 16-bit little-endian.
Packet ReportRatePacket(Dialect d, Link link, int rateCode);
// 0x42: byte 2 lift-off, bytes 3-5 = 1 for each set switch (bits 2, 3, 4) else 2,
// byte 7 scroll, byte 8 e-sports (2 on, 1 off).
Packet SensorPacket(Dialect d, const SensorSettings& sensor);
// 0x43: byte 2 response time (0-20).
Packet ResponseTimePacket(Dialect d, int responseTime);
// 0xB5 0x0A (output dialect only): byte 2 = 1, byte 3 the sleep-time code.
Packet SleepTimePacket(int sleepLight);
// 0xB5 0x0E (output dialect only): byte 2 = profile - 1; empty outside profiles 1-5.
std::optional<Packet> SelectProfilePacket(int profile);

inline constexpr int kResetButtons = 0x01;
inline constexpr int kResetLighting = 0x04;
// 64-byte 0x51 0x0B with byte 2 = 1, byte 3 the mask; 0xB5 0x0F with byte 2 the mask.
Packet ResetPartsPacket(Dialect d, int mask);
// 0x51 0x0B with byte 2 = 0xAA; 0xB5 0x0F with byte 2 = 0x1F.
Packet FactoryResetPacket(Dialect d);

// Settings values as the mouse takes them.
int ClampedRate(int rateCode);
int ClampedLevelCount(int count);
int ClampedLevel(const DpiLevels& dpi);
int EsportsOnWire(int esportsFlag);  // 2 stays on; every other value is sent as 1, off

}  // namespace codec
