// MRender drawing into a real 32-bit memory DC, read back pixel by pixel: nine-grid
// frames, transitions, fills, gradients, rounded rectangles, GDI and GDI+ text, DIB
// sections, BMP files and image loading (including the toolkit's own scroll-bar skins).
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "MRender.h"
#include "RenderCanvas.h"
#include "TestPaths.h"

namespace Kelvo {
namespace {

using test::Canvas;

// One colour per region of a nine-grid frame, different in every frame of the strip.
enum Region { kTopLeft, kTop, kTopRight, kLeft, kCentre, kRight, kBottomLeft, kBottom, kBottomRight };
uint32_t RegionColour(int frame, int region) {
    return 0xFF000000u | static_cast<uint32_t>(40 + 50 * frame) << 16 | static_cast<uint32_t>(20 + 25 * region) << 8 | 0x33;
}

// A strip of `frames` frames of w × h with margins l, t, r, b painted by region.
Gdiplus::Bitmap* MakeStrip(int frames, int w, int h, int l, int t, int r, int b) {
    auto* strip = new Gdiplus::Bitmap(frames * w, h, PixelFormat32bppARGB);
    for (int f = 0; f < frames; ++f)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int column = x < l ? 0 : x >= w - r ? 2 : 1;
                const int row = y < t ? 0 : y >= h - b ? 2 : 1;
                strip->SetPixel(f * w + x, y, Gdiplus::Color(RegionColour(f, row * 3 + column)));
            }
    return strip;
}

// Exact pixel mapping for scaled drawing, so the regions can be compared exactly. (Wine's
// GDI+ may leave the first row or column of a stretched image blank, so no probe sits on
// the first row or column of a stretched piece.)
void Crisp(Gdiplus::Graphics& g) {
    g.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
}

class RenderDrawTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::StartGdiplus(); }
};

TEST_F(RenderDrawTest, NineGridDrawsEachOfTheFourStateFrames) {
    std::unique_ptr<Gdiplus::Bitmap> strip(MakeStrip(4, 12, 12, 3, 3, 3, 3));
    for (int frame = 0; frame < 4; ++frame) {
        Canvas canvas(80, 60);
        {
            Gdiplus::Graphics g(canvas.dc());
            Crisp(g);
            MRender::DrawImageFrame(g, strip.get(), CRect(10, 10, 70, 50), frame * 12, 0, 12, 12, 3);
        }
        const struct {
            int x, y, region;
        } probes[] = {{10, 10, kTopLeft}, {12, 12, kTopLeft}, {40, 10, kTop},        {69, 10, kTopRight},
                      {10, 30, kLeft},    {14, 14, kCentre},  {40, 30, kCentre},     {69, 30, kRight},
                      {10, 49, kBottomLeft}, {40, 49, kBottom}, {66, 46, kCentre}, {67, 47, kBottomRight},
                      {69, 49, kBottomRight}};
        for (const auto& p : probes)
            EXPECT_EQ(canvas.Pixel(p.x, p.y), RegionColour(frame, p.region))
                << "frame " << frame << " at " << p.x << "," << p.y;
        for (const auto& outside : {CPoint(9, 9), CPoint(70, 30), CPoint(40, 50)})
            EXPECT_EQ(canvas.Pixel(outside.x, outside.y), 0xFF000000u) << outside.x << "," << outside.y;
    }
}

