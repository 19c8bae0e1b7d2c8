#pragma once
// Pixel passes over the 32-bit bottom-up buffer a window is painted into (0xAARRGGBB per
// pixel, the last client row first in memory). Areas are in client coordinates (y down)
// and are clipped to the buffer, so no pass ever touches memory outside it.
#include <cstdint>

#include "Geometry.h"

namespace Kelvo::LayeredPixels {

// Memory row of client row y: the bottom-up buffer keeps client row 0 last.
inline int RowOf(int height, int y) { return height - 1 - y; }

// Makes every pixel of `area` fully transparent (all bytes 0).
void Clear(std::uint32_t* bits, int width, int height, const CRect& area);
// GDI leaves alpha at 0 where it draws: pixels of `area` with alpha 0 but some colour
// become opaque, and fully transparent pixels stay transparent.
void OpaqueDrawnPixels(std::uint32_t* bits, int width, int height, const CRect& area);
// The pixel at client (x, y); 0 outside the buffer.
std::uint32_t PixelAt(const std::uint32_t* bits, int width, int height, int x, int y);

}  // namespace Kelvo::LayeredPixels
