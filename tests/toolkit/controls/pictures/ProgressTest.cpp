// MProgress: the filled part in each of its three looks (image pair, two-frame skin,
// rounded rectangles), the values it accepts, a maximum of 0, the marquee stepping every
// third tick of the window, and the text it shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MProgress.h"
#include "PictureTestSupport.h"
#include "TestWindow.h"

namespace {

using namespace picture_test;
using harness::TestWindow;
using Kelvo::MProgress;

constexpr DWORD Rgb(uint32_t argb) { return argb & 0xFFFFFF; }
constexpr DWORD kWhite = 0xFFFFFF;
constexpr DWORD kTrack = 0x050505;
constexpr DWORD kFill = 0x3768FA;

class ProgressTest : public ::testing::Test {
protected:
    void SetUp() override { window.Manager().SetBackColor(RGB(0xFF, 0xFF, 0xFF), RGB(0xFF, 0xFF, 0xFF)); }
    MProgress* Add(CRect rect) { return window.Add(new MProgress(&window, 90, rect, 1, 1)); }
    DWORD At(const MProgress* bar, int x, int y) {
        return window.Pixel(bar->GetRect().left + x, bar->GetRect().top + y);
    }

    TestWindow window;
};

TEST_F(ProgressTest, RoundedBarsShowTheFilledWidth) {
    MProgress* bar = Add(CRect(20, 20, 220, 40));  // 200 × 20
    const struct {
        int value;
        int progress;  // what the bar keeps
        int filled;    // pixels
    } cases[] = {{50, 50, 100}, {150, 100, 200}, {-1, 100, 200}, {0, 0, 0}, {25, 25, 50}, {25, 25, 50}};
    for (const auto& c : cases) {
        EXPECT_EQ(bar->SetProgress(c.value), c.progress) << c.value;
        EXPECT_EQ(bar->GetProgress(), c.progress);
        EXPECT_EQ(bar->FilledWidth(), c.filled);
        window.PaintNow();
        for (int x = 4; x < 196; x += 4) {
            if (x >= c.filled - 4 && x < c.filled + 4) continue;  // the rounded end of the fill
            EXPECT_EQ(At(bar, x, 10), x < c.filled ? kFill : kTrack) << "value " << c.value << " at " << x;
        }
        EXPECT_EQ(At(bar, 100, 1), c.filled > 100 ? kFill : kTrack);  // edges are part of the bar
        EXPECT_EQ(At(bar, 100, 18), c.filled > 100 ? kFill : kTrack);
        // Corners of radius 3: the very corner pixels stay the window's.
        EXPECT_EQ(At(bar, 0, 0), kWhite);
        EXPECT_EQ(At(bar, 199, 19), kWhite);
        EXPECT_EQ(At(bar, 0, 10), c.filled > 0 ? kFill : kTrack);
        EXPECT_EQ(window.Pixel(20, 41), kWhite);
    }
    // A dark skin gives the empty part a colour of its own; the filled part keeps its own.
    bar->SetProgress(50);
    bar->SetTrackColor(0xFF4A505A);
    window.PaintNow();
    EXPECT_EQ(At(bar, 150, 10), 0x4A505Au);
    EXPECT_EQ(At(bar, 50, 10), kFill);
}

TEST_F(ProgressTest, AMaximumOfZeroFillsNothingAndKeepsZero) {
    MProgress* bar = Add(CRect(20, 20, 220, 40));
    bar->SetMaxProgress(0);
    EXPECT_EQ(bar->SetProgress(50), 0);
    EXPECT_EQ(bar->FilledWidth(), 0);
    bar->AddMTimer();
    bar->SetRunTimer(1);
    EXPECT_EQ(bar->SetRun(1, 0), 1);
    Ticks ticks(window);
    ticks.Run(30);
    EXPECT_EQ(bar->GetProgress(), 0);
    window.PaintNow();
    EXPECT_EQ(At(bar, 10, 10), kTrack);
    EXPECT_EQ(At(bar, 190, 10), kTrack);

    // A maximum lowered under the progress fills the whole bar, not more.
    MProgress* over = Add(CRect(20, 60, 120, 80));
    over->SetProgress(80);
    over->SetMaxProgress(40);
    EXPECT_EQ(over->FilledWidth(), 100);
    over->SetMaxProgress(-5);
    EXPECT_EQ(over->FilledWidth(), 0);
}

TEST_F(ProgressTest, ADisabledBarKeepsItsValue) {
    MProgress* bar = Add(CRect(20, 20, 220, 40));
    bar->SetProgress(30);
    bar->SetEnabled(0);
    EXPECT_EQ(bar->SetProgress(70), 30);
    EXPECT_EQ(bar->SetRun(1, 10), 0);
    EXPECT_EQ(bar->GetProgress(), 30);
}

TEST_F(ProgressTest, TheMarqueeStepsEveryThirdTickAndStartsOverBeforeTheMaximum) {
    MProgress* bar = Add(CRect(20, 20, 220, 40));
    bar->SetMaxProgress(5);
    bar->AddMTimer();
    bar->SetRunTimer(1);
    Ticks ticks(window);
    ASSERT_TRUE(ticks.Started());
    EXPECT_EQ(bar->SetRun(1, 3), 1);
    EXPECT_EQ(bar->GetProgress(), 3);
    const struct {
        int ticks;  // since the start
        int progress;
    } steps[] = {{2, 3}, {3, 4}, {5, 4}, {6, 0}, {9, 1}, {12, 2}, {15, 3}, {18, 4}, {21, 0}};
    int done = 0;
    for (const auto& s : steps) {
        ticks.Run(s.ticks - done);
        done = s.ticks;
        EXPECT_EQ(bar->GetProgress(), s.progress) << "after " << s.ticks << " ticks";
    }
    window.PaintNow();
    EXPECT_EQ(At(bar, 10, 10), kTrack);  // progress 0 again: nothing filled
    ticks.Run(3);
    window.PaintNow();
    EXPECT_EQ(At(bar, 20, 10), kFill);  // 1 of 5: the first 40 pixels
    EXPECT_EQ(At(bar, 60, 10), kTrack);

    EXPECT_EQ(bar->SetRun(0, 9), 0);  // a start past the maximum leaves the progress
    EXPECT_EQ(bar->GetProgress(), 1);
    ticks.Run(9);
    EXPECT_EQ(bar->GetProgress(), 1);
}

TEST_F(ProgressTest, ImagePairAndSkinLooks) {
    const std::wstring back = WriteGrid(L"kelvo-progress-back.png", 40, 10, 1, 1, {kBlue});
    const std::wstring fore = WriteGrid(L"kelvo-progress-fore.png", 40, 10, 1, 1, {kGreen});
    const std::wstring skin = WriteGrid(L"kelvo-progress-skin.png", 20, 14, 2, 1, {kGrey, kOrange});

    MProgress* pair = Add(CRect(20, 20, 220, 30));  // 200 × 10
    EXPECT_FALSE(pair->SetForeGroundImage((fore + L".missing.png").c_str()));
    ASSERT_TRUE(pair->SetBackGroundImage(back.c_str()));
    ASSERT_TRUE(pair->SetForeGroundImage(fore.c_str()));
    MProgress* skinned = Add(CRect(20, 60, 220, 90));  // 200 × 30, the bar 14 high
    ASSERT_EQ(skinned->SetImage(skin.c_str(), 2), 1);
    const struct {
        int progress;
        std::vector<std::pair<int, DWORD>> pairColumns;  // x on the image pair's middle row
        std::vector<std::pair<int, DWORD>> skinColumns;  // x on the skin bar's middle row
    } cases[] = {
        {50, {{20, Rgb(kGreen)}, {90, Rgb(kGreen)}, {110, Rgb(kBlue)}, {190, Rgb(kBlue)}},
         {{20, Rgb(kOrange)}, {90, Rgb(kOrange)}, {110, Rgb(kGrey)}, {190, Rgb(kGrey)}}},
        {5, {{4, Rgb(kGreen)}, {8, Rgb(kGreen)}, {14, Rgb(kBlue)}, {100, Rgb(kBlue)}},  // under 12: stretched
         {{4, Rgb(kOrange)}, {14, Rgb(kGrey)}}},
        {0, {{4, Rgb(kBlue)}, {100, Rgb(kBlue)}}, {{4, Rgb(kGrey)}, {100, Rgb(kGrey)}}},
    };
    for (const auto& c : cases) {
        pair->SetProgress(c.progress);
        skinned->SetProgress(c.progress);
        window.PaintNow();
        for (const auto& [x, rgb] : c.pairColumns) EXPECT_EQ(At(pair, x, 5), rgb) << c.progress << " pair at " << x;
        for (const auto& [x, rgb] : c.skinColumns)
            EXPECT_EQ(At(skinned, x, 7), rgb) << c.progress << " skin at " << x;
        EXPECT_EQ(At(skinned, 100, 20), kWhite);  // below the 14-pixel bar
    }
    for (const std::wstring& path : {back, fore, skin}) DeleteFileW(path.c_str());
}

TEST_F(ProgressTest, TheTextIsInkedInItsBandAboveTheMiddle) {
    MProgress* bar = Add(CRect(20, 20, 220, 60));  // 200 × 40
    bar->SetTextColor(0xFFFFFFFF);
    bar->SetProgress(42);
    auto inked = [&](int& left, int& right, int& bottom) {
        window.PaintNow();
        int count = 0;
        left = 1000, right = -1, bottom = -1;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 200; ++x) {
                const DWORD rgb = At(bar, x, y);
                if (rgb == kFill || rgb == kTrack) continue;
                if ((x < 3 || x > 196) && (y < 3 || y > 36)) continue;  // rounded corners
                ++count;
                left = std::min(left, x);
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
        return count;
    };
    int left, right, bottom;
    EXPECT_EQ(inked(left, right, bottom), 0);
    bar->EnableShowText(1);
    EXPECT_GT(inked(left, right, bottom), 20);
    EXPECT_GE(left, 70);  // "42%" inside (70, 0, 60, 20)
    EXPECT_LT(right, 130);
    EXPECT_LT(bottom, 20);
}

}  // namespace
