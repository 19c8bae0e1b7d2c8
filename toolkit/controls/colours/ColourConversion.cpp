#include "ColourConversion.h"

#include <cmath>

namespace Kelvo {

namespace {

constexpr float kOneThird = 0.33333334f;
constexpr float kTwoThirds = 0.6666667f;

// One channel of `value` × 255, truncated toward zero with its low 8 bits kept. Values
// outside any sensible range (from arguments outside 0 … 1) still give a byte rather than
// an undefined conversion.
DWORD ChannelByte(float value) {
    const float scaled = value * 255.0f;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 2147483520.0f) return 0;
    return static_cast<DWORD>(static_cast<int>(scaled)) & 0xFF;
}

float Component(float p, float q, float t) {
    if (t < 0) t += 1;
    if (t > 1) t -= 1;
    if (6 * t < 1) return p + (q - p) * 6 * t;
    if (2 * t < 1) return q;
    if (3 * t < 2) return p + (q - p) * (kTwoThirds - t) * 6;
    return p;
}

float Channel(DWORD colour, int shift) { return static_cast<float>((colour >> shift) & 0xFF) / 255.0f; }

}  // namespace

DWORD HSLToRGB(float h, float s, float l) {
    if (s == 0) {
        const DWORD grey = ChannelByte(l);
        return grey | grey << 8 | grey << 16;
    }
    const float q = l < 0.5f ? l * (1 + s) : l + s - l * s;
    const float p = 2 * l - q;
    const DWORD red = ChannelByte(Component(p, q, h + kOneThird));
    const DWORD green = ChannelByte(Component(p, q, h));
    const DWORD blue = ChannelByte(Component(p, q, h - kOneThird));
    return red | green << 8 | blue << 16;
}

HslColour RGBToHSL(DWORD colour) {
    const float r = Channel(colour, 0);
    const float g = Channel(colour, 8);
    const float b = Channel(colour, 16);
    const float max = std::fmax(r, std::fmax(g, b));
    const float min = std::fmin(r, std::fmin(g, b));
    const float d = max - min;
    HslColour hsl{0, 0, (max + min) / 2};
    if (d == 0) return hsl;
    hsl.s = hsl.l < 0.5f ? d / (max + min) : d / (2 - max - min);
    const float dr = ((max - r) / 6 + d / 2) / d;
    const float dg = ((max - g) / 6 + d / 2) / d;
    const float db = ((max - b) / 6 + d / 2) / d;
    if (r == max)
        hsl.h = db - dg;
    else if (g == max)
        hsl.h = kOneThird + dr - db;
    else
        hsl.h = kTwoThirds + dg - dr;
    if (hsl.h < 0) hsl.h += 1;
    if (hsl.h > 1) hsl.h -= 1;
    return hsl;
}

}  // namespace Kelvo