TEST_F(RenderDrawTest, NineGridWithFourMarginsAndTooSmallTargets) {
    std::unique_ptr<Gdiplus::Bitmap> strip(MakeStrip(1, 16, 16, 2, 3, 4, 5));
    Canvas canvas(60, 60);
    {
        Gdiplus::Graphics g(canvas.dc());
        Crisp(g);
        MRender::DrawImageFrameMID(g, strip.get(), CRect(0, 0, 40, 40), 0, 0, 16, 16, 2, 3, 4, 5);
        // Smaller than two corners: corners overlap (the later ones on top), nothing is mirrored.
        MRender::DrawImageFrame(g, strip.get(), CRect(50, 50, 54, 54), 0, 0, 16, 16, 3);
        MRender::DrawImageFrame(g, nullptr, CRect(0, 0, 60, 60), 0, 0, 16, 16, 3);  // draws nothing
    }
    EXPECT_EQ(canvas.Pixel(1, 2), RegionColour(0, kTopLeft));
    EXPECT_EQ(canvas.Pixel(3, 4), RegionColour(0, kCentre));
    EXPECT_EQ(canvas.Pixel(35, 34), RegionColour(0, kCentre));
    EXPECT_EQ(canvas.Pixel(36, 35), RegionColour(0, kBottomRight));
    EXPECT_EQ(canvas.Pixel(20, 39), RegionColour(0, kBottom));
    EXPECT_EQ(canvas.Pixel(50, 50), RegionColour(0, kTopLeft));
    EXPECT_EQ(canvas.Pixel(53, 50), RegionColour(0, kTopRight));
    EXPECT_EQ(canvas.Pixel(50, 53), RegionColour(0, kBottomLeft));
    EXPECT_EQ(canvas.Pixel(51, 51), RegionColour(0, kBottomRight));
    EXPECT_EQ(canvas.Pixel(45, 45), 0xFF000000u);
}

TEST_F(RenderDrawTest, TransitionsBlendRowsAndColumnsWithARamp) {
    Canvas white(20, 20, 0xFFFFFFFF);
    HDC& src = white.dcRef();
    {
        Canvas target(20, 20);
        EXPECT_EQ(MRender::DrawVerticalTransition(target.dcRef(), src, CRect(0, 0, 4, 10), CRect(0, 0, 4, 10), 0, 100), 25);
        const int expected[] = {255, 229, 204, 178, 153, 127, 102, 76, 51, 25};
        for (int row = 0; row < 10; ++row) EXPECT_NEAR(test::Red(target.Pixel(2, row)), expected[row], 1) << row;
        EXPECT_EQ(test::Rgb(target.Pixel(4, 0)), 0u);   // outside the rectangle
        EXPECT_EQ(test::Rgb(target.Pixel(0, 10)), 0u);
    }
    {
        Canvas target(20, 20);
        EXPECT_EQ(MRender::DrawHorizontalTransition(target.dcRef(), src, CRect(0, 0, 8, 3), CRect(0, 0, 8, 3), 80, 80), 51);
        for (int column = 0; column < 8; ++column) EXPECT_NEAR(test::Green(target.Pixel(column, 1)), 51, 1) << column;
    }
    Canvas target(20, 20);
    EXPECT_EQ(MRender::DrawVerticalTransition(target.dcRef(), src, CRect(0, 0, 4, 0), CRect(0, 0, 4, 4), 0, 100), 255);
    MRender::DrawRightBottomTransition(target.dcRef(), src, CRect(0, 0, 20, 20), 10, 0);
    EXPECT_NEAR(test::Red(target.Pixel(10, 10)), 255, 1);  // the fade's origin is copied whole
    EXPECT_NEAR(test::Red(target.Pixel(15, 10)), 127, 1);
    EXPECT_EQ(test::Red(target.Pixel(19, 19)), 0);          // beyond `size`: nothing
    EXPECT_EQ(test::Red(target.Pixel(9, 9)), 0);            // outside the corner square
}

