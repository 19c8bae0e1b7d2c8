// The hue bar in a real window: pressing, dragging and the wheel with real input (the
// release, or a wheel turn that moved the thumb, tells the parent 2 on the window's
// thread), positions kept inside the hue range, the colours it gives in colour-reference
// byte order, and the strip and thumb it draws from the shipped skin.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "ColourConversion.h"
#include "ColourTestSupport.h"
#include "InputDriver.h"
#include "PaletteBar.h"

namespace {

using colourtest::AsPixel;
using colourtest::kBackground;
using harness::Notification;
using Kelvo::PaletteBar;

constexpr UINT kId = 208;
// 370 wide: a hue range of 360 pixels, one degree per pixel. The strip runs from x 25,
// rows 103 … 107; the thumb image (10 x 10) at y 108 … 117, x = 20 + position.
const CRect kBar(20, 100, 390, 120);
constexpr int kRow = 110;

auto Fields(const Notification& n) { return std::make_tuple(n.id, n.code, n.wparam, n.lparam); }

class PaletteBarTest : public ::testing::Test {
protected:
    void SetUp() override { window.Manager().SetBackColor(RGB(0x10, 0x20, 0x30), RGB(0x10, 0x20, 0x30)); }

    PaletteBar* MakeBar(CRect rect = kBar) {
        auto* bar = window.Add(new PaletteBar(&recorder, kId, rect, 1));
        bar->SetRect(rect);
        EXPECT_EQ(bar->SetImage(colourtest::SkinPath(L"img_lightslider_bar.png").c_str(), 1), 1);
        window.PaintNow();
        recorder.Clear();
        return bar;
    }

    // A click that puts the thumb at `position` (a press 5 pixels right of it).
    void PlaceAt(PaletteBar* bar, int position) {
        input.Click(CPoint(kBar.left + position + 5, kRow));
        window.PaintNow();
        ASSERT_EQ(bar->GetCurrentHue(), position);
        recorder.Clear();
    }

    harness::TestWindow window;
    colourtest::Recorder recorder{window};
    harness::InputDriver input{window};
};

TEST_F(PaletteBarTest, PressAndDragMoveTheThumbAndTheReleaseTellsTwo) {
    const struct {
        const char* name;
        int pressX, toX, toY, hue;
        bool notified;
    } cases[] = {
        {"drag the thumb", 205, 300, kRow, 275, true},
        {"a press off the thumb jumps without dragging", 23, 300, kRow, 0, true},
        {"far right stops at the end of the range", 205, 389, kRow, 360, true},
        {"released outside the bar: no word", 205, 250, 150, 180, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PaletteBar* bar = MakeBar();
        ASSERT_EQ(bar->GetCurrentHue(), 180);
        input.MoveTo(CPoint(c.pressX, kRow));
        input.LeftDown();
        input.MoveTo(CPoint(c.toX, c.toY));
        input.LeftUp();
        EXPECT_EQ(bar->GetCurrentHue(), c.hue);
        EXPECT_EQ(bar->IsDragging(), 0);
        ASSERT_EQ(recorder.seen.size(), c.notified ? 1u : 0u);
        if (c.notified) {
            EXPECT_EQ(Fields(recorder.seen[0]), Fields({kId, 2, 0, 0}));
        }
        EXPECT_TRUE(recorder.AllOnThisThread());
        window.Manager().RemoveControl(bar);
    }
}

TEST_F(PaletteBarTest, TheWheelStepsTwoPixelsAndTellsTwoOnlyWhenItMoved) {
    const struct {
        int from, delta, to;
        size_t notifications;
    } cases[] = {
        {180, -120, 178, 1}, {180, 120, 182, 1}, {1, -120, 0, 1},
        {0, -120, 0, 0},     {360, 120, 360, 0}, {359, 120, 360, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " " + std::to_string(c.delta));
        PaletteBar* bar = MakeBar();
        PlaceAt(bar, c.from);
        input.MoveTo(CPoint(100, kRow));
        input.Wheel(c.delta);
        EXPECT_EQ(bar->GetCurrentHue(), c.to);
        ASSERT_EQ(recorder.seen.size(), c.notifications);
        if (c.notifications) {
            EXPECT_EQ(Fields(recorder.seen[0]), Fields({kId, 2, 0, 0}));
        }
        EXPECT_TRUE(recorder.AllOnThisThread());
        // What the parent reads on hearing 2 is what the bar shows.
        window.PaintNow();
        EXPECT_EQ(bar->GetSelectColor(), bar->PaletteHSLToRGB(200));
        window.Manager().RemoveControl(bar);
    }
}

TEST_F(PaletteBarTest, DisabledItTakesNeitherPressNorWheel) {
    PaletteBar* bar = MakeBar();
    bar->SetEnabled(0);
    input.Click(CPoint(50, kRow));
    input.Wheel(-120);
    // Also when the wheel reaches it some other way than through its window.
    EXPECT_EQ(bar->OnControlScroll(1, 1, CPoint(50, kRow)), 0);
    EXPECT_EQ(bar->GetCurrentHue(), 180);
    EXPECT_TRUE(recorder.seen.empty());
}

TEST_F(PaletteBarTest, ANarrowerBarKeepsTheThumbInsideItsRange) {
    const struct {
        int width, hue;
    } cases[] = {{370, 360}, {200, 190}, {100, 90}, {10, 0}, {370, 0}};
    PaletteBar* bar = MakeBar();
    PlaceAt(bar, 360);
    for (const auto& c : cases) {
        bar->SetRect(CRect(kBar.left, kBar.top, kBar.left + c.width, kBar.bottom));
        EXPECT_EQ(bar->GetCurrentHue(), c.hue) << c.width;
    }
}

TEST_F(PaletteBarTest, ColoursComeInColourReferenceOrderWithAnOpaqueTopByte) {
    const struct {
        int hue, saturation;
        DWORD colour;
    } cases[] = {
        {0, 200, 0xFF0000FF},   {120, 200, 0xFF00FF00}, {240, 200, 0xFFFF0000},
        {0, 0, 0xFF7F7F7F},     {240, 0, 0xFF7F7F7F},   {60, 200, 0xFF00FFFF},
        {0, 100, 0xFF3F3FBF},
    };
    PaletteBar* bar = MakeBar();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.hue) + " " + std::to_string(c.saturation));
        PlaceAt(bar, c.hue);
        EXPECT_EQ(bar->PaletteHSLToRGB(c.saturation), c.colour);
        EXPECT_EQ(bar->GetSelectColor(), bar->PaletteHSLToRGB(200));
    }
    // A colour set from outside stands until the next repaint shows the hue's own.
    bar->SetSelectColor(0x00123456);
    EXPECT_EQ(bar->GetSelectColor(), 0x00123456u);
    window.PaintNow();
    EXPECT_EQ(bar->GetSelectColor(), 0xFF0000FFu);
}

