// Tab strips: the width rule, where tabs go in both orientations (hidden tabs and
// paddings), which tab a point hits, and which tab stays selected.
#include <gtest/gtest.h>

#include <vector>

#include "TabStripLayout.h"

namespace Kelvo {
namespace {

TEST(TabStripLayoutTest, ItemExtentFitsTheRoomBetweenTheMinimumAndTheRequest) {
    const struct {
        const char* name;
        int requested, minimum, room, count, current, expected;
    } cases[] = {
        {"seven tabs on 300 pixels: 42 is below the minimum", 56, 56, 300, 7, 0, 56},
        {"room to spare keeps the request", 56, 40, 600, 7, 0, 56},
        {"less room than asked shrinks to the room", 80, 40, 300, 5, 0, 60},
        {"no minimum takes the request whatever the room", 80, 0, 100, 5, 0, 80},
        {"no tabs keep the current width", 80, 40, 300, 0, 33, 33},
        {"no room at all falls back to the minimum", 80, 40, -20, 4, 0, 40},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TabItemExtent(c.requested, c.minimum, c.room, c.count, c.current), c.expected) << c.name;
}

TabSlot Tab(bool visible, int width, int frameHeight = 30) { return TabSlot{visible, CRect(0, 0, width, 0), frameHeight}; }

TEST(TabStripLayoutTest, LaysTabsOutInEitherOrientation) {
    const CRect control(100, 50, 500, 450);
    const struct {
        const char* name;
        TabOrientation orientation;
        std::vector<TabSlot> tabs;
        TabStripMetrics metrics;
        int gap;
        std::vector<CRect> rects;
        TabStripMetrics after;
    } cases[] = {
        {"horizontal, sizes from the first tab",
         TabOrientation::kHorizontal,
         {Tab(true, 60), Tab(true, 90), Tab(true, 70)},
         {},
         1,
         {{100, 50, 160, 80}, {160, 50, 220, 80}, {220, 50, 280, 80}},
         {60, 30, 0}},
        {"horizontal inside paddings, a hidden tab takes no room",
         TabOrientation::kHorizontal,
         {Tab(true, 60), Tab(false, 60), Tab(true, 60)},
         {50, 40, 0, 10, 0, 5, 0},
         0,
         {{110, 55, 160, 95}, {}, {160, 55, 210, 95}},
         {50, 40, 0}},
        {"horizontal, the first visible tab decides",
         TabOrientation::kHorizontal,
         {Tab(false, 10, 5), Tab(true, 44, 22)},
         {},
         0,
         {{}, {100, 50, 144, 72}},
         {44, 22, 0}},
        {"vertical with the gap of a full layout",
         TabOrientation::kVertical,
         {Tab(true, 56), Tab(true, 56), Tab(true, 56)},
         {0, 56, 0, 0, 56, 0, 336},
         1,
         {{100, 50, 156, 106}, {100, 107, 156, 163}, {100, 164, 156, 220}},
         {0, 56, 56}},
        {"vertical as inserted: no gap",
         TabOrientation::kVertical,
         {Tab(true, 56), Tab(true, 56)},
         {0, 56, 0},
         0,
         {{100, 50, 156, 106}, {100, 106, 156, 162}},
         {0, 56, 56}},
        {"vertical inside paddings, hidden tab skipped",
         TabOrientation::kVertical,
         {Tab(true, 40), Tab(false, 40), Tab(true, 40)},
         {0, 30, 48, 4, 0, 6, 0},
         1,
         {{104, 56, 152, 86}, {}, {104, 87, 152, 117}},
         {0, 30, 48}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TabStripMetrics metrics = c.metrics;
        EXPECT_EQ(LayOutTabStrip(c.orientation, c.tabs, metrics, control, c.gap), c.rects);
        EXPECT_EQ(metrics.itemWidth, c.after.itemWidth);
        EXPECT_EQ(metrics.tabHeight, c.after.tabHeight);
        EXPECT_EQ(metrics.tabWidth, c.after.tabWidth);
    }
}

TEST(TabStripLayoutTest, ADisabledVerticalStripShowsOnlyItsFirstTab) {
    const CRect control(10, 20, 66, 400);
    const TabStripMetrics metrics{0, 56, 56, 0, 0, 4, 0};
    const std::vector<TabSlot> tabs = {{true, CRect(10, 24, 66, 80), 0},
                                       {true, CRect(10, 81, 66, 137), 0},
                                       {false, CRect(), 0}};
    EXPECT_EQ(CollapseTabStrip(TabOrientation::kVertical, tabs, metrics, control),
              (std::vector<CRect>{{10, 24, 66, 80}, {}, {}}));
    EXPECT_EQ(CollapseTabStrip(TabOrientation::kHorizontal, tabs, metrics, control),
              (std::vector<CRect>{{10, 24, 66, 80}, {10, 81, 66, 137}, {}}));
    const std::vector<TabSlot> firstHidden = {{false, CRect(), 0}, {true, CRect(10, 24, 66, 80), 0}};
    EXPECT_EQ(CollapseTabStrip(TabOrientation::kVertical, firstHidden, metrics, control),
              (std::vector<CRect>{{}, {}}));
}

TEST(TabStripLayoutTest, FindsTheTabUnderAPoint) {
    const std::vector<CRect> rects = {{0, 0, 50, 30}, {}, {50, 0, 100, 30}};
    const struct {
        CPoint point;
        int tab;
    } cases[] = {
        {{0, 0}, 0}, {{49, 29}, 0}, {{50, 0}, 2}, {{99, 10}, 2}, {{100, 10}, -1}, {{10, 30}, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(TabAt(rects, c.point), c.tab) << c.point.x << "," << c.point.y;
    EXPECT_EQ(TabAt({}, CPoint(1, 1)), -1);
}

TEST(TabStripLayoutTest, SelectionStaysOnATabOrFallsToTheLastVisible) {
    const struct {
        const char* name;
        int selected;
        std::vector<bool> visible;
        int expected;
    } cases[] = {
        {"a hidden selected tab keeps the selection", 1, {true, false, true}, 1},
        {"past the end: the last visible tab", 5, {true, true, false}, 1},
        {"past the end with nothing visible", 3, {false, false}, -1},
        {"no tabs left", 0, {}, -1},
        {"nothing selected stays so", -1, {true}, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(FixTabSelection(c.selected, c.visible), c.expected) << c.name;
}

TEST(TabStripLayoutTest, TheBandIsWhereTheTabsAreDrawn) {
    const CRect control(10, 20, 310, 220);
    const TabStripMetrics metrics{50, 40, 56, 6, 0, 4, 0};
    EXPECT_EQ(TabStripBand(TabOrientation::kHorizontal, metrics, control), CRect(10, 24, 310, 64));
    EXPECT_EQ(TabStripBand(TabOrientation::kVertical, metrics, control), CRect(16, 20, 72, 220));
}

}  // namespace
}  // namespace Kelvo
