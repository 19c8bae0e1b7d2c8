// Groups: checking one radio, select or colour button unchecks the others of its class
// with the same group name among its siblings (the window's controls, or a container's
// children), silently; other classes, other names and other containers are left alone.
// SetCheck does nothing on a disabled button; SetControlCheck does, without the group.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CColorButton.h"
#include "CRadioButton.h"
#include "CSelectButton.h"
#include "CheckTestSupport.h"
#include "TestWindow.h"

namespace {

using checktest::CheckOf;
using checktest::SetCheckOf;

void SetGroup(Kelvo::MControl* control, const wchar_t* name) {
    if (auto* c = dynamic_cast<Kelvo::CRadioButton*>(control)) c->SetGroupName(name);
    if (auto* c = dynamic_cast<Kelvo::CSelectButton*>(control)) c->SetGroupName(name);
    if (auto* c = dynamic_cast<Kelvo::CColorButton*>(control)) c->SetGroupName(name);
}

CRect Slot(int i) { return CRect(10, 10 + 35 * i, 150, 40 + 35 * i); }

class CheckGroupTest : public ::testing::Test {
protected:
    checktest::ThreadWindow window;
    Kelvo::MControl* Add(const char* kind, UINT id) {
        return window.Add(checktest::MakeButton(kind, &window, id, Slot(static_cast<int>(id % 10))));
    }
};

TEST_F(CheckGroupTest, CheckingOneUnchecksTheOthersOfItsGroupWithoutNotifying) {
    const struct {
        const char* name;
        const char* kind;
        const wchar_t* groupOfB;
        bool excluded;
    } cases[] = {
        {"radio, both unnamed", "radio", L"", true},
        {"radio, a named group", "radio", L"dpi", false},
        {"select, both unnamed", "select", L"", true},
        {"select, a named group", "select", L"rate", false},
        {"colour, both unnamed", "colour", L"", true},
        {"colour, a named group", "colour", L"palette", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Kelvo::MControl* a = Add(c.kind, 1);
        Kelvo::MControl* b = Add(c.kind, 2);
        SetGroup(b, c.groupOfB);
        window.notifications.clear();
        EXPECT_EQ(SetCheckOf(a, 1), 1);
        EXPECT_EQ(SetCheckOf(b, 1), 1);
        EXPECT_EQ(CheckOf(a), c.excluded ? 0 : 1);
        EXPECT_EQ(CheckOf(b), 1);
        EXPECT_TRUE(window.notifications.empty());
        // A click on the other one: only the clicked button says anything.
        a->OnControlLButtonDown(0, a->GetRect().CenterPoint());
        a->OnControlLButtonUp(0, a->GetRect().CenterPoint());
        EXPECT_EQ(CheckOf(a), 1);
        EXPECT_EQ(CheckOf(b), c.excluded ? 0 : 1);
        for (const harness::Notification& n : window.notifications) EXPECT_EQ(n.id, 1u);
        window.Manager().ClearControls();
    }
}

TEST_F(CheckGroupTest, OnlyButtonsOfTheSameClassFormAGroup) {
    Kelvo::MControl* radio = Add("radio", 1);
    Kelvo::MControl* select = Add("select", 2);
    Kelvo::MControl* colour = Add("colour", 3);
    Kelvo::MControl* box = Add("check", 4);
    for (Kelvo::MControl* control : {radio, select, colour, box}) SetCheckOf(control, 1);
    Kelvo::MControl* otherRadio = Add("radio", 5);
    Kelvo::MControl* otherSelect = Add("select", 6);
    Kelvo::MControl* otherColour = Add("colour", 7);
    const struct {
        Kelvo::MControl* checked;
        std::vector<int> expected;  // radio, select, colour, check box
    } steps[] = {
        {otherRadio, {0, 1, 1, 1}},
        {otherSelect, {0, 0, 1, 1}},
        {otherColour, {0, 0, 0, 1}},
    };
    for (const auto& step : steps) {
        SetCheckOf(step.checked, 1);
        EXPECT_EQ((std::vector<int>{CheckOf(radio), CheckOf(select), CheckOf(colour), CheckOf(box)}), step.expected);
    }
}

TEST_F(CheckGroupTest, AContainersChildrenAreAGroupOfTheirOwn) {
    auto* container = window.Add(new Kelvo::MControl(&window, 9, CRect(200, 0, 400, 300), 1, 1, 1));
    Kelvo::MControl* outside = Add("radio", 1);
    auto* inner1 = container->AttachControl(1, checktest::MakeButton("radio", container, 21, CRect(210, 10, 390, 40)));
    auto* inner2 = container->AttachControl(1, checktest::MakeButton("radio", container, 22, CRect(210, 50, 390, 80)));
    SetCheckOf(outside, 1);
    SetCheckOf(inner1, 1);
    EXPECT_EQ(CheckOf(outside), 1) << "another container, another group";
    SetCheckOf(inner2, 1);
    EXPECT_EQ(CheckOf(inner1), 0);
    EXPECT_EQ(CheckOf(outside), 1);
    // A radio button that has no parent has no group to reset.
    Kelvo::CRadioButton orphan(nullptr, 3, CRect(0, 0, 10, 10), L"", 1, 1);
    EXPECT_EQ(orphan.ResetGroupCheck(), 0);
    EXPECT_EQ(orphan.SetCheck(1), 1);
}

TEST_F(CheckGroupTest, SetCheckIsIgnoredWhileDisabledAndSetControlCheckIsNot) {
    for (const char* kind : {"check", "text check", "radio", "select", "colour"}) {
        SCOPED_TRACE(kind);
        Kelvo::MControl* button = Add(kind, 1);
        button->SetEnabled(0);
        EXPECT_EQ(SetCheckOf(button, 1), 0);
        EXPECT_EQ(CheckOf(button), 0);
        button->SetEnabled(1);
        SetCheckOf(button, 1);
        button->SetEnabled(0);
        EXPECT_EQ(SetCheckOf(button, 0), 1);
        EXPECT_EQ(CheckOf(button), 1);
        window.Manager().ClearControls();
    }
    // The group buttons can still be set from code while disabled, and then leave their group alone.
    for (const char* kind : {"radio", "select", "colour"}) {
        SCOPED_TRACE(kind);
        Kelvo::MControl* a = Add(kind, 1);
        Kelvo::MControl* b = Add(kind, 2);
        SetCheckOf(a, 1);
        b->SetEnabled(0);
        EXPECT_EQ(checktest::SetControlCheckOf(b, 1), 1);
        EXPECT_EQ(CheckOf(a), 1);
        EXPECT_EQ(CheckOf(b), 1);
        window.Manager().ClearControls();
    }
    // A switch follows SetCheck whatever its state.
    Kelvo::MControl* toggle = Add("switch", 1);
    toggle->SetEnabled(0);
    EXPECT_EQ(SetCheckOf(toggle, 1), 1);
    EXPECT_EQ(CheckOf(toggle), 1);
    EXPECT_TRUE(window.notifications.empty());
}

}  // namespace
