// The paint manager's window-free state: modifier codes, control timer IDs, Tab order,
// wheel steps, the drag threshold and the pixel passes of layered painting.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

#include "ControlTimerIds.h"
#include "DragThreshold.h"
#include "FocusOrder.h"
#include "KeyModifiers.h"
#include "LayeredPixels.h"
#include "WheelSteps.h"

namespace {

using namespace Kelvo;

TEST(ModifierCodeTest, EveryCombinationOfAltShiftAndCtrl) {
    const struct {
        bool alt, shift, ctrl;
        int code;
    } cases[] = {
        {false, false, false, 0},  {false, true, false, 16}, {true, false, false, 18}, {true, true, false, 18},
        {false, false, true, 17},  {false, true, true, 17},  {true, false, true, 19},  {true, true, true, 19},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MakeModifierCode(c.alt, c.shift, c.ctrl), c.code) << c.alt << c.shift << c.ctrl;
}

TEST(ControlTimerIdsTest, StartAtSeventeenAndSkipReservedIds) {
    ControlTimerIds ids;
    std::vector<unsigned> handed;
    for (int i = 0; i < 239; ++i) handed.push_back(ids.Next([](unsigned) { return false; }));
    EXPECT_EQ(handed.front(), 17u);  // (4096 + 1) mod 240
    EXPECT_EQ(handed[1], 18u);
    for (unsigned id : handed) {
        EXPECT_GT(id, 0u);
        EXPECT_LT(id, 240u);
        EXPECT_NE(id, 66u);
        EXPECT_NE(id, 88u);
        EXPECT_NE(id, 99u);
    }
}

TEST(ControlTimerIdsTest, NeverHandOutALiveIdAfterTheCounterWraps) {
    ControlTimerIds ids;
    std::set<unsigned> live;
    auto inUse = [&live](unsigned id) { return live.count(id) != 0; };
    // Fill every usable ID, then free a few and ask again: only the freed ones come back.
    for (;;) {
        unsigned id = ids.Next(inUse);
        if (id == 0) break;
        ASSERT_TRUE(live.insert(id).second) << "ID " << id << " handed out twice";
    }
    EXPECT_EQ(live.size(), 240u - 4u);  // 0, 66, 88 and 99 are never handed out
    live.erase(17);
    live.erase(200);
    std::set<unsigned> again{ids.Next(inUse), ids.Next(inUse)};
    EXPECT_EQ(again, (std::set<unsigned>{17, 200}));
}

TEST(FocusOrderTest, TabAndShiftTabWalkTheFocusableControls) {
    const std::vector<bool> list{false, true, false, true, true, false};
    const struct {
        int current;
        int next;
        int prev;
    } cases[] = {
        {-1, 1, 4},  // no focus control: the first, or for Shift+Tab the last
        {1, 3, 4},   // Shift+Tab from the first wraps to the last
        {3, 4, 1},
        {4, 1, 3},   // Tab from the last wraps to the first
        {0, 1, 4},   // a focus control that is not focusable itself
        {5, 1, 4},
        {9, 1, 4},   // a position outside the list counts as none
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NextFocusIndex(list, c.current), c.next) << c.current;
        EXPECT_EQ(PrevFocusIndex(list, c.current), c.prev) << c.current;
    }
    EXPECT_EQ(NextFocusIndex({false, false}, -1), -1);
    EXPECT_EQ(PrevFocusIndex({}, -1), -1);
    // The only focusable control is found again from itself: the caller sees no change.
    EXPECT_EQ(NextFocusIndex({false, true}, 1), 1);
    EXPECT_EQ(PrevFocusIndex({false, true}, 1), 1);
}

TEST(WheelStepsTest, WholeNotchesAndCarriedRests) {
    const struct {
        std::vector<int> deltas;
        std::vector<int> steps;
    } cases[] = {
        {{120}, {1}},
        {{-240}, {-2}},
        {{60}, {0}},                 // a single delta below a notch scrolls nothing
        {{60, 60}, {0, 1}},          // but two halves make one step
        {{40, 40, 40, 40}, {0, 0, 1, 0}},
        {{-200, -40}, {-1, -1}},     // the rest of 80 carries over
        {{100, -30}, {0, 0}},        // turning back drops the rest
        {{100, -130}, {0, -1}},
        {{361}, {3}},
    };
    for (const auto& c : cases) {
        WheelSteps wheel;
        std::vector<int> steps;
        for (int delta : c.deltas) steps.push_back(wheel.Add(delta));
        EXPECT_EQ(steps, c.steps);
    }
    WheelSteps big;
    EXPECT_EQ(big.Add(2147483600), 17895696);
    EXPECT_EQ(big.Add(2147483600), 17895697);  // no overflow from the carried rest
}

