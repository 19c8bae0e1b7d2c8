// The angle slider in a real window: values clamped to −30 … 30, dragging and pressing
// with real input moving the thumb silently and the release telling the parent (on the
// window's thread), and what it draws at −30, 0 and 30 and when disabled.
#include <gtest/gtest.h>

#include <string>

#include "InputDriver.h"
#include "MAngletunability.h"
#include "StatusTestSupport.h"

namespace {

using Kelvo::MAngletunability;
using statustest::Near;

constexpr UINT kId = 320;
// 200 x 65: the track runs from x 26 to 214 (188 pixels), 60 steps along it.
const CRect kAngle(20, 150, 220, 215);
constexpr DWORD kBadge = 0x3B4E62;
constexpr DWORD kBar = 0x384452;
constexpr DWORD kWhite = 0xFFFFFF;

int ThumbCentre(int angle) { return 26 + 188 * (angle + 30) / 60; }

class AngleSliderTest : public ::testing::Test {
protected:
    void SetUp() override { window.Manager().SetBackColor(RGB(0x10, 0x20, 0x30), RGB(0x10, 0x20, 0x30)); }

    MAngletunability* MakeSlider() { return window.Add(new MAngletunability(&recorder, kId, kAngle, 1, 1)); }

    harness::TestWindow window;
    statustest::Recorder recorder{window};
    harness::InputDriver input{window};
};

TEST_F(AngleSliderTest, SetAngleValueClampsAndPlacesTheThumbSilently) {
    MAngletunability* slider = MakeSlider();
    EXPECT_EQ(slider->GetAngleValue(), 0);
    const struct {
        int given, stored;
    } cases[] = {{45, 30}, {-31, -30}, {12, 12}, {-30, -30}, {30, 30}, {0, 0}};
    for (const auto& c : cases) {
        slider->SetAngleValue(c.given);
        EXPECT_EQ(slider->GetAngleValue(), c.stored) << c.given;
        EXPECT_EQ(slider->GetThumbRect().CenterPoint().x, ThumbCentre(c.stored)) << c.given;
    }
    EXPECT_TRUE(recorder.seen.empty());
}

TEST_F(AngleSliderTest, DragAndPressMoveSilentlyAndTheReleaseTellsTheParent) {
    const struct {
        const char* name;
        int start, pressX, toX, angle;
    } cases[] = {
        {"drag the thumb", 0, ThumbCentre(0), ThumbCentre(15), 15},
        {"a press beside the thumb jumps and drags on", 0, ThumbCentre(-30), ThumbCentre(30) + 4, 30},
        {"a press without a move", 10, ThumbCentre(-20), ThumbCentre(-20), -20},
        {"dragged left of the track", 0, ThumbCentre(0), 21, -30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MAngletunability* slider = MakeSlider();
        slider->SetAngleValue(c.start);
        window.PaintNow();
        recorder.seen.clear();
        recorder.threads.clear();
        input.MoveTo(CPoint(c.pressX, 190));
        input.LeftDown();
        input.MoveTo(CPoint(c.toX, 190));
        EXPECT_TRUE(recorder.seen.empty()) << "moving tells nothing";
        input.LeftUp();
        EXPECT_EQ(slider->GetAngleValue(), c.angle);
        ASSERT_EQ(recorder.seen.size(), 1u);
        EXPECT_EQ(recorder.seen[0].code, 2u);
        EXPECT_EQ(recorder.seen[0].wparam, 0u);
        EXPECT_EQ(recorder.threads[0], ::GetCurrentThreadId());
        window.Manager().RemoveControl(slider);
    }
}

TEST_F(AngleSliderTest, DrawsBadgeBarThumbAndLabelsGreyWhenDisabled) {
    MAngletunability* slider = MakeSlider();
    slider->SetTextColor(0xFFFF2020);
    slider->SetFontWidth(12);
    for (int angle : {-30, 0, 30}) {
        SCOPED_TRACE(angle);
        slider->SetAngleValue(angle);
        window.PaintNow();
        const int disc = ThumbCentre(angle) - 1;  // the 11-pixel disc starts at the thumb's left edge
        EXPECT_EQ(window.Pixel(disc, kAngle.top + 36), kWhite);
        EXPECT_EQ(window.Pixel(disc, kAngle.top + 30), statustest::kBackground);  // above the disc
        const int barX = angle == -30 ? 150 : 30;
        EXPECT_EQ(window.Pixel(barX, kAngle.top + 36), kBar);
        EXPECT_EQ(window.Pixel(kAngle.left + 80 + 3, kAngle.top + 5), kBadge);
        EXPECT_EQ(window.Pixel(kAngle.left + 60, kAngle.top + 5), statustest::kBackground);  // beside the badge
    }
    const auto labelPixels = [&](auto&& wanted) {
        int count = 0;
        for (int y = kAngle.top + 45; y < kAngle.bottom; ++y)
            for (int x = kAngle.left; x < kAngle.right; ++x) count += wanted(window.Pixel(x, y)) ? 1 : 0;
        return count;
    };
    const auto red = [](DWORD rgb) { return ((rgb >> 16) & 0xFF) > 0xC0 && ((rgb >> 8) & 0xFF) < 0x60; };
    const auto grey = [](DWORD rgb) { return Near(rgb, 0x808080, 8); };
    EXPECT_GT(labelPixels(red), 5);
    EXPECT_EQ(labelPixels(grey), 0);
    slider->SetEnabled(0);
    window.PaintNow();
    EXPECT_EQ(labelPixels(red), 0);
    EXPECT_GT(labelPixels(grey), 5);
    // Disabled, it takes no input.
    input.Click(CPoint(ThumbCentre(-30), 190));
    EXPECT_EQ(slider->GetAngleValue(), 30);
    EXPECT_TRUE(recorder.seen.empty());
}

}  // namespace
