// MImageList: where entries land, what they hold and how they are drawn.
#include <gtest/gtest.h>

#include <string>

#include "MImageList.h"
#include "RenderCanvas.h"

namespace Kelvo {
namespace {

using test::Canvas;

constexpr uint32_t kFrames[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};

class RenderImageListTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        test::StartGdiplus();
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        s_strip = std::wstring(folder) + L"kelvo-imagelist-strip.png";  // four 5 × 4 frames
        ASSERT_TRUE(test::WriteFrameStrip(s_strip.c_str(), 5, 4, kFrames, 4));
        s_missing = std::wstring(folder) + L"kelvo-imagelist-missing.png";
    }
    static void TearDownTestSuite() { DeleteFileW(s_strip.c_str()); }
    static std::wstring s_strip, s_missing;
};
std::wstring RenderImageListTest::s_strip, RenderImageListTest::s_missing;

TEST_F(RenderImageListTest, InsertReturnsWhereTheEntryLanded) {
    MImageList list;
    EXPECT_EQ(list.AddImage(s_strip.c_str(), 10, 4), 0);
    EXPECT_EQ(list.AddImage(s_strip.c_str(), 11, 4), 1);
    EXPECT_EQ(list.InsertImage(0, s_strip.c_str(), 12, 4), 0);
    EXPECT_EQ(list.InsertImage(2, s_missing.c_str(), 13, 2), 2);
    EXPECT_EQ(list.GetImageCount(), 4);
    const UINT order[] = {12, 10, 13, 11};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(list.GetItemImageData(i)->id, order[i]) << i;

    const struct {
        int index;
        const wchar_t* path;
    } refused[] = {{4, s_strip.c_str()}, {-2, s_strip.c_str()}, {-1, nullptr}, {0, nullptr}};
    for (const auto& r : refused) EXPECT_EQ(list.InsertImage(r.index, r.path, 99, 1), -1) << r.index;
    EXPECT_EQ(list.GetImageCount(), 4);
    EXPECT_EQ(list.GetImageDataByID(99), nullptr);
}

TEST_F(RenderImageListTest, EntriesHoldFramesSizesAndPaths) {
    MImageList list;
    list.AddImage(s_strip.c_str(), 1, 4);
    list.AddImage(s_strip.c_str(), 2, 0);  // no frame count: the whole image is one frame
    list.AddImage(s_missing.c_str(), 3, 4);

    const _M_IAMGELIST* four = list.GetImageDataByID(1);
    ASSERT_NE(four, nullptr);
    EXPECT_NE(four->image, nullptr);
    EXPECT_EQ(four->frameWidth, 5);
    EXPECT_EQ(four->height, 4);
    EXPECT_EQ(four->frames, 4);
    EXPECT_EQ(list.GetImageDataByID(2)->frameWidth, 20);
    EXPECT_EQ(list.GetImageDataByID(2)->frames, 1);
    const _M_IAMGELIST* missing = list.GetImageDataByID(3);
    ASSERT_NE(missing, nullptr);  // a failed load still leaves its entry
    EXPECT_EQ(missing->image, nullptr);
    EXPECT_EQ(missing->frameWidth, 0);

    EXPECT_EQ(list.GetImagePath(0), s_strip.c_str());
    EXPECT_EQ(list.GetImagePathByID(3), s_missing.c_str());
    EXPECT_TRUE(list.GetImagePath(7).IsEmpty());
    EXPECT_TRUE(list.GetImagePathByID(42).IsEmpty());
    EXPECT_EQ(list.GetItemImageData(-1), nullptr);
    EXPECT_EQ(list.GetItemImageData(3), nullptr);

    EXPECT_EQ(list.SetDrawImgSize(24, 18), 1);
    EXPECT_EQ(list.GetIconSize(), CSize(24, 18));
    EXPECT_EQ(list.DelAllImages(), 1);
    EXPECT_EQ(list.GetImageCount(), 0);
    EXPECT_EQ(list.GetImageDataByID(1), nullptr);
}

TEST_F(RenderImageListTest, DrawsStretchedFirstFramesAndCentredChosenFrames) {
    MImageList list;
    list.AddImage(s_strip.c_str(), 1, 4);
    list.AddImage(s_missing.c_str(), 2, 4);
    Canvas canvas(60, 20);
    {
        Gdiplus::Graphics g(canvas.dc());
        g.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
        g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
        list.DrawItemIcon(g, CRect(0, 0, 20, 20), 0);      // frame 0 over the whole rectangle
        list.DrawItemIcon(g, CRect(20, 0, 40, 20), 0, 2);  // frame 2, 5 × 4, centred
        list.DrawItemIcon(g, CRect(40, 0, 60, 20), 0, 9);  // past the last frame: the last one
        list.DrawItemIcon(g, CRect(0, 0, 60, 20), 1);      // no image: nothing
        list.DrawItemIcon(g, CRect(0, 0, 60, 20), 5, 0);   // no entry: nothing
    }
    EXPECT_EQ(test::Rgb(canvas.Pixel(0, 0)), 0xFF0000u);
    EXPECT_EQ(test::Rgb(canvas.Pixel(19, 19)), 0xFF0000u);
    EXPECT_EQ(test::Rgb(canvas.Pixel(27, 8)), 0x0000FFu);
    EXPECT_EQ(test::Rgb(canvas.Pixel(31, 11)), 0x0000FFu);
    EXPECT_EQ(test::Rgb(canvas.Pixel(26, 8)), 0u);
    EXPECT_EQ(test::Rgb(canvas.Pixel(27, 12)), 0u);
    EXPECT_EQ(test::Rgb(canvas.Pixel(49, 10)), 0xFFFFFFu);
    EXPECT_EQ(test::Rgb(canvas.Pixel(41, 1)), 0u);
}

}  // namespace
}  // namespace Kelvo