TEST_F(RenderDrawTest, SolidAndTranslucentFills) {
    Canvas canvas(30, 10);
    const RECT left{0, 0, 10, 10}, middle{10, 0, 20, 10}, right{20, 0, 30, 10};
    SetBkColor(canvas.dc(), RGB(1, 2, 3));
    MRender::FillSolidRect(canvas.dcRef(), &left, RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(GetBkColor(canvas.dc()), RGB(1, 2, 3));
    MRender::DrawColor(canvas.dc(), middle, 0x80FFFFFF);
    MRender::DrawColor(canvas.dc(), right, 0x00FF0000);  // alpha 0 leaves the target alone
    EXPECT_EQ(test::Rgb(canvas.Pixel(5, 5)), 0x102030u);
    EXPECT_NEAR(test::Red(canvas.Pixel(15, 5)), 128, 2);
    EXPECT_EQ(canvas.Pixel(25, 5), 0xFF000000u);
    MRender::FillSolidRect(canvas.dcRef(), 20, 0, 5, 10, RGB(0, 0xFF, 0));
    EXPECT_EQ(test::Rgb(canvas.Pixel(24, 9)), 0x00FF00u);
    EXPECT_EQ(test::Rgb(canvas.Pixel(25, 9)), 0u);
}

TEST_F(RenderDrawTest, GradientsRunFromColourToColour) {
    Canvas canvas(40, 100);
    MRender::DrawGradient(canvas.dc(), RECT{0, 0, 10, 100}, 0xFFFF0000, 0xFF0000FF, true, 64);
    EXPECT_GE(test::Red(canvas.Pixel(5, 0)), 250);
    EXPECT_LE(test::Blue(canvas.Pixel(5, 0)), 5);
    EXPECT_LE(test::Red(canvas.Pixel(5, 99)), 5);
    EXPECT_GE(test::Blue(canvas.Pixel(5, 99)), 250);
    EXPECT_NEAR(test::Red(canvas.Pixel(5, 50)), 128, 6);
    EXPECT_NEAR(test::Blue(canvas.Pixel(5, 50)), 128, 6);

    MRender::DrawGradient(canvas.dc(), RECT{10, 0, 30, 10}, 0xFF000000, 0xFF00FF00, false, 64);
    EXPECT_LE(test::Green(canvas.Pixel(10, 5)), 10);
    EXPECT_GE(test::Green(canvas.Pixel(29, 5)), 235);

    // Mean alpha 128: blended onto black at about half strength.
    MRender::DrawGradient(canvas.dc(), RECT{30, 0, 40, 10}, 0x80FFFFFF, 0x80FFFFFF, true, 4);
    EXPECT_NEAR(test::Red(canvas.Pixel(35, 5)), 128, 3);
    MRender::DrawGradient(canvas.dc(), RECT{30, 20, 40, 30}, 0x00FFFFFF, 0x00FFFFFF, true, 4);
    EXPECT_EQ(canvas.Pixel(35, 25), 0xFF000000u);
}

TEST_F(RenderDrawTest, RoundedRectanglesByDivisorAndByRadius) {
    Canvas canvas(100, 30);
    {
        Gdiplus::Graphics g(canvas.dc());
        const Gdiplus::Color green(0xFF00FF00), red(0xFFFF0000);
        MRender::DrawRoundRectange(g, 0, 0, 40, 20, 2, green, 1, true, red);     // radii 10 and 5
        MRender::DrawRoundRectRadius(g, 50, 0, 40, 14, 3, green, 1, false, red);  // outline only
        MRender::DrawRoundRectange(g, 0, 22, 40, 6, 0, green, 1, true, red);     // no divisor: square corners
    }
    EXPECT_EQ(canvas.Pixel(0, 0), 0xFF000000u);     // outside the rounded corner
    EXPECT_EQ(test::Rgb(canvas.Pixel(20, 10)), 0xFF0000u);
    EXPECT_GE(test::Green(canvas.Pixel(20, 0)), 128);  // the top edge is outlined
    EXPECT_EQ(canvas.Pixel(50, 0), 0xFF000000u);
    EXPECT_EQ(canvas.Pixel(70, 7), 0xFF000000u);    // not filled
    EXPECT_GE(test::Green(canvas.Pixel(0, 22)), 128);  // square corner painted
}

TEST_F(RenderDrawTest, GdiTextDrawsInsideItsRectangleAndRestoresTheDc) {
    Canvas canvas(120, 40, 0xFFFFFFFF);
    HFONT font = CreateFontW(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    HGDIOBJ originalFont = GetCurrentObject(canvas.dc(), OBJ_FONT);
    SetTextColor(canvas.dc(), RGB(9, 9, 9));
    CRect rect(10, 5, 60, 35);
    EXPECT_GT(MRender::DrawTextW(canvas.dc(), rect, L"HHHHHHHHHH", RGB(0, 0, 0xFF), font, DT_LEFT | DT_SINGLELINE), 0);
    int inked = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x) {
            if (test::Rgb(canvas.Pixel(x, y)) == 0xFFFFFF) continue;
            EXPECT_TRUE(rect.PtInRect(CPoint(x, y))) << "ink outside at " << x << "," << y;
            EXPECT_GT(test::Blue(canvas.Pixel(x, y)), test::Red(canvas.Pixel(x, y)));
            ++inked;
        }
    EXPECT_GT(inked, 20);
    EXPECT_EQ(GetTextColor(canvas.dc()), RGB(9, 9, 9));
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), originalFont);
    EXPECT_EQ(GetBkMode(canvas.dc()), OPAQUE);

    CRect measured(0, 0, 500, 0);
    EXPECT_GT(MRender::DrawTextW(canvas.dc(), measured, L"HH", 0, font, DT_CALCRECT | DT_SINGLELINE), 0);
    EXPECT_GT(measured.Width(), 0);
    EXPECT_LT(measured.Width(), 500);
    CRect untouched(0, 0, 120, 40);
    canvas.Fill(0xFFFFFFFF);
    EXPECT_EQ(MRender::DrawTextW(canvas.dc(), untouched, nullptr, 0, font, 0), 0);
    EXPECT_EQ(canvas.Pixel(60, 20), 0xFFFFFFFFu);
    DeleteObject(font);
}

