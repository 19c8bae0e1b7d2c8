#pragma once
// Hue, saturation and lightness to a colour reference and back, as the colour pickers
// compute them. Both work in single precision and truncate rather than round, so the
// values the pickers show and store stay the same on every machine. A colour reference
// is 0x00BBGGRR: red in the low byte.
#include <windows.h>

#include "KelvoApi.h"

namespace Kelvo {

struct HslColour {
    float h;  // 0 … 1 for 0 … 360 degrees
    float s;  // 0 … 1
    float l;  // 0 … 1
};

// h, s and l in 0 … 1; the result has its top byte clear.
KELVO_API DWORD HSLToRGB(float h, float s, float l);
// The top byte of `colour` is ignored.
KELVO_API HslColour RGBToHSL(DWORD colour);

}  // namespace Kelvo
