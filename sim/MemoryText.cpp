#include "MemoryText.h"

#include <cstdio>

namespace sim {

std::string Hex(const std::uint8_t* data, std::size_t size) {
    static const char kDigits[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < size; ++i) {
        out += kDigits[data[i] >> 4];
        out += kDigits[data[i] & 15];
    }
    return out.empty() ? "-" : out;
}

bool Unhex(const std::string& text, std::vector<std::uint8_t>& out) {
    out.clear();
    if (text == "-") return true;
    if (text.size() % 2 != 0) return false;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        unsigned value = 0;
        if (std::sscanf(text.substr(i, 2).c_str(), "%2x", &value) != 1) return false;
        out.push_back(static_cast<std::uint8_t>(value));
    }
    return true;
}

}  // namespace sim
