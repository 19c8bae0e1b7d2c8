// Every push button under real pointer input: a press and release inside notify 1 then 2,
// a press dragged out and released there ends without a click and back to normal, a press
// outside released inside clicks only the flat and toggle buttons, disabled buttons hear
// nothing, and every notification arrives on the window's thread.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ButtonTestSupport.h"
#include "CHelpButton.h"
#include "CIconButton.h"
#include "CImageButton.h"
#include "CTextButton.h"
#include "CTimerButton.h"
#include "DownloadButton.h"
#include "InputDriver.h"
#include "LongPressButton.h"
#include "MButton2.h"
#include "MButton3.h"
#include "UpgradeButton.h"

namespace {

using buttons_test::RecordingWindow;
using Codes = std::vector<UINT>;

const CRect kRect(40, 40, 140, 80);
const CPoint kInside(90, 60);
const CPoint kInsideElsewhere(60, 50);
const CPoint kOutside(200, 150);

struct Kind {
    const char* name;
    Kelvo::MControl* (*make)(Kelvo::MObject* parent);
    int (*state)(Kelvo::MControl* button);
    Codes click;        // press and release inside
    Codes draggedOut;   // press inside, release outside
    Codes pressedOutside;  // press outside, release inside
};

template <class Button>
int StateOf(Kelvo::MControl* button) {
    return static_cast<Button*>(button)->GetState();
}

int HelpState(Kelvo::MControl*) { return 0; }

const Kind kKinds[] = {
    {"MButton", [](Kelvo::MObject* p) -> Kelvo::MControl* { return new Kelvo::MButton(p, 7, kRect, L"Go", 1, 1); },
     StateOf<Kelvo::MButton>, {1, 2}, {1}, {}},
    {"CImageButton",
     [](Kelvo::MObject* p) -> Kelvo::MControl* { return new Kelvo::CImageButton(p, 7, kRect, L"Go", 1, 1); },
     StateOf<Kelvo::MButton>, {1, 2}, {1}, {}},
    {"LongPressButton",
     [](Kelvo::MObject* p) -> Kelvo::MControl* { return new Kelvo::LongPressButton(p, 7, kRect, L"Go", 1, 1); },
     StateOf<Kelvo::MButton>, {1, 2}, {1}, {}},
    {"CTextButton",
     [](Kelvo::MObject* p) -> Kelvo::MControl* { return new Kelvo::CTextButton(p, 7, kRect, L"Go", 1, 1); },
     StateOf<Kelvo::CTextButton>, {1, 2}, {1}, {}},
    {"UpgradeButton",
     [](Kelvo::MObject* p) -> Kelvo::MControl* { return new Kelvo::UpgradeButton(p, 7, kRect, L"Go", 1, 1); },
     StateOf<Kelvo::UpgradeButton>, {1, 2}, {1}, {}},
    {"DownloadButton",
     [](Kelvo::MObject* p) -> Kelvo::MControl* { return new Kelvo::DownloadButton(p, 7, kRect, L"Go", 1, 1); },
     StateOf<Kelvo::DownloadButton>, {1, 2}, {1}, {}},
    {"CIconButton",
     [](Kelvo::MObject* p) -> Kelvo::MControl* { return new Kelvo::CIconButton(p, 7, kRect, L"Go", 1, 1); },
     StateOf<Kelvo::CIconButton>, {1, 2}, {1}, {}},
    {"CTimerButton",
     [](Kelvo::MObject* p) -> Kelvo::MControl* { return new Kelvo::CTimerButton(p, 7, kRect, L"Go", 1, 1); },
     StateOf<Kelvo::CTimerButton>, {1, 2}, {1}, {}},
    {"MButton2", [](Kelvo::MObject* p) -> Kelvo::MControl* { return new Kelvo::MButton2(p, 7, kRect, 1, 1); },
     [](Kelvo::MControl* b) { return static_cast<Kelvo::MButton2*>(b)->GetCheck() ? -1 : StateOf<Kelvo::MButton>(b); },
     {2}, {}, {2}},
    {"MButton3", [](Kelvo::MObject* p) -> Kelvo::MControl* { return new Kelvo::MButton3(p, 7, kRect, 1, 1); },
     [](Kelvo::MControl* b) { return static_cast<Kelvo::MButton3*>(b)->GetCheck() ? -1 : StateOf<Kelvo::MButton>(b); },
     {2}, {}, {2}},
    {"CHelpButton",
     [](Kelvo::MObject* p) -> Kelvo::MControl* { return new Kelvo::CHelpButton(p, 7, kRect, L"Help", 1, 1); },
     HelpState, {}, {}, {}},
};

class ButtonPressTest : public ::testing::Test {
protected:
    RecordingWindow window;
    harness::InputDriver input{window};
};

TEST_F(ButtonPressTest, EveryButtonFollowsThePressCycle) {
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        Kelvo::MControl* button = window.Add(kind.make(&window));
        const bool checks = kind.click == Codes{2};  // flat and toggle buttons show a check instead
        const bool looks = kind.state != HelpState && !checks;
        const auto expectLook = [&](int look, const char* what) {
            if (!looks) return;
            EXPECT_EQ(kind.state(button), look) << what;
        };

        input.MoveTo(kOutside);
        window.notifications.clear();
        input.MoveTo(kInside);
        if (kind.state != HelpState) {
            EXPECT_EQ(kind.state(button), 1) << "hover";
        }
        input.LeftDown();
        expectLook(2, "pressed");
        input.LeftUp();
        EXPECT_EQ(window.Codes(), kind.click) << "click";
        expectLook(1, "hover after the click");

        window.notifications.clear();
        input.MoveTo(kInsideElsewhere);  // away from the click, which would make a double click
        input.LeftDown();
        input.MoveTo(kOutside);
        input.LeftUp();
        EXPECT_EQ(window.Codes(), kind.draggedOut) << "dragged out";
        expectLook(0, "normal after dragging out");

        window.notifications.clear();
        input.MoveTo(kOutside);
        input.LeftDown();
        input.MoveTo(kInside);
        input.LeftUp();
        EXPECT_EQ(window.Codes(), kind.pressedOutside) << "pressed outside";

        window.notifications.clear();
        button->SetEnabled(0);
        input.MoveTo(kOutside);
        input.Click(kInside);
        EXPECT_TRUE(window.notifications.empty()) << "disabled";
        expectLook(3, "disabled look");

        for (DWORD thread : window.threads) EXPECT_EQ(thread, GetCurrentThreadId());
        window.threads.clear();
        window.Manager().RemoveControl(button);
    }
}

