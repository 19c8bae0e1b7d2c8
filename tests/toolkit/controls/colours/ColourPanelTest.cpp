// The colour chooser panel and the swatch column in a real window: typing a hex colour,
// pressing a preset, stepping a spinner and pressing in the field keep the other parts in
// step and tell the parent 27 under the panel's ID (colour reference in lparam) before
// the child's own notification; a hex text of another length is swallowed. The column
// tells the index and colour of the pressed swatch.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "CColorButton.h"
#include "CColorPalette.h"
#include "CColorSelect.h"
#include "ColourTestSupport.h"
#include "InputDriver.h"
#include "MEdit.h"
#include "MPalette.h"
#include "MSpinButton.h"

namespace {

using harness::Notification;
using Kelvo::CColorButton;
using Kelvo::CColorPalette;

constexpr UINT kPanelId = 700;
const CRect kPanel(10, 10, 340, 200);
// Laid out: presets 20 x 20 from (10, 15), 25 apart; the field (10, 37) – (243, 196);
// the chosen swatch (245, 15) – (330, 67); spinners from (270, 72), 28 apart; the edit
// (270, 156) – (330, 180).
const CPoint kEdit(300, 168);

auto Fields(const Notification& n) { return std::make_tuple(n.id, n.code, n.wparam, n.lparam); }

class ColourPanelTest : public ::testing::Test {
protected:
    // An edit still open tells its parent 29 as the window goes: while the recorder lives.
    void TearDown() override { window.Destroy(); }

    CColorPalette* MakePanel() {
        auto* panel = window.Add(new CColorPalette(&recorder, kPanelId, kPanel, 1));
        panel->SetRect(kPanel);
        window.PaintNow();
        recorder.Clear();
        return panel;
    }

    template <class Child>
    Child* Part(CColorPalette* panel, UINT id) {
        return static_cast<Child*>(panel->GetControl(id));  // the panel makes each part with its class
    }

    std::vector<int> Spins(CColorPalette* panel) {
        std::vector<int> values;
        for (UINT id = 654; id <= 656; ++id) values.push_back(Part<Kelvo::MSpinButton>(panel, id)->GetCurValue());
        return values;
    }

