#include "LightDefaults.h"

namespace {

// Here the upper bound is inclusive, unlike the configuration defaults.
bool UsesSlowSpeedScale(int t) { return t > 200 && t <= 300; }

struct ModeDefault {
    const wchar_t* name;  // internal names, stored as the device tools expect them
    int config_func;
    int reserved;         // text id of the display name
};

const ModeDefault kModes[] = {
    {L"\u5173\u95ED", 0, 280},              // off
    {L"\u5355\u8272\u5E38\u4EAE", 17, 281},  // steady single colour
    {L"\u5355\u8272\u547C\u5438", 19, 282},  // breathing single colour
    {L"\u5149\u8C31\u5FAA\u73AF", 3, 283},   // spectrum cycle
};

}  // namespace

std::vector<LightRecord> DefaultLights(int profile, int deviceType) {
    std::vector<LightRecord> lights;
    int mode = 0;
    for (const ModeDefault& m : kModes) {
        LightRecord r;
        r.profile = profile;
        r.name = m.name;
        r.mode = mode++;
        r.brightness = 255;
        r.speed = UsesSlowSpeedScale(deviceType) ? 1 : 128;
        r.direction = 0;
        r.colorful = 1;
        r.colorindex = 0;
        r.color_value = 255;
        r.config_func = m.config_func;
        r.reserved = m.reserved;
        r.status = 0;
        lights.push_back(r);
    }
    return lights;
}
