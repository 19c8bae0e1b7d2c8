#include "StripFrame.h"

#include <algorithm>

namespace Kelvo {

void DrawStripFrameAtLeft(Gdiplus::Graphics& graphics, Gdiplus::Image* image, int frameWidth, int frameHeight,
                          int frames, int frame, const CRect& cell) {
    if (!image || frameWidth <= 0 || frameHeight <= 0) return;
    frames = std::max(frames, 1);
    frame = std::clamp(frame, 0, frames - 1);
    const int top = cell.top + (cell.Height() - frameHeight) / 2;
    // Same size on both sides, so the copy must not blend neighbouring frames into this one.
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    graphics.DrawImage(image, Gdiplus::Rect(cell.left, top, frameWidth, frameHeight), frame * frameWidth, 0,
                       frameWidth, frameHeight, Gdiplus::UnitPixel);
}

}  // namespace Kelvo
