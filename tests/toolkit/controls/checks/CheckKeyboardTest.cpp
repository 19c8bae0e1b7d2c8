// The keyboard: Space toggles a focused check box and selects a focused radio or select
// button (notification 7 with the new check); with a modifier held, without the focus or
// while disabled nothing happens; a hot key works without the focus; switches and colour
// buttons take no keys. Tab stops at every kind but the colour button.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CCheckButton.h"
#include "CheckTestSupport.h"
#include "InputDriver.h"

namespace {

using checktest::Sent;

constexpr UINT kId = 41;
const CRect kRect(40, 40, 200, 70);

class CheckKeyboardTest : public ::testing::Test {
protected:
    checktest::ThreadWindow window;
    harness::InputDriver input{window};
};

TEST_F(CheckKeyboardTest, SpaceOnTheFocusedButtonChecksIt) {
    const struct {
        const char* kind;
        std::vector<Sent> first, second;
        int checkAfter;
    } cases[] = {
        {"check", {{7, 1}}, {{7, 0}}, 0},
        {"text check", {{7, 1}}, {{7, 0}}, 0},
        {"radio", {{7, 1}}, {{7, 1}}, 1},
        {"select", {{7, 1}}, {{7, 1}}, 1},
        {"switch", {}, {}, 0},
        {"colour", {}, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        Kelvo::MControl* button = window.Add(checktest::MakeButton(c.kind, &window, kId, kRect));
        window.Manager().SetFocusControl(button);
        window.notifications.clear();
        input.Key(VK_SPACE);
        EXPECT_EQ(checktest::SentBy(window, kId), c.first);
        window.notifications.clear();
        input.Key(VK_SPACE);
        EXPECT_EQ(checktest::SentBy(window, kId), c.second);
        EXPECT_EQ(checktest::CheckOf(button), c.checkAfter);
        for (DWORD thread : window.threads) EXPECT_EQ(thread, GetCurrentThreadId());
        window.Manager().RemoveControl(button);
    }
}

TEST_F(CheckKeyboardTest, NothingHappensWithAModifierWithoutFocusOrWhileDisabled) {
    const struct {
        const char* name;
        std::vector<WORD> modifiers;
        WORD key;
        bool focused, enabled;
    } cases[] = {
        {"Shift+Space", {VK_SHIFT}, VK_SPACE, true, true},
        {"Ctrl+Space", {VK_CONTROL}, VK_SPACE, true, true},
        {"Alt+Space", {VK_MENU}, VK_SPACE, true, true},
        {"another key", {}, 'A', true, true},
        {"Space without the focus", {}, VK_SPACE, false, true},
        {"Space while disabled", {}, VK_SPACE, true, false},
    };
    // A check box and a select button stand for the family; a radio button takes keys as
    // a check box does.
    for (const char* kind : {"check", "select"}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(kind) + ", " + c.name);
            Kelvo::MControl* button = window.Add(checktest::MakeButton(kind, &window, kId, kRect));
            if (c.focused) window.Manager().SetFocusControl(button);
            if (!c.enabled) button->SetEnabled(0);
            window.notifications.clear();
            input.Chord(c.modifiers, c.key);
            EXPECT_TRUE(checktest::SentBy(window, kId).empty());
            EXPECT_EQ(checktest::CheckOf(button), 0);
            window.Manager().SetFocusControl(nullptr);
            window.Manager().RemoveControl(button);
        }
    }
}

TEST_F(CheckKeyboardTest, TheHotKeyTogglesWithoutTheFocus) {
    auto* box = window.Add(new Kelvo::CCheckButton(&window, kId, kRect, L"Box", 1, 1));
    box->SetHotKey('K', 17);  // Ctrl+K
    const struct {
        std::vector<WORD> modifiers;
        WORD key;
        std::vector<Sent> sent;
    } steps[] = {
        {{VK_CONTROL}, 'K', {{7, 1}}},
        {{}, 'K', {}},
        {{VK_SHIFT}, 'K', {}},
        {{VK_CONTROL}, 'K', {{7, 0}}},
    };
    for (const auto& step : steps) {
        window.notifications.clear();
        input.Chord(step.modifiers, step.key);
        EXPECT_EQ(checktest::SentBy(window, kId), step.sent);
    }
}

TEST_F(CheckKeyboardTest, TabVisitsEveryKindButTheColourButtonAndTheFocusShows) {
    const char* kinds[] = {"check", "colour", "radio", "select", "switch", "text check"};
    std::vector<Kelvo::MControl*> buttons;
    UINT id = 50;
    int top = 10;
    for (const char* kind : kinds) {
        buttons.push_back(window.Add(checktest::MakeButton(kind, &window, id++, CRect(10, top, 150, top + 30))));
        top += 40;
    }
    const int expected[] = {0, 2, 3, 4, 5, 0};  // indices into `buttons`, round the list and back to the start
    for (int index : expected) {
        input.Key(VK_TAB);
        ASSERT_EQ(window.Manager().GetFocusControl(), buttons[index]);
        for (size_t i = 0; i < buttons.size(); ++i)
            EXPECT_EQ(buttons[i]->IsFocused(), static_cast<int>(i) == index ? 1 : 0) << i;
    }
    // The focus outline changes the look: gaining and losing it renders the box again.
    auto* box = static_cast<Kelvo::CCheckButton*>(buttons[0]);
    window.PaintNow();
    ASSERT_EQ(box->GetUpdate(), 1);
    box->SetControlFocus(0);
    EXPECT_EQ(box->GetUpdate(), 0);
}

}  // namespace