TEST_F(PaletteBarTest, ABarOfTenPixelsOrLessHasNoRangeAndShowsNothing) {
    const CRect narrow(20, 100, 30, 120);
    PaletteBar* bar = MakeBar(narrow);
    EXPECT_EQ(bar->GetCurrentHue(), 0);
    input.Click(CPoint(27, kRow));
    input.Wheel(120);
    window.PaintNow();
    EXPECT_EQ(bar->GetCurrentHue(), 0);
    EXPECT_EQ(bar->GetSelectColor(), 0xFF0000FFu);
    for (int x = narrow.left; x < narrow.right; ++x)
        for (int y = narrow.top; y < narrow.bottom; y += 2) EXPECT_EQ(window.Pixel(x, y), kBackground) << x << "," << y;
    // The release over it still tells the parent.
    ASSERT_EQ(recorder.seen.size(), 1u);
    EXPECT_EQ(Fields(recorder.seen[0]), Fields({kId, 2, 0, 0}));
}

TEST_F(PaletteBarTest, DrawsEveryHueAsAStripAndTheSkinThumbAtTheHue) {
    const colourtest::SkinPicture thumb(L"img_lightslider_bar.png");
    ASSERT_EQ(thumb.Width(), 10);
    PaletteBar* bar = MakeBar();
    PlaceAt(bar, 90);
    for (int i = 0; i < 360; i += 7)
        for (int y : {103, 107})
            EXPECT_EQ(window.Pixel(25 + i, y), AsPixel(Kelvo::HSLToRGB(i / 360.0f, 1.0f, 0.5f))) << i << "," << y;
    EXPECT_EQ(window.Pixel(25, 105), 0xFF0000u);         // hue 0 is red on the screen
    EXPECT_EQ(window.Pixel(25 + 240, 105), 0x0000FFu);   // and 240 blue
    EXPECT_EQ(window.Pixel(24, 105), kBackground);        // the strip keeps 5 pixels in
    EXPECT_EQ(window.Pixel(25 + 360, 105), kBackground);
    EXPECT_EQ(window.Pixel(100, 102), kBackground);       // five rows high
    EXPECT_EQ(window.Pixel(300, 108), kBackground);       // no thumb away from the hue
    for (int x = 0; x < 10; x += 3)
        for (int y = 0; y < 10; y += 3)
            EXPECT_TRUE(colourtest::Near(window.Pixel(kBar.left + 90 + x, 108 + y),
                                         colourtest::Over(thumb.At(x, y), kBackground)))
                << x << "," << y;
}

}  // namespace
