#pragma once
// The arithmetic behind MRender's drawing, apart from any device: nine-grid pieces, the
// alpha ramps of transitions, rounded-rectangle radii, gradient bands and alignment.
// Portable, so it is tested natively as well.
#include <array>
#include <cstdint>
#include <vector>

#include "Geometry.h"

namespace Kelvo {

// A rectangle as origin and size, the way the drawing calls take it.
struct GridRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const GridRect& a, const GridRect& b) {
        return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
    }
};

struct NineGridPiece {
    GridRect dest;
    GridRect src;
    // A piece with an empty or negative side in either rectangle draws nothing (drawing
    // it would mirror the image).
    bool IsDrawable() const { return dest.width > 0 && dest.height > 0 && src.width > 0 && src.height > 0; }
};

// The nine pieces of source frame (sx, sy, sw, sh) drawn into `dest` with margins left,
// top, right and bottom, in drawing order: top-left, left, bottom-left, top, top-right,
// right, bottom-right, bottom, centre.
std::array<NineGridPiece, 9> NineGridPieces(const CRect& dest, int sx, int sy, int sw, int sh, int left, int top,
                                            int right, int bottom);

// The constant alpha of each row (or column) of a transition between two percentages.
struct AlphaRamp {
    int start = 255;       // 255 − min(from, to) %
    int end = 255;         // (100 − max(from, to)) %
    double step = 0;       // (start − end) / count, fractional
    bool fadeOut = false;  // from < to: start at `start` and fall; else start at `end` and rise
    // Alpha of row `index`, limited to 0 … 255.
    int AlphaAt(int index) const;
};
// Percentages are limited to 0 … 100; a count below 1 gives a step of 0.
AlphaRamp MakeAlphaRamp(int fromPercent, int toPercent, int count);

// Alpha of the corner fade at (dx, dy) from the fade's origin inside a size × size square.
int RadialFadeAlpha(int dx, int dy, int size);

struct CornerRadii {
    float rx = 0;
    float ry = 0;
};
// rx = width / divisor / 2, ry = height / divisor / 2; both the smaller one when they
// differ by more than 10; no rounding for a divisor ≤ 0. Limited to half the sides.
CornerRadii RadiiFromDivisor(float width, float height, float divisor);
// The same radius both ways, limited to half the width and half the height.
CornerRadii RadiiFromRadius(float width, float height, float radius);

// A 16-bit vertex colour channel from an 8-bit one (the byte in the high half).
inline uint16_t GradientChannel(uint8_t byte) { return static_cast<uint16_t>(byte << 8); }
// Mean of the two alpha bytes of ARGB colours.
int GradientAlpha(uint32_t fromArgb, uint32_t toArgb);

struct GradientBand {
    CRect rect;
    uint32_t colour = 0;  // colour reference 0x00BBGGRR
};
// 2^k bands for `steps`: k = 1 below 4, 2 below 8, 3 below 16, 4 below 32, 5 below 64, else 6.
int GradientBandCount(int steps);
// Solid bands covering a width × height area at the origin, colours interpolated from
// `fromArgb` (top or left) to `toArgb` (bottom or right), listed in filling order: from
// the bottom (vertical) or from the right.
std::vector<GradientBand> GradientBands(int width, int height, uint32_t fromArgb, uint32_t toArgb, bool vertical,
                                        int steps);

// Offset of an item in an area for the DT_* alignments (1 centre, 2 right; 4 centre, 8 bottom).
CPoint AlignedOffset(int areaWidth, int areaHeight, int itemWidth, int itemHeight, int hAlign, int vAlign);

// Height of a one-line text box: the font height plus 4 when it has a fraction, else plus 1.
int SingleLineTextHeight(float fontHeight);
// Height of a wrapped text box from the font height and the laid-out bounds height.
int WrappedTextHeight(float fontHeight, float boundsHeight);

}  // namespace Kelvo
