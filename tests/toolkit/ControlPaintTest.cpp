// What a skinned control leaves in its window's back buffer: the state frame it asks for
// as a nine-grid (corners kept, edges and centre stretched), translucent frames blended
// over what lies beneath, and its title drawn by GDI or by GDI+ inside its rectangle.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "MControlFont.h"
#include "RenderCanvas.h"
#include "TestWindow.h"

namespace {

using harness::TestWindow;
namespace test = Kelvo::test;

// Draws state frame `state` of its skin stretched over itself with 3-pixel corners, and
// its title over that, through its cache as every concrete control does.
class SkinnedControl : public Kelvo::MControlFont {
public:
    SkinnedControl(Kelvo::MObject* parent, CRect rect) : MControlFont(parent, 30, rect, nullptr, 1, 1, 1) {}
    void DrawControl(HDC dc, const CRect&) override {
        const CRect local(0, 0, m_rcControl.Width(), m_rcControl.Height());
        if (!m_bUpdate) {
            HDC cache = UpdateMemDC(dc, local.Width(), local.Height());
            CopyBackgroundToCache(dc, 1);
            {
                Gdiplus::Graphics graphics(cache);
                DrawImageFrame(graphics, local, state, corner);
            }
            DrawTitle(cache, local, GetControlTitle(), false);
        }
        BlitCache(dc, 0);
    }
    int state = 0;
    int corner = 3;
};

// Frame f of the strip: a 3-pixel rim in kRim[f] around a centre in kCentre[f]. The last
// frame (disabled) is half transparent.
constexpr int kFrame = 12;
constexpr uint32_t kRim[] = {0xFF102030, 0xFF405060, 0xFF708090, 0x80FF0000};
constexpr uint32_t kCentre[] = {0xFFA0B0C0, 0xFFC0D0E0, 0xFF00C000, 0x800000FF};

std::wstring WriteSkin() {
    Gdiplus::Bitmap strip(4 * kFrame, kFrame, PixelFormat32bppARGB);
    for (int f = 0; f < 4; ++f)
        for (int y = 0; y < kFrame; ++y)
            for (int x = 0; x < kFrame; ++x) {
                const bool rim = x < 3 || y < 3 || x >= kFrame - 3 || y >= kFrame - 3;
                strip.SetPixel(f * kFrame + x, y, Gdiplus::Color(rim ? kRim[f] : kCentre[f]));
            }
    const std::wstring path = test::TempPath(L"kelvo-skin-frames.png");
    test::SavePng(strip, path.c_str());
    return path;
}

// An opaque colour over white with straight alpha, as the back buffer should hold it.
uint32_t OverWhite(uint32_t argb) {
    const uint32_t a = argb >> 24;
    uint32_t rgb = 0;
    for (int shift : {16, 8, 0}) rgb |= (((argb >> shift) & 0xFF) * a + 0xFF * (0xFF - a)) / 0xFF << shift;
    return rgb;
}

bool Near(uint32_t rgb, uint32_t expected) {
    for (int shift : {16, 8, 0})
        if (std::abs(static_cast<int>((rgb >> shift) & 0xFF) - static_cast<int>((expected >> shift) & 0xFF)) > 3)
            return false;
    return true;
}

TEST(ControlPaintTest, EachStateFrameIsDrawnAsANineGridAndBlendedOverTheWindow) {
    TestWindow window;
    window.Manager().SetBackColor(RGB(0xFF, 0xFF, 0xFF), RGB(0xFF, 0xFF, 0xFF));
    auto* control = window.Add(new SkinnedControl(&window, CRect(20, 20, 120, 80)));
    const std::wstring skin = WriteSkin();
    ASSERT_EQ(control->SetImage(skin.c_str(), 4), 1);
    // Probes away from the seams of the stretched pieces: rim corners, the middle of the
    // stretched top and left edges, and the middle of the stretched centre.
    const struct {
        CPoint at;
        bool rim;
    } probes[] = {{{21, 21}, true}, {{118, 78}, true}, {{70, 21}, true}, {{21, 50}, true}, {{70, 50}, false},
                  {{30, 30}, false}};
    for (int state : {0, 1, 2, 3, 9}) {  // a state past the last frame shows the last
        const int frame = state < 4 ? state : 3;
        control->state = state;
        control->UpdateControl(1, 0);
        window.PaintNow();
        for (const auto& p : probes) {
            const uint32_t expected = OverWhite(p.rim ? kRim[frame] : kCentre[frame]);
            EXPECT_PRED2(Near, window.Pixel(p.at.x, p.at.y), expected)
                << "state " << state << " at " << p.at.x << "," << p.at.y;
        }
        EXPECT_EQ(window.Pixel(19, 50), 0xFFFFFFu) << "state " << state;  // nothing outside
        EXPECT_EQ(window.Pixel(120, 50), 0xFFFFFFu) << "state " << state;
    }
    DeleteFileW(skin.c_str());
}

// Stretched pieces meet without a gap, with the settings a control's own drawing uses:
// across a whole row and down a whole column every pixel is the rim, the centre or a blend
// of the two, never the window beneath (a seam shows as a column of background beside a
// corner).
TEST(ControlPaintTest, StretchedPiecesOfANineGridLeaveNoSeam) {
    TestWindow window;
    window.Manager().SetBackColor(RGB(0xFF, 0xFF, 0xFF), RGB(0xFF, 0xFF, 0xFF));
    const std::wstring skin = WriteSkin();
    const struct {
        CRect rect;
        int corner;
    } cases[] = {{{20, 20, 130, 52}, 3}, {{20, 60, 130, 92}, 5}, {{140, 20, 237, 77}, 3}, {{140, 100, 150, 170}, 3}};
    for (const auto& c : cases) {
        auto* control = window.Add(new SkinnedControl(&window, c.rect));
        ASSERT_EQ(control->SetImage(skin.c_str(), 4), 1);
        control->corner = c.corner;
        for (int frame = 0; frame < 3; ++frame) {
            control->state = frame;
            control->UpdateControl(1, 0);
            window.PaintNow();
            auto frameColour = [&](CPoint at) {
                const DWORD rgb = window.Pixel(at.x, at.y);
                for (int shift : {16, 8, 0}) {
                    const int value = (rgb >> shift) & 0xFF;
                    const int rim = (kRim[frame] >> shift) & 0xFF, centre = (kCentre[frame] >> shift) & 0xFF;
                    if (value < std::min(rim, centre) - 3 || value > std::max(rim, centre) + 3) return false;
                }
                return true;
            };
            const CPoint middle = c.rect.CenterPoint();
            for (int x = c.rect.left; x < c.rect.right; ++x)
                EXPECT_TRUE(frameColour(CPoint(x, middle.y)))
                    << "frame " << frame << " at " << x << "," << middle.y << ": " << std::hex << window.Pixel(x, middle.y);
            for (int y = c.rect.top; y < c.rect.bottom; ++y)
                EXPECT_TRUE(frameColour(CPoint(middle.x, y)))
                    << "frame " << frame << " at " << middle.x << "," << y << ": " << std::hex << window.Pixel(middle.x, y);
        }
        window.Manager().RemoveControl(control);
    }
    DeleteFileW(skin.c_str());
}

// The toolkit's own faces reach GDI+ from its private collection, not from whatever the
// system has installed under a similar name: a face GDI+ cannot find draws nothing.
TEST(ControlPaintTest, TheEmbeddedFacesAreGdiplusFamiliesOfTheirOwn) {
    TestWindow window;
    const struct {
        const wchar_t* face;
        const wchar_t* family;  // as the font file names it
    } faces[] = {{L"Open Sans Regular", L"Open Sans"},
                 {L"Open Sans Light", L"Open Sans Light"},
                 {L"Open Sans Semibold", L"Open Sans Semibold"}};
    for (const auto& f : faces) {
        Gdiplus::FontFamily* family = window.Manager().FindTempFont(f.face);
        ASSERT_NE(family, nullptr) << "no GDI+ family for " << testing::PrintToString(std::wstring(f.face));
        EXPECT_EQ(family->GetLastStatus(), Gdiplus::Ok);
        wchar_t name[LF_FACESIZE] = {};
        family->GetFamilyName(name);
        EXPECT_STREQ(name, f.family);
    }
}

TEST(ControlPaintTest, TitlesAreInkedInsideTheControlByGdiAndByGdiplus) {
    TestWindow window;
    window.Manager().SetBackColor(RGB(0, 0, 0), RGB(0, 0, 0));
    const CRect rect(50, 100, 350, 150);
    auto* control = window.Add(new SkinnedControl(&window, rect));
    control->SetTitle(L"Kelvo Kelvo");
    control->SetTextColor(0xFF00FF00);
    control->SetAlignment(DT_CENTER, DT_VCENTER);
    // The window's own set-up gives both GDI and GDI+ the toolkit's faces.
    const struct {
        int byGdi;
        const wchar_t* face;
        bool inked;
    } cases[] = {
        {1, L"Open Sans Semibold", true},
        {0, L"Open Sans Semibold", true},
        {0, L"Open Sans Regular", true},
        {0, L"Open Sans Light", true},
        {0, L"No Such Face", false},  // GDI+ without a family draws nothing rather than failing
    };
    for (const auto& c : cases) {
        control->SetTextByGdi(c.byGdi);
        control->SetFontName(c.face);
        control->UpdateControl(1, 0);
        window.PaintNow();
        int inked = 0;
        long sumX = 0, sumY = 0;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 400; ++x) {
                const DWORD rgb = window.Pixel(x, y);
                if (rgb == 0) continue;
                EXPECT_TRUE(rect.PtInRect(CPoint(x, y))) << "ink outside at " << x << "," << y;
                EXPECT_EQ(rgb & 0xFF00FF, 0u) << "not the text colour at " << x << "," << y;
                ++inked;
                sumX += x;
                sumY += y;
            }
        EXPECT_EQ(inked > 40, c.inked) << c.byGdi << " " << testing::PrintToString(std::wstring(c.face)) << " " << inked;
        if (!c.inked || !inked) continue;
        // Centred both ways.
        EXPECT_NEAR(sumX / inked, rect.CenterPoint().x, 6) << c.byGdi;
        EXPECT_NEAR(sumY / inked, rect.CenterPoint().y, 6) << c.byGdi;
    }
}

}  // namespace
