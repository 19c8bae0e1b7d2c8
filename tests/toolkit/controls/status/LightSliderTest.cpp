// The light slider in a real window: dragging and pressing with real input (each value,
// then the release, on the window's thread), the thumb following a pointer that left it
// from the window's ticks, values kept inside the range, and the bar rows and thumb from
// the shipped skin.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "Clock.h"
#include "InputDriver.h"
#include "LightSlider.h"
#include "StatusTestSupport.h"
#include "ToolkitClock.h"

namespace {

using harness::Notification;
using Kelvo::LightSlider;
using statustest::kBackground;
using statustest::Near;
using statustest::Over;

constexpr UINT kId = 310;
// 210 x 20 with the 10-pixel thumb: the thumb's centre runs from x 55 to 255 (200 pixels),
// the bar rows are drawn 200 wide from x 55, 1:1 with the 200-pixel skin.
const CRect kSlider(50, 100, 260, 120);

auto Fields(const Notification& n) { return std::make_tuple(n.id, n.code, n.wparam, n.lparam); }

class LightSliderTest : public ::testing::Test {
protected:
    void SetUp() override { window.Manager().SetBackColor(RGB(0x10, 0x20, 0x30), RGB(0x10, 0x20, 0x30)); }

    LightSlider* MakeSlider(int minimum, int maximum) {
        auto* slider = window.Add(new LightSlider(&recorder, kId, kSlider, 1, 1));
        EXPECT_EQ(slider->SetImage(statustest::SkinPath(L"img_lightslider_bkg.png").c_str(), 1), 1);
        EXPECT_EQ(slider->SetThumbImage(statustest::SkinPath(L"img_lightslider_bar.png").c_str()), 1);
        slider->SetMinProgress(minimum);
        slider->SetMaxProgress(maximum);
        return slider;
    }

    void ExpectOnlyUiThread() {
        for (DWORD thread : recorder.threads) EXPECT_EQ(thread, ::GetCurrentThreadId());
    }