// The toggle flips itself; the flat button only reports the click and leaves its check to
// the page (ButtonGroupTest).
TEST_F(ButtonPressTest, TheToggleFlipsOnEachClickAndTheFlatButtonLeavesItsCheckToThePage) {
    auto* toggle = window.Add(new Kelvo::MButton3(&window, 8, kRect, 1, 1));
    auto* flat = window.Add(new Kelvo::MButton2(&window, 9, CRect(40, 100, 140, 140), 1, 1));
    const struct {
        CPoint at;
        int toggleCheck;
        int flatCheck;
    } clicks[] = {
        {kInside, 1, 0}, {kInside, 0, 0}, {CPoint(90, 120), 0, 0}, {CPoint(90, 120), 0, 0}, {kInside, 1, 0},
    };
    for (const auto& click : clicks) {
        input.Click(click.at);
        EXPECT_EQ(toggle->GetCheck(), click.toggleCheck);
        EXPECT_EQ(flat->GetCheck(), click.flatCheck);
    }
    EXPECT_EQ(window.Count(2), 5);
    // Disabled, neither takes a check from the program either.
    EXPECT_EQ(flat->SetCheck(1), 1);
    toggle->SetEnabled(0);
    flat->SetEnabled(0);
    EXPECT_EQ(toggle->SetCheck(0), 1);
    EXPECT_EQ(flat->SetCheck(0), 1);
    EXPECT_EQ(flat->SetControlCheck(0), 0);  // the unconditional form still works
}

}  // namespace