    harness::TestWindow window;
    colourtest::Recorder recorder{window};
    harness::InputDriver input{window};
};

TEST_F(ColourPanelTest, ItStartsWithTheFieldsColourInTheEditAndTheChosenSwatchChecked) {
    CColorPalette* panel = MakePanel();
    EXPECT_EQ(panel->GetSelectColor(), 0xFEFF33u);
    EXPECT_STREQ(Part<Kelvo::MEdit>(panel, 657)->GetControlTitle().GetString(), L"33FFFE");
    EXPECT_EQ(Part<CColorButton>(panel, 622)->GetCheck(), 1);
    EXPECT_EQ(Part<CColorButton>(panel, 622)->GetColor(), 0x00E1FFu);
    EXPECT_EQ(Part<CColorButton>(panel, 622)->GetRect(), CRect(245, 15, 330, 67));
    EXPECT_EQ(Part<Kelvo::MPalette>(panel, 620)->GetPalletHeight(), 157);
}

TEST_F(ColourPanelTest, TypingSixHexDigitsSetsEveryPartAndTellsTheColour) {
    CColorPalette* panel = MakePanel();
    input.Click(kEdit);
    recorder.Clear();
    for (WORD key : {'F', 'F', '0', '0', '0'}) input.Key(key);
    EXPECT_TRUE(recorder.seen.empty()) << "texts shorter than six characters are swallowed";
    input.Key('0');
    EXPECT_EQ(Spins(panel), (std::vector<int>{255, 0, 0}));
    EXPECT_EQ(panel->GetSelectColor(), 0x0000FFu);
    EXPECT_EQ(Part<CColorButton>(panel, 622)->GetColor(), 0x0000FFu);
    EXPECT_STREQ(Part<Kelvo::MEdit>(panel, 657)->GetTitleEx().GetString(), L"ff0000");  // left as typed
    ASSERT_EQ(recorder.seen.size(), 2u);
    EXPECT_EQ(Fields(recorder.seen[0]), Fields({kPanelId, 27, 0, 0x0000FF}));
    EXPECT_EQ(Fields(recorder.seen[1]), Fields({657, 26, recorder.seen[1].wparam, recorder.seen[1].lparam}));
    EXPECT_TRUE(recorder.AllOnThisThread());
}

TEST_F(ColourPanelTest, PresetsSpinnersAndTheFieldKeepThePartsInStep) {
    enum Action { kPreset, kSpinner, kField };
    const struct {
        const char* name;
        Action action;
        DWORD colour;
        std::vector<UINT> passedOn;  // the child's own notifications, after the panel's 27
    } cases[] = {
        {"the sixth preset", kPreset, 0xFC1517, {1, 2}},
        {"the red spinner stepped up from 0", kSpinner, 0x000001, {28}},
        {"a press at the field's top left", kField, 0x000033, {}},  // the field's own 27 stays inside
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CColorPalette* panel = MakePanel();
        if (c.action == kPreset) input.Click(CPoint(10 + 5 * 25 + 10, 25));
        if (c.action == kSpinner) Part<Kelvo::MSpinButton>(panel, 654)->StepValue(1);
        if (c.action == kField) input.Click(CPoint(10, 37));
        ASSERT_EQ(recorder.seen.size(), 1 + c.passedOn.size());
        EXPECT_EQ(Fields(recorder.seen[0]), Fields({kPanelId, 27, 0, static_cast<LPARAM>(c.colour)}));
        for (size_t i = 0; i < c.passedOn.size(); ++i) EXPECT_EQ(recorder.seen[1 + i].code, c.passedOn[i]);
        const std::vector<int> bytes{static_cast<int>(c.colour & 0xFF), static_cast<int>(c.colour >> 8 & 0xFF),
                                     static_cast<int>(c.colour >> 16 & 0xFF)};
        EXPECT_EQ(Spins(panel), bytes);
        EXPECT_EQ(Part<CColorButton>(panel, 622)->GetColor(), c.colour);
        EXPECT_TRUE(recorder.AllOnThisThread());
        window.Manager().RemoveControl(panel);
    }
}

TEST_F(ColourPanelTest, TheSwatchColumnTellsThePressedSwatchAndItsColour) {
    auto* column = window.Add(new Kelvo::CColorSelect(&recorder, kPanelId, CRect(10, 10, 40, 200), 1));
    window.PaintNow();
    // Red, green, blue from the top: colour references shown in the right byte order.
    EXPECT_EQ(window.Pixel(20, 25), 0xFF0000u);
    EXPECT_EQ(window.Pixel(20, 50), 0x00FF00u);
    EXPECT_EQ(window.Pixel(20, 75), 0x0000FFu);
    const struct {
        int index;
        DWORD colour;
    } cases[] = {{0, 0x0000FF}, {2, 0xFF0000}, {6, 0xFFFFFF}};
    for (const auto& c : cases) {
        recorder.Clear();
        input.Click(CPoint(20, 10 + 5 + 25 * c.index + 10));
        ASSERT_GE(recorder.seen.size(), 2u) << c.index;
        EXPECT_EQ(Fields(recorder.seen[0]), Fields({kPanelId, 27, static_cast<WPARAM>(c.index), static_cast<LPARAM>(c.colour)}));
        EXPECT_EQ(Fields(recorder.seen[1]), Fields({631u + c.index, 1, recorder.seen[1].wparam, recorder.seen[1].lparam}));
    }
    const struct {
        int index;
        std::vector<int> checks;
    } indexes[] = {{3, {0, 0, 0, 1, 0, 0, 0}}, {7, {0, 0, 0, 1, 0, 0, 0}}, {-1, {0, 0, 0, 0, 0, 0, 0}}};
    for (const auto& s : indexes) {
        column->SetColorIndex(s.index);
        std::vector<int> checks;
        for (UINT id = 631; id <= 637; ++id) checks.push_back(static_cast<CColorButton*>(column->GetControl(id))->GetCheck());
        EXPECT_EQ(checks, s.checks) << s.index;
    }
}

}  // namespace