    harness::TestWindow window;
    statustest::Recorder recorder{window};
    harness::InputDriver input{window};
};

TEST_F(LightSliderTest, DragAndPressTellEachValueThenTheRelease) {
    const struct {
        const char* name;
        int minimum, maximum, pressX, toX;
        std::vector<Notification> notifications;
    } cases[] = {
        {"drag the thumb from the middle", 0, 10, 155, 215, {{kId, 8, 8, 0}, {kId, 2, 0, 0}}},
        {"values start at the minimum", 20, 30, 155, 95, {{kId, 8, 22, 0}, {kId, 2, 0, 0}}},
        {"a press on the bar jumps, then drags", 0, 100, 75, 255, {{kId, 8, 10, 0}, {kId, 8, 100, 0}, {kId, 2, 0, 0}}},
        {"left of the track stops at the minimum", 0, 10, 155, 52, {{kId, 8, 0, 0}, {kId, 2, 0, 0}}},
        {"a press on the thumb alone changes nothing", 0, 10, 155, 155, {{kId, 2, 0, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LightSlider* slider = MakeSlider(c.minimum, c.maximum);
        slider->SetProgress(c.minimum + (c.maximum - c.minimum) / 2);
        window.PaintNow();
        recorder.seen.clear();
        recorder.threads.clear();
        input.MoveTo(CPoint(c.pressX, 113));
        input.LeftDown();
        input.MoveTo(CPoint(c.toX, 113));
        input.LeftUp();
        ASSERT_EQ(recorder.seen.size(), c.notifications.size());
        for (size_t i = 0; i < c.notifications.size(); ++i)
            EXPECT_EQ(Fields(recorder.seen[i]), Fields(c.notifications[i])) << i;
        ExpectOnlyUiThread();
        window.Manager().RemoveControl(slider);
    }
}

TEST_F(LightSliderTest, TheTickBringsTheThumbToAPointerThatLeft) {
    VirtualClock clock;
    Kelvo::InstallToolkitClock(&clock);
    LightSlider* slider = MakeSlider(0, 10);
    const UINT timer = window.Manager().SetMTimer(30000);
    ASSERT_NE(timer, 0u);
    window.PaintNow();
    input.MoveTo(CPoint(155, 113));
    input.LeftDown();
    ASSERT_EQ(slider->GetState(), LightSlider::kDragging);
    input.MoveTo(CPoint(330, 113));  // beyond the slider: its moves stop
    const struct {
        int advanceMs, value;
        size_t notifications;
    } ticks[] = {{0, 5, 0}, {60, 5, 0}, {1, 10, 1}, {100, 10, 1}};
    for (const auto& t : ticks) {
        clock.Advance(t.advanceMs);
        window.Manager().OnMTimer(timer);
        EXPECT_EQ(slider->GetProgress(), t.value) << t.advanceMs;
        EXPECT_EQ(recorder.seen.size(), t.notifications) << t.advanceMs;
    }
    input.LeftUp();
    ASSERT_EQ(recorder.seen.size(), 2u);
    EXPECT_EQ(Fields(recorder.seen[0]), Fields({kId, 8, 10, 0}));
    EXPECT_EQ(Fields(recorder.seen[1]), Fields({kId, 2, 0, 0}));
    window.Manager().KillMTimer(timer);
    Kelvo::InstallToolkitClock(nullptr);

    // With the window's own timer the follow-up value reaches the parent on its thread.
    recorder.seen.clear();
    recorder.threads.clear();
    const UINT running = window.Manager().SetMTimer(10);
    input.MoveTo(CPoint(255, 113));
    input.LeftDown();
    input.MoveToScreen(window.ToScreen(CPoint(20, 113)));
    window.PumpUntil([&] { return !recorder.seen.empty(); }, 5000);
    input.LeftUp();
    ASSERT_GE(recorder.seen.size(), 2u);
    EXPECT_EQ(Fields(recorder.seen.front()), Fields({kId, 8, 0, 0}));
    ExpectOnlyUiThread();
    window.Manager().KillMTimer(running);
}

TEST_F(LightSliderTest, ValuesStayInsideTheRangeSilently) {
    const struct {
        int minimum, maximum, value, offset, thumbCentre;
    } cases[] = {
        {0, 10, 12, 10, 255}, {0, 10, 3, 3, 115},  {0, 10, -4, 0, 55},
        {5, 15, 8, 3, 115},   {5, 15, 2, 0, 55},   {5, 15, 40, 10, 255},
        {7, 7, 9, 0, 55},  // nothing to choose: the thumb stays at the start
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.minimum) + ".." + std::to_string(c.maximum) + " " + std::to_string(c.value));
        LightSlider* slider = MakeSlider(c.minimum, c.maximum);
        EXPECT_EQ(slider->SetProgress(c.value), c.offset);
        EXPECT_EQ(slider->GetProgress(), c.minimum + c.offset);
        EXPECT_EQ(slider->GetThumbRect().CenterPoint().x, c.thumbCentre);
        window.Manager().RemoveControl(slider);
    }
    EXPECT_TRUE(recorder.seen.empty());
}

TEST_F(LightSliderTest, DrawsTheEmptyRowAcrossTheFilledRowToTheThumbAndTheThumb) {
    const statustest::SkinPicture bar(L"img_lightslider_bkg.png");
    const statustest::SkinPicture thumb(L"img_lightslider_bar.png");
    ASSERT_EQ(bar.Width(), 200);
    const int row = bar.Height() / 2;
    LightSlider* slider = MakeSlider(0, 10);
    slider->SetProgress(5);  // thumb (150, 108) – (160, 118), centre 155
    window.PaintNow();
    const int y = 4;  // the middle of a bar row
    for (int i = 1; i < 200; i += 3) {  // column 0 is the rounded end, blended at its edge
        if (i >= 95 && i < 105) continue;  // under the thumb
        const uint32_t source = i < 100 ? bar.At(i, row + y) : bar.At(i, y);
        EXPECT_TRUE(Near(window.Pixel(55 + i, kSlider.top + y), Over(source, kBackground))) << i;
    }
    EXPECT_EQ(window.Pixel(52, kSlider.top + y), kBackground);   // the bar leaves the thumb's half width
    EXPECT_EQ(window.Pixel(257, kSlider.top + y), kBackground);  // at both ends
    EXPECT_TRUE(Near(window.Pixel(155, 113), Over(thumb.At(5, 5), kBackground)));

    slider->SetEnabled(0);  // disabled looks the same; only input stops
    slider->SetMaxProgress(0);  // nothing to choose: the empty row alone, no thumb
    slider->UpdateControl(1, 0);
    window.PaintNow();
    EXPECT_TRUE(Near(window.Pixel(75, kSlider.top + y), Over(bar.At(20, y), kBackground)));
    EXPECT_EQ(window.Pixel(155, 116), kBackground);
}

}  // namespace
