// The flat buttons' group: checking one unchecks the other members of its group among its
// siblings, combo boxes of the group included, and leaves other groups alone, without
// any notification; a click leaves the choice to the page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ButtonGroup.h"
#include "ButtonTestSupport.h"
#include "InputDriver.h"
#include "MButton2.h"
#include "MControl.h"
#include "Manager.h"

namespace {

using buttons_test::RecordingWindow;

// Stands in for the combo box of the same group: only its class name and its check matter.
class FakeCombo : public Kelvo::MControl, public Kelvo::CheckGroupMember {
public:
    FakeCombo(Kelvo::MObject* parent, UINT id, const wchar_t* group)
        : MControl(parent, id, CRect(300, 10, 380, 30), 1, 1, 1), m_group(group) {}
    const wchar_t* GetClassNameW() override { return L"MComboBox2"; }
    CString GetGroupName() override { return m_group; }
    void ClearGroupCheck() override { check = 0; }
    int check = 1;

private:
    CString m_group;
};

TEST(ButtonGroupTest, CheckingOneUnchecksTheRestOfItsGroupOnly) {
    RecordingWindow window;
    std::vector<Kelvo::MButton2*> mouse;
    for (int i = 0; i < 3; ++i)
        mouse.push_back(window.Add(new Kelvo::MButton2(&window, 10 + i, CRect(10, 10 + 40 * i, 110, 40 + 40 * i), 1, 1)));
    auto* other = window.Add(new Kelvo::MButton2(&window, 20, CRect(150, 10, 250, 40), 1, 1));
    other->SetGroupName(L"Other");
    auto* combo = window.Add(new FakeCombo(&window, 30, L"MouseFunction"));
    auto* otherCombo = window.Add(new FakeCombo(&window, 31, L"Other"));
    EXPECT_EQ(mouse[0]->GetGroupName(), CString(L"MouseFunction"));

    EXPECT_EQ(other->SetCheck(1), 1);
    EXPECT_EQ(otherCombo->check, 0);  // the other group's combo box
    otherCombo->check = 1;
    const struct {
        int checked;  // index into `mouse`
        int checks[3];
    } steps[] = {{0, {1, 0, 0}}, {2, {0, 0, 1}}, {1, {0, 1, 0}}};
    for (const auto& step : steps) {
        combo->check = 1;
        EXPECT_EQ(mouse[step.checked]->SetCheck(1), 1);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(mouse[i]->GetCheck(), step.checks[i]) << step.checked << " " << i;
        EXPECT_EQ(combo->check, 0);
        EXPECT_EQ(other->GetCheck(), 1);
        EXPECT_EQ(otherCombo->check, 1);
    }
    // Checking without the group: the others stay checked.
    mouse[0]->SetControlCheck(1);
    EXPECT_EQ(mouse[1]->GetCheck(), 1);
    EXPECT_TRUE(window.notifications.empty());

    // A click only tells the page. A page that refuses the choice leaves the checks and
    // the highlight where they were; one that takes it checks the button.
    harness::InputDriver input{window};
    const DWORD highlight = Kelvo::Manager::GetSelectColor() & 0xFFFFFF;
    input.Click(CPoint(60, 105));
    ASSERT_EQ(window.Codes(), std::vector<UINT>{2});
    EXPECT_EQ(window.notifications[0].id, 12u);
    window.PaintNow();
    EXPECT_EQ(mouse[2]->GetCheck(), 0);
    EXPECT_NE(window.Pixel(60, 112), highlight) << "the refused button";
    EXPECT_EQ(mouse[1]->GetCheck(), 1);
    EXPECT_EQ(window.Pixel(60, 72), highlight) << "the button still chosen";

    mouse[2]->SetCheck(1);
    window.PaintNow();
    EXPECT_EQ(window.Pixel(60, 112), highlight);
    EXPECT_NE(window.Pixel(60, 72), highlight);
    EXPECT_EQ(other->GetCheck(), 1);
}

}  // namespace
