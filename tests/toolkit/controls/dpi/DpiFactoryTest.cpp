// The DPI widgets made by class name: the slider and both value buttons in a dialog's and
// a panel's table, the level editor only in a panel's.
#include <gtest/gtest.h>

#include <string>

#include "ControlFactory.h"
#include "MControlFont.h"
#include "StatusTestSupport.h"

namespace {

TEST(DpiFactoryTest, DialogsMakeTheSliderAndButtonsPanelsAlsoTheLevelEditor) {
    harness::TestWindow window;
    statustest::Recorder recorder{window};
    const struct {
        const wchar_t* name;
        bool inDialogs, keepsTitle, keepsEnabled;
    } rows[] = {
        {L"DPISlider", true, false, true},
        {L"ColorButtonEx", true, true, true},
        {L"DPIButtonEx", true, true, true},
        {L"DPIControl", false, false, false},
    };
    UINT id = 600;
    for (const auto& row : rows) {
        SCOPED_TRACE(std::wstring(row.name));
        for (bool dialog : {true, false}) {
            const CRect rect(10, 10, 210, 60);
            Kelvo::MControl* made = dialog
                                        ? Kelvo::CreateDialogControl(row.name, &recorder, ++id, rect, L"800", 1, 0)
                                        : Kelvo::CreatePanelControl(row.name, &recorder, ++id, rect, L"800", 1, 0);
            if (dialog && !row.inDialogs) {
                EXPECT_EQ(made, nullptr);
                continue;
            }
            ASSERT_NE(made, nullptr);
            window.Add(made);
            EXPECT_STREQ(made->GetClassNameW(), row.name);
            EXPECT_EQ(made->GetControlID(), id);
            EXPECT_EQ(made->GetRect(), rect);
            EXPECT_EQ(made->IsEnabled(), row.keepsEnabled ? 0 : 1);
            const CString title = static_cast<Kelvo::MControlFont*>(made)->GetTitle();
            EXPECT_STREQ(title.GetString(), row.keepsTitle ? L"800" : L"");
        }
    }
}

}  // namespace
