// The press cycle of every button of the family under real pointer input: the frame shown
// while hovering, pressing and after the release, the check a click leaves, and the exact
// notifications in order - each delivered on the window's thread.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CheckTestSupport.h"
#include "InputDriver.h"

namespace {

using checktest::Sent;

constexpr UINT kId = 40;
const CRect kRect(40, 40, 200, 70);
const CPoint kInside(120, 55);
const CPoint kOutside(300, 200);

struct Cycle {
    const char* kind;
    int hover, pressed;          // frames while hovered and while pressed (unchecked)
    std::vector<Sent> onPress;   // sent by the press
    int afterClick;              // frame after the first click, pointer still inside
    std::vector<Sent> onClick;   // sent by the release
    int checkAfterSecondClick;
    std::vector<Sent> onSecondClick;
    int afterLeaving;            // frame once the pointer has left
};

const Cycle kCycles[] = {
    {"check", 1, 2, {}, 5, {{2, 0}}, 0, {{2, 0}}, 0},
    {"text check", 1, 2, {}, 5, {{2, 0}}, 0, {{2, 0}}, 0},
    {"radio", 1, 2, {}, 5, {{2, 0}}, 1, {{2, 0}}, 4},  // a second click never clears it
    {"select", 1, 2, {}, 2, {{2, 0}}, 1, {{2, 0}}, 2},
    {"colour", 1, 2, {{1, 0}}, 2, {{2, 0}}, 1, {{1, 0}, {2, 0}}, 2},
    {"switch", 1, 1, {}, 1, {{2, 1}}, 0, {{2, 0}}, 0},  // pressed looks hovered; lparam is the new check
};

class CheckPressTest : public ::testing::Test {
protected:
    checktest::ThreadWindow window;
    harness::InputDriver input{window};

    Kelvo::MControl* Make(const char* kind) {
        return window.Add(checktest::MakeButton(kind, &window, kId, kRect));
    }
    void ExpectWindowThread() {
        for (DWORD thread : window.threads) EXPECT_EQ(thread, GetCurrentThreadId());
    }
};

TEST_F(CheckPressTest, AClickHoversPressesAndNotifiesInOrder) {
    for (const Cycle& c : kCycles) {
        SCOPED_TRACE(c.kind);
        input.MoveTo(kOutside);
        window.notifications.clear();
        Kelvo::MControl* button = Make(c.kind);
        ASSERT_NE(button, nullptr);

        input.MoveTo(kInside);
        EXPECT_EQ(checktest::StateOf(button), c.hover);
        input.LeftDown();
        EXPECT_EQ(checktest::StateOf(button), c.pressed);
        EXPECT_EQ(checktest::SentBy(window, kId), c.onPress);
        window.notifications.clear();
        input.LeftUp();
        EXPECT_EQ(checktest::StateOf(button), c.afterClick);
        EXPECT_EQ(checktest::CheckOf(button), 1);
        EXPECT_EQ(checktest::SentBy(window, kId), c.onClick);

        window.notifications.clear();
        input.LeftDown();
        input.LeftUp();
        EXPECT_EQ(checktest::CheckOf(button), c.checkAfterSecondClick);
        EXPECT_EQ(checktest::SentBy(window, kId), c.onSecondClick);

        input.MoveTo(kOutside);
        EXPECT_EQ(checktest::StateOf(button), c.afterLeaving);
        ExpectWindowThread();
        window.Manager().RemoveControl(button);
    }
}

TEST_F(CheckPressTest, APressDraggedOutAndReleasedThereIsNoClick) {
    int shift = 0;
    for (const Cycle& c : kCycles) {
        SCOPED_TRACE(c.kind);
        input.MoveTo(kOutside);
        window.notifications.clear();
        Kelvo::MControl* button = Make(c.kind);
        ASSERT_NE(button, nullptr);

        // Each press somewhere else, so that no two make a double click.
        input.MoveTo(CPoint(kRect.left + 10 + shift, kInside.y));
        shift += 20;
        input.LeftDown();
        input.MoveTo(kOutside);
        EXPECT_EQ(checktest::StateOf(button), c.pressed) << "a press keeps its look while held";
        input.LeftUp();
        // Only the colour button checks itself (and says so) at the press already.
        const bool checksOnPress = !c.onPress.empty();
        EXPECT_EQ(checktest::CheckOf(button), checksOnPress ? 1 : 0);
        EXPECT_EQ(checktest::StateOf(button), checksOnPress ? 2 : 0);
        EXPECT_EQ(checktest::SentBy(window, kId), c.onPress);
        ExpectWindowThread();
        window.Manager().RemoveControl(button);
    }
}

TEST_F(CheckPressTest, APressWhoseReleaseWentElsewhereEndsWithTheNextMoveWithoutAClick) {
    // The second press of a double click is not captured: its release outside the
    // button goes elsewhere, and the next move comes with the button up.
    const CPoint outside(kRect.right + 20, kInside.y);
    for (const Cycle& c : kCycles) {
        SCOPED_TRACE(c.kind);
        window.notifications.clear();
        Kelvo::MControl* button = Make(c.kind);
        button->SetRresponse(0);  // only the calls below reach it
        button->OnControlMouseMove(0, kInside);
        button->OnControlLButtonDown(MK_LBUTTON, kInside);
        button->OnControlMouseMove(MK_LBUTTON, outside);
        EXPECT_EQ(checktest::StateOf(button), c.pressed) << "still held";
        button->OnControlMouseMove(0, outside);
        const bool checksOnPress = !c.onPress.empty();
        EXPECT_EQ(checktest::StateOf(button), checksOnPress ? 2 : 0);
        button->OnControlMouseMove(0, kInside);
        button->OnControlLButtonUp(0, kInside);
        EXPECT_EQ(checktest::CheckOf(button), checksOnPress ? 1 : 0) << "a release after the move is no click";
        EXPECT_EQ(checktest::SentBy(window, kId), c.onPress);
        window.Manager().RemoveControl(button);
    }
}

TEST_F(CheckPressTest, ADisabledButtonIgnoresThePointer) {
    for (const Cycle& c : kCycles) {
        SCOPED_TRACE(c.kind);
        input.MoveTo(kOutside);
        window.notifications.clear();
        Kelvo::MControl* button = Make(c.kind);
        ASSERT_NE(button, nullptr);
        button->SetEnabled(0);
        input.MoveTo(kInside);
        input.LeftDown();
        input.LeftUp();
        EXPECT_EQ(checktest::StateOf(button), 3);
        EXPECT_EQ(checktest::CheckOf(button), 0);
        EXPECT_TRUE(checktest::SentBy(window, kId).empty());
        button->SetEnabled(1);
        EXPECT_EQ(checktest::StateOf(button), 0) << "enabled again, it looks normal";
        window.Manager().RemoveControl(button);
    }
}

}  // namespace
