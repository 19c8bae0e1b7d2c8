#pragma once
// When a press on a drag-source control turns into a drag: once the pointer is at least
// the threshold away from where the button went down, on either axis. Measured from the
// press point, not from the previous move, so a slow drag starts as surely as a fast one.
#include "Geometry.h"

namespace Kelvo {

constexpr int kMinimumDragDistance = 3;

// Thresholds below the minimum (as a system metric of 0 would be) count as the minimum.
bool IsDragStart(const CPoint& press, const CPoint& now, int thresholdX, int thresholdY);

}  // namespace Kelvo
