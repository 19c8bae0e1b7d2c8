#pragma once
// What a simulated mouse keeps in its own flash: five profiles of settings,
// buttons, macros and lighting, plus its battery. Plain data that tests inspect
// and the drop-in library keeps in a file between runs.
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "NodicMemory.h"

namespace sim {

// A button's code as the assign command carries it: the function type first, then
// its parameters; all zero is the button's factory function. A whole-profile slot
// fills the first four bytes.
using StoredButton = std::array<std::uint8_t, 10>;

// Each lighting mode's values, as the lighting commands set them.
struct LightingMemory {
    std::uint8_t mode = 0;  // active mode, 0-10
    std::array<std::uint8_t, 11> brightness{3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3};
    std::array<std::uint8_t, 11> speed{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    std::array<std::uint32_t, 11> colour{};  // 0x00BBGGRR
};

struct ProfileMemory {
    std::uint8_t dpiIndex = 1;     // 0-based current level
    std::uint8_t dpiCount = 5;
    std::array<std::uint16_t, 5> dpiX{400, 800, 1600, 3200, 6400};
    std::array<std::uint16_t, 5> dpiY{400, 800, 1600, 3200, 6400};
    std::uint8_t rateCode = 2;     // 1000 Hz
    std::uint8_t sensorFlags = 0;
    std::uint8_t liftOff = 1;
    std::uint8_t responseTime = 4;
    std::uint8_t sleepTime = 3;
    std::array<std::uint8_t, 11> lighting{};
    std::uint8_t scrollFlag = 1;   // 2 = reversed
    std::uint8_t esports = 1;      // 2 = on
    std::uint8_t dpiFlag = 0;
    LightingMemory light;
    std::vector<StoredButton> buttons = std::vector<StoredButton>(16);
    std::map<int, std::vector<std::uint8_t>> macros;  // button index -> macro body
    std::map<int, std::string> macroNames;            // button index -> name bytes as sent
};

// A macro upload in progress: what the mouse holds in RAM between its chunks. Never saved.
struct MacroUpload {
    int button = -1;  // -1: nothing in progress
    int nextChunk = 0;
    std::vector<std::uint8_t> bytes;
};

struct MouseMemory {
    int currentProfile = 0;  // 0..4
    std::array<ProfileMemory, 5> profiles{};
    std::uint8_t battery = 80;
    std::uint8_t charging = 0;
    std::string firmware = "1.02";
    NodicMemory nodic;  // the second family's blocks and tables
    // Writes no handler understands yet, kept by "report id, command" so tests
    // can still see that they arrived.
    std::map<std::string, std::vector<std::uint8_t>> unhandledWrites;
    MacroUpload upload;

    ProfileMemory& Current() { return profiles[static_cast<std::size_t>(currentProfile)]; }
};

// One "key value" line per field; unknown or malformed lines are skipped on reading,
// so an old or damaged file gives defaults rather than a failure.
std::string SaveMemory(const std::map<std::string, MouseMemory>& mice);
std::map<std::string, MouseMemory> LoadMemory(const std::string& text);

}  // namespace sim
