// The skinned edit box through real input: opening the editor on a click with all its
// text selected, typing, and every way the editing ends (focus elsewhere, Enter, Escape,
// GetTitle, the dialog moving or hiding), each ending with exactly one notification 29;
// boxes that must never open.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "InputDriver.h"
#include "MEdit.h"
#include "TextTestSupport.h"

namespace {

using Kelvo::MEdit;
using texttest::FocusedEditor;

constexpr UINT kId = 7;
const CRect kBox(20, 20, 220, 52);
const CPoint kElsewhere(300, 250);

int Count(const std::vector<UINT>& codes, UINT code) {
    int count = 0;
    for (UINT c : codes) count += c == code;
    return count;
}

class EditBoxTest : public ::testing::Test {
protected:
    EditBoxTest() {
        edit = window.Add(new MEdit(&recorder, kId, kBox, L"Name", 1, 1));
        edit->SetTitle(L"hello");
        window.PaintNow();
    }

    // Clicks the box and checks that the editor opened with everything selected.
    void Open() {
        input.Click(kBox.CenterPoint());
        HWND editor = FocusedEditor();
        ASSERT_NE(editor, nullptr);
        DWORD start = 1, end = 0;
        SendMessageW(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, static_cast<DWORD>(edit->GetTitleEx().GetLength()));
    }

