#include "NodicMemory.h"

#include <cstdio>
#include <sstream>

#include "MemoryText.h"

namespace sim {
namespace {

template <std::size_t N>
bool Fill(std::array<std::uint8_t, N>& into, const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() != N) return false;
    std::copy(bytes.begin(), bytes.end(), into.begin());
    return true;
}

void PutLe16(std::uint8_t* at, int value) {
    at[0] = static_cast<std::uint8_t>(value & 0xFF);
    at[1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

}  // namespace

std::array<std::uint8_t, 4> NodicFactoryButton(int button) {
    switch (button) {
    case 0: return {0x01, 0x00, 0xF0, 0x00};   // left click
    case 1: return {0x01, 0x00, 0xF1, 0x00};   // right click
    case 2: return {0x01, 0x00, 0xF2, 0x00};   // middle click
    case 3: return {0x01, 0x00, 0xF4, 0x00};   // forward
    case 4: return {0x01, 0x00, 0xF3, 0x00};   // back
    case 7: return {0x07, 0x00, 0x03, 0x00};   // DPI cycle
    case 10: return {0x01, 0x00, 0xF5, 0x00};  // wheel left
    case 11: return {0x01, 0x00, 0xF6, 0x00};  // wheel right
    default: return {0x00, 0x00, 0x00, 0x00};
    }
}

NodicProfile NodicFactoryProfile() {
    NodicProfile p;
    auto sensor = [&p](std::size_t frameByte) -> std::uint8_t& { return p.sensor[frameByte - 4]; };
    sensor(4) = 1;  // the switch of sensor bit 3 on
    sensor(8) = 0x11;
    sensor(9) = 0x22;
    sensor(10) = 0x33;
    sensor(11) = 2;     // lift-off height
    sensor(13) = 1;     // second level
    sensor(14) = 0x1F;  // five levels
    const int dpi[6] = {400, 800, 1600, 3200, 6400, 12800};
    for (std::size_t i = 0; i < 6; ++i) {
        PutLe16(&sensor(15 + 4 * i), dpi[i]);
        PutLe16(&sensor(17 + 4 * i), dpi[i]);
    }
    for (std::size_t b = 39; b <= 56; ++b) sensor(b) = static_cast<std::uint8_t>(0xA0 + b - 39);
    auto system = [&p](std::size_t frameByte) -> std::uint8_t& { return p.system[frameByte - 4]; };
    PutLe16(&system(4), 600);
    PutLe16(&system(6), 600);
    system(8) = 3;  // 1000 Hz
    system(9) = 4;  // response time
    for (std::size_t b = 10; b <= 13; ++b) system(b) = static_cast<std::uint8_t>(0x50 + b);
    for (std::size_t b = 15; b <= 18; ++b) system(b) = static_cast<std::uint8_t>(0x60 + b);
    for (int b = 0; b < 12; ++b) {
        auto code = NodicFactoryButton(b);
        std::copy(code.begin(), code.end(), p.buttons.begin() + 4 * b);
    }
    p.lightCode = 3;
    return p;
}

NodicMemory::NodicMemory() { profiles.fill(NodicFactoryProfile()); }

std::string SaveNodicLines(const std::string& mouse, const NodicMemory& m) {
    if (!m.used) return "";
    std::ostringstream out;
    for (std::size_t i = 0; i < m.profiles.size(); ++i) {
        const NodicProfile& p = m.profiles[i];
        std::string key = mouse + " n" + std::to_string(i) + ".";
        out << key << "sensor " << Hex(p.sensor.data(), p.sensor.size()) << "\n";
        out << key << "system " << Hex(p.system.data(), p.system.size()) << "\n";
        out << key << "buttons " << Hex(p.buttons.data(), p.buttons.size()) << "\n";
        out << key << "macros " << Hex(p.macroTable.data(), p.macroTable.size()) << "\n";
        out << key << "lightcode " << Hex(&p.lightCode, 1) << "\n";
        for (const auto& [code, light] : p.lights)
            out << key << "light" << code << " " << Hex(light.data(), light.size()) << "\n";
    }
    return out.str();
}

bool ApplyNodicLine(NodicMemory& m, const std::string& key, const std::string& value) {
    std::vector<std::uint8_t> bytes;
    if (key.size() < 4 || key[0] != 'n' || key[1] < '0' || key[1] > '4' || key[2] != '.' || !Unhex(value, bytes))
        return false;
    NodicProfile& p = m.profiles[static_cast<std::size_t>(key[1] - '0')];
    std::string field = key.substr(3);
    int code = 0;
    bool ok = false;
    if (field == "sensor") ok = Fill(p.sensor, bytes);
    else if (field == "system") ok = Fill(p.system, bytes);
    else if (field == "buttons") ok = Fill(p.buttons, bytes);
    else if (field == "macros") { p.macroTable = bytes; ok = true; }
    else if (field == "lightcode" && bytes.size() == 1) { p.lightCode = bytes[0]; ok = true; }
    else if (std::sscanf(field.c_str(), "light%d", &code) == 1 && code >= 0 && code < 256)
        ok = Fill(p.lights[code], bytes);
    if (ok) m.used = true;
    return ok;
}

}  // namespace sim
