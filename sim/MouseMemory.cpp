#include "MouseMemory.h"

#include <cstdio>
#include <sstream>

#include "MemoryText.h"

namespace sim {
namespace {

// The fixed-size part of a profile as one byte block, so it saves and loads in one line.
std::vector<std::uint8_t> PackSettings(const ProfileMemory& p) {
    std::vector<std::uint8_t> b{p.dpiIndex, p.dpiCount, p.rateCode, p.sensorFlags, p.liftOff, p.responseTime,
                                p.sleepTime};
    for (int i = 0; i < 5; ++i) {
        for (std::uint16_t v : {p.dpiX[static_cast<std::size_t>(i)], p.dpiY[static_cast<std::size_t>(i)]}) {
            b.push_back(static_cast<std::uint8_t>(v & 0xFF));
            b.push_back(static_cast<std::uint8_t>(v >> 8));
        }
    }
    b.insert(b.end(), p.lighting.begin(), p.lighting.end());
    return b;
}

void UnpackSettings(const std::vector<std::uint8_t>& b, ProfileMemory& p) {
    if (b.size() != 7 + 20 + 11) return;
    p.dpiIndex = b[0]; p.dpiCount = b[1]; p.rateCode = b[2]; p.sensorFlags = b[3];
    p.liftOff = b[4]; p.responseTime = b[5]; p.sleepTime = b[6];
    for (std::size_t i = 0; i < 5; ++i) {
        p.dpiX[i] = static_cast<std::uint16_t>(b[7 + i * 4] | (b[8 + i * 4] << 8));
        p.dpiY[i] = static_cast<std::uint16_t>(b[9 + i * 4] | (b[10 + i * 4] << 8));
    }
    for (std::size_t i = 0; i < 11; ++i) p.lighting[i] = b[27 + i];
}

// The settings added after the first memory files: their own line, so older files still load.
std::vector<std::uint8_t> PackExtra(const ProfileMemory& p) {
    std::vector<std::uint8_t> b{p.scrollFlag, p.esports, p.dpiFlag, p.light.mode};
    b.insert(b.end(), p.light.brightness.begin(), p.light.brightness.end());
    b.insert(b.end(), p.light.speed.begin(), p.light.speed.end());
    for (std::uint32_t c : p.light.colour)
        for (int shift : {0, 8, 16}) b.push_back(static_cast<std::uint8_t>((c >> shift) & 0xFF));
    return b;
}

void UnpackExtra(const std::vector<std::uint8_t>& b, ProfileMemory& p) {
    if (b.size() != 4 + 11 + 11 + 33) return;
    p.scrollFlag = b[0]; p.esports = b[1]; p.dpiFlag = b[2]; p.light.mode = b[3];
    for (std::size_t i = 0; i < 11; ++i) {
        p.light.brightness[i] = b[4 + i];
        p.light.speed[i] = b[15 + i];
        p.light.colour[i] = static_cast<std::uint32_t>(b[26 + 3 * i] | (b[27 + 3 * i] << 8) | (b[28 + 3 * i] << 16));
    }
}

void ApplyLine(std::map<std::string, MouseMemory>& mice, std::istringstream& line) {
    std::string mouse, key, value;
    if (!(line >> mouse >> key >> value)) return;
    MouseMemory& m = mice[mouse];
    std::vector<std::uint8_t> bytes;
    int index = 0, sub = 0;
    if (key == "profile" && std::sscanf(value.c_str(), "%d", &index) == 1 && index >= 0 && index < 5) {
        m.currentProfile = index;
    } else if (key == "battery" && Unhex(value, bytes) && bytes.size() == 2) {
        m.battery = bytes[0];
        m.charging = bytes[1];
    } else if (ApplyNodicLine(m.nodic, key, value)) {
    } else if (key == "firmware") {
        m.firmware = value;
    } else if (key.size() > 3 && key[0] == 'p' && key[1] >= '0' && key[1] <= '4' && key[2] == '.' &&
               Unhex(value, bytes)) {
        ProfileMemory& p = m.profiles[static_cast<std::size_t>(key[1] - '0')];
        std::string field = key.substr(3);
        if (field == "settings") {
            UnpackSettings(bytes, p);
        } else if (field == "extra") {
            UnpackExtra(bytes, p);
        } else if (std::sscanf(field.c_str(), "button%d", &sub) == 1 && sub >= 0 && sub < 16 && bytes.size() >= 4 &&
                   bytes.size() <= StoredButton().size()) {
            // Older files kept four bytes per button; the rest stays zero.
            StoredButton& button = p.buttons[static_cast<std::size_t>(sub)];
            button.fill(0);
            std::copy(bytes.begin(), bytes.end(), button.begin());
        } else if (std::sscanf(field.c_str(), "name%d", &sub) == 1 && sub >= 0 && sub < 256) {
            p.macroNames[sub] = std::string(bytes.begin(), bytes.end());
        } else if (std::sscanf(field.c_str(), "macro%d", &sub) == 1 && sub >= 0 && sub < 256) {
            p.macros[sub] = bytes;
        }
    } else if (key.rfind("write.", 0) == 0 && Unhex(value, bytes)) {
        m.unhandledWrites[key.substr(6)] = bytes;
    }
}

}  // namespace

std::string SaveMemory(const std::map<std::string, MouseMemory>& mice) {
    std::ostringstream out;
    for (const auto& [name, m] : mice) {
        std::uint8_t battery[2] = {m.battery, m.charging};
        out << name << " profile " << m.currentProfile << "\n";
        out << name << " battery " << Hex(battery, 2) << "\n";
        out << name << " firmware " << m.firmware << "\n";
        for (std::size_t p = 0; p < 5; ++p) {
            const ProfileMemory& prof = m.profiles[p];
            auto settings = PackSettings(prof);
            out << name << " p" << p << ".settings " << Hex(settings.data(), settings.size()) << "\n";
            auto extra = PackExtra(prof);
            out << name << " p" << p << ".extra " << Hex(extra.data(), extra.size()) << "\n";
            for (std::size_t b = 0; b < prof.buttons.size(); ++b)
                out << name << " p" << p << ".button" << b << " " << Hex(prof.buttons[b].data(), prof.buttons[b].size())
                    << "\n";
            for (const auto& [index, body] : prof.macros)
                out << name << " p" << p << ".macro" << index << " " << Hex(body.data(), body.size()) << "\n";
            for (const auto& [index, text] : prof.macroNames)
                out << name << " p" << p << ".name" << index << " "
                    << Hex(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()) << "\n";
        }
        out << SaveNodicLines(name, m.nodic);
        for (const auto& [key, bytes] : m.unhandledWrites)
            out << name << " write." << key << " " << Hex(bytes.data(), bytes.size()) << "\n";
    }
    return out.str();
}

std::map<std::string, MouseMemory> LoadMemory(const std::string& text) {
    std::map<std::string, MouseMemory> mice;
    std::istringstream in(text);
    std::string raw;
    while (std::getline(in, raw)) {
        if (raw.empty() || raw[0] == '#') continue;
        std::istringstream line(raw);
        ApplyLine(mice, line);
    }
    return mice;
}

}  // namespace sim
