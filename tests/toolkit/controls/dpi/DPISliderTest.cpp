// The DPI slider in a real window: dragging, pressing on the strip and the wheel with real
// input (each value, then the release, on the window's thread), values and range changes
// kept inside the range without a word to the parent, the page's layout factor, the tick
// that follows a pointer that left, and the strip, graduation and thumb as drawn.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "Clock.h"
#include "DPISlider.h"
#include "InputDriver.h"
#include "StatusTestSupport.h"
#include "ToolkitClock.h"

namespace {

using harness::Notification;
using Kelvo::DPISlider;
using statustest::Near;
using statustest::Over;

constexpr UINT kId = 119;
// The track runs from x 60 to 313 (253 pixels); with the range 1 … 254 each pixel is one
// value, so value v has the thumb centred at x 59 + v. The thumb hangs at y 130 … 143.
const CRect kSlider(10, 100, 390, 150);
constexpr int kThumbY = 136;
constexpr DWORD kStrip = 0x333333;

auto Fields(const Notification& n) { return std::make_tuple(n.id, n.code, n.wparam, n.lparam); }

class DPISliderTest : public ::testing::Test {
protected:
    DPISlider* MakeSlider(int maximum = 254) {
        auto* slider = window.Add(new DPISlider(&recorder, kId, kSlider, 1, 1));
        EXPECT_EQ(slider->SetImage(statustest::SkinPath(L"img_dpi_bar.png").c_str(), 1), 1);
        slider->SetMaxProgress(maximum);
        return slider;
    }

    void Forget() {
        recorder.seen.clear();
        recorder.threads.clear();
    }

