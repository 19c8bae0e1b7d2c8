#include "Geometry.h"

#include <algorithm>

bool CRect::IntersectRect(const CRect& a, const CRect& b) {
    CRect r(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom));
    if (r.IsRectEmpty()) {
        *this = CRect();
        return false;
    }
    *this = r;
    return true;
}

bool CRect::UnionRect(const CRect& a, const CRect& b) {
    if (a.IsRectEmpty()) { *this = b.IsRectEmpty() ? CRect() : b; return !IsRectEmpty(); }
    if (b.IsRectEmpty()) { *this = a; return true; }
    *this = CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom));
    return true;
}
