#include <gtest/gtest.h>

#include "Geometry.h"

TEST(GeometryTest, RectanglesFollowWindowsConventions) {
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(r.Width(), 100);
    EXPECT_EQ(r.Height(), 50);
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(110, 20)));  // right edge is outside
    EXPECT_FALSE(r.PtInRect(CPoint(10, 70)));

    CRect i;
    EXPECT_TRUE(i.IntersectRect(r, CRect(100, 60, 200, 200)));
    EXPECT_EQ(i, CRect(100, 60, 110, 70));
    EXPECT_FALSE(i.IntersectRect(r, CRect(110, 0, 120, 10)));
    EXPECT_TRUE(i.IsRectEmpty());

    CRect u;
    u.UnionRect(r, CRect());
    EXPECT_EQ(u, r);
    u.UnionRect(r, CRect(0, 0, 5, 5));
    EXPECT_EQ(u, CRect(0, 0, 110, 70));
}