    harness::TestWindow window;
    texttest::Recorder recorder{window};
    harness::InputDriver input{window};
    MEdit* edit = nullptr;
};

TEST_F(EditBoxTest, AClickOpensTheEditorTypingStoresAndAClickElsewhereClosesOnce) {
    Open();
    EXPECT_EQ(recorder.Codes(kId), (std::vector<UINT>{1, 30, 2}));
    EXPECT_EQ(edit->GetLook(), MEdit::kEditing);

    std::vector<std::wstring> storedAt26;
    recorder.onNotify = [&](const texttest::Heard& heard) {
        if (heard.code == Kelvo::kNotifyTextChanged) storedAt26.push_back(edit->GetTitleEx().GetString());
    };
    input.Key('Q');
    input.Key('Z');
    EXPECT_EQ(storedAt26, (std::vector<std::wstring>{L"q", L"qz"})) << "26 comes with the text stored";
    EXPECT_EQ(edit->GetEditText(), L"qz");

    recorder.heard.clear();
    input.Click(kElsewhere);
    EXPECT_EQ(recorder.Codes(kId), (std::vector<UINT>{29}));
    EXPECT_EQ(FocusedEditor(), nullptr);
    EXPECT_EQ(edit->GetTitle(), L"qz");
    EXPECT_EQ(edit->GetLook(), MEdit::kNormal);
    EXPECT_TRUE(recorder.AllOnThisThread());
}

TEST_F(EditBoxTest, EnterKeepsTheTextEscapeRestoresItEachClosingOnce) {
    const struct {
        WORD key;
        const wchar_t* kept;
    } cases[] = {{VK_RETURN, L"q"}, {VK_ESCAPE, L"hello"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        edit->SetTitle(L"hello");
        Open();
        input.Key('Q');
        recorder.heard.clear();
        input.Key(c.key);
        EXPECT_EQ(recorder.Codes(kId), (std::vector<UINT>{29}));
        EXPECT_EQ(FocusedEditor(), nullptr);
        EXPECT_EQ(edit->GetTitleEx(), c.kept);
        input.Click(kElsewhere);  // the box loses the focus: nothing more to close
        EXPECT_EQ(Count(recorder.Codes(kId), 29), 1);
    }
}

TEST_F(EditBoxTest, SpaceOnTheFocusedBoxReopensTheEditor) {
    Open();
    input.Key(VK_RETURN);
    recorder.heard.clear();
    input.Key(VK_SPACE);
    EXPECT_EQ(recorder.Codes(kId), (std::vector<UINT>{1, 30, 2}));
    EXPECT_NE(FocusedEditor(), nullptr);
}

TEST_F(EditBoxTest, GetEditTextReadsTheEditorLiveWhileGetTitleClosesIt) {
    Open();
    input.Key('Q');
    EXPECT_EQ(edit->GetEditText(), L"q");
    EXPECT_NE(FocusedEditor(), nullptr) << "GetEditText leaves the editor open";
    recorder.heard.clear();
    EXPECT_EQ(edit->GetTitle(), L"q");
    EXPECT_EQ(FocusedEditor(), nullptr);
    EXPECT_EQ(recorder.Codes(kId), (std::vector<UINT>{29}));
}

// Over a layered dialog the editor is a popup at screen coordinates; its notifications
// still come back to it through the dialog.
TEST(EditBoxOverLayeredDialog, TypingAndEnterWorkInThePopupEditor) {
    harness::TestWindow window(CRect(100, 100, 500, 400), true);
    texttest::Recorder recorder{window};
    harness::InputDriver input{window};
    auto* edit = window.Add(new MEdit(&recorder, kId, kBox, L"", 1, 1));
    window.PaintNow();
    input.Click(kBox.CenterPoint());
    HWND editor = FocusedEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(GetWindowLongW(editor, GWL_STYLE) & WS_POPUP, static_cast<LONG>(WS_POPUP));
    RECT placed{};
    GetWindowRect(editor, &placed);
    EXPECT_EQ(placed.left, 100 + edit->GetTextRect().left);
    recorder.heard.clear();
    input.Key('Q');
    input.Key(VK_RETURN);
    EXPECT_EQ(recorder.Codes(kId), (std::vector<UINT>{26, 29}));
    EXPECT_EQ(edit->GetTitleEx(), L"q");
    EXPECT_EQ(FocusedEditor(), nullptr);
}

TEST_F(EditBoxTest, ANullTextIsEmptyAndPasswordsAreMaskedWithABlackCircle) {
    edit->EnablePassWord(1);
    Open();
    HWND editor = FocusedEditor();
    EXPECT_EQ(SendMessageW(editor, EM_GETPASSWORDCHAR, 0, 0), 0x25CF);
    edit->SetTitle(nullptr);
    EXPECT_EQ(GetWindowTextLengthW(editor), 0);
    EXPECT_EQ(edit->GetEditText(), L"");
    edit->SetEditText(nullptr);
    EXPECT_EQ(edit->GetTitle(), L"");
}

TEST_F(EditBoxTest, ADisabledOrReadOnlyBoxNeverOpens) {
    const struct {
        const char* name;
        std::function<void()> make;
    } cases[] = {{"disabled", [&] { edit->SetEnabled(0); }}, {"read-only", [&] { edit->SetReadOnly(1); }}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.make();
        recorder.heard.clear();
        input.Click(kBox.CenterPoint());
        EXPECT_EQ(Count(recorder.Codes(kId), 30), 0);
        EXPECT_EQ(FocusedEditor(), nullptr);
        EXPECT_EQ(edit->ShowEdit(), 0);
        edit->SetEnabled(1);
        edit->SetReadOnly(0);
        input.Click(kElsewhere);
    }
}

TEST_F(EditBoxTest, TheEditorClosesWhenItsDialogOrBoxGoesAway) {
    HWND dialog = window.Handle();
    const struct {
        const char* name;
        std::function<void()> act;
    } cases[] = {
        {"dialog moved", [&] { SetWindowPos(dialog, nullptr, 130, 110, 0, 0, SWP_NOSIZE | SWP_NOZORDER); }},
        {"dialog hidden", [&] { ShowWindow(dialog, SW_HIDE); }},
        {"dialog disabled", [&] { EnableWindow(dialog, FALSE); }},
        {"box hidden", [&] { edit->SetVisible(0); }},
        {"box moved", [&] { edit->SetRect(CRect(kBox.left, kBox.top + 4, kBox.right, kBox.bottom + 4)); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Open();
        recorder.heard.clear();
        c.act();
        window.Pump(50);
        EXPECT_EQ(recorder.Codes(kId), (std::vector<UINT>{29}));
        EXPECT_EQ(FocusedEditor(), nullptr);
        // Back to the start for the next case.
        EnableWindow(dialog, TRUE);
        ShowWindow(dialog, SW_SHOWNOACTIVATE);
        SetWindowPos(dialog, nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        SetForegroundWindow(dialog);
        edit->SetVisible(1);
        edit->SetRect(kBox);
        window.Pump(50);
        input.Click(kElsewhere);
    }
    EXPECT_TRUE(recorder.AllOnThisThread());
}

}  // namespace
