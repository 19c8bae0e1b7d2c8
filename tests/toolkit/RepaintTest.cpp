// Painting through the back buffer: controls render into their caches only when marked
// stale, hover of a pre-rendered control only changes what is copied, later controls
// over a changed one render again, and the layered path keeps its alpha straight.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "InputDriver.h"
#include "RecordingControl.h"
#include "RenderCanvas.h"
#include "TestWindow.h"

namespace {

using harness::EventLog;
using harness::InputDriver;
using harness::RecordingControl;
using harness::TestWindow;

constexpr DWORD kNormal = 0x204080;  // RGB of the recording control's frames, as 0xRRGGBB
constexpr DWORD kHover = 0x804020;

class RepaintTest : public ::testing::Test {
protected:
    RecordingControl* Make(const std::string& name, UINT id, CRect rect, int kind = 1) {
        return window.Add(new RecordingControl(&window, log, name, id, rect), kind);
    }
    // Lets pending repaints happen.
    void Settle() { window.Pump(60); }

    EventLog log;  // outlives the window, whose controls write to it as they go
    TestWindow window;
};

TEST_F(RepaintTest, AControlRendersOnlyWhenItsCacheWasMarkedStale) {
    RecordingControl* a = Make("a", 10, CRect(20, 20, 120, 70));
    window.PaintNow();
    ASSERT_EQ(a->renders, 1);
    const struct {
        const char* change;
        std::function<void()> apply;
        int renders;
    } steps[] = {
        {"whole window repainted", [&] { window.PaintNow(); }, 1},
        {"repaint without redraw", [&] { a->UpdateControl(0, 0); }, 1},
        {"repaint with redraw", [&] { a->UpdateControl(1, 0); }, 2},
        {"new title", [&] { a->SetTitle(L"Hello"); }, 3},
        {"same visibility", [&] { a->SetVisible(1); }, 3},
        {"same alignment", [&] { a->SetAlignment(0, 4); }, 3},
        {"new alignment", [&] { a->SetAlignment(1, 4); }, 4},
        {"disabled", [&] { a->SetEnabled(0); }, 5},
        {"moved", [&] { a->SetRect(30, 20, 100, 50); }, 6},
        {"hidden: nothing to draw", [&] { a->SetVisible(0); }, 6},
        {"shown again", [&] { a->SetVisible(1); }, 7},
    };
    for (const auto& step : steps) {
        step.apply();
        Settle();
        EXPECT_EQ(a->renders, step.renders) << step.change;
    }
}

TEST_F(RepaintTest, HoveringAPreRenderedControlNeverRendersIt) {
    RecordingControl* a = Make("a", 10, CRect(20, 20, 120, 70));
    InputDriver input(window);
    window.PaintNow();
    EXPECT_EQ(window.Pixel(60, 40), kNormal);
    for (int round = 0; round < 5; ++round) {
        input.MoveTo({60, 40});
        Settle();
        EXPECT_EQ(window.Pixel(60, 40), kHover) << round;
        input.MoveTo({200, 150});
        Settle();
        EXPECT_EQ(window.Pixel(60, 40), kNormal) << round;
    }
    EXPECT_EQ(a->renders, 1);
}

TEST_F(RepaintTest, ControlsOverAChangedOneRenderAgainAndOthersDoNot) {
    RecordingControl* area = Make("area", 9, CRect(0, 0, 400, 300), 0);
    RecordingControl* under = Make("under", 10, CRect(20, 20, 120, 70));
    RecordingControl* over = Make("over", 11, CRect(100, 50, 200, 100));    // overlaps `under`, drawn later
    RecordingControl* before = Make("before", 12, CRect(150, 150, 250, 200));
    RecordingControl* apart = Make("apart", 13, CRect(300, 20, 380, 60));
    // `before` comes earlier in the list than a control that changes over it.
    RecordingControl* top = Make("top", 14, CRect(160, 160, 240, 190));
    window.PaintNow();
    under->UpdateControl(1, 0);
    top->UpdateControl(1, 0);
    Settle();
    EXPECT_EQ(under->renders, 2);
    EXPECT_EQ(over->renders, 2);   // lies over `under`: its cache held the old background
    EXPECT_EQ(top->renders, 2);
    EXPECT_EQ(before->renders, 1);  // drawn before `top`: unaffected
    EXPECT_EQ(apart->renders, 1);
    EXPECT_EQ(area->renders, 1);    // areas lie under every control
}

TEST_F(RepaintTest, TheBackBufferShowsBackgroundAreasAndControlsInDrawingOrder) {
    window.Manager().SetBackColor(RGB(0x11, 0x22, 0x33), RGB(0x44, 0x55, 0x66));
    RecordingControl* area = Make("area", 9, CRect(200, 150, 300, 250), 0);
    area->SetColors(RGB(0x00, 0xAA, 0x00), RGB(0, 0, 0));
    RecordingControl* low = Make("low", 10, CRect(20, 20, 120, 70));
    low->SetColors(RGB(0xAA, 0x00, 0x00), RGB(0, 0, 0));
    RecordingControl* high = Make("high", 11, CRect(60, 40, 160, 90));
    high->SetColors(RGB(0x00, 0x00, 0xAA), RGB(0, 0, 0));
    // Areas draw before controls even when added later.
    RecordingControl* late = Make("late", 12, CRect(250, 200, 350, 280), 0);
    late->SetColors(RGB(0xCC, 0xCC, 0x00), RGB(0, 0, 0));
    RecordingControl* cover = Make("cover", 13, CRect(240, 190, 260, 210));
    cover->SetColors(RGB(0x00, 0xCC, 0xCC), RGB(0, 0, 0));
    window.PaintNow();
    const struct {
        CPoint at;
        DWORD rgb;
    } pixels[] = {
        {{0, 0}, 0x445566},      {{399, 299}, 0x445566},  // border
        {{1, 1}, 0x112233},      {{398, 298}, 0x112233},  // fill, one pixel in
        {{30, 30}, 0xAA0000},    {{100, 60}, 0x0000AA},   // the later control covers the earlier
        {{20, 20}, 0x112233},    // the frame of the recording control is one pixel in: background
        {{210, 160}, 0x00AA00},  {{270, 220}, 0xCCCC00},  {{250, 200}, 0x00CCCC},
    };
    for (const auto& p : pixels) EXPECT_EQ(window.Pixel(p.at.x, p.at.y), p.rgb) << p.at.x << "," << p.at.y;
}

TEST_F(RepaintTest, AnEmptyOrClippedControlPaintsNothingOfItsOwnOrItsChildren) {
    RecordingControl* empty = Make("empty", 10, CRect(50, 50, 50, 80));
    auto* child = new RecordingControl(empty, log, "child", 11, CRect(50, 50, 90, 80));
    empty->AttachControl(1, child);
    window.PaintNow();
    EXPECT_EQ(empty->renders, 0);
    EXPECT_EQ(child->renders, 0);
    EXPECT_NE(window.Pixel(60, 60), kNormal);
}

class LayeredRepaintTest : public ::testing::Test {
protected:
    EventLog log;
    TestWindow window{CRect(100, 100, 500, 400), true};
};

TEST_F(LayeredRepaintTest, EveryPixelIsPaintedWithItsAlphaFromTheFirstRowToTheLast) {
    auto* a = window.Add(new RecordingControl(&window, log, "a", 10, CRect(0, 0, 400, 30)));
    a->SetTitle(L"WWWWWWWWWWWW");  // GDI text, which leaves alpha at 0 where it draws
    a->SetTextColor(0xFFFFFFFF);
    window.PaintNow();
    window.Pump(30);
    EXPECT_NE(GetWindowLongPtrW(window.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    const struct {
        CPoint at;
        DWORD argb;
    } pixels[] = {
        {{0, 0}, 0xFF6D6D6D},      // top row, border: the row most easily addressed past the buffer
        {{399, 0}, 0xFF6D6D6D},
        {{0, 299}, 0xFF6D6D6D},    // bottom row
        {{5, 298}, 0xFF03060B},
        {{200, 150}, 0xFF03060B},
        {{10, 10}, 0xFF204080},
    };
    for (const auto& p : pixels) EXPECT_EQ(window.PixelArgb(p.at.x, p.at.y), p.argb) << p.at.x << "," << p.at.y;
    // Where the text drew, the pixels are white and opaque, not see-through.
    int opaqueWhite = 0;
    for (int x = 1; x < 399; ++x)
        for (int y = 1; y < 29; ++y)
            if (window.PixelArgb(x, y) == 0xFFFFFFFF) ++opaqueWhite;
    EXPECT_GT(opaqueWhite, 20);
    for (int x = 1; x < 399; ++x)
        for (int y = 1; y < 29; ++y)
            EXPECT_EQ(window.PixelArgb(x, y) >> 24, 0xFFu) << x << "," << y;
}

TEST_F(LayeredRepaintTest, ARepaintRequestRepaintsTheWholeClientArea) {
    auto* a = window.Add(new RecordingControl(&window, log, "a", 10, CRect(20, 20, 60, 60)));
    window.PaintNow();
    window.Pump(30);
    ValidateRect(window.Handle(), nullptr);
    a->UpdateControl(0, 0);
    RECT update{};
    ASSERT_TRUE(GetUpdateRect(window.Handle(), &update, FALSE));
    EXPECT_EQ(update.left, 0);
    EXPECT_EQ(update.top, 0);
    EXPECT_EQ(update.right, 400);
    EXPECT_EQ(update.bottom, 300);
}

TEST_F(LayeredRepaintTest, PixelsNothingDrewStayTransparent) {
    // A background image smaller than the window leaves the rest of it see-through.
    const std::wstring path = Kelvo::test::TempPath(L"kelvo-layered-bk.png");
    const uint32_t colour = 0xFF102030;
    ASSERT_TRUE(Kelvo::test::WriteFrameStrip(path.c_str(), 100, 80, &colour, 1));
    ASSERT_EQ(window.Manager().LoadBKImage(path.c_str()), 1);
    window.PaintNow();
    window.Pump(30);
    EXPECT_EQ(window.PixelArgb(50, 40), 0xFF102030u);
    EXPECT_EQ(window.PixelArgb(150, 40), 0u);
    EXPECT_EQ(window.PixelArgb(399, 299), 0u);
    DeleteFileW(path.c_str());
}

}  // namespace
