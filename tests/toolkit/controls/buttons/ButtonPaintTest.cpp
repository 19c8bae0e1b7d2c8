// What each push button leaves in the window's back buffer: the skin frame of its look
// (stretched, or at natural size), the disabled frame, the upgrade status overriding the
// pointer, the download progress, the flat button's cells, the icon's place, the help
// icon's first frame, and title colours per look.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ButtonTestSupport.h"
#include "CHelpButton.h"
#include "CImageButton.h"
#include "CTextButton.h"
#include "DownloadButton.h"
#include "InputDriver.h"
#include "MButton2.h"
#include "Manager.h"
#include "UpgradeButton.h"

namespace {

using buttons_test::kFrameColours;
using buttons_test::RecordingWindow;

constexpr DWORD kBackground = 0x000000;

DWORD Rgb(uint32_t argb) { return argb & 0xFFFFFF; }

class ButtonPaintTest : public ::testing::Test {
protected:
    ButtonPaintTest() { window.Manager().SetBackColor(RGB(0, 0, 0), RGB(0, 0, 0)); }

    // Puts the button in each look through real input and checks a pixel per look.
    void ExpectLooks(Kelvo::MControl* button, CPoint probe, const DWORD (&looks)[4]) {
        const CPoint inside = button->GetRect().CenterPoint();
        const struct {
            const char* look;
            std::function<void()> go;
        } steps[] = {
            {"normal", [&] { input.MoveTo(CPoint(5, 5)); }},
            {"hover", [&] { input.MoveTo(inside); }},
            {"pressed", [&] { input.LeftDown(); }},
            {"disabled",
             [&] {
                 input.LeftUp();
                 button->SetEnabled(0);
             }},
        };
        for (int look = 0; look < 4; ++look) {
            steps[look].go();
            window.PaintNow();
            EXPECT_EQ(window.Pixel(probe.x, probe.y), looks[look]) << steps[look].look;
        }
        button->SetEnabled(1);
    }

