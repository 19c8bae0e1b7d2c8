// Number edits and the number spinner through real input: the buttons keep the value in
// its range (and say so only when it changed), a typed value is kept in it when the
// editor closes, Up/Down and the wheel step it, and the spinner wraps and takes digits.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "CImageButton.h"
#include "InputDriver.h"
#include "MSpinButton.h"
#include "NumberEdit.h"
#include "NumberEdit2.h"
#include "TextTestSupport.h"

namespace {

using Kelvo::NumberEditBase;
using texttest::FocusedEditor;

constexpr UINT kId = 40;
const CRect kBox(20, 20, 120, 46);
const CPoint kElsewhere(300, 250);

// The shipped button pictures, found by absolute path: the test program has no skin folder.
void UseShippedButtons(Kelvo::MControl* control, UINT up, const wchar_t* upImage, UINT down, const wchar_t* downImage) {
    static_cast<Kelvo::CImageButton*>(control->GetControl(up))->SetImage(texttest::SkinFile(upImage).c_str(), 4);
    static_cast<Kelvo::CImageButton*>(control->GetControl(down))->SetImage(texttest::SkinFile(downImage).c_str(), 4);
}

struct Kind {
    const char* name;
    std::function<NumberEditBase*(Kelvo::MObject*)> make;
};

const Kind kKinds[] = {
    {"NumberEdit",
     [](Kelvo::MObject* parent) -> NumberEditBase* { return new Kelvo::NumberEdit(parent, kId, kBox, 1); }},
    {"NumberEdit2",
     [](Kelvo::MObject* parent) -> NumberEditBase* { return new Kelvo::NumberEdit2(parent, kId, kBox, 1); }},
};

class NumberEditTest : public ::testing::Test {
protected:
    NumberEditBase* Make(const Kind& kind) {
        window.Manager().ClearControls();
        recorder.heard.clear();
        auto* edit = window.Add(kind.make(&recorder));
        edit->SetEditText(L"5");
        window.PaintNow();
        return edit;
    }
    CPoint ButtonCentre(NumberEditBase* edit, UINT id) { return edit->GetControl(id)->GetRect().CenterPoint(); }
    CPoint TextCentre(NumberEditBase* edit) { return edit->GetTextRect().CenterPoint(); }
    // The number edit's own notifications with code 2.
    int Changes() {
        int count = 0;
        for (const auto& heard : recorder.heard) count += heard.id == kId && heard.code == 2;
        return count;
    }

    harness::TestWindow window;
    texttest::Recorder recorder{window};
    harness::InputDriver input{window};
};

TEST_F(NumberEditTest, TheButtonsStepWithinTheRangeAndTellOnlyOfChanges) {
    const struct {
        const wchar_t* start;
        UINT button;
        const wchar_t* after;
        int changes;
    } cases[] = {
        {L"5", NumberEditBase::kIncreaseId, L"6", 1}, {L"5", NumberEditBase::kDecreaseId, L"4", 1},
        {L"20", NumberEditBase::kIncreaseId, L"20", 0}, {L"0", NumberEditBase::kDecreaseId, L"0", 0},
    };
    for (const Kind& kind : kKinds) {
        for (const auto& c : cases) {
            SCOPED_TRACE(kind.name);
            SCOPED_TRACE(c.button);
            NumberEditBase* edit = Make(kind);
            edit->SetEditText(c.start);
            input.Click(ButtonCentre(edit, c.button));
            EXPECT_EQ(edit->GetEditText(), c.after);
            EXPECT_EQ(Changes(), c.changes);
        }
    }
    EXPECT_TRUE(recorder.AllOnThisThread());
}

TEST_F(NumberEditTest, ARangeOfOneToTwentyNeverYieldsZero) {
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        NumberEditBase* edit = Make(kind);
        edit->SetEditText(L"");
        edit->SetValueRange(1, 20);
        EXPECT_EQ(edit->GetEditText(), L"1");
        input.Click(ButtonCentre(edit, NumberEditBase::kDecreaseId));
        EXPECT_EQ(edit->GetEditText(), L"1");
        input.Click(TextCentre(edit));
        ASSERT_NE(FocusedEditor(), nullptr);
        input.Key('0');
        input.Click(kElsewhere);
        EXPECT_EQ(edit->GetEditText(), L"1") << "a typed 0 is read as the minimum";
    }
}

