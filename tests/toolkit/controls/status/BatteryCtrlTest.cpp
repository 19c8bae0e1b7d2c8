// The battery gauge in a real window with the shipped skin: the level picture cropped by
// the percentage (never past its own width), the percentage written only for a non-zero
// level, the charging bolt and the fill that grows on the window's ticks and starts over,
// and a gauge destroyed while charging leaving the tick list.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "BatteryCtrl.h"
#include "StatusTestSupport.h"

namespace {

using statustest::kBackground;
using statustest::Near;
using statustest::Over;
using statustest::SkinPicture;

const CRect kGauge(20, 20, 100, 50);  // 80 x 30: the outline at the top left, room for the bolt
constexpr int kProbeRow = 4;              // inside the fill, above any text

class BatteryTest : public ::testing::Test {
protected:
    void SetUp() override { window.Manager().SetBackColor(RGB(0x10, 0x20, 0x30), RGB(0x10, 0x20, 0x30)); }

    Kelvo::BatteryCtrl* MakeGauge() {
        auto* gauge = window.Add(new Kelvo::BatteryCtrl(&recorder, 300, kGauge, 1, 1));
        EXPECT_EQ(gauge->SetImage(statustest::SkinPath(L"icon/icon_battery_bkg.png").c_str(), 1), 1);
        EXPECT_EQ(gauge->SetBatteryIcon(statustest::SkinPath(L"icon/icon_batteryvalue.png").c_str(),
                                        statustest::SkinPath(L"icon/icon_charge.png").c_str()),
                  1);
        return gauge;
    }

    // What the outline with the first `filled` columns of the level picture leaves at (x, y).
    DWORD Expected(int x, int y, int filled) const {
        const DWORD under = Over(outline.At(x, y), kBackground);
        return x < filled ? Over(level.At(x, y), under) : under;
    }
    // The first column of the probe row that differs from the outline filled `filled` wide.
    int FirstMismatch(int filled) const {
        for (int x = 0; x < outline.Width(); ++x)
            if (!Near(window.Pixel(kGauge.left + x, kGauge.top + kProbeRow), Expected(x, kProbeRow, filled))) return x;
        return -1;
    }
    // Pixels of the control's rectangle that neither picture accounts for: the text.
    int TextPixels(int filled) const {
        int count = 0;
        for (int y = kGauge.top; y < kGauge.bottom; ++y)
            for (int x = kGauge.left; x < kGauge.left + outline.Width(); ++x)
                count += Near(window.Pixel(x, y), Expected(x - kGauge.left, y - kGauge.top, filled)) ? 0 : 1;
        return count;
    }

    harness::TestWindow window;
    statustest::Recorder recorder{window};
    SkinPicture outline{L"icon/icon_battery_bkg.png"};
    SkinPicture level{L"icon/icon_batteryvalue.png"};
    SkinPicture bolt{L"icon/icon_charge.png"};
};

TEST_F(BatteryTest, FillsByThePercentageAndWritesItUnlessEmpty) {
    ASSERT_EQ(level.Width(), outline.Width());
    Kelvo::BatteryCtrl* gauge = MakeGauge();
    const int width = level.Width();
    const struct {
        int percent, filled;
        bool text;
    } cases[] = {
        {0, 0, false}, {50, width / 2, true}, {100, width, true}, {57, 57 * width / 100, true},
        {150, width, true},  // a bad device value: never wider than the picture
        {-5, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.percent);
        gauge->SetBatteryInfo(c.percent, 0);
        window.PaintNow();
        EXPECT_EQ(gauge->GetFilledWidth(), c.filled);
        EXPECT_EQ(FirstMismatch(c.filled), -1);
        if (c.text)
            EXPECT_GT(TextPixels(c.filled), 10);
        else
            EXPECT_EQ(TextPixels(c.filled), 0);
        // Right of the outline the control shows only the window: no bolt.
        EXPECT_EQ(window.Pixel(kGauge.left + outline.Width() + 5 + bolt.Width() / 2, kGauge.top + 15), kBackground);
    }
    EXPECT_TRUE(recorder.seen.empty());
}

TEST_F(BatteryTest, ChargingGrowsTheFillInStepsOfTwoOnTicksAndStartsOver) {
    Kelvo::BatteryCtrl* gauge = MakeGauge();
    // The gauge joined the tick list when it was attached: a second registration is refused.
    EXPECT_EQ(window.Manager().AddMTimer(gauge), 0);
    const UINT timer = window.Manager().SetMTimer(30000);  // only the ticks below
    ASSERT_NE(timer, 0u);
    const auto tick = [&](int count) {
        for (int i = 0; i < count; ++i) window.Manager().OnMTimer(timer);
    };
    const struct {
        int level, ticks, animation;
    } steps[] = {
        {40, 0, 0},  {40, 7, 0},  {40, 1, 2},  {40, 8, 4},   {40, 8 * 17, 38}, {40, 8, 0}, {40, 8, 2},
        // An odd level is passed, not met: the fill still starts over.
        {41, 8 * 19, 40}, {41, 8, 0},
        // A level past 100 grows the fill only as far as the picture.
        {150, 8 * 55, 110},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(std::to_string(s.level) + " after " + std::to_string(s.ticks));
        gauge->SetBatteryInfo(s.level, 1);
        tick(s.ticks);
        EXPECT_EQ(gauge->GetAnimationLevel(), s.animation);
        window.PaintNow();
        EXPECT_EQ(gauge->GetFilledWidth(), std::min(s.animation, 100) * level.Width() / 100);
        EXPECT_EQ(FirstMismatch(std::min(s.animation, 100) * level.Width() / 100), -1);
        EXPECT_EQ(TextPixels(std::min(s.animation, 100) * level.Width() / 100), 0);  // no percentage while charging
        // The bolt: 5 pixels right of the outline, centred in the control's height.
        const int boltTop = (kGauge.Height() - bolt.Height()) / 2;
        for (CPoint p : {CPoint(bolt.Width() / 2, bolt.Height() / 2), CPoint(0, 0)})
            EXPECT_TRUE(Near(window.Pixel(kGauge.left + outline.Width() + 5 + p.x, kGauge.top + boltTop + p.y),
                             Over(bolt.At(p.x, p.y), kBackground)));
    }
    // Not charging: the ticks leave the fill alone.
    gauge->SetBatteryInfo(60, 0);
    const int before = gauge->GetAnimationLevel();
    tick(16);
    EXPECT_EQ(gauge->GetAnimationLevel(), before);
    window.Manager().KillMTimer(timer);
}

TEST_F(BatteryTest, ADestroyedChargingGaugeLeavesTheTickList) {
    Kelvo::BatteryCtrl* gauge = MakeGauge();
    gauge->SetBatteryInfo(40, 1);
    const UINT timer = window.Manager().SetMTimer(10);
    ASSERT_NE(timer, 0u);
    window.PumpUntil([&] { return gauge->GetAnimationLevel() > 0; }, 5000);
    ASSERT_GT(gauge->GetAnimationLevel(), 0) << "the window's own ticks animate the gauge";
    window.Manager().RemoveControl(gauge);
    // The ticks go on, with the window's timer and by hand, and reach nothing that is gone.
    window.Pump(100);
    for (int i = 0; i < 64; ++i) window.Manager().OnMTimer(timer);
    EXPECT_EQ(window.Manager().DeleteTimer(gauge), 0);
    window.Manager().KillMTimer(timer);
}

}  // namespace
