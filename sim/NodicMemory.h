#pragma once
// What a second-family mouse keeps: per profile its sensor block, system block,
// button table, macro table and the parameters of each lighting mode, all in the
// mouse's own byte layout (block bytes are frame bytes from 4 on). Battery and
// current profile are the ones every simulated mouse has (MouseMemory).
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace sim {

inline constexpr std::size_t kNodicSensorBytes = 53;   // frame bytes 4-56
inline constexpr std::size_t kNodicSystemBytes = 15;   // frame bytes 4-18
inline constexpr std::size_t kNodicButtonBytes = 48;   // twelve 4-byte codes
inline constexpr std::size_t kNodicLightBytes = 29;    // frame bytes 4-32

struct NodicProfile {
    std::array<std::uint8_t, kNodicSensorBytes> sensor{};
    std::array<std::uint8_t, kNodicSystemBytes> system{};
    std::array<std::uint8_t, kNodicButtonBytes> buttons{};
    std::vector<std::uint8_t> macroTable;  // the last complete upload, as sent
    std::map<int, std::array<std::uint8_t, kNodicLightBytes>> lights;  // by mode code
    std::uint8_t lightCode = 0;  // the current lighting mode, in the mouse's numbering
};

struct NodicMemory {
    bool used = false;  // only a mouse that spoke this family saves these fields
    std::array<NodicProfile, 5> profiles;
    // A macro table arriving in chunks: the chunks so far.
    std::vector<std::uint8_t> macroUpload;
    int factoryResets = 0;

    NodicMemory();
};

// The factory state of one profile: the catalogue's button layout, five of six
// DPI levels active, and recognisable bytes where the program must not touch.
NodicProfile NodicFactoryProfile();
// The factory code of one button (0-11).
std::array<std::uint8_t, 4> NodicFactoryButton(int button);

// Memory file lines "<mouse> n<p>.<field> <hex>"; false for a line that is not one.
std::string SaveNodicLines(const std::string& mouse, const NodicMemory& memory);
bool ApplyNodicLine(NodicMemory& memory, const std::string& key, const std::string& value);

}  // namespace sim
