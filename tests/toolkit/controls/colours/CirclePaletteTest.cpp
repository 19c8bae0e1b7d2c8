// The colour ring in a real window (the program itself makes none): only points on the
// ring, more than 64 and at most 115 pixels from the centre, move the thumb, and each such
// move tells the parent the colour the screen shows under the pointer.
#include <gtest/gtest.h>

#include <tuple>

#include "CirclePalette.h"
#include "ColourTestSupport.h"
#include "InputDriver.h"

namespace {

const CRect kRing(20, 20, 260, 260);  // centre (140, 140)

TEST(CirclePaletteTest, OnlyPointsOnTheRingMoveTheThumbAndTellTheScreensColour) {
    harness::TestWindow window;
    colourtest::Recorder recorder{window};
    harness::InputDriver input{window};
    window.Manager().SetBackColor(RGB(0x10, 0x20, 0x30), RGB(0x10, 0x20, 0x30));
    auto* ring = window.Add(new Kelvo::CirclePalette(&recorder, 660, kRing, 1, 1));
    ring->SetRect(kRing);
    EXPECT_EQ(ring->GetThumbRect(), CRect(120, 50, 130, 60));
    window.PaintNow();
    window.Pump(50);
    // The thumb: a white ring with its top at (124, 50), a grey one a pixel lower right.
    EXPECT_TRUE(colourtest::Near(window.Pixel(124, 50), 0xFFFFFF, 90)) << std::hex << window.Pixel(124, 50);
    EXPECT_EQ(window.Pixel(140, 140), colourtest::kBackground);
    const struct {
        CPoint at;
        bool accepted;
    } presses[] = {
        {CPoint(140, 140), false},  // the centre
        {CPoint(204, 140), false},  // 64 away
        {CPoint(225, 225), false},  // 120 away
        {CPoint(140, 230), true},   // 90 away
        {CPoint(255, 140), true},   // 115 away
    };
    for (const auto& p : presses) {
        SCOPED_TRACE(std::to_string(p.at.x) + "," + std::to_string(p.at.y));
        const CRect before = ring->GetThumbRect();
        recorder.Clear();
        input.Click(p.at);
        if (!p.accepted) {
            EXPECT_EQ(ring->GetThumbRect(), before);
            EXPECT_TRUE(recorder.seen.empty());
            continue;
        }
        EXPECT_EQ(ring->GetThumbRect(), CRect(p.at.x - 5, p.at.y - 5, p.at.x + 5, p.at.y + 5));
        ASSERT_EQ(recorder.seen.size(), 1u);
        EXPECT_EQ(std::make_tuple(recorder.seen[0].id, recorder.seen[0].code, recorder.seen[0].wparam),
                  std::make_tuple(660u, 27u, WPARAM{0}));
        EXPECT_EQ(static_cast<DWORD>(recorder.seen[0].lparam), ring->GetSelectColor());
        // Without a ring image the screen shows the window's fill there (0x302010 as a
        // colour reference).
        EXPECT_TRUE(colourtest::Near(colourtest::AsPixel(ring->GetSelectColor()), colourtest::kBackground))
            << std::hex << ring->GetSelectColor();
        EXPECT_TRUE(recorder.AllOnThisThread());
    }
    EXPECT_EQ(ring->GetDistanse(CPoint(143, 144)), 5);
    EXPECT_EQ(ring->GetDistanse(CPoint(141, 141)), 1);  // 1.41 truncates
}

}  // namespace
