#include "RenderGeometry.h"

#include <algorithm>
#include <cmath>

namespace Kelvo {

std::array<NineGridPiece, 9> NineGridPieces(const CRect& dest, int sx, int sy, int sw, int sh, int left, int top,
                                            int right, int bottom) {
    const int L = dest.left, T = dest.top, R = dest.right, B = dest.bottom;
    const int midW = R - L - left - right, midH = B - T - top - bottom;
    const int srcMidW = sw - left - right, srcMidH = sh - top - bottom;
    return {{
        {{L, T, left, top}, {sx, sy, left, top}},
        {{L, T + top, left, midH}, {sx, sy + top, left, srcMidH}},
        {{L, B - bottom, left, bottom}, {sx, sy + sh - bottom, left, bottom}},
        {{L + left, T, midW, top}, {sx + left, sy, srcMidW, top}},
        {{R - right, T, right, top}, {sx + sw - right, sy, right, top}},
        {{R - right, T + top, right, midH}, {sx + sw - right, sy + top, right, srcMidH}},
        {{R - right, B - bottom, right, bottom}, {sx + sw - right, sy + sh - bottom, right, bottom}},
        {{L + left, B - bottom, midW, bottom}, {sx + left, sy + sh - bottom, srcMidW, bottom}},
        {{L + left, T + top, midW, midH}, {sx + left, sy + top, srcMidW, srcMidH}},
    }};
}

int AlphaRamp::AlphaAt(int index) const {
    const double alpha = fadeOut ? start - index * step : end + index * step;
    return std::clamp(static_cast<int>(alpha), 0, 255);
}

AlphaRamp MakeAlphaRamp(int fromPercent, int toPercent, int count) {
    const int from = std::clamp(fromPercent, 0, 100), to = std::clamp(toPercent, 0, 100);
    AlphaRamp ramp;
    ramp.start = static_cast<int>(255.0 - std::min(from, to) * 255.0 / 100.0);
    ramp.end = static_cast<int>((100.0 - std::max(from, to)) * 255.0 / 100.0);
    ramp.step = count > 0 ? static_cast<double>(ramp.start - ramp.end) / count : 0.0;
    ramp.fadeOut = from < to;
    return ramp;
}

int RadialFadeAlpha(int dx, int dy, int size) {
    if (size <= 0) return 0;
    const double distance = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
    return std::clamp(static_cast<int>(255.0 - 255.0 * std::min<double>(size, distance) / size), 0, 255);
}

namespace {

CornerRadii Limited(float width, float height, CornerRadii radii) {
    radii.rx = std::clamp(radii.rx, 0.0f, std::max(width, 0.0f) / 2);
    radii.ry = std::clamp(radii.ry, 0.0f, std::max(height, 0.0f) / 2);
    return radii;
}

}  // namespace

CornerRadii RadiiFromDivisor(float width, float height, float divisor) {
    if (!(divisor > 0)) return {};
    CornerRadii radii{width / divisor / 2, height / divisor / 2};
    if (std::fabs(radii.rx - radii.ry) > 10) radii.rx = radii.ry = std::min(radii.rx, radii.ry);
    return Limited(width, height, radii);
}

CornerRadii RadiiFromRadius(float width, float height, float radius) {
    return Limited(width, height, {radius, radius});
}

int GradientAlpha(uint32_t fromArgb, uint32_t toArgb) {
    return static_cast<int>(((fromArgb >> 24) + (toArgb >> 24)) / 2);
}

int GradientBandCount(int steps) {
    int k = 6;
    if (steps < 4) k = 1;
    else if (steps < 8) k = 2;
    else if (steps < 16) k = 3;
    else if (steps < 32) k = 4;
    else if (steps < 64) k = 5;
    return 1 << k;
}

std::vector<GradientBand> GradientBands(int width, int height, uint32_t fromArgb, uint32_t toArgb, bool vertical,
                                        int steps) {
    std::vector<GradientBand> bands;
    if (width <= 0 || height <= 0) return bands;
    const int count = GradientBandCount(steps);
    const int length = vertical ? height : width;
    auto channel = [&](int shift, int band) {
        const int a = static_cast<int>((fromArgb >> shift) & 0xFF), b = static_cast<int>((toArgb >> shift) & 0xFF);
        return static_cast<uint32_t>(a + (b - a) * band / (count - 1));
    };
    for (int band = count - 1; band >= 0; --band) {
        const int first = length * band / count, last = length * (band + 1) / count;
        if (last <= first) continue;
        GradientBand out;
        out.rect = vertical ? CRect(0, first, width, last) : CRect(first, 0, last, height);
        out.colour = channel(16, band) | (channel(8, band) << 8) | (channel(0, band) << 16);
        bands.push_back(out);
    }
    return bands;
}

CPoint AlignedOffset(int areaWidth, int areaHeight, int itemWidth, int itemHeight, int hAlign, int vAlign) {
    CPoint offset;
    if (hAlign == 1) offset.x = (areaWidth - itemWidth) / 2;
    else if (hAlign == 2) offset.x = areaWidth - itemWidth;
    if (vAlign == 4) offset.y = (areaHeight - itemHeight) / 2;
    else if (vAlign == 8) offset.y = areaHeight - itemHeight;
    return offset;
}

namespace {

bool HasFraction(float value) { return value != std::floor(value); }

}  // namespace

int SingleLineTextHeight(float fontHeight) {
    return static_cast<int>(fontHeight + (HasFraction(fontHeight) ? 4 : 1));
}

int WrappedTextHeight(float fontHeight, float boundsHeight) {
    const int f = static_cast<int>(fontHeight + (HasFraction(fontHeight) ? 2 : 1));
    const int b = static_cast<int>(boundsHeight + (HasFraction(boundsHeight) ? 2 : 1));
    return f < b ? b + 5 : f + 1;
}

}  // namespace Kelvo
