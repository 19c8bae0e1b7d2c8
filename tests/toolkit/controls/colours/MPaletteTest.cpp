// The colour field in a real window: presses in the field and the bar tell the parent 27
// with the colour reference when the colour changed, drags of the bar tell 27 with
// nothing on each move, drags in the field say nothing; a colour set from outside is
// shown to whole steps; the field, marker and thumb are drawn from the off-screen bitmap
// and the shipped skin.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "ColourConversion.h"
#include "ColourTestSupport.h"
#include "InputDriver.h"
#include "MPalette.h"

namespace {

using colourtest::kBackground;
using harness::Notification;
using Kelvo::MPalette;

constexpr UINT kId = 620;
// 233 x 152 with a palette height of 150: the field (20, 20) – (215, 170), 195 wide; the
// bar (221, 20) – (253, 170), its 16 columns from x 221 and the thumb from x 237.
const CRect kField(20, 20, 253, 172);

auto Fields(const Notification& n) { return std::make_tuple(n.id, n.code, n.wparam, n.lparam); }

class MPaletteTest : public ::testing::Test {
protected:
    void SetUp() override { window.Manager().SetBackColor(RGB(0x10, 0x20, 0x30), RGB(0x10, 0x20, 0x30)); }

    MPalette* MakeField() {
        auto* field = window.Add(new MPalette(&recorder, kId, kField, 1));
        field->SetThumbImage(colourtest::SkinPath(L"img_palette_thumb.png").c_str());
        field->SetPalletHeight(150);
        field->SetRect(kField);
        window.PaintNow();
        recorder.Clear();
        return field;
    }

    harness::TestWindow window;
    colourtest::Recorder recorder{window};
    harness::InputDriver input{window};
};

TEST_F(MPaletteTest, APressThatChangesTheColourTellsItsColourReference) {
    const struct {
        const char* name;
        CPoint at;
        int hue, saturation, lightness;
        std::vector<Notification> notifications;
    } cases[] = {
        {"field top left: hue 0, darkest red", CPoint(20, 20), 0, 200, 20, {{kId, 27, 0x000033, 0}}},
        // In single precision l + s − l·s is 0.99999994 here: green truncates to 254.
        {"field: hue 120, lightness 110", CPoint(85, 95), 120, 200, 110, {{kId, 27, 0x19FE19, 0}}},
        {"bar top: no saturation, grey", CPoint(230, 20), 180, 0, 120, {{kId, 27, 0x999999, 0}}},
        {"bar bottom row: saturation 198", CPoint(230, 169), 180, 198, 120, {{kId, 27, 0xFDFD34, 0}}},
        {"between field and bar", CPoint(218, 60), 180, 200, 120, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MPalette* field = MakeField();
        input.Click(c.at);
        EXPECT_EQ(field->GetHue(), c.hue);
        EXPECT_EQ(field->GetSaturation(), c.saturation);
        EXPECT_EQ(field->GetLightness(), c.lightness);
        ASSERT_EQ(recorder.seen.size(), c.notifications.size());
        for (size_t i = 0; i < c.notifications.size(); ++i)
            EXPECT_EQ(Fields(recorder.seen[i]), Fields(c.notifications[i])) << i;
        EXPECT_TRUE(recorder.AllOnThisThread());
        // The same press again changes nothing and says nothing.
        recorder.Clear();
        input.Click(c.at);
        EXPECT_TRUE(recorder.seen.empty());
        window.Manager().RemoveControl(field);
    }
}

TEST_F(MPaletteTest, DraggingTheBarTellsEachMoveDraggingTheFieldTellsNothing) {
    MPalette* field = MakeField();
    input.MoveTo(CPoint(230, 20));
    input.LeftDown();
    recorder.Clear();
    input.MoveTo(CPoint(230, 95));
    EXPECT_EQ(field->GetSaturation(), 100);
    input.MoveTo(CPoint(230, 169));  // the bar's bottom row
    EXPECT_EQ(field->GetSaturation(), 198);
    input.LeftUp();
    ASSERT_EQ(recorder.seen.size(), 2u);
    for (const auto& n : recorder.seen) EXPECT_EQ(Fields(n), Fields({kId, 27, 0, 0}));

    recorder.Clear();
    input.MoveTo(CPoint(20, 20));
    input.LeftDown();
    recorder.Clear();
    input.MoveTo(CPoint(85, 95));
    input.LeftUp();
    EXPECT_EQ(field->GetHue(), 120);
    EXPECT_EQ(field->GetLightness(), 110);
    EXPECT_EQ(field->GetMarker(), CPoint(85, 95));
    EXPECT_TRUE(recorder.seen.empty());
    EXPECT_EQ(field->GetSelectColor(), 0x1AFD1Au);  // at the saturation of 198 the bar left
}

TEST_F(MPaletteTest, AColourSetFromOutsideShowsToWholeStepsSilently) {
    const struct {
        DWORD colour;
        int hue, saturation, lightness;
        DWORD shown;
    } cases[] = {
        {0x0000FF, 0, 200, 100, 0x0000FF},  // red in the low byte is hue 0
        {0xFF0000, 240, 200, 100, 0xFF0000},
        {0x808080, 0, 0, 100, 0x7F7F7F},    // lightness 128/255 truncates to 100 steps
    };
    MPalette* field = MakeField();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.colour);
        field->SetSelectColor(c.colour);
        EXPECT_EQ(field->GetHue(), c.hue);
        EXPECT_EQ(field->GetSaturation(), c.saturation);
        EXPECT_EQ(field->GetLightness(), c.lightness);
        EXPECT_EQ(field->GetSelectColor(), c.shown);
    }
    // Lightness 100 is 80 steps below the field's top of 20: 80 × 150 / 180 = 66 down.
    EXPECT_EQ(field->GetMarker(), CPoint(20, 86));
    EXPECT_TRUE(recorder.seen.empty());
}

