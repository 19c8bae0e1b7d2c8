#pragma once
// One lighting mode of a profile (t_light_data); one mode per profile is active.
#include "CString.h"

struct LightRecord {
    int light_id = 0;
    int profile = 0;
    CString name;  // internal name, never shown
    int mode = 0;  // 0 to 3 in the default set; unique per profile
    int brightness = 0;
    int speed = 0;
    int direction = 0;
    int colorful = 0;
    int colorindex = 0;
    int color_value = 0;  // COLORREF 0x00BBGGRR
    int config_func = 0;  // bits: 0x01 brightness, 0x02 speed, 0x10 colour
    int reserved = 0;     // text id of the mode's display name
    int status = 0;       // 1 for the profile's active mode
};
