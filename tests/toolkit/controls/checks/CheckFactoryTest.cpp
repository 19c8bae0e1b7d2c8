// The family's class names in the window and panel tables, with the constructor shape
// each one takes: titled buttons keep their title, the colour and switch buttons take no
// title but honour the enabled flag, and the text check box exists only for windows.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ControlFactory.h"
#include "MControlFont.h"
#include "TestWindow.h"

namespace {

TEST(CheckFactoryTest, EachNameMakesItsClassInTheTablesThatKnowIt) {
    harness::TestWindow parent;
    const struct {
        const wchar_t* name;
        bool inPanels;
        bool titled;
        int tabStop;
    } cases[] = {
        {L"CCheckButton", true, true, 1},  {L"CRadioButton", true, true, 1},  {L"CSelectButton", true, true, 1},
        {L"CColorButton", true, false, 0}, {L"CSwitchButton", true, false, 1}, {L"TextCheckButton", false, true, 1},
    };
    for (const auto& c : cases) {
        for (bool dialog : {true, false}) {
            const std::wstring where = dialog ? L"window" : L"panel";
            SCOPED_TRACE(std::wstring(c.name) + L" in a " + where);
            const CRect rect(1, 2, 30, 40);
            std::unique_ptr<Kelvo::MControl> made(
                dialog ? Kelvo::CreateDialogControl(c.name, &parent, 77, rect, L"Title", 1, 0)
                       : Kelvo::CreatePanelControl(c.name, &parent, 77, rect, L"Title", 1, 0));
            if (!dialog && !c.inPanels) {
                EXPECT_EQ(made, nullptr);
                continue;
            }
            ASSERT_NE(made, nullptr);
            EXPECT_STREQ(made->GetClassNameW(), c.name);
            EXPECT_EQ(made->GetControlID(), 77u);
            EXPECT_EQ(made->GetRect(), rect);
            EXPECT_EQ(made->GetParantObject(), &parent);
            EXPECT_EQ(made->IsVisible(), 1);
            EXPECT_EQ(made->IsEnabled(), 0);
            EXPECT_EQ(made->GetRresponse(), 1);
            EXPECT_EQ(made->IsTabStop(), c.tabStop);
            auto* font = dynamic_cast<Kelvo::MControlFont*>(made.get());
            ASSERT_NE(font, nullptr);
            EXPECT_EQ(std::wstring(font->GetTitle()), c.titled ? L"Title" : L"");
        }
    }
}

}  // namespace
