// CSliderPicture: the picture slides in from the left, down from the top or in from the
// right, one step per tick of the window, the uncovered part filled with 0xF2F2F2, and
// the control hides itself once the slide is over or stopped.
#include <gtest/gtest.h>

#include <string>

#include "CSliderPicture.h"
#include "PictureTestSupport.h"
#include "TestWindow.h"

namespace {

using namespace picture_test;
using harness::TestWindow;
using Kelvo::CSliderPicture;

constexpr DWORD kUncovered = 0xF2F2F2;
constexpr DWORD kWhite = 0xFFFFFF;

class SliderPictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.Manager().SetBackColor(RGB(0xFF, 0xFF, 0xFF), RGB(0xFF, 0xFF, 0xFF));
        // Four colours in 10-pixel cells, so that every column and row that arrives is
        // told apart from its neighbours.
        image = WriteGrid(L"kelvo-slider-picture.png", 10, 10, 2, 2, {kRed, kBlue, kGreen, kYellow});
    }
    void TearDown() override { DeleteFileW(image.c_str()); }
    CSliderPicture* Add(CRect rect) {
        auto* slider = window.Add(new CSliderPicture(&window, 70, rect, 1, 1));
        EXPECT_EQ(slider->SetImage(image.c_str(), 1), 1);
        slider->SetShowMode(Kelvo::SHOWMODE_TILE, 4);  // 1:1 copies, so every pixel is known
        return slider;
    }

    TestWindow window;
    std::wstring image;
};

// The picture tiled: (x, y) of the control shows the image's (x % 20, y % 20).
DWORD Tiled(int x, int y) {
    const uint32_t cells[] = {kRed, kBlue, kGreen, kYellow};
    return cells[((y % 20) / 10) * 2 + (x % 20) / 10] & 0xFFFFFF;
}

TEST_F(SliderPictureTest, EachModeRevealsThePictureStepByStep) {
    const struct {
        const char* what;
        int mode;
        CRect rect;
        int ticks;
        int position;  // after those ticks
        // What control pixel (x, y) shows after those ticks.
        DWORD (*expected)(int x, int y, const CRect& rect, int position);
    } cases[] = {
        // 250 wide: 2 pixels a tick; the right-most `position` columns at the left edge.
        {"from the left", Kelvo::SLIDER_LEFT, CRect(20, 20, 270, 60), 10, 20,
         [](int x, int y, const CRect& r, int p) { return x < p ? Tiled(r.Width() - p + x, y) : kUncovered; }},
        // 40 high: a hundredth is no pixel, so one a tick; the bottom rows at the top.
        {"from the top", Kelvo::SLIDER_TOP, CRect(20, 100, 120, 140), 15, 115,
         [](int x, int y, const CRect& r, int p) {
             const int shown = p - r.top;
             return y < shown ? Tiled(x, r.Height() - shown + y) : kUncovered;
         }},
        // 50 wide: one a tick; the left-most columns from `position` on.
        {"from the right", Kelvo::SLIDER_RIGHT, CRect(150, 100, 200, 130), 7, 193,
         [](int x, int y, const CRect& r, int p) {
             const int from = p - r.left;
             return x >= from ? Tiled(x - from, y) : kUncovered;
         }},
    };
    for (const auto& c : cases) {
        CSliderPicture* slider = Add(c.rect);
        Ticks ticks(window);
        ASSERT_TRUE(ticks.Started());
        EXPECT_EQ(slider->SetRun(1, c.mode), 1) << c.what;
        ticks.Run(c.ticks);
        EXPECT_EQ(slider->GetSlidePosition(), c.position) << c.what;
        EXPECT_EQ(slider->IsRunning(), 1) << c.what;
        window.PaintNow();
        int wrong = 0;
        for (int y = 0; y < c.rect.Height(); ++y)
            for (int x = 0; x < c.rect.Width(); ++x) {
                const DWORD seen = window.Pixel(c.rect.left + x, c.rect.top + y);
                const DWORD expected = c.expected(x, y, c.rect, c.position);
                if (seen != expected && ++wrong <= 3)
                    ADD_FAILURE() << c.what << " at " << x << "," << y << ": " << std::hex << seen << " not "
                                  << expected;
            }
        EXPECT_EQ(slider->IsVisible(), 1) << c.what;
        window.Manager().RemoveControl(slider);
    }
}

TEST_F(SliderPictureTest, ASlideEndsAfterItsLastStepAndTheControlHidesItself) {
    const struct {
        int width, height, mode, ticks;  // ticks the whole slide takes
    } cases[] = {
        {250, 30, Kelvo::SLIDER_LEFT, 125},
        {60, 30, Kelvo::SLIDER_LEFT, 60},   // under 100 pixels: a pixel a tick, still ending
        {30, 60, Kelvo::SLIDER_TOP, 60},
        {300, 20, Kelvo::SLIDER_RIGHT, 100},
    };
    for (const auto& c : cases) {
        CSliderPicture* slider = Add(CRect(20, 20, 20 + c.width, 20 + c.height));
        Ticks ticks(window);
        slider->SetRun(1, c.mode);
        ticks.Run(c.ticks - 1);
        EXPECT_EQ(slider->IsRunning(), 1) << c.width << "x" << c.height;
        ticks.Run(1);
        EXPECT_EQ(slider->IsRunning(), 0) << c.width << "x" << c.height;
        window.PaintNow();  // the whole picture, once
        EXPECT_EQ(slider->IsVisible(), 0) << c.width << "x" << c.height;
        window.PaintNow();
        EXPECT_EQ(window.Pixel(22, 22), kWhite) << c.width << "x" << c.height;  // gone
        window.Manager().RemoveControl(slider);
    }
}

TEST_F(SliderPictureTest, StoppingHidesAndADisabledSliderDoesNotStart) {
    CSliderPicture* slider = Add(CRect(20, 20, 220, 60));
    Ticks ticks(window);
    slider->SetRun(1, Kelvo::SLIDER_LEFT);
    ticks.Run(5);
    EXPECT_EQ(slider->SetRun(0, Kelvo::SLIDER_LEFT), 0);
    ticks.Run(5);
    EXPECT_EQ(slider->GetSlidePosition(), 0);  // the stop rewound it, and stopped it stays
    window.PaintNow();
    EXPECT_EQ(slider->IsVisible(), 0);

    slider->SetVisible(1);
    slider->SetEnabled(0);
    EXPECT_EQ(slider->SetRun(1, Kelvo::SLIDER_TOP), 0);
    EXPECT_EQ(slider->GetSlideMode(), Kelvo::SLIDER_LEFT);
}

}  // namespace
