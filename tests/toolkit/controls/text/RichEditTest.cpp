// The windowless rich edit: its text through the title, typing reaching the text
// services (the spinner's value follows the typed text), which context-menu commands
// it offers when, and a control without its library that still draws but cannot edit.
#include <gtest/gtest.h>

#include "CSpinButton.h"
#include "InputDriver.h"
#include "MRichEdit.h"
#include "TextTestSupport.h"

namespace {

using Kelvo::MRichEdit;

constexpr UINT kId = 50;
const CRect kBox(20, 20, 220, 60);

class RichEditTest : public ::testing::Test {
protected:
    harness::TestWindow window;
    texttest::Recorder recorder{window};
    harness::InputDriver input{window};
};

TEST_F(RichEditTest, TheTitleIsTheText) {
    auto* edit = window.Add(new MRichEdit(&recorder, kId, kBox, L"tip", 1, 1));
    ASSERT_EQ(edit->HasTextServices(), 1);
    EXPECT_EQ(edit->GetTitle(), L"");
    edit->SetTitle(L"abc");
    EXPECT_EQ(edit->GetTitle(), L"abc");
    EXPECT_EQ(edit->GetTextLength(), 3);
    edit->AppendText(L"de", 1);
    EXPECT_EQ(edit->GetTitle(), L"abcde");
    edit->SetTitle(nullptr);
    EXPECT_EQ(edit->GetTitle(), L"");
}

TEST_F(RichEditTest, TypedDigitsBecomeTheSpinnersValueThroughTheChangeNotification) {
    auto* spin = window.Add(new Kelvo::CSpinButton(&recorder, kId, kBox, 1, 1));
    window.PaintNow();
    input.Click(CPoint(kBox.left + 20, kBox.CenterPoint().y));
    ASSERT_TRUE(spin->IsFocused());
    spin->SetSelAll();
    recorder.heard.clear();
    input.Key('7');
    EXPECT_EQ(spin->GetCurValue(), 7);
    EXPECT_EQ(recorder.Codes(kId), (std::vector<UINT>{Kelvo::kNotifyValueChanged}));
    input.Key('0');
    input.Key('0');
    EXPECT_EQ(spin->GetCurValue(), 100) << "700 is kept inside 0 … 100";
    EXPECT_EQ(spin->GetTitle(), L"100");
    EXPECT_TRUE(recorder.AllOnThisThread());
}

TEST_F(RichEditTest, TheContextMenuOffersWhatCanBeDoneNow) {
    auto* edit = window.Add(new MRichEdit(&recorder, kId, kBox, L"", 1, 1));
    using Kelvo::kRichClear, Kelvo::kRichCopy, Kelvo::kRichCut, Kelvo::kRichPaste, Kelvo::kRichRedo,
        Kelvo::kRichSelectAll, Kelvo::kRichUndo;
    const UINT commands[] = {kRichUndo, kRichRedo, kRichCut, kRichCopy, kRichPaste, kRichClear, kRichSelectAll};
    const UINT on = MF_ENABLED, off = MF_GRAYED;
    const struct {
        const char* state;
        const wchar_t* text;
        bool select;
        int readOnly;
        bool typed;
        UINT expected[7];
    } cases[] = {
        {"empty", L"", false, 0, false, {off, off, off, off, on, off, on}},
        {"selected", L"abc", true, 0, false, {off, off, on, on, on, on, on}},
        {"read-only, selected", L"abc", true, 1, false, {off, off, off, on, off, off, on}},
        {"after an undoable change", L"abc", false, 0, true, {on, off, off, off, on, off, on}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        edit->SetReadOnly(0);
        edit->SetTitle(c.text);
        edit->EmptyUndoBuffer();
        if (c.typed) edit->InsertText(-1, L"d", 1);
        if (c.select) edit->SetSelAll(); else edit->SetSelNone();
        edit->SetReadOnly(c.readOnly);
        for (int i = 0; i < 7; ++i) EXPECT_EQ(edit->GetCommandState(commands[i]), c.expected[i]) << commands[i];
    }
    edit->SetReadOnly(0);
    edit->SetTitle(L"abc");
    edit->SetSelAll();
    EXPECT_EQ(edit->DoCommand(kRichClear), 1);
    EXPECT_EQ(edit->GetTitle(), L"");
    EXPECT_EQ(edit->DoCommand(kRichUndo), 1);
    EXPECT_EQ(edit->GetTitle(), L"abc");
}

// A rich edit whose text services library cannot be loaded.
class RichEditWithoutLibrary : public MRichEdit {
public:
    using MRichEdit::MRichEdit;

protected:
    const wchar_t* TextServicesLibrary() override { return L"kelvo-no-such-text-services.dll"; }
};

TEST_F(RichEditTest, WithoutItsLibraryItDrawsButDoesNotEdit) {
    window.Manager().SetBackColor(RGB(0, 0, 0), RGB(0, 0, 0));
    auto* edit = window.Add(new RichEditWithoutLibrary(&recorder, kId, kBox, L"", 1, 1));
    EXPECT_EQ(edit->HasTextServices(), 0);
    edit->SetTextColor(0xFFFFFFFF);
    edit->SetFont(nullptr, 20, 1, 0, 0);
    edit->SetTitle(L"WWWW");
    EXPECT_EQ(edit->GetTitle(), L"WWWW");
    window.PaintNow();
    int lit = 0;
    for (int x = kBox.left; x < kBox.right; ++x)
        for (int y = kBox.top; y < kBox.bottom; ++y) lit += window.Pixel(x, y) != 0;
    EXPECT_GT(lit, 20) << "the stored text is drawn";
    input.Click(kBox.CenterPoint());
    input.Key('Q');
    EXPECT_EQ(edit->GetTitle(), L"WWWW");
}

}  // namespace