TEST_F(RenderDrawTest, GdiplusTextBoundsMatchWhatDrawStringInks) {
    Gdiplus::PrivateFontCollection fonts;
    ASSERT_EQ(fonts.AddFontFile(test::FontFile("Semibold").c_str()), Gdiplus::Ok);
    Gdiplus::FontFamily family;
    int found = 0;
    fonts.GetFamilies(1, &family, &found);
    ASSERT_EQ(found, 1);
    Gdiplus::Font font(&family, 16, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);

    const Gdiplus::Size one = MRender::GetTextBounds(font, L"Kelvo");
    const Gdiplus::Size two = MRender::GetTextBounds(font, L"Kelvo Kelvo");
    EXPECT_GT(one.Width, 20);
    EXPECT_GT(two.Width, 2 * one.Width);
    EXPECT_GE(one.Height, 17);
    EXPECT_EQ(MRender::GetTextBounds(font, nullptr).Width, 0);
    EXPECT_EQ(MRender::GetTextBounds(font, nullptr).Height, one.Height);

    // Draw with GDI+ and compare the inked width with the measured one.
    Canvas canvas(200, 40, 0xFFFFFFFF);
    {
        Gdiplus::Graphics g(canvas.dc());
        g.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
        Gdiplus::SolidBrush black(Gdiplus::Color(0xFF000000));
        Gdiplus::StringFormat format;
        format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap);
        g.DrawString(L"Kelvo Kelvo", -1, &font, Gdiplus::PointF(10, 5), &format, &black);
    }
    int left = 200, right = -1, top = 40, bottom = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x)
            if (test::Red(canvas.Pixel(x, y)) < 160) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, left);
    EXPECT_NEAR(right - left + 1, two.Width, 3);
    EXPECT_LE(bottom - top + 1, two.Height);

    // Inside a layout width the text is laid out no wider than that width. (Wine's GDI+
    // adds only the first line of wrapped text to a path, so the height is not compared.)
    Gdiplus::StringFormat wrapping;
    const Gdiplus::Size wrapped = MRender::GetTextBounds(font, wrapping, 60, L"Kelvo Kelvo Kelvo Kelvo");
    EXPECT_GT(wrapped.Width, 30);
    EXPECT_LE(wrapped.Width, 61);
    EXPECT_NEAR(MRender::GetTextBounds(font, wrapping, 300, L"Kelvo").Width, one.Width, 1);
}

