#include "SettingsMemory.h"

namespace sim {
namespace {

constexpr std::uint8_t kNotSet = 0xFF;  // a per-connection slot meant for another connection
constexpr int kMaxRate = 5;             // 125 Hz ... 8000 Hz
constexpr int kMaxResponse = 20;
constexpr int kMaxLightMode = 10;

// Where this connection's slot sits: bytes 2-4 of a command, bytes 3-5 of the
// performance block (cable, receiver, Bluetooth).
std::size_t SlotOffset(const DeviceSetup& setup) {
    switch (setup.kind) {
    case Kind::kWired: return 0;
    case Kind::kReceiver: return 1;
    case Kind::kBluetooth: return 2;
    }
    return 0;
}

std::uint8_t At(const Bytes& b, std::size_t i) { return i < b.size() ? b[i] : 0; }
int Le16(const Bytes& b, std::size_t i) { return At(b, i) | (At(b, i + 1) << 8); }

void Put(Bytes& b, std::size_t i, std::uint8_t value) {
    if (b.size() <= i) b.resize(i + 1, 0);
    b[i] = value;
}

void SetDpi(ProfileMemory& p, const DeviceSetup& setup, const Bytes& r) {
    int count = At(r, 15);
    if (count >= 1 && count <= 5) p.dpiCount = static_cast<std::uint8_t>(count);
    for (std::size_t i = 0; i < 5; ++i) {
        int value = Le16(r, 5 + 2 * i);
        if (value == 0) continue;  // a level the mouse does not take
        p.dpiX[i] = static_cast<std::uint16_t>(value);
        p.dpiY[i] = static_cast<std::uint16_t>(value);
    }
    std::uint8_t level = At(r, 2 + SlotOffset(setup));
    if (level != kNotSet && level < p.dpiCount) p.dpiIndex = level;
    if (p.dpiIndex >= p.dpiCount) p.dpiIndex = static_cast<std::uint8_t>(p.dpiCount - 1);
}

void SetRate(ProfileMemory& p, const DeviceSetup& setup, const Bytes& r) {
    std::uint8_t rate = At(r, 2 + SlotOffset(setup));
    if (rate <= kMaxRate) p.rateCode = rate;
}

// Bytes 3-5: 1 turns a switch on (bits 2, 3, 4 of the flags), 2 off.
void SetSensor(ProfileMemory& p, const Bytes& r) {
    if (At(r, 2) == 1 || At(r, 2) == 2) p.liftOff = At(r, 2);
    for (std::size_t i = 0; i < 3; ++i) {
        auto bit = static_cast<std::uint8_t>(4 << i);
        if (At(r, 3 + i) == 1) p.sensorFlags = static_cast<std::uint8_t>(p.sensorFlags | bit);
        if (At(r, 3 + i) == 2) p.sensorFlags = static_cast<std::uint8_t>(p.sensorFlags & ~bit);
    }
    if (At(r, 7) == 1 || At(r, 7) == 2) p.scrollFlag = At(r, 7);
    // The mouse knows on (2) and off (1); anything else leaves e-sports off.
    p.esports = At(r, 8) == 2 ? 2 : 1;
}

void SetResponse(ProfileMemory& p, const Bytes& r) {
    if (At(r, 2) <= kMaxResponse) p.responseTime = At(r, 2);
}

std::uint8_t SensorByte(const ProfileMemory& p) {
    int byte = (p.liftOff & 3) | (p.sensorFlags & 0x1C);
    if (p.scrollFlag == 2) byte |= 0x40;
    if (p.esports == 2) byte |= 0x80;
    return static_cast<std::uint8_t>(byte);
}

// The whole-profile packet: that profile's settings and button table, and the
// profile becomes the mouse's current one.
void SetWholeProfile(MouseMemory& m, const DeviceSetup& setup, const Bytes& r) {
    int index = At(r, 2);
    if (index > 4) return;
    ProfileMemory& p = m.profiles[static_cast<std::size_t>(index)];
    std::uint8_t rateAndLevel = At(r, 3 + SlotOffset(setup));
    if ((rateAndLevel >> 4) <= kMaxRate) p.rateCode = static_cast<std::uint8_t>(rateAndLevel >> 4);
    for (std::size_t i = 0; i < 5; ++i) {
        int value = Le16(r, 6 + 2 * i);
        if (value == 0) continue;
        p.dpiX[i] = static_cast<std::uint16_t>(value);
        p.dpiY[i] = static_cast<std::uint16_t>(value);
    }
    if ((rateAndLevel & 0x0F) < p.dpiCount) p.dpiIndex = rateAndLevel & 0x0F;
    std::uint8_t sensor = At(r, 17);
    if ((sensor & 3) == 1 || (sensor & 3) == 2) p.liftOff = sensor & 3;
    p.sensorFlags = sensor & 0x1C;
    p.scrollFlag = (sensor & 0x40) ? 2 : 1;
    p.esports = (sensor & 0x80) ? 2 : 1;
    if (At(r, 18) <= kMaxResponse) p.responseTime = At(r, 18);
    for (std::size_t slot = 0; slot < 11; ++slot) {
        std::size_t at = 20 + 4 * slot;
        std::uint8_t head = At(r, at);
        if (head == 0xF0) continue;  // empty slot
        std::size_t button = head >> 4;
        if (button >= p.buttons.size()) continue;
        StoredButton& stored = p.buttons[button];
        stored.fill(0);
        stored[0] = head & 0x0F;
        for (std::size_t i = 1; i < 4; ++i) stored[i] = At(r, at + i);
    }
    m.currentProfile = index;
}

// Feature lighting commands: byte 2 = 1, byte 3 the mode, then its value.
void SetFeatureLight(ProfileMemory& p, const Bytes& r) {
    if (At(r, 2) != 1 || At(r, 3) > kMaxLightMode) return;
    std::uint8_t mode = At(r, 3);
    switch (At(r, 1)) {
    case 0x22: p.light.mode = mode; break;
    case 0x23: p.light.brightness[mode] = At(r, 4); break;
    case 0x27: p.light.speed[mode] = At(r, 4); break;
    case 0x28:
        p.light.colour[mode] = static_cast<std::uint32_t>(At(r, 4) | (At(r, 5) << 8) | (At(r, 6) << 16));
        break;
    default: break;
    }
}

// 0xB5 0x24: byte 2 the mode; for a mode above 0 its brightness, speed and colour.
void SetOutputLight(ProfileMemory& p, const Bytes& r) {
    std::uint8_t mode = At(r, 2);
    if (mode > kMaxLightMode) return;
    p.light.mode = mode;
    if (mode == 0) return;
    p.light.brightness[mode] = At(r, 3);
    p.light.speed[mode] = At(r, 4);
    p.light.colour[mode] = static_cast<std::uint32_t>(At(r, 5) | (At(r, 6) << 8) | (At(r, 7) << 16));
}

// Bytes 3-5 of the block: this connection's level and rate; the other connections'
// slots hold what the mouse keeps for them, here their factory value (level 0, 125 Hz).
void PutPerformanceBlock(const ProfileMemory& p, const DeviceSetup& setup, Bytes& a) {
    for (std::size_t i = 3; i <= 5; ++i) Put(a, i, 0);
    Put(a, 3 + SlotOffset(setup), static_cast<std::uint8_t>((p.rateCode << 4) | (p.dpiIndex & 0x0F)));
    for (std::size_t i = 0; i < 5; ++i) {
        Put(a, 6 + 2 * i, static_cast<std::uint8_t>(p.dpiX[i] & 0xFF));
        Put(a, 7 + 2 * i, static_cast<std::uint8_t>(p.dpiX[i] >> 8));
    }
    Put(a, 16, SensorByte(p));
    Put(a, 17, p.dpiFlag);
    Put(a, 18, p.responseTime);
}

// Answer bytes 2-7 hold modes 0-5.
template <typename Value>
void PutPerMode(Bytes& a, const std::array<Value, 11>& values, int shift) {
    for (std::size_t m = 0; m < 6; ++m) Put(a, 2 + m, static_cast<std::uint8_t>((values[m] >> shift) & 0xFF));
}

}  // namespace

void ResetProfileParts(ProfileMemory& profile, int mask) {
    ProfileMemory factory;
    if (mask & 0x01) {
        profile.buttons = factory.buttons;
        profile.macros.clear();
        profile.macroNames.clear();
    }
    if (mask & 0x04) profile.light = factory.light;
}

void FactoryResetMemory(MouseMemory& memory) {
    for (ProfileMemory& p : memory.profiles) p = ProfileMemory{};
    memory.currentProfile = 0;
}

bool FeatureSettingsWrite(MouseMemory& m, const DeviceSetup& setup, const Bytes& r) {
    if (r.size() < 2) return false;
    ProfileMemory& p = m.Current();
    if (r[0] == 0x52) {
        if (r[1] != 0x57) return false;
        SetWholeProfile(m, setup, r);
        return true;
    }
    if (r[0] != 0x51) return false;
    switch (r[1]) {
    case 0x0B:
        if (At(r, 2) == 0xAA) FactoryResetMemory(m);
        else if (At(r, 2) == 1) ResetProfileParts(p, At(r, 3));
        return true;
    case 0x22:
    case 0x23:
    case 0x27:
    case 0x28: SetFeatureLight(p, r); return true;
    case 0x40: SetDpi(p, setup, r); return true;
    case 0x41: SetRate(p, setup, r); return true;
    case 0x42: SetSensor(p, r); return true;
    case 0x43: SetResponse(p, r); return true;
    default: return false;
    }
}

bool FeatureSettingsAnswer(const MouseMemory& m, const DeviceSetup& setup, const Bytes& request, Bytes& a) {
    if (request.size() < 2 || request[0] != 0x51) return false;
    const ProfileMemory& p = m.profiles[static_cast<std::size_t>(m.currentProfile)];
    switch (request[1]) {
    case 0x07: PutPerformanceBlock(p, setup, a); return true;
    case 0x12: Put(a, 4, p.light.mode); return true;
    case 0x13: PutPerMode(a, p.light.brightness, 0); return true;
    case 0x17: PutPerMode(a, p.light.speed, 0); return true;
    case 0x14: PutPerMode(a, p.light.colour, 0); return true;
    case 0x15: PutPerMode(a, p.light.colour, 8); return true;
    case 0x16: PutPerMode(a, p.light.colour, 16); return true;
    default: return false;
    }
}

bool OutputSettingsWrite(MouseMemory& m, const DeviceSetup& setup, const Bytes& r) {
    if (r.size() < 2 || r[0] != 0xB5) return false;
    ProfileMemory& p = m.Current();
    switch (r[1]) {
    case 0x0A:
        if (At(r, 2) == 1) p.sleepTime = At(r, 3);
        return true;
    case 0x0F:
        if (At(r, 2) == 0x1F) FactoryResetMemory(m);
        else ResetProfileParts(p, At(r, 2));
        return true;
    case 0x24: SetOutputLight(p, r); return true;
    case 0x40: SetDpi(p, setup, r); return true;
    case 0x41: SetRate(p, setup, r); return true;
    case 0x42: SetSensor(p, r); return true;
    case 0x43: SetResponse(p, r); return true;
    default: return false;
    }
}

bool OutputSettingsAnswer(const MouseMemory& m, const DeviceSetup& setup, const Bytes& request, Bytes& a) {
    if (request.size() < 2 || request[0] != 0xB3 || request[1] != 0x06) return false;
    const ProfileMemory& p = m.profiles[static_cast<std::size_t>(m.currentProfile)];
    Put(a, 2, static_cast<std::uint8_t>(m.currentProfile));
    PutPerformanceBlock(p, setup, a);
    Put(a, 19, p.sleepTime);
    Put(a, 20, static_cast<std::uint8_t>((m.battery & 0x7F) | (m.charging ? 0x80 : 0)));
    return true;
}

}  // namespace sim
