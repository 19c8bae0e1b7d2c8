#include "LayeredPixels.h"

namespace Kelvo::LayeredPixels {

namespace {

CRect Clipped(const CRect& area, int width, int height) {
    CRect clipped;
    clipped.IntersectRect(area, CRect(0, 0, width, height));
    return clipped;
}

}  // namespace

void Clear(std::uint32_t* bits, int width, int height, const CRect& area) {
    if (!bits) return;
    const CRect r = Clipped(area, width, height);
    for (int y = r.top; y < r.bottom; ++y) {
        std::uint32_t* row = bits + static_cast<long long>(RowOf(height, y)) * width;
        for (int x = r.left; x < r.right; ++x) row[x] = 0;
    }
}

void OpaqueDrawnPixels(std::uint32_t* bits, int width, int height, const CRect& area) {
    if (!bits) return;
    const CRect r = Clipped(area, width, height);
    for (int y = r.top; y < r.bottom; ++y) {
        std::uint32_t* row = bits + static_cast<long long>(RowOf(height, y)) * width;
        for (int x = r.left; x < r.right; ++x)
            if ((row[x] & 0xFF000000u) == 0 && (row[x] & 0x00FFFFFFu) != 0) row[x] |= 0xFF000000u;
    }
}

std::uint32_t PixelAt(const std::uint32_t* bits, int width, int height, int x, int y) {
    if (!bits || x < 0 || y < 0 || x >= width || y >= height) return 0;
    return bits[static_cast<long long>(RowOf(height, y)) * width + x];
}

}  // namespace Kelvo::LayeredPixels
