#pragma once
// Bytes as the memory file writes them: lower-case hex pairs, "-" for none.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

std::string Hex(const std::uint8_t* data, std::size_t size);
// False for text that is not whole hex pairs (or "-").
bool Unhex(const std::string& text, std::vector<std::uint8_t>& out);

}  // namespace sim
