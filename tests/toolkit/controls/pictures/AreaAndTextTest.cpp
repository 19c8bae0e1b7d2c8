// CArea: its colour reference blended row by row with the transparencies, filled at
// alpha 254 when both are 0, and framed; MText: made disabled, inked in its own colour on
// one line or wrapped over several.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "CArea.h"
#include "MText.h"
#include "RenderCanvas.h"
#include "TestWindow.h"

namespace {

using harness::TestWindow;
using Kelvo::CArea;
using Kelvo::MText;

class AreaTest : public ::testing::Test {
protected:
    void SetUp() override { window.Manager().SetBackColor(RGB(0, 0, 0), RGB(0, 0, 0)); }
    CArea* Add(CRect rect) { return window.Add(new CArea(&window, 95, rect, 1, 1)); }

    TestWindow window;
};

TEST_F(AreaTest, TheDefaultBlendsWhiteEvenlyAtAlpha51OnEveryRow) {
    CArea* area = Add(CRect(20, 20, 120, 220));
    window.PaintNow();
    for (int y = 20; y < 220; ++y) {
        EXPECT_EQ(window.Pixel(20, y), 0x333333u) << "row " << y;
        EXPECT_EQ(window.Pixel(119, y), 0x333333u) << "row " << y;
    }
    EXPECT_EQ(window.Pixel(20, 220), 0u);
    EXPECT_EQ(area->GetFillColor(), RGB(0xFF, 0xFF, 0xFF));
}

TEST_F(AreaTest, ColourReferencesKeepTheirByteOrder) {
    CArea* area = Add(CRect(20, 20, 120, 120));
    const struct {
        int start, end;
        COLORREF colour;
        DWORD top, middle, bottom;  // rows 0, 50 and 99 (0xRRGGBB)
    } cases[] = {
        {0, 0, 0x0000FF, 0xFE0000, 0xFE0000, 0xFE0000},  // red, at alpha 254
        {0, 0, 0xFF0000, 0x0000FE, 0x0000FE, 0x0000FE},  // blue
        {80, 80, 0x0000FF, 0x330000, 0x330000, 0x330000},
        {50, 50, 0x00FF00, 0x007F00, 0x007F00, 0x007F00},
        // Fading out downwards: 255 at the top, 2.55 less on each of the 100 rows.
        {0, 100, 0x0000FF, 0xFF0000, 0x7F0000, 0x020000},
        {100, 0, 0x0000FF, 0x000000, 0x7F0000, 0xFC0000},
    };
    for (const auto& c : cases) {
        area->SetTransparent(c.start, c.end, c.colour);
        window.PaintNow();
        EXPECT_EQ(window.Pixel(60, 20), c.top) << c.start << "/" << c.end << " " << std::hex << c.colour;
        EXPECT_EQ(window.Pixel(60, 70), c.middle) << c.start << "/" << c.end << " " << std::hex << c.colour;
        EXPECT_EQ(window.Pixel(60, 119), c.bottom) << c.start << "/" << c.end << " " << std::hex << c.colour;
    }
}

TEST_F(AreaTest, AFrameSurroundsTheFillOnlyWhenNothingFades) {
    CArea* area = Add(CRect(20, 20, 120, 120));
    area->SetFrame(1, 0xFFFFFF00, 0);
    window.PaintNow();
    EXPECT_EQ(window.Pixel(20, 20), 0x333333u);  // still fading: no frame
    area->SetTransparent(0, 0, 0xFF0000);
    window.PaintNow();
    const struct {
        CPoint at;
        DWORD rgb;
    } probes[] = {
        {{20, 20}, 0xFFFF00}, {{119, 119}, 0xFFFF00}, {{70, 20}, 0xFFFF00}, {{20, 70}, 0xFFFF00},
        // Blue at alpha 254 over the frame colour, which the whole area was filled with first.
        {{21, 21}, 0x0101FE}, {{118, 118}, 0x0101FE}, {{70, 70}, 0x0101FE}, {{19, 70}, 0x000000},
    };
    for (const auto& p : probes) EXPECT_EQ(window.Pixel(p.at.x, p.at.y), p.rgb) << p.at.x << "," << p.at.y;
}

class TextTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.Manager().SetBackColor(RGB(0, 0, 0), RGB(0, 0, 0));
        ASSERT_NE(window.Manager().AddTempFont(L"Open Sans Semibold", Kelvo::test::FontFile("Semibold").c_str()),
                  nullptr);
    }
    // Rows and columns of the window that carry ink, and whether all of it is green.
    struct Ink {
        int count = 0, top = 1000, bottom = -1, right = -1;
        bool green = true;
    };
    Ink InkOf() {
        window.PaintNow();
        Ink ink;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 400; ++x) {
                const DWORD rgb = window.Pixel(x, y);
                if (!rgb) continue;
                ++ink.count;
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
                ink.right = std::max(ink.right, x);
                if (rgb & 0xFF00FF) ink.green = false;
            }
        return ink;
    }

    TestWindow window;
};

TEST_F(TextTest, DisabledTextKeepsItsColourOnOneLineOrWrapped) {
    auto* text = window.Add(new MText(&window, 96, CRect(20, 20, 140, 160), L"Kelvo shows words wrapped here", 1));
    EXPECT_EQ(text->IsEnabled(), 0);
    text->SetFont(L"Open Sans Semibold", 16, 0);
    text->SetTextColor(0xFF00FF00);
    const Ink single = InkOf();
    ASSERT_GT(single.count, 40);
    EXPECT_TRUE(single.green);
    EXPECT_LT(single.bottom - single.top, 24);  // one line
    EXPECT_LT(single.right, 140);               // cut at the control's edge

    text->EnableMultiLine(1);
    EXPECT_EQ(text->IsMultiLine(), 1);
    const Ink wrapped = InkOf();
    EXPECT_TRUE(wrapped.green);
    EXPECT_GT(wrapped.bottom - wrapped.top, 2 * (single.bottom - single.top));  // several lines
    EXPECT_GE(wrapped.top, 20);
    EXPECT_LT(wrapped.bottom, 160);
    EXPECT_GT(wrapped.count, single.count);  // nothing cut off
}

TEST_F(TextTest, MovingTheTextOnlyStoresItsRectangle) {
    auto* text = window.Add(new MText(&window, 97, CRect(20, 20, 140, 60), L"Kelvo", 1));
    text->SetControlRect(CRect(200, 200, 320, 240));
    EXPECT_EQ(text->GetRect(), CRect(200, 200, 320, 240));
}

}  // namespace
