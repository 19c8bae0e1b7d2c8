// The slider in a real window: dragging and pressing with real input (values and the
// release, on the window's thread), the thumb following the pointer from the paint
// manager's tick on a virtual clock, silent range changes, the shown text and the pixels
// of line, filled part and thumb.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "Clock.h"
#include "InputDriver.h"
#include "Manager.h"
#include "MSlider.h"
#include "TabTestSupport.h"
#include "ToolkitClock.h"

namespace {

using harness::Notification;
using Kelvo::MSlider;

constexpr UINT kSliderId = 250;
constexpr DWORD kBackground = 0x102030;
constexpr uint32_t kThumbColour = 0xFF2040E0;

auto Fields(const Notification& n) { return std::make_tuple(n.id, n.code, n.wparam, n.lparam); }

class SliderTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.Manager().SetBackColor(RGB(0x10, 0x20, 0x30), RGB(0x10, 0x20, 0x30));
        recorder.onNotify = [this](const Notification&) { threads.push_back(::GetCurrentThreadId()); };
    }
    // A slider over (50, 100) – (260, 130) with a 10-pixel thumb image: the thumb's centre
    // runs from x 55 to 255, 200 pixels.
    MSlider* MakeSlider(int minimum, int maximum) {
        auto* slider = window.Add(new MSlider(&recorder, kSliderId, CRect(50, 100, 260, 130), 1, 1));
        EXPECT_EQ(slider->SetThumbImage(thumb.c_str()), 1);
        slider->SetMaxProgress(maximum);
        slider->SetMinProgress(minimum);
        return slider;
    }

    harness::TestWindow window;
    tabtest::Recorder recorder{window};
    harness::InputDriver input{window};
    std::wstring thumb = tabtest::SquareImage(L"kelvo-slider-thumb.png", 10, kThumbColour);
    std::vector<DWORD> threads;
};