TEST_F(RenderDrawTest, ArgbDibSectionIsBottomUpWithTheWholeImageSize) {
    HDC screen = GetDC(nullptr);
    BYTE* bits = nullptr;
    HBITMAP bitmap = MRender::CreateARGB32Bitmap(screen, 7, 5, &bits);
    ASSERT_NE(bitmap, nullptr);
    ASSERT_NE(bits, nullptr);
    DIBSECTION section{};
    ASSERT_EQ(GetObjectW(bitmap, sizeof(section), &section), static_cast<int>(sizeof(section)));
    EXPECT_EQ(section.dsBmih.biBitCount, 32);
    EXPECT_EQ(section.dsBmih.biHeight, 5);
    EXPECT_EQ(section.dsBmih.biSizeImage, 7u * 5u * 4u);
    bits[0] = 0x11;  // blue of the first pixel in memory: the bottom-left one
    GdiFlush();
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    EXPECT_EQ(GetPixel(dc, 0, 4), RGB(0, 0, 0x11));
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
    EXPECT_EQ(MRender::CreateARGB32Bitmap(screen, 0, 5, &bits), nullptr);
    EXPECT_EQ(bits, nullptr);
    ReleaseDC(nullptr, screen);
}

std::wstring TempPath(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

std::string ReadWhole(const std::wstring& path) {
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    bytes.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    return bytes;
}

TEST_F(RenderDrawTest, SavedBitmapsAreValidFilesAtEveryDepth) {
    const WORD checker[] = {0x00A5, 0x005A};  // 8 × 2 monochrome, rows padded to 16 bits
    HBITMAP mono = CreateBitmap(8, 2, 1, 1, checker);
    Canvas colour(3, 2);
    colour.SetPixel(0, 0, 0xFF123456);
    colour.SetPixel(2, 1, 0xFFABCDEF);
    HDC monoDc = CreateCompatibleDC(nullptr);
    HGDIOBJ monoPrevious = SelectObject(monoDc, mono);
    const struct {
        const char* what;
        HBITMAP bitmap;
        HDC reader;  // a DC that holds the bitmap, for reading its pixels
        int bits;
    } cases[] = {{"1 bpp", mono, monoDc, 24}, {"32 bpp", colour.bitmap(), colour.dc(), 32}};
    for (const auto& c : cases) {
        const std::wstring path = TempPath(L"kelvo-render-save.bmp");
        ASSERT_EQ(MRender::SaveBitmapToFile(c.bitmap, path.c_str()), 1) << c.what;
        const std::string file = ReadWhole(path);
        ASSERT_GE(file.size(), 54u) << c.what;
        BITMAPFILEHEADER header;
        BITMAPINFOHEADER info;
        memcpy(&header, file.data(), sizeof(header));
        memcpy(&info, file.data() + sizeof(header), sizeof(info));
        EXPECT_EQ(header.bfType, 0x4D42) << c.what;
        EXPECT_EQ(header.bfSize, file.size()) << c.what;
        EXPECT_EQ(header.bfOffBits, 54u) << c.what;
        EXPECT_EQ(info.biBitCount, c.bits) << c.what;

        // Read back by the system's loader, pixel for pixel.
        HBITMAP loaded = static_cast<HBITMAP>(LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
        ASSERT_NE(loaded, nullptr) << c.what;
        HDC b = CreateCompatibleDC(nullptr);
        HGDIOBJ oldB = SelectObject(b, loaded);
        BITMAP described;
        GetObjectW(c.bitmap, sizeof(described), &described);
        for (int y = 0; y < described.bmHeight; ++y)
            for (int x = 0; x < described.bmWidth; ++x)
                EXPECT_EQ(GetPixel(b, x, y), GetPixel(c.reader, x, y)) << c.what << " at " << x << "," << y;
        SelectObject(b, oldB);
        DeleteDC(b);
        DeleteObject(loaded);
        DeleteFileW(path.c_str());
    }
    EXPECT_EQ(MRender::SaveBitmapToFile(mono, TempPath(L"no-such-folder\\x.bmp").c_str()), 0);
    EXPECT_EQ(MRender::SaveBitmapToFile(nullptr, TempPath(L"x.bmp").c_str()), 0);
    SelectObject(monoDc, monoPrevious);
    DeleteDC(monoDc);
    DeleteObject(mono);
}

std::wstring SourceFile(const char* relative) { return testpaths::WindowsPath(testpaths::Source(relative)); }

// The toolkit ships its two scroll-bar skins inside Kelvo.dll: 101 horizontal, 102 vertical,
// three frames each (track, thumb under the pointer, thumb), the hover thumb in the accent blue.
TEST_F(RenderDrawTest, LoadsImagesFromFilesAndFromTheToolkitsResources) {
    HMODULE kelvo = GetModuleHandleW(L"Kelvo.dll");
    const struct {
        UINT id;
        UINT width, height;
        int hoverX, hoverY;
    } skins[] = {{101, 96, 5, 48, 2}, {102, 15, 32, 7, 16}};
    for (const auto& s : skins) {
        std::unique_ptr<Gdiplus::Image> image(MRender::LoadImageFromIDResource(s.id, L"PNG", kelvo));
        ASSERT_NE(image, nullptr) << s.id;
        EXPECT_EQ(image->GetWidth(), s.width) << s.id;
        EXPECT_EQ(image->GetHeight(), s.height) << s.id;
        Canvas canvas(100, 40);
        {
            Gdiplus::Graphics g(canvas.dc());
            g.DrawImage(image.get(), 0, 0, static_cast<INT>(s.width), static_cast<INT>(s.height));
        }
        EXPECT_EQ(test::Rgb(canvas.Pixel(s.hoverX, s.hoverY)), 0x3768FAu) << s.id;
    }
    EXPECT_EQ(MRender::LoadImageFromIDResource(999, L"PNG", kelvo), nullptr);
    EXPECT_EQ(MRender::LoadImageFromIDResource(111, L"PNG", kelvo), nullptr);  // that ID exists only as a font
    EXPECT_EQ(MRender::LoadImageFromIDResource(101, nullptr, kelvo), nullptr);

    std::unique_ptr<Gdiplus::Image> file(MRender::LoadImageFromFile(SourceFile("toolkit/res/scroll_v.png").c_str()));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->GetWidth(), 15u);
    EXPECT_EQ(MRender::LoadImageFromFile(SourceFile("toolkit/res/missing.png").c_str()), nullptr);
    EXPECT_EQ(MRender::LoadImageFromFile(nullptr), nullptr);
    EXPECT_EQ(MRender::LoadIconFromFile(nullptr), nullptr);
}

TEST_F(RenderDrawTest, OriginPointsAndColourKeys) {
    EXPECT_EQ(MRender::GetOriginPoint(100, 40, 20, 10, 1, 4), CPoint(40, 15));
    EXPECT_EQ(MRender::GetOriginPoint(CRect(5, 7, 105, 47), 20, 10, 1, 4), CPoint(45, 24));
    EXPECT_EQ(MRender::GetOriginPoint(CRect(5, 7, 105, 47), 20, 10, 2, 8), CPoint(85, 39));
    const struct {
        DWORD in, out;
    } keys[] = {{0, 1}, {0xFF000000, 0xFF000001}, {0x00000100, 0x00000100}, {0x80FFFFFF, 0x80FFFFFF}};
    for (const auto& k : keys) {
        DWORD colour = k.in;
        MRender::CheckAlphaColor(colour);
        EXPECT_EQ(colour, k.out) << std::hex << k.in;
    }
}

}  // namespace
}  // namespace Kelvo
