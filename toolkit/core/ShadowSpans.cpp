#include "ShadowSpans.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace Kelvo::ShadowSpans {

namespace {

std::vector<Span> FullRows(int width, int height) {
    Span full;
    full.left = 0;
    full.right = width - 1;
    return std::vector<Span>(static_cast<size_t>(std::max(height, 0)), full);
}

// One erosion pass: each row keeps what it shares with both neighbours, one pixel
// narrower on either side.
std::vector<Span> Shrink(const std::vector<Span>& rows) {
    std::vector<Span> out(rows.size());
    for (size_t y = 0; y < rows.size(); ++y) {
        if (y == 0 || y + 1 == rows.size()) continue;
        const Span& above = rows[y - 1];
        const Span& row = rows[y];
        const Span& below = rows[y + 1];
        if (above.Empty() || row.Empty() || below.Empty()) continue;
        out[y].left = std::max({above.left, row.left + 1, below.left});
        out[y].right = std::min({above.right, row.right - 1, below.right});
    }
    return out;
}

struct Kernel {
    int radius = 0;
    std::vector<std::uint32_t> cells;  // (2 radius + 1)^2
    std::uint32_t At(int dx, int dy) const {
        const int side = 2 * radius + 1;
        return cells[static_cast<size_t>(dy + radius) * side + (dx + radius)];
    }
};

Kernel MakeKernel(const Settings& s) {
    Kernel kernel;
    kernel.radius = std::max(s.size, s.sharpness);
    const int k = s.size > s.sharpness ? s.size - s.sharpness : 0;
    const int side = 2 * kernel.radius + 1;
    kernel.cells.resize(static_cast<size_t>(side) * side);
    for (int dy = -kernel.radius; dy <= kernel.radius; ++dy) {
        for (int dx = -kernel.radius; dx <= kernel.radius; ++dx) {
            const double d = std::sqrt(static_cast<double>(dx * dx + dy * dy));
            double alpha = 0;
            if (d < k)
                alpha = s.darkness;
            else if (d <= kernel.radius)
                alpha = (1.0 - (d - k) / (s.sharpness + 1)) * s.darkness;
            const int a = std::clamp(static_cast<int>(alpha), 0, 255);
            kernel.cells[static_cast<size_t>(dy + kernel.radius) * side + (dx + kernel.radius)] =
                Premultiplied(s.colour, a);
        }
    }
    return kernel;
}

void KeepLarger(std::uint32_t& pixel, std::uint32_t value) {
    if ((value >> 24) > (pixel >> 24)) pixel = value;
}

}  // namespace

std::vector<Span> OfWindow(HWND window, int width, int height) {
    std::vector<Span> rows = FullRows(width, height);
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    if (!region) return rows;
    // Without a region of its own (ERROR, the usual case) the window is its rectangle.
    const int kind = ::GetWindowRgn(window, region);
    if (kind != ERROR && kind != NULLREGION) {
        const DWORD bytes = ::GetRegionData(region, 0, nullptr);
        auto buffer = std::make_unique<unsigned char[]>(bytes);
        auto* data = reinterpret_cast<RGNDATA*>(buffer.get());
        if (bytes && ::GetRegionData(region, bytes, data) == bytes) {
            rows.assign(rows.size(), Span{});
            const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
            for (DWORD i = 0; i < data->rdh.nCount; ++i) {
                const RECT& r = rects[i];
                for (int y = std::max<LONG>(r.top, 0); y < std::min<LONG>(r.bottom, height); ++y) {
                    Span& row = rows[static_cast<size_t>(y)];
                    const int left = std::max<LONG>(r.left, 0);
                    const int right = std::min<LONG>(r.right, width) - 1;
                    if (left > right) continue;
                    if (row.Empty()) {
                        row.left = left;
                        row.right = right;
                    } else {
                        row.left = std::min(row.left, left);
                        row.right = std::max(row.right, right);
                    }
                }
            }
        }
    }
    ::DeleteObject(region);
    return rows;
}

std::uint32_t Premultiplied(COLORREF colour, int alpha) {
    const auto scale = [alpha](int channel) { return static_cast<std::uint32_t>(channel * alpha / 255); };
    return (static_cast<std::uint32_t>(alpha) << 24) | (scale(GetRValue(colour)) << 16) |
           (scale(GetGValue(colour)) << 8) | scale(GetBValue(colour));
}

void Draw(const std::vector<Span>& window, const Settings& s, std::uint32_t* picture, int width, int height) {
    const int size = std::max(s.size, 0);
    // The window's rows in the picture: `size` empty rows above and below, `size` columns in.
    std::vector<Span> rows(window.size() + 2 * static_cast<size_t>(size));
    for (size_t y = 0; y < window.size(); ++y) {
        if (window[y].Empty()) continue;
        rows[y + size].left = window[y].left + size;
        rows[y + size].right = window[y].right + size;
    }
    for (int pass = 0; pass < s.sharpness - size; ++pass) rows = Shrink(rows);

    const Kernel kernel = MakeKernel(s);
    const std::uint32_t full = Premultiplied(s.colour, s.darkness);
    auto stamp = [&](int cx, int cy) {
        for (int dy = -kernel.radius; dy <= kernel.radius; ++dy) {
            const int y = cy + dy;
            if (y < 0 || y >= height) continue;
            for (int dx = -kernel.radius; dx <= kernel.radius; ++dx) {
                const int x = cx + dx;
                if (x < 0 || x >= width) continue;
                KeepLarger(picture[static_cast<size_t>(y) * width + x], kernel.At(dx, dy));
            }
        }
    };
    for (int y = 0; y < static_cast<int>(rows.size()) && y < height; ++y) {
        const Span& row = rows[static_cast<size_t>(y)];
        if (row.Empty()) continue;
        stamp(row.left, y);
        stamp(row.right, y);
        for (int x = std::max(row.left + 1, 0); x < std::min(row.right, width); ++x)
            KeepLarger(picture[static_cast<size_t>(y) * width + x], full);
    }
    // The window itself lies at (size - x offset, size - y offset) in the picture.
    for (size_t wy = 0; wy < window.size(); ++wy) {
        const int y = static_cast<int>(wy) + size - s.yOffset;
        if (y < 0 || y >= height || window[wy].Empty()) continue;
        const int left = std::max(window[wy].left + size - s.xOffset, 0);
        const int right = std::min(window[wy].right + size - s.xOffset, width - 1);
        for (int x = left; x <= right; ++x) picture[static_cast<size_t>(y) * width + x] = 0;
    }
}

}  // namespace Kelvo::ShadowSpans
