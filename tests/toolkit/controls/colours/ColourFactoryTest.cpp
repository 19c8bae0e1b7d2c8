// The colour pickers made by class name, each only in the tables that know it, under its
// own class name, visible as asked and enabled as asked (the ring) or always.
#include <gtest/gtest.h>

#include <string>

#include "ColourTestSupport.h"
#include "ControlFactory.h"
#include "InputDriver.h"
#include "PaletteBar.h"

namespace {

TEST(ColourFactoryTest, DialogsAndPanelsMakeThePickersOnlyPanelsTheHueBar) {
    harness::TestWindow window;
    colourtest::Recorder recorder{window};
    const struct {
        const wchar_t* name;
        bool inDialogs, inPanels, takesEnabled;
    } rows[] = {
        {L"MPalette", true, true, false},      {L"CColorPalette", true, true, false},
        {L"CColorSelect", true, true, false},  {L"CirclePalette", true, true, true},
        {L"PaletteBar", false, true, false},
    };
    UINT id = 400;
    for (const auto& row : rows) {
        SCOPED_TRACE(std::wstring(row.name));
        for (bool dialog : {true, false}) {
            const CRect rect(10, 10, 110, 40);
            Kelvo::MControl* made = dialog ? Kelvo::CreateDialogControl(row.name, &recorder, ++id, rect, L"T", 1, 0)
                                           : Kelvo::CreatePanelControl(row.name, &recorder, ++id, rect, L"T", 0, 0);
            if (!(dialog ? row.inDialogs : row.inPanels)) {
                EXPECT_EQ(made, nullptr);
                continue;
            }
            ASSERT_NE(made, nullptr);
            window.Add(made);
            EXPECT_STREQ(made->GetClassNameW(), row.name);
            EXPECT_EQ(made->GetControlID(), id);
            EXPECT_EQ(made->GetRect(), rect);
            EXPECT_EQ(made->IsVisible(), dialog ? 1 : 0);
            EXPECT_EQ(made->IsEnabled(), row.takesEnabled ? 0 : 1);
        }
    }
}

// A bar made by name takes the pointer once it is laid out, even where it already was.
TEST(ColourFactoryTest, AHueBarLaidOutWhereItWasMadeTakesThePointer) {
    harness::TestWindow window;
    colourtest::Recorder recorder{window};
    harness::InputDriver input{window};
    const CRect rect(20, 100, 390, 120);
    auto* bar = static_cast<Kelvo::PaletteBar*>(
        window.Add(Kelvo::CreatePanelControl(L"PaletteBar", &recorder, 208, rect, L"", 1, 1)));
    ASSERT_NE(bar, nullptr);
    window.PaintNow();
    input.Click(CPoint(60, 110));
    EXPECT_EQ(bar->GetCurrentHue(), 180);
    EXPECT_TRUE(recorder.seen.empty());
    bar->SetRect(rect);
    input.Click(CPoint(60, 110));
    EXPECT_EQ(bar->GetCurrentHue(), 35);
    EXPECT_EQ(recorder.seen.size(), 1u);
}

}  // namespace