    void ExpectSeen(const std::vector<Notification>& expected) {
        ASSERT_EQ(recorder.seen.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(Fields(recorder.seen[i]), Fields(expected[i])) << i;
        for (DWORD thread : recorder.threads) EXPECT_EQ(thread, ::GetCurrentThreadId());
    }

    harness::TestWindow window;
    statustest::Recorder recorder{window};
    harness::InputDriver input{window};
};

TEST_F(DPISliderTest, DragAndPressTellEachValueThenTheRelease) {
    const struct {
        const char* name;
        int pressX, pressY, toX;
        std::vector<Notification> notifications;
    } cases[] = {
        {"drag the thumb", 160, kThumbY, 260, {{kId, 8, 201, 0}, {kId, 2, 0, 0}}},
        {"a press on the thumb alone changes nothing", 160, kThumbY, 160, {{kId, 2, 0, 0}}},
        {"a press beside the thumb jumps, then drags", 110, kThumbY, 90, {{kId, 8, 51, 0}, {kId, 8, 31, 0}, {kId, 2, 0, 0}}},
        {"a press above the thumb jumps only", 110, 120, 90, {{kId, 8, 51, 0}, {kId, 2, 0, 0}}},
        {"past the right end stops at the maximum", 160, kThumbY, 385, {{kId, 8, 254, 0}, {kId, 2, 0, 0}}},
        {"past the left end stops at the minimum", 160, kThumbY, 15, {{kId, 8, 1, 0}, {kId, 2, 0, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DPISlider* slider = MakeSlider();
        slider->SetProgress(101);
        window.PaintNow();
        Forget();
        input.MoveTo(CPoint(c.pressX, c.pressY));
        input.LeftDown();
        input.MoveTo(CPoint(c.toX, c.pressY));
        input.LeftUp();
        ExpectSeen(c.notifications);
        window.Manager().RemoveControl(slider);
    }
}

TEST_F(DPISliderTest, TheWheelStepsByOneInsideTheRange) {
    const struct {
        int minimum, maximum, start, delta;
        std::vector<Notification> notifications;
    } cases[] = {
        {1, 254, 101, -120, {{kId, 8, 100, 0}}},
        {1, 254, 101, 120, {{kId, 8, 102, 0}}},
        {1, 254, 101, -360, {{kId, 8, 100, 0}, {kId, 8, 99, 0}, {kId, 8, 98, 0}}},
        {1, 254, 254, 120, {}},  // the maximum is the end: no step beyond it
        {1, 254, 253, 240, {{kId, 8, 254, 0}}},
        {1, 254, 1, -120, {}},
        {5, 15, 14, 360, {{kId, 8, 15, 0}}},  // the slider's own maximum, whatever the minimum
        {5, 15, 6, -240, {{kId, 8, 5, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.minimum) + ".." + std::to_string(c.maximum) + " from " +
                     std::to_string(c.start) + " " + std::to_string(c.delta));
        DPISlider* slider = MakeSlider(c.maximum);
        slider->SetMinProgress(c.minimum);
        slider->SetProgress(c.start);
        input.MoveTo(CPoint(200, 115));
        Forget();
        input.Wheel(c.delta);
        ExpectSeen(c.notifications);
        window.Manager().RemoveControl(slider);
    }
}

TEST_F(DPISliderTest, ValuesAndRangesStayInsideSilently) {
    const struct {
        int minimum, maximum, value, progress, thumbCentre;
    } cases[] = {
        {1, 260, 1, 1, 60},      {1, 260, 300, 260, 313},  // beyond the maximum gives the maximum
        {1, 260, -5, 1, 60},     {1, 254, 101, 101, 160},  {1, 300, 151, 151, 186},
        {5, 5, 9, 5, 60},        // a range of one value: the thumb stays at the start
        {10, 3, 7, 10, 60},      // an upside-down range holds the minimum only
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.minimum) + ".." + std::to_string(c.maximum) + " " + std::to_string(c.value));
        DPISlider* slider = MakeSlider(c.maximum);
        slider->SetMinProgress(c.minimum);
        slider->SetProgress(c.value);
        EXPECT_EQ(slider->GetProgress(), c.progress);
        EXPECT_EQ(slider->GetThumbRect().CenterPoint().x, c.thumbCentre);
        window.PaintNow();
        window.Manager().RemoveControl(slider);
    }

    // A new range keeps the value inside it and moves the thumb to where it now belongs.
    DPISlider* slider = MakeSlider(254);
    slider->SetProgress(201);
    slider->SetMaxProgress(101);
    EXPECT_EQ(slider->GetProgress(), 101);
    EXPECT_EQ(slider->GetThumbRect().CenterPoint().x, 313);
    slider->SetMaxProgress(201);
    EXPECT_EQ(slider->GetThumbRect().CenterPoint().x, 186);
    EXPECT_TRUE(recorder.seen.empty());
}

TEST_F(DPISliderTest, TheLayoutFactorScalesTrackThumbAndGraduation) {
    DPISlider* slider = MakeSlider();
    slider->SetScaleValue(0.5f);
    EXPECT_EQ(slider->GetTrackRect(), CRect(25, 5, 151, 15));
    slider->SetProgress(254);
    EXPECT_EQ(slider->GetThumbRect().CenterPoint().x, kSlider.left + 25 + 126);
    EXPECT_EQ(slider->GetThumbRect().top, kSlider.top + 15);
    window.PaintNow();
    // Seven marks 9 pixels apart from x 25; none where an eighth would be.
    for (int mark = 0; mark < 7; ++mark) EXPECT_EQ(window.Pixel(kSlider.left + 25 + 9 * mark, kSlider.top + 11), 0xFFFFFFu) << mark;
    EXPECT_EQ(window.Pixel(kSlider.left + 25 + 9 * 7, kSlider.top + 11), kStrip);

    // A press on the scaled track at its middle picks the middle value.
    Forget();
    input.MoveTo(CPoint(kSlider.left + 25 + 63, kSlider.top + 10));
    input.LeftDown();
    input.LeftUp();
    ExpectSeen({{kId, 8, 127, 0}, {kId, 2, 0, 0}});
}

TEST_F(DPISliderTest, TheTickBringsTheThumbToAPointerThatLeft) {
    VirtualClock clock;
    Kelvo::InstallToolkitClock(&clock);
    DPISlider* slider = MakeSlider();
    slider->SetProgress(101);
    const UINT timer = window.Manager().SetMTimer(30000);
    ASSERT_NE(timer, 0u);
    window.PaintNow();
    input.MoveTo(CPoint(160, kThumbY));
    input.LeftDown();
    ASSERT_EQ(slider->GetState(), DPISlider::kDragging);
    input.MoveToScreen(window.ToScreen(CPoint(200, 250)));  // off the slider: its moves stop
    const struct {
        int advanceMs, value;
        size_t notifications;
    } ticks[] = {{0, 101, 0}, {60, 101, 0}, {1, 141, 1}, {100, 141, 1}};
    for (const auto& t : ticks) {
        clock.Advance(t.advanceMs);
        window.Manager().OnMTimer(timer);
        EXPECT_EQ(slider->GetProgress(), t.value) << t.advanceMs;
        EXPECT_EQ(recorder.seen.size(), t.notifications) << t.advanceMs;
    }
    input.LeftUp();
    ExpectSeen({{kId, 8, 141, 0}, {kId, 2, 0, 0}});
    window.Manager().KillMTimer(timer);
    Kelvo::InstallToolkitClock(nullptr);

    // With the window's own running tick the follow-up value reaches the parent on its thread.
    Forget();
    const UINT running = window.Manager().SetMTimer(10);
    input.MoveTo(CPoint(200, kThumbY));
    input.LeftDown();
    input.MoveToScreen(window.ToScreen(CPoint(20, 250)));
    window.PumpUntil([&] { return !recorder.seen.empty(); }, 5000);
    input.LeftUp();
    ASSERT_GE(recorder.seen.size(), 2u);
    EXPECT_EQ(Fields(recorder.seen.front()), Fields({kId, 8, 1, 0}));
    for (DWORD thread : recorder.threads) EXPECT_EQ(thread, ::GetCurrentThreadId());
    window.Manager().KillMTimer(running);
}

TEST_F(DPISliderTest, DrawsTheStripTheGraduationTheLabelsAndTheShippedThumb) {
    const statustest::SkinPicture thumb(L"img_dpi_bar.png");
    ASSERT_EQ(thumb.Width(), 16);
    ASSERT_EQ(thumb.Height(), 13);
    DPISlider* slider = MakeSlider(300);
    slider->SetProgress(151);
    window.PaintNow();
    const CRect at = slider->GetThumbRect();
    ASSERT_EQ(at.Width(), 16);
    for (const auto& p : {CPoint(8, 7), CPoint(8, 2), CPoint(1, 11), CPoint(14, 8)})
        EXPECT_TRUE(Near(window.Pixel(at.left + p.x, at.top + p.y), Over(thumb.At(p.x, p.y), kStrip)))
            << p.x << "," << p.y << " " << std::hex << window.Pixel(at.left + p.x, at.top + p.y);
    // Fifteen white marks every 18 pixels from x 50, y 18 … 25, on the dark strip.
    for (int mark = 0; mark < 15; ++mark) {
        EXPECT_EQ(window.Pixel(kSlider.left + 50 + 18 * mark, kSlider.top + 22), 0xFFFFFFu) << mark;
        EXPECT_EQ(window.Pixel(kSlider.left + 51 + 18 * mark, kSlider.top + 22), kStrip) << mark;
    }
    EXPECT_EQ(window.Pixel(kSlider.left + 50, kSlider.top + 16), kStrip);
    // "100" on the left, "30000" (the maximum in DPI) on the right: white text in both boxes.
    auto whiteIn = [&](int left, int right) {
        int white = 0;
        for (int y = kSlider.top + 13; y < kSlider.top + 33; ++y)
            for (int x = kSlider.left + left; x < kSlider.left + right; ++x)
                white += Near(window.Pixel(x, y), 0xFFFFFF, 40) ? 1 : 0;
        return white;
    };
    EXPECT_GT(whiteIn(10, 40), 5);
    const int wide = whiteIn(320, 375);
    slider->SetMaxProgress(26);  // "2600": one digit fewer
    window.PaintNow();
    EXPECT_GT(wide, whiteIn(320, 375));
    EXPECT_GT(whiteIn(320, 375), 5);
}

}  // namespace