    RecordingWindow window;
    harness::InputDriver input{window};
};

TEST_F(ButtonPaintTest, EachLookShowsItsFrameStretchedOrAtNaturalSize) {
    const std::wstring strip = buttons_test::WriteStrip(L"kelvo-button-frames.png", 20, 20, kFrameColours);
    auto* stretched = window.Add(new Kelvo::MButton(&window, 1, CRect(20, 20, 120, 60), nullptr, 1, 1));
    auto* natural = window.Add(new Kelvo::CImageButton(&window, 2, CRect(20, 80, 120, 120), nullptr, 1, 1));
    ASSERT_EQ(stretched->SetImage(strip.c_str(), 4), 1);
    ASSERT_EQ(natural->SetImage(strip.c_str(), 4), 1);
    const DWORD frames[4] = {Rgb(kFrameColours[0]), Rgb(kFrameColours[1]), Rgb(kFrameColours[2]),
                             Rgb(kFrameColours[3])};
    {
        SCOPED_TRACE("stretched");
        ExpectLooks(stretched, CPoint(110, 50), frames);
    }
    {
        SCOPED_TRACE("natural size");
        ExpectLooks(natural, CPoint(30, 85), frames);
        const DWORD beyond[4] = {kBackground, kBackground, kBackground, kBackground};
        ExpectLooks(natural, CPoint(45, 95), beyond);  // right of the 20 x 20 frame
    }
}

TEST_F(ButtonPaintTest, AnUpgradeUnderWayShowsTheDisabledFrameEvenHovered) {
    const std::wstring strip = buttons_test::WriteStrip(L"kelvo-upgrade-frames.png", 100, 40, kFrameColours);
    auto* button = window.Add(new Kelvo::UpgradeButton(&window, 1, CRect(20, 20, 120, 60), nullptr, 1, 1));
    ASSERT_EQ(button->SetImage(strip.c_str(), 4), 1);
    button->SetUpgradeStatus(1);
    const DWORD disabled = Rgb(kFrameColours[3]);
    ExpectLooks(button, CPoint(22, 22), {disabled, disabled, disabled, disabled});
    button->SetUpgradeStatus(0);
    ExpectLooks(button, CPoint(22, 22),
                {Rgb(kFrameColours[0]), Rgb(kFrameColours[1]), Rgb(kFrameColours[2]), disabled});
}

TEST_F(ButtonPaintTest, DownloadProgressFillsFromTheLeftWithThePercentageInTheMiddle) {
    const std::wstring strip = buttons_test::WriteStrip(L"kelvo-download-frames.png", 20, 20, kFrameColours);
    auto* button = window.Add(new Kelvo::DownloadButton(&window, 1, CRect(0, 20, 200, 60), nullptr, 1, 1));
    ASSERT_EQ(button->SetImage(strip.c_str(), 4), 1);
    button->SetTextColor(0xFFFF0000);
    const struct {
        int percent;
        int doneUpTo;  // x of the last pixel in frame 1, -1 for none
    } cases[] = {{0, -1}, {25, 49}, {50, 99}, {100, 199}, {250, 199}, {-5, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.percent);
        button->SetDownloadProcess(c.percent);
        window.PaintNow();
        const DWORD done = Rgb(kFrameColours[1]);
        const DWORD rest = Rgb(kFrameColours[0]);
        EXPECT_EQ(window.Pixel(10, 55), c.doneUpTo >= 10 ? done : rest);
        if (c.doneUpTo >= 0 && c.doneUpTo < 199) {
            EXPECT_EQ(window.Pixel(c.doneUpTo - 9, 55), done);
            EXPECT_EQ(window.Pixel(c.doneUpTo + 9, 55), rest);
        }
        // The percentage in red, near the middle.
        int red = 0;
        for (int y = 25; y < 55; ++y)
            for (int x = 60; x < 140; ++x) red += window.Pixel(x, y) == 0xFF0000 ? 1 : 0;
        EXPECT_EQ(red > 5, c.percent > 0) << red;
    }
}

TEST_F(ButtonPaintTest, TheFlatButtonsCellsAreDarkOutlinedOrFilledInTheSelectionColour) {
    auto* button = window.Add(new Kelvo::MButton2(&window, 1, CRect(20, 20, 120, 60), 1, 1));
    const DWORD select = Kelvo::Manager::GetSelectColor() & 0xFFFFFF;
    const DWORD dark = 0x333333;
    const struct {
        const char* look;
        CPoint probe;
        DWORD looks[4];
    } probes[] = {
        {"edge", {20, 20}, {dark, dark, select, dark}},
        {"outline", {21, 21}, {dark, select, select, dark}},
        {"outline inner", {22, 40}, {dark, select, select, dark}},
        {"inside the outline", {23, 40}, {dark, dark, select, dark}},
        {"right outline", {117, 40}, {dark, select, select, dark}},
        {"bottom outline", {70, 58}, {dark, select, select, dark}},
    };
    for (const auto& p : probes) {
        SCOPED_TRACE(p.look);
        ExpectLooks(button, p.probe, p.looks);
        button->SetControlCheck(0);  // the release of the round checked it
    }
    // Checked shows the pressed cell, hovered or not.
    button->SetCheck(1);
    input.MoveTo(CPoint(5, 5));
    window.PaintNow();
    EXPECT_EQ(window.Pixel(23, 40), select);
}

TEST_F(ButtonPaintTest, TheIconSitsCentredTwoRightAndFourUp) {
    const std::wstring icon = buttons_test::WriteSolid(L"kelvo-button-icon.png", 10, 10, 0xFF00FF00);
    auto* button = window.Add(new Kelvo::MButton(&window, 1, CRect(20, 20, 120, 60), nullptr, 1, 1));
    ASSERT_EQ(button->SetIconImage(icon.c_str(), 0), 1);  // no frame count: one frame
    EXPECT_EQ(button->SetIconImage(L"no-such-icon.png", 1), 0);
    window.PaintNow();
    // Left = 20 + (100 - 10) / 2 + 2 = 67, top = 20 + (40 - 10) / 2 - 4 = 31.
    const struct {
        CPoint at;
        DWORD rgb;
    } pixels[] = {{{67, 31}, 0x00FF00}, {{76, 40}, 0x00FF00}, {{66, 31}, kBackground},
                  {{67, 30}, kBackground}, {{77, 40}, kBackground}, {{76, 41}, kBackground}};
    for (const auto& p : pixels) EXPECT_EQ(window.Pixel(p.at.x, p.at.y), p.rgb) << p.at.x << "," << p.at.y;
}

TEST_F(ButtonPaintTest, TheHelpIconStretchesOnlyItsFirstFrame) {
    const std::wstring strip = buttons_test::WriteStrip(L"kelvo-help-frames.png", 8, 8, kFrameColours);
    auto* help = window.Add(new Kelvo::CHelpButton(&window, 1, CRect(20, 20, 44, 44), L"Help", 1, 1));
    auto* single = window.Add(new Kelvo::CHelpButton(&window, 2, CRect(60, 20, 84, 44), L"Help", 1, 1));
    ASSERT_EQ(help->SetImage(strip.c_str(), 4), 1);
    ASSERT_EQ(single->SetImage(strip.c_str(), 0), 1);  // frames < 1: the whole strip as one frame
    window.PaintNow();
    for (const CPoint p : {CPoint(21, 21), CPoint(32, 32), CPoint(42, 42)})
        EXPECT_EQ(window.Pixel(p.x, p.y), Rgb(kFrameColours[0])) << p.x << "," << p.y;
    EXPECT_EQ(window.Pixel(61, 30), Rgb(kFrameColours[0]));
    EXPECT_EQ(window.Pixel(82, 30), Rgb(kFrameColours[3]));
}

TEST_F(ButtonPaintTest, TextButtonsInkTheirTitleInTheColourOfEachLook) {
    auto* button = window.Add(new Kelvo::CTextButton(&window, 1, CRect(20, 20, 220, 70), L"MMMM", 1, 1));
    button->SetFont(Kelvo::Manager::GetFontName(), 30, 1);
    const struct {
        const char* look;
        uint32_t colours[4];
    } palettes[] = {
        {"default", {0xFECCCCCC, 0xFEFEDB00, 0xFEA0A0A0, 0xFE808080}},
        {"set", {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00}},
    };
    for (const auto& palette : palettes) {
        SCOPED_TRACE(palette.look);
        if (palette.colours[0] == 0xFFFF0000)
            button->SetTextButtonColor(palette.colours[0], palette.colours[1], palette.colours[2],
                                       palette.colours[3]);
        button->UpdateControl(1, 0);
        const std::function<void()> go[4] = {
            [&] { input.MoveTo(CPoint(5, 5)); }, [&] { input.MoveTo(CPoint(120, 45)); },
            [&] { input.LeftDown(); },
            [&] {
                input.LeftUp();
                button->SetEnabled(0);
            }};
        for (int look = 0; look < 4; ++look) {
            go[look]();
            window.PaintNow();
            int exact = 0, ink = 0;
            for (int y = 20; y < 70; ++y)
                for (int x = 20; x < 220; ++x) {
                    const DWORD rgb = window.Pixel(x, y);
                    if (rgb == kBackground) continue;
                    ++ink;
                    exact += rgb == Rgb(palette.colours[look]) ? 1 : 0;
                }
            EXPECT_GT(exact, 20) << look << " ink " << ink;
        }
        button->SetEnabled(1);
    }
}

}  // namespace
