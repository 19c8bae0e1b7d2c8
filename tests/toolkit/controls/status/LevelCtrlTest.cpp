// The level bar in a real window: grey segments with those up to the level lit, the text
// under them, and a click on another segment choosing its level (told on the window's
// thread); a click on the current segment or between segments changes nothing.
#include <gtest/gtest.h>

#include <string>

#include "InputDriver.h"
#include "MLevelCtrl.h"
#include "StatusTestSupport.h"

namespace {

using Kelvo::MLevelCtrl;
using statustest::Near;

constexpr UINT kId = 330;
// Five segments of 30 pixels with 5-pixel gaps: segment i spans x 20 + 35 i … + 30.
const CRect kLevel(20, 230, 195, 260);
constexpr DWORD kSegment = 0xA0A0A0;
constexpr DWORD kLit = 0xFFE100;

int SegmentLeft(int index) { return kLevel.left + 35 * index; }

class LevelCtrlTest : public ::testing::Test {
protected:
    void SetUp() override { window.Manager().SetBackColor(RGB(0x10, 0x20, 0x30), RGB(0x10, 0x20, 0x30)); }

    MLevelCtrl* MakeLevel(int minimum, int maximum, int level) {
        auto* bar = window.Add(new MLevelCtrl(&recorder, kId, kLevel, 1, 1));
        bar->SetRangeValue(minimum, maximum);
        bar->SetLevelValue(level);
        return bar;
    }

    harness::TestWindow window;
    statustest::Recorder recorder{window};
    harness::InputDriver input{window};
};

TEST_F(LevelCtrlTest, LightsTheSegmentsUpToTheLevel) {
    MLevelCtrl* bar = MakeLevel(0, 4, 2);
    window.PaintNow();
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const int left = SegmentLeft(i);
        EXPECT_TRUE(Near(window.Pixel(left + 15, kLevel.top + 6), i <= 2 ? kLit : kSegment));
        EXPECT_TRUE(Near(window.Pixel(left, kLevel.top + 6), kSegment));       // the grey rim
        EXPECT_TRUE(Near(window.Pixel(left + 15, kLevel.top + 11), kSegment));
        EXPECT_EQ(window.Pixel(left + 32, kLevel.top + 6), statustest::kBackground);  // the gap
        EXPECT_EQ(window.Pixel(left + 15, kLevel.top + 12), statustest::kBackground) << "12 pixels high";
    }
    // Another range: the segments are its levels, the lit ones those up to the level.
    bar->SetRangeValue(3, 7);
    bar->SetLevelValue(4);
    window.PaintNow();
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(Near(window.Pixel(SegmentLeft(i) + 15, kLevel.top + 6), i <= 1 ? kLit : kSegment)) << i;
}

TEST_F(LevelCtrlTest, ShowsTheLevelItselfUnderTheBar) {
    const struct {
        const wchar_t* title;
        int minimum, maximum, level;
        const wchar_t* shown;
    } cases[] = {
        {L"", 0, 15, 7, L"7"},        {L"Level ", 3, 7, 5, L"Level 5"}, {L"", 0, 100, 40, L"40%"},
        {L"", 3, 7, 9, L"7"},         {L"", 3, 7, 1, L"3"},
    };
    for (const auto& c : cases) {
        MLevelCtrl* bar = MakeLevel(c.minimum, c.maximum, c.level);
        bar->SetTitle(c.title);
        EXPECT_STREQ(bar->GetShownText().GetString(), c.shown);
        window.PaintNow();
        int inked = 0;
        for (int y = kLevel.top + 12; y < kLevel.bottom; ++y)
            for (int x = kLevel.left; x < kLevel.right; ++x) inked += window.Pixel(x, y) != statustest::kBackground;
        EXPECT_GT(inked, 5) << "the text is drawn under the bar";
        window.Manager().RemoveControl(bar);
    }
}

TEST_F(LevelCtrlTest, AClickOnAnotherSegmentChoosesItsLevel) {
    MLevelCtrl* bar = MakeLevel(3, 7, 4);
    window.PaintNow();
    const struct {
        const char* name;
        CPoint at;
        int level;
        bool told;
    } clicks[] = {
        {"the last segment", CPoint(SegmentLeft(4) + 10, kLevel.top + 5), 7, true},
        {"the same segment again", CPoint(SegmentLeft(4) + 20, kLevel.top + 5), 7, false},
        {"a gap", CPoint(SegmentLeft(1) + 32, kLevel.top + 5), 7, false},
        {"the first segment, below the bar", CPoint(SegmentLeft(0) + 2, kLevel.top + 20), 3, true},
    };
    for (const auto& c : clicks) {
        SCOPED_TRACE(c.name);
        recorder.seen.clear();
        recorder.threads.clear();
        input.Click(c.at);
        EXPECT_EQ(bar->GetLevelValue(), c.level);
        ASSERT_EQ(recorder.seen.size(), c.told ? 1u : 0u);
        if (!c.told) continue;
        EXPECT_EQ(recorder.seen[0].code, 2u);
        EXPECT_EQ(recorder.seen[0].wparam, static_cast<WPARAM>(c.level));
        EXPECT_EQ(recorder.threads[0], ::GetCurrentThreadId());
    }
    window.PaintNow();
    EXPECT_TRUE(Near(window.Pixel(SegmentLeft(0) + 15, kLevel.top + 6), kLit));
    EXPECT_TRUE(Near(window.Pixel(SegmentLeft(1) + 15, kLevel.top + 6), kSegment));
}

}  // namespace
