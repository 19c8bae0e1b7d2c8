// What a scroll bar shows: its track and thumb from the toolkit's own skin resource (or a
// skin file), the hovered thumb, and nothing but the background when there is no thumb.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "CScrollHorizontal.h"
#include "CScrollVertical.h"
#include "MPanel.h"
#include "MRender.h"
#include "RenderCanvas.h"
#include "TestWindow.h"

using namespace Kelvo;

namespace {

const CRect kPanelRect(10, 10, 210, 110);  // 200 x 100: bars at x 205..210 and y 105..110

// The toolkit's skin of a bar, read straight from its resource, as ARGB at (x, y).
class ResourceSkin {
public:
    explicit ResourceSkin(UINT id)
        : m_image(MRender::LoadImageFromIDResource(id, L"PNG", GetModuleHandleW(L"Kelvo.dll"))) {}
    bool Loaded() const { return m_image != nullptr; }
    int FrameWidth() const { return static_cast<int>(m_image->GetWidth()) / 3; }
    int Height() const { return static_cast<int>(m_image->GetHeight()); }
    uint32_t At(int frame, int x, int y) const {
        Gdiplus::Color colour;
        static_cast<Gdiplus::Bitmap*>(m_image.get())->GetPixel(frame * FrameWidth() + x, y, &colour);
        return colour.GetValue();
    }

private:
    std::unique_ptr<Gdiplus::Image> m_image;
};

// `skin` drawn over `background` (both 0xRRGGBB in the result).
uint32_t Over(uint32_t skin, uint32_t background) {
    const int alpha = test::Alpha(skin);
    const auto mix = [&](int s, int b) { return (s * alpha + b * (255 - alpha) + 127) / 255; };
    return static_cast<uint32_t>(mix(test::Red(skin), test::Red(background)) << 16 |
                                 mix(test::Green(skin), test::Green(background)) << 8 |
                                 mix(test::Blue(skin), test::Blue(background)));
}

::testing::AssertionResult Near(uint32_t actual, uint32_t expected) {
    for (int shift : {0, 8, 16})
        if (std::abs(static_cast<int>((actual >> shift) & 0xFF) - static_cast<int>((expected >> shift) & 0xFF)) > 2)
            return ::testing::AssertionFailure() << std::hex << actual << " is not " << expected;
    return ::testing::AssertionSuccess();
}

TEST(ScrollBarPaintTest, ThumbAndTrackComeFromTheToolkitsResource) {
    harness::TestWindow window;
    window.PaintNow();
    const uint32_t background = window.Pixel(207, 90);
    ResourceSkin skin(102);
    ASSERT_TRUE(skin.Loaded());
    ASSERT_EQ(skin.FrameWidth(), 5);
    const int middleRow = skin.Height() / 2;
    const uint32_t track = skin.At(0, 2, middleRow), hover = skin.At(1, 2, middleRow), thumb = skin.At(2, 2, middleRow);
    ASSERT_EQ(test::Alpha(thumb), 255);
    ASSERT_EQ(test::Alpha(hover), 255);
    ASSERT_NE(test::Rgb(thumb), test::Rgb(hover));

    MPanel* panel = window.Add(new MPanel(&window, 50, kPanelRect, 1));
    panel->SetVirtualHeight(1000);
    CScrollVertical* bar = panel->GetVerticalBar();
    ASSERT_EQ(bar->GetThumbRect(), CRect(205, 10, 210, 60));
    EXPECT_EQ(bar->GetImageCount(), 3);
    EXPECT_EQ(bar->GetImageSize(), CSize(5, skin.Height()));

    const struct {
        const char* name;
        int position;
        bool hovered;
        int thumbY, trackY;
        uint32_t thumbColour;
    } cases[] = {
        {"at the top", 0, false, 35, 90, test::Rgb(thumb)},
        {"hovered", 0, true, 35, 90, test::Rgb(hover)},
        {"in the middle", 500, false, 60, 20, test::Rgb(thumb)},
        {"at the end", 1000, false, 85, 35, test::Rgb(thumb)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bar->SetScrollCurrentPos(c.position);
        bar->OnControlMouseMove(0, c.hovered ? CPoint(207, c.thumbY) : CPoint(300, 200));
        bar->UpdateControl(1, 0);
        window.PaintNow();
        EXPECT_EQ(window.Pixel(207, c.thumbY), c.thumbColour);
        EXPECT_TRUE(Near(window.Pixel(207, c.trackY), Over(track, background)));
        EXPECT_TRUE(Near(window.Pixel(200, c.trackY), background));  // the panel itself draws nothing
    }
}

TEST(ScrollBarPaintTest, HorizontalThumbComesFromItsOwnResource) {
    harness::TestWindow window;
    ResourceSkin skin(101);
    ASSERT_TRUE(skin.Loaded());
    const uint32_t thumb = skin.At(2, skin.FrameWidth() / 2, skin.Height() / 2);
    ASSERT_EQ(test::Alpha(thumb), 255);

    MPanel* panel = window.Add(new MPanel(&window, 50, kPanelRect, 1));
    panel->SetVirtualWidth(1000);
    CScrollHorizontal* bar = panel->GetHorizontalBar();
    ASSERT_EQ(bar->IsVisible(), 1);
    ASSERT_EQ(bar->GetThumbRect(), CRect(10, 105, 110, 110));  // 100 px: the minimum thumb
    window.PaintNow();
    EXPECT_EQ(window.Pixel(60, 107), test::Rgb(thumb));
}

TEST(ScrollBarPaintTest, WithoutResourceIdsTheBarTakesItsSkinFileInThreeFrames) {
    harness::TestWindow window;
    window.PaintNow();
    const uint32_t background = window.Pixel(207, 50);
    const std::wstring path = test::TempPath(L"panel-bar-skin.png");
    const uint32_t colours[] = {0xFFC00000, 0xFF00C000, 0xFF0000C0};  // track, hovered thumb, thumb
    ASSERT_TRUE(test::WriteFrameStrip(path.c_str(), 5, 32, colours, 3));

    window.Manager().SetScrollResID(0, 0);
    MPanel* panel = window.Add(new MPanel(&window, 50, kPanelRect, 1));
    CScrollVertical* bar = panel->GetVerticalBar();
    panel->SetVirtualHeight(1000);
    EXPECT_EQ(bar->SetImage(path.c_str(), 7), 1);
    EXPECT_EQ(bar->GetImageCount(), 3);
    EXPECT_EQ(bar->GetImageSize(), CSize(5, 32));
    EXPECT_EQ(bar->SetImage(L"C:\\no-such-folder\\missing.png", 3), 0);  // keeps the image it has
    bar->UpdateControl(1, 0);
    window.PaintNow();
    const struct {
        CPoint point;
        uint32_t colour;
    } pixels[] = {{{207, 12}, 0x0000C0}, {{207, 58}, 0x0000C0}, {{205, 35}, 0x0000C0},
                  {{209, 35}, 0x0000C0}, {{207, 62}, 0xC00000}, {{207, 108}, 0xC00000}};
    for (const auto& p : pixels) EXPECT_EQ(window.Pixel(p.point.x, p.point.y), p.colour) << p.point.y;

    bar->OnControlMouseMove(0, CPoint(207, 35));
    window.PaintNow();
    EXPECT_EQ(window.Pixel(207, 35), 0x00C000u);

    // Content that fits hides the bar: only the background remains.
    panel->SetVirtualHeight(50);
    window.PaintNow();
    EXPECT_EQ(bar->IsVisible(), 0);
    EXPECT_TRUE(Near(window.Pixel(207, 35), background));
}

}  // namespace