TEST_F(NumberEditTest, TypedNinetyNineThenIncreaseGivesTwenty) {
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        NumberEditBase* edit = Make(kind);
        input.Click(TextCentre(edit));
        input.Key('9');
        input.Key('9');
        EXPECT_EQ(edit->GetEditText(), L"99");
        EXPECT_EQ(recorder.Codes(kId).back(), 26u);
        input.Click(ButtonCentre(edit, NumberEditBase::kIncreaseId));
        EXPECT_EQ(edit->GetEditText(), L"20");
        int closes = 0;
        for (UINT code : recorder.Codes(kId)) closes += code == 29;
        EXPECT_EQ(closes, 1);
    }
}

TEST_F(NumberEditTest, UpDownAndTheWheelStepTheValueWhileFocused) {
    const struct {
        const char* name;
        std::function<void(harness::InputDriver&)> act;
        const wchar_t* after;
    } cases[] = {
        {"Up", [](harness::InputDriver& in) { in.Key(VK_UP); }, L"6"},
        {"Down", [](harness::InputDriver& in) { in.Key(VK_DOWN); }, L"4"},
        {"wheel up", [](harness::InputDriver& in) { in.Wheel(WHEEL_DELTA); }, L"6"},
        {"wheel down", [](harness::InputDriver& in) { in.Wheel(-WHEEL_DELTA); }, L"4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NumberEditBase* edit = Make(kKinds[0]);
        input.Click(TextCentre(edit));
        c.act(input);
        EXPECT_EQ(edit->GetEditText(), c.after);
        EXPECT_EQ(Changes(), 1);
        input.Click(kElsewhere);
    }
}

TEST_F(NumberEditTest, TheEditorsFontFollowsTheFontStyle) {
    NumberEditBase* edit = Make(kKinds[0]);
    edit->SetAlignment(DT_CENTER);  // alignment says nothing about the face
    edit->SetEditFont(L"Open Sans", 14, 1, 1, 0);
    input.Click(TextCentre(edit));
    HWND editor = FocusedEditor();
    ASSERT_NE(editor, nullptr);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(editor, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_GE(font.lfWeight, FW_BOLD);
    EXPECT_TRUE(font.lfItalic);
    EXPECT_FALSE(font.lfUnderline);
}

class SpinButtonTest : public NumberEditTest {
protected:
    SpinButtonTest() {
        spin = window.Add(new Kelvo::MSpinButton(&recorder, kId, CRect(20, 60, 80, 84), 1, 1));
        UseShippedButtons(spin, Kelvo::MSpinButton::kUpId, L"img_spin_up.png", Kelvo::MSpinButton::kDownId,
                          L"img_spin_down.png");
        spin->SetControlRect(spin->GetRect());
        window.PaintNow();
    }
    size_t Count28() {
        size_t count = 0;
        for (const auto& heard : recorder.heard) count += heard.id == kId && heard.code == Kelvo::kNotifyValueChanged;
        return count;
    }
    Kelvo::MSpinButton* spin = nullptr;
};

TEST_F(SpinButtonTest, TheButtonsWrapAroundTheRange) {
    const struct {
        int start;
        UINT button;
        int after;
    } cases[] = {{100, Kelvo::MSpinButton::kUpId, 1}, {1, Kelvo::MSpinButton::kDownId, 100}, {50, Kelvo::MSpinButton::kUpId, 51}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        spin->SetCurValue(c.start);
        recorder.heard.clear();
        input.Click(spin->GetControl(c.button)->GetRect().CenterPoint());
        EXPECT_EQ(spin->GetCurValue(), c.after);
        EXPECT_EQ(Count28(), 1u);
    }
}

TEST_F(SpinButtonTest, KeysStepTheValueAfterAClickOnAnArrow) {
    spin->SetCurValue(50);
    input.Click(spin->GetControl(Kelvo::MSpinButton::kUpId)->GetRect().CenterPoint());
    input.Key(VK_UP);
    EXPECT_EQ(spin->GetCurValue(), 52);
}

TEST_F(SpinButtonTest, DigitsAppendAndStartAfreshPastTheMaximum) {
    input.Click(CPoint(spin->GetRect().left + 10, spin->GetRect().CenterPoint().y));
    const struct {
        WORD key;
        int after;
    } typed[] = {{'1', 1}, {'2', 12}, {'3', 1}, {'4', 14}, {VK_BACK, 1}, {VK_NUMPAD7, 17}, {VK_UP, 18}, {VK_SUBTRACT, 17}};
    recorder.heard.clear();
    for (const auto& t : typed) {
        SCOPED_TRACE(t.key);
        input.Key(t.key);
        EXPECT_EQ(spin->GetCurValue(), t.after);
    }
    EXPECT_EQ(Count28(), std::size(typed));
    EXPECT_TRUE(recorder.AllOnThisThread());
}

}  // namespace