TEST_F(MPaletteTest, DrawsTheFieldTheBarTheMarkerAndTheSkinThumb) {
    const colourtest::SkinPicture thumb(L"img_palette_thumb.png");
    ASSERT_EQ(thumb.Width(), 48);
    MPalette* field = MakeField();
    field->SetSelectColor(0x0000FF);  // hue 0, saturation 200, lightness 100
    window.PaintNow();
    // Halftone stretching blends neighbours: compare loosely with the colour of that spot.
    const struct {
        CPoint at;
        DWORD colour;
    } spots[] = {
        {CPoint(117, 40), Kelvo::HSLToRGB(180 / 360.0f, 1.0f, 44 / 200.0f)},   // field, 20 rows down
        {CPoint(150, 150), Kelvo::HSLToRGB(240 / 360.0f, 1.0f, 176 / 200.0f)}, // field, near the bottom
        {CPoint(228, 22), Kelvo::HSLToRGB(0, 0.0f, 0.5f)},                     // bar top: grey
        {CPoint(228, 167), Kelvo::HSLToRGB(0, 197 / 200.0f, 0.5f)},            // bar bottom: red
    };
    for (const auto& s : spots)
        EXPECT_TRUE(colourtest::Near(window.Pixel(s.at.x, s.at.y), colourtest::AsPixel(s.colour), 12))
            << s.at.x << "," << s.at.y << " " << std::hex << window.Pixel(s.at.x, s.at.y);
    // The marker: a white ring of radius 4 around (20, 86).
    EXPECT_TRUE(colourtest::Near(window.Pixel(20, 82), 0xFFFFFF, 90)) << std::hex << window.Pixel(20, 82);
    // The thumb's first frame, centred on full saturation at the bar's bottom (y 170).
    for (int x = 1; x < 12; x += 3)
        EXPECT_TRUE(colourtest::Near(window.Pixel(237 + x, 170), colourtest::Over(thumb.At(x, 6), kBackground)))
            << x;
    EXPECT_EQ(window.Pixel(216, 100), kBackground);  // the gap between field and bar
}

TEST_F(MPaletteTest, DisabledItTakesNoPressAndTheWheelStopsThere) {
    MPalette* field = MakeField();
    field->SetEnabled(0);
    input.Click(CPoint(20, 20));
    EXPECT_EQ(field->GetHue(), 180);
    EXPECT_TRUE(recorder.seen.empty());
    EXPECT_EQ(field->OnControlScroll(1, 1, CPoint(50, 50)), 1);
}

}  // namespace
