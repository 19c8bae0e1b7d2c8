// The push buttons made by class name: which table knows each name, and that the control
// made is of that class with the title, visibility and enabled state it was given.
#include <gtest/gtest.h>

#include <memory>

#include "ButtonTestSupport.h"
#include "ControlFactory.h"
#include "MControlFont.h"

namespace {

TEST(ButtonFactoryTest, EachNameIsMadeByTheTablesThatKnowIt) {
    const struct {
        const wchar_t* name;
        bool dialog;
        bool panel;
        bool titled;
    } names[] = {
        {L"MButton", true, true, true},          {L"CImageButton", true, true, true},
        {L"CTextButton", true, true, true},      {L"CIconButton", true, true, true},
        {L"CTimerButton", true, true, true},     {L"CHelpButton", true, true, true},
        {L"UpgradeButton", false, true, true},   {L"DownloadButton", false, true, true},
        {L"LongPressButton", false, true, true}, {L"MButton2", false, true, false},
        {L"MButton3", false, true, false},       {L"mbutton", false, false, false},
    };
    buttons_test::RecordingWindow window;
    for (const auto& n : names) {
        for (int table = 0; table < 2; ++table) {
            SCOPED_TRACE(testing::Message() << (table ? "panel " : "dialog ") << n.name);
            const auto create = table ? Kelvo::CreatePanelControl : Kelvo::CreateDialogControl;
            std::unique_ptr<Kelvo::MControl> made(create(n.name, &window, 9, CRect(1, 2, 30, 40), L"T", 1, 0));
            const bool known = table ? n.panel : n.dialog;
            ASSERT_EQ(made != nullptr, known);
            if (!made) continue;
            EXPECT_STREQ(made->GetClassNameW(), n.name);
            EXPECT_EQ(made->GetControlID(), 9u);
            EXPECT_EQ(made->GetRect(), CRect(1, 2, 30, 40));
            EXPECT_EQ(made->IsVisible(), 1);
            EXPECT_EQ(made->IsEnabled(), 0);
            auto* font = dynamic_cast<Kelvo::MControlFont*>(made.get());
            ASSERT_NE(font, nullptr);
            EXPECT_EQ(font->GetControlTitle(), CString(n.titled ? L"T" : L""));
        }
    }
}

}  // namespace
