#pragma once
// Where a top-level window goes on screen: centred over a reference rectangle, or placed
// at a wanted point, and in both cases kept inside the limits (a monitor's work area).
// Pure arithmetic, so it is tested without a window.
#include "Geometry.h"

namespace Kelvo {

// Moves `origin` (the window's top-left corner) so that a window of `size` ends inside
// `limits`: first left/up until its far edge fits, then right/down to at least the near
// edge, so a window larger than the limits keeps its top-left corner visible.
CPoint KeepInside(CPoint origin, CSize size, const CRect& limits);

// The top-left corner that centres a window of `size` over `reference`, kept inside `limits`.
CPoint CentreOver(CSize size, const CRect& reference, const CRect& limits);

}  // namespace Kelvo
