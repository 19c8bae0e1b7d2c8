// Balloons of buttons: an image button with a balloon mode points it at its right or left
// edge while hovered and hides it otherwise; the help icon points it just right of its
// top-left corner while the pointer is inside and owns it.
#include <gtest/gtest.h>

#include "ButtonTestSupport.h"
#include "CHelpButton.h"
#include "CImageButton.h"
#include "InputDriver.h"
#include "MAirBladder.h"

namespace {

using buttons_test::RecordingWindow;

TEST(ButtonBalloonTest, ImageButtonsPointTheirBalloonAtTheEdgeOfTheirMode) {
    const struct {
        Kelvo::AIRBLADDER_MODE mode;
        const wchar_t* title;
        bool shows;
        CPoint anchor;  // client
    } cases[] = {
        {Kelvo::AIRBLADDER_MODE_RIGHT, L"Undo", true, {120, 40}},
        {Kelvo::AIRBLADDER_MODE_LEFT, L"Undo", true, {20, 40}},
        {Kelvo::AIRBLADDER_MODE_NONE, L"Undo", false, {}},
        {Kelvo::AIRBLADDER_MODE_RIGHT, L"", false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        RecordingWindow window;
        harness::InputDriver input{window};
        auto* button = window.Add(new Kelvo::CImageButton(&window, 44, CRect(20, 20, 120, 60), c.title, 1, 1));
        button->SetAlrBladderMode(c.mode);
        input.MoveTo(CPoint(70, 40));
        Kelvo::PaintManager& manager = window.Manager();
        EXPECT_EQ(manager.IsAirBladderShown(), c.shows);
        if (!c.shows) continue;
        const Kelvo::MAirBladder& balloon = *manager.GetAirBladder();
        const POINT screen = window.ToScreen(c.anchor);
        EXPECT_EQ(balloon.GetPoint(), CPoint(screen.x, screen.y));
        EXPECT_EQ(balloon.GetText(), CString(c.title));
        EXPECT_EQ(balloon.GetType(), 5);
        EXPECT_EQ(balloon.GetMode(), c.mode);
        EXPECT_EQ(manager.GetAirBladderOwner(), 44);
        input.LeftDown();  // pressed is not hover: hidden
        EXPECT_FALSE(manager.IsAirBladderShown());
        input.LeftUp();
        EXPECT_TRUE(manager.IsAirBladderShown());
        input.MoveTo(CPoint(200, 200));
        EXPECT_FALSE(manager.IsAirBladderShown());
    }
}

TEST(ButtonBalloonTest, TheHelpIconShowsItsTitleWhileThePointerIsInside) {
    RecordingWindow window;
    harness::InputDriver input{window};
    auto* help = window.Add(new Kelvo::CHelpButton(&window, 83, CRect(50, 30, 70, 50), L"What this does", 1, 1));
    auto* other = window.Add(new Kelvo::CHelpButton(&window, 84, CRect(150, 30, 170, 50), L"Something else", 1, 1));
    Kelvo::PaintManager& manager = window.Manager();
    input.MoveTo(CPoint(60, 40));
    ASSERT_TRUE(manager.IsAirBladderShown());
    const Kelvo::MAirBladder& balloon = *manager.GetAirBladder();
    const POINT anchor = window.ToScreen(CPoint(70, 30));
    EXPECT_EQ(balloon.GetPoint(), CPoint(anchor.x, anchor.y));
    EXPECT_EQ(balloon.GetText(), CString(L"What this does"));
    EXPECT_EQ(balloon.GetType(), 5);
    EXPECT_EQ(balloon.GetMode(), 1);
    EXPECT_EQ(manager.GetAirBladderOwner(), 83);
    // Straight onto the other icon: it takes the balloon over, and the first leaving does
    // not hide it.
    input.MoveTo(CPoint(160, 40));
    EXPECT_TRUE(manager.IsAirBladderShown());
    EXPECT_EQ(manager.GetAirBladderOwner(), 84);
    EXPECT_EQ(balloon.GetText(), CString(L"Something else"));
    input.MoveTo(CPoint(250, 200));
    EXPECT_FALSE(manager.IsAirBladderShown());
    // Disabled, it shows nothing.
    help->SetEnabled(0);
    input.MoveTo(CPoint(60, 40));
    EXPECT_FALSE(manager.IsAirBladderShown());
    EXPECT_TRUE(window.notifications.empty());
    // Removed while its balloon shows (the page it sits on went), it takes the balloon along.
    input.MoveTo(CPoint(160, 40));
    ASSERT_TRUE(manager.IsAirBladderShown());
    manager.RemoveControl(other);
    EXPECT_FALSE(manager.IsAirBladderShown());
}

}  // namespace
