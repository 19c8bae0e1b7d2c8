#pragma once
// The computed drop shadow: the outline of a window as one span per row, eroded for
// sharpness, with a round soft-edged kernel stamped along the outline. Pictures are
// premultiplied 0xAARRGGBB, top row first.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace Kelvo::ShadowSpans {

// Columns left ... right (inclusive) of one row; empty rows have left > right.
struct Span {
    int left = 1;
    int right = 0;
    bool Empty() const { return left > right; }
};

struct Settings {
    int size = 0;       // >= 0
    int sharpness = 0;  // 0 ... 35
    int darkness = 0;   // 0 ... 255
    int xOffset = 0;
    int yOffset = 0;
    COLORREF colour = 0;  // colour reference
};

// The window's rows (width x height) from its window region, or all of each row when
// the window has no region.
std::vector<Span> OfWindow(HWND window, int width, int height);
// The full-darkness colour of the settings, premultiplied.
std::uint32_t Premultiplied(COLORREF colour, int alpha);
// Draws the shadow of a window with `rows` into a (width + 2 size) x (height + 2 size)
// picture, leaving the pixels the window itself covers transparent.
void Draw(const std::vector<Span>& rows, const Settings& settings, std::uint32_t* picture, int width, int height);

}  // namespace Kelvo::ShadowSpans
