// The status widgets made by class name: every one in a dialog's table, the sliders and
// the level bar also in a panel's, each under its own class name with the title, visible
// and enabled flags it was given.
#include <gtest/gtest.h>

#include <string>

#include "ControlFactory.h"
#include "MControlFont.h"
#include "StatusTestSupport.h"

namespace {

TEST(StatusFactoryTest, DialogsMakeAllFivePanelsTheSlidersAndTheLevelBar) {
    harness::TestWindow window;
    statustest::Recorder recorder{window};
    const struct {
        const wchar_t* name;
        bool inPanels, keepsTitle;
    } rows[] = {
        {L"LightSlider", true, false},  {L"MLevelCtrl", true, false},      {L"CDeviceState", false, true},
        {L"BatteryCtrl", false, false}, {L"MAngletunability", true, false},
    };
    UINT id = 400;
    for (const auto& row : rows) {
        SCOPED_TRACE(std::wstring(row.name));
        for (bool dialog : {true, false}) {
            const CRect rect(10, 10, 110, 40);
            Kelvo::MControl* made = dialog
                                        ? Kelvo::CreateDialogControl(row.name, &recorder, ++id, rect, L"Title", 1, 0)
                                        : Kelvo::CreatePanelControl(row.name, &recorder, ++id, rect, L"Title", 0, 1);
            if (!dialog && !row.inPanels) {
                EXPECT_EQ(made, nullptr);
                continue;
            }
            ASSERT_NE(made, nullptr);
            window.Add(made);
            EXPECT_STREQ(made->GetClassNameW(), row.name);
            EXPECT_EQ(made->GetControlID(), id);
            EXPECT_EQ(made->GetRect(), rect);
            EXPECT_EQ(made->IsVisible(), dialog ? 1 : 0);
            EXPECT_EQ(made->IsEnabled(), dialog ? 0 : 1);
            const CString title = static_cast<Kelvo::MControlFont*>(made)->GetTitle();
            EXPECT_STREQ(title.GetString(), row.keepsTitle ? L"Title" : L"");
        }
    }
}

}  // namespace
