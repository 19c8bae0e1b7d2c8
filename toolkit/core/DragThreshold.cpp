#include "DragThreshold.h"

#include <cstdlib>

namespace Kelvo {

bool IsDragStart(const CPoint& press, const CPoint& now, int thresholdX, int thresholdY) {
    if (thresholdX < kMinimumDragDistance) thresholdX = kMinimumDragDistance;
    if (thresholdY < kMinimumDragDistance) thresholdY = kMinimumDragDistance;
    return std::abs(now.x - press.x) >= thresholdX || std::abs(now.y - press.y) >= thresholdY;
}

}  // namespace Kelvo
