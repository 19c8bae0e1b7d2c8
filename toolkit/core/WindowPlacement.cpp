#include "WindowPlacement.h"

#include <algorithm>

namespace Kelvo {

namespace {

int KeepInsideAxis(int origin, int length, int low, int high) {
    origin = std::min(origin, high - length);
    return std::max(origin, low);
}

}  // namespace

CPoint KeepInside(CPoint origin, CSize size, const CRect& limits) {
    return CPoint(KeepInsideAxis(origin.x, size.cx, limits.left, limits.right),
                  KeepInsideAxis(origin.y, size.cy, limits.top, limits.bottom));
}

CPoint CentreOver(CSize size, const CRect& reference, const CRect& limits) {
    const CPoint centre((reference.left + reference.right) / 2, (reference.top + reference.bottom) / 2);
    return KeepInside(CPoint(centre.x - size.cx / 2, centre.y - size.cy / 2), size, limits);
}

}  // namespace Kelvo
