#pragma once
// Drawing one frame of a skin strip (equally wide frames side by side) at its natural
// size: the look of boxes, radio marks and switches, which sit at the left of their
// control beside the title rather than being stretched over it.
#include <windows.h>

#include "GdiPlus.h"

#include "Geometry.h"

namespace Kelvo {

// Frame `frame` of `image` (a strip of `frames` frames, each `frameWidth` × `frameHeight`)
// copied pixel for pixel to the left edge of `cell`, centred vertically. A frame past the
// last shows the last; frames < 1 count as one; nothing for a missing or empty image.
void DrawStripFrameAtLeft(Gdiplus::Graphics& graphics, Gdiplus::Image* image, int frameWidth, int frameHeight,
                          int frames, int frame, const CRect& cell);

}  // namespace Kelvo