TEST_F(SliderTest, DraggingTellsEachValueAndTheRelease) {
    const struct {
        const char* name;
        int minimum, maximum, pressX, toX;
        std::vector<Notification> notifications;
    } cases[] = {
        {"drag the thumb", 0, 10, 55, 115, {{kSliderId, 8, 3, 0}, {kSliderId, 2, 0, 0}}},
        {"values start at the minimum", 5, 15, 55, 115, {{kSliderId, 8, 8, 0}, {kSliderId, 2, 0, 0}}},
        {"a percentage", 0, 100, 55, 115, {{kSliderId, 8, 30, 0}, {kSliderId, 2, 0, 0}}},
        {"a press beside the thumb makes it jump", 0, 10, 215, 216, {{kSliderId, 8, 8, 0}, {kSliderId, 2, 0, 0}}},
        {"past the end stops at the maximum", 0, 10, 55, 258, {{kSliderId, 8, 10, 0}, {kSliderId, 2, 0, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MSlider* slider = MakeSlider(c.minimum, c.maximum);
        window.PaintNow();
        recorder.seen.clear();
        threads.clear();
        input.MoveTo(CPoint(c.pressX, 123));
        input.LeftDown();
        input.MoveTo(CPoint(c.toX, 123));
        input.LeftUp();
        ASSERT_EQ(recorder.seen.size(), c.notifications.size());
        for (size_t i = 0; i < c.notifications.size(); ++i)
            EXPECT_EQ(Fields(recorder.seen[i]), Fields(c.notifications[i])) << i;
        for (DWORD thread : threads) EXPECT_EQ(thread, ::GetCurrentThreadId());
        window.Manager().RemoveControl(slider);
    }
}

// The thumb follows a pointer that left the slider during a drag, from the paint
// manager's tick, whether or not the slider has a background image (which is what
// SetImage gives it).
class SliderFollowTest : public SliderTest, public ::testing::WithParamInterface<bool> {};

TEST_P(SliderFollowTest, TheTickBringsTheThumbToThePointerOnceItRestedOver60Ms) {
    VirtualClock clock;
    Kelvo::InstallToolkitClock(&clock);
    MSlider* slider = MakeSlider(0, 10);
    if (GetParam()) {
        ASSERT_EQ(slider->SetImage(thumb.c_str(), 1), 1);  // joins the paint manager's ticks
        ASSERT_EQ(slider->SetImage(thumb.c_str(), 1), 1);
    }
    // A period far longer than the test: the ticks below are the only ones.
    const UINT timer = window.Manager().SetMTimer(30000);
    ASSERT_NE(timer, 0u);
    window.PaintNow();
    input.MoveTo(CPoint(55, 123));
    input.LeftDown();
    ASSERT_EQ(slider->GetState(), MSlider::kDragging);
    input.MoveTo(CPoint(330, 123));  // outside the slider: its moves stop arriving
    const struct {
        int advanceMs;
        int position;
        size_t notifications;
    } ticks[] = {{0, 0, 0}, {60, 0, 0}, {1, 10, 1}, {100, 10, 1}};
    for (const auto& t : ticks) {
        clock.Advance(t.advanceMs);
        window.Manager().OnMTimer(timer);
        EXPECT_EQ(slider->GetProgress(), t.position) << t.advanceMs;
        EXPECT_EQ(recorder.seen.size(), t.notifications) << t.advanceMs;
    }
    EXPECT_EQ(slider->GetThumbRect(), CRect(250, 118, 260, 128));
    input.LeftUp();
    ASSERT_EQ(recorder.seen.size(), 2u);
    EXPECT_EQ(Fields(recorder.seen[0]), Fields({kSliderId, 8, 10, 0}));
    EXPECT_EQ(Fields(recorder.seen[1]), Fields({kSliderId, 2, 0, 0}));
    // Released: the tick leaves the thumb alone.
    input.MoveTo(CPoint(55, 160));
    clock.Advance(500);
    window.Manager().OnMTimer(timer);
    EXPECT_EQ(slider->GetProgress(), 10);
    window.Manager().KillMTimer(timer);
    Kelvo::InstallToolkitClock(nullptr);
}

INSTANTIATE_TEST_SUITE_P(BackgroundImage, SliderFollowTest, ::testing::Bool());

TEST_F(SliderTest, RangeChangesKeepThePositionInsideWithoutTellingTheParent) {
    MSlider* slider = MakeSlider(0, 10);
    enum Op { kProgress, kMax, kMin };
    const struct {
        Op op;
        int argument, position, thumbCentre;
    } steps[] = {
        {kProgress, 8, 8, 215},  {kMax, 5, 5, 255},         {kMin, 3, 2, 255},     {kMin, 5, 0, 55},
        {kProgress, 7, 0, 55},   {kMax, 100, 0, 55},       {kMin, 0, 0, 55},      {kProgress, 150, 100, 255},
        {kProgress, -1, 100, 255}, {kProgress, 50, 50, 155}, {kMax, 60, 50, 221},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(std::to_string(s.op) + ":" + std::to_string(s.argument));
        if (s.op == kProgress)
            EXPECT_EQ(slider->SetProgress(s.argument), s.position);
        else if (s.op == kMax)
            slider->SetMaxProgress(s.argument);
        else
            slider->SetMinProgress(s.argument);
        EXPECT_EQ(slider->GetProgress(), s.position);
        EXPECT_EQ(slider->GetThumbRect().CenterPoint().x, s.thumbCentre);
    }
    EXPECT_TRUE(recorder.seen.empty());
}

TEST_F(SliderTest, ShowsTitleValueAndPercent) {
    const struct {
        const wchar_t* title;
        int maximum, scale, value;
        const wchar_t* shown;
    } cases[] = {
        {L"", 100, 1, 42, L"42%"}, {L"", 10, 1, 7, L"7"},          {L"Speed ", 10, 2, 9, L"Speed 4"},
        {L"", 10, 0, 9, L"9"},     {L"x", 100, 10, 100, L"x10%"},
    };
    for (const auto& c : cases) {
        MSlider* slider = MakeSlider(0, c.maximum);
        slider->SetTitle(c.title);
        slider->SetScale(c.scale);
        slider->SetProgress(c.value);
        EXPECT_STREQ(slider->GetShownText().GetString(), c.shown);
        window.Manager().RemoveControl(slider);
    }
}

TEST_F(SliderTest, DrawsTheLineFilledUpToTheThumbAndTheText) {
    MSlider* slider = MakeSlider(0, 10);
    slider->SetProgress(5);  // thumb (150, 118) – (160, 128)
    window.PaintNow();
    const struct {
        const char* what;
        int x, y;
        DWORD rgb;
    } probes[] = {
        {"filled part", 80, 101, Kelvo::Manager::GetSelectColor() & 0xFFFFFF},
        {"filled up to the thumb", 150, 101, Kelvo::Manager::GetSelectColor() & 0xFFFFFF},
        {"the rest of the line", 200, 101, 0x333333},
        {"before the line", 52, 101, kBackground},
        {"after the line", 257, 101, kBackground},
        {"thumb", 155, 123, kThumbColour & 0xFFFFFF},
        {"between line and thumb", 155, 110, kBackground},
    };
    for (const auto& p : probes) EXPECT_EQ(window.Pixel(p.x, p.y), p.rgb) << p.what;

    slider->SetMaxProgress(0);  // nothing to choose: a bare line and no thumb
    window.PaintNow();
    EXPECT_EQ(window.Pixel(80, 101), 0x333333u);
    EXPECT_EQ(window.Pixel(155, 123), kBackground);

    auto* labelled = window.Add(new MSlider(&recorder, 251, CRect(50, 150, 260, 190), 1, 1));
    labelled->SetMaxProgress(100);
    labelled->SetProgress(42);
    auto inked = [&] {
        int count = 0;
        for (int y = 170; y < 190; ++y)
            for (int x = 50; x < 260; ++x) count += window.Pixel(x, y) != kBackground ? 1 : 0;
        return count;
    };
    window.PaintNow();
    EXPECT_EQ(inked(), 0);
    labelled->SetShowText(1);
    labelled->UpdateControl(1, 0);
    window.PaintNow();
    EXPECT_GT(inked(), 20);
}

}  // namespace