TEST(DragThresholdTest, StartsAtTheThresholdOnEitherAxisFromThePressPoint) {
    const CPoint press(100, 100);
    const struct {
        CPoint now;
        int tx, ty;
        bool starts;
    } cases[] = {
        {{102, 102}, 4, 4, false}, {{104, 100}, 4, 4, true}, {{100, 96}, 4, 4, true},
        {{103, 103}, 4, 4, false},  // a diagonal move short of the threshold on both axes
        {{103, 100}, 0, 0, true},   // thresholds below 3 count as 3
        {{102, 100}, 0, 0, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsDragStart(press, c.now, c.tx, c.ty), c.starts) << c.now.x << "," << c.now.y;
}

// A 3 x 4 buffer with a guard word on both sides, as the DIB would sit in memory.
struct GuardedBuffer {
    static constexpr int kWidth = 3, kHeight = 4;
    static constexpr std::uint32_t kGuard = 0xDEADBEEF;
    std::vector<std::uint32_t> words = std::vector<std::uint32_t>(kWidth * kHeight + 2, 0x00112233);
    GuardedBuffer() { words.front() = words.back() = kGuard; }
    std::uint32_t* bits() { return words.data() + 1; }
    bool GuardsIntact() const { return words.front() == kGuard && words.back() == kGuard; }
};

TEST(LayeredPixelsTest, ClientRowZeroIsTheLastRowInMemory) {
    EXPECT_EQ(LayeredPixels::RowOf(4, 0), 3);
    EXPECT_EQ(LayeredPixels::RowOf(4, 3), 0);
    GuardedBuffer buffer;
    buffer.bits()[3 * 3 + 1] = 0xFF0000FF;  // memory row 3, column 1
    EXPECT_EQ(LayeredPixels::PixelAt(buffer.bits(), 3, 4, 1, 0), 0xFF0000FFu);
    EXPECT_EQ(LayeredPixels::PixelAt(buffer.bits(), 3, 4, 1, 4), 0u);
    EXPECT_EQ(LayeredPixels::PixelAt(buffer.bits(), 3, 4, -1, 0), 0u);
}

TEST(LayeredPixelsTest, PassesStayInsideTheBuffer) {
    const CRect areas[] = {{0, 0, 3, 4}, {0, 0, 1, 1}, {-5, -5, 10, 10}, {2, 3, 3, 4}, {0, 3, 3, 9}};
    for (const CRect& area : areas) {
        GuardedBuffer buffer;
        LayeredPixels::Clear(buffer.bits(), 3, 4, area);
        EXPECT_TRUE(buffer.GuardsIntact());
        CRect inside;
        inside.IntersectRect(area, CRect(0, 0, 3, 4));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(LayeredPixels::PixelAt(buffer.bits(), 3, 4, x, y),
                          inside.PtInRect(CPoint(x, y)) ? 0u : 0x00112233u)
                    << x << "," << y;
        LayeredPixels::OpaqueDrawnPixels(buffer.bits(), 3, 4, area);
        EXPECT_TRUE(buffer.GuardsIntact());
    }
}

TEST(LayeredPixelsTest, OnlyDrawnPixelsBecomeOpaque) {
    GuardedBuffer buffer;
    std::uint32_t* bits = buffer.bits();
    bits[0] = 0x00000000;  // untouched by drawing: stays transparent
    bits[1] = 0x00FFFFFF;  // GDI text: opaque
    bits[2] = 0x80102030;  // already has alpha: unchanged
    bits[3] = 0x00000001;
    LayeredPixels::OpaqueDrawnPixels(bits, 3, 4, CRect(0, 0, 3, 4));
    EXPECT_EQ(bits[0], 0x00000000u);
    EXPECT_EQ(bits[1], 0xFFFFFFFFu);
    EXPECT_EQ(bits[2], 0x80102030u);
    EXPECT_EQ(bits[3], 0xFF000001u);
    EXPECT_EQ(bits[4], 0xFF112233u);
}

}  // namespace
