// The colour conversions against worked values (truncation, not rounding, and red in the
// low byte), and every 8-bit colour through RGBToHSL and back within one step.
#include <gtest/gtest.h>

#include <cstdlib>

#include "ColourConversion.h"

namespace {

using Kelvo::HSLToRGB;
using Kelvo::RGBToHSL;

TEST(ColourConversionTest, HslGivesColourReferences) {
    const struct {
        float h, s, l;
        DWORD colour;
    } cases[] = {
        {0.0f, 1.0f, 0.5f, 0x0000FF},          // pure red in the low byte
        {0.0f, 0.0f, 0.5f, 0x7F7F7F},          // grey: 127.5 truncates
        {0.3f, 0.0f, 0.5f, 0x7F7F7F},          // grey whatever the hue
        {0.999f, 0.0f, 0.5f, 0x7F7F7F},
        {0.5f, 1.0f, 0.5f, 0xFEFF00},          // cyan: blue truncates to 254
        {0.0f, 1.0f, 1.0f, 0xFFFFFF},
        {0.0f, 1.0f, 0.0f, 0x000000},
        {0.0f, 0.5f, 0.5f, 0x3F3FBF},          // q 0.75, p 0.25
        {0.0f, 0.0f, 1.0f, 0xFFFFFF},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HSLToRGB(c.h, c.s, c.l), c.colour) << c.h << " " << c.s << " " << c.l;
}

TEST(ColourConversionTest, ColourReferencesGiveHsl) {
    const struct {
        DWORD colour;
        float h, s, l;
    } cases[] = {
        {0x0000FF, 0.0f, 1.0f, 0.5f},             // red
        {0xFF0000FF, 0.0f, 1.0f, 0.5f},           // the top byte is not looked at
        {0x00FF00, 1.0f / 3, 1.0f, 0.5f},         // green
        {0xFF0000, 2.0f / 3, 1.0f, 0.5f},         // blue
        {0x808080, 0.0f, 0.0f, 128.0f / 255},     // grey has no hue
        {0xFFFFFF, 0.0f, 0.0f, 1.0f},
        {0x000000, 0.0f, 0.0f, 0.0f},
        {0xFF00FF, 5.0f / 6, 1.0f, 0.5f},         // magenta wraps below 0 into 0 … 1
        {0x3F3FBF, 0.0f, 128.0f / 254, 127.0f / 255},
    };
    for (const auto& c : cases) {
        const Kelvo::HslColour hsl = RGBToHSL(c.colour);
        EXPECT_NEAR(hsl.h, c.h, 1e-6) << std::hex << c.colour;
        EXPECT_NEAR(hsl.s, c.s, 1e-6) << std::hex << c.colour;
        EXPECT_NEAR(hsl.l, c.l, 1e-6) << std::hex << c.colour;
    }
}

TEST(ColourConversionTest, EveryColourComesBackWithinOneStep) {
    int worst = 0;
    DWORD worstColour = 0;
    for (DWORD colour = 0; colour < 0x1000000; ++colour) {
        const Kelvo::HslColour hsl = RGBToHSL(colour);
        const DWORD back = HSLToRGB(hsl.h, hsl.s, hsl.l);
        for (int shift : {0, 8, 16}) {
            const int step = std::abs(static_cast<int>((colour >> shift) & 0xFF) - static_cast<int>((back >> shift) & 0xFF));
            if (step > worst) {
                worst = step;
                worstColour = colour;
            }
        }
    }
    EXPECT_LE(worst, 1) << std::hex << worstColour;
}

}  // namespace
