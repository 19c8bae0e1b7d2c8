// The list boxes in a real window under real input: selecting by click, keys and wheel
// (MListBox reports the press, DListBox the release), renaming a DListBox row in place
// and what ends a rename, and the row bookkeeping.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "CScrollVertical.h"
#include "DListBox.h"
#include "InputDriver.h"
#include "ListTestSupport.h"
#include "MListBox.h"

namespace {

using Kelvo::DListBox;
using Kelvo::MListBox;
using listtest::Recorder;

constexpr UINT kListId = 51;
const CRect kListRect(20, 20, 220, 140);  // four 30-pixel rows of MListBox show

template <class List>
List* Fill(List* list, int rows) {
    for (int i = 0; i < rows; ++i) list->AddString((L"Row " + std::to_wstring(i)).c_str(), static_cast<DWORD>(i), -1);
    return list;
}

class ListBoxTest : public ::testing::Test {
public:  // the steps of the tables below drive the fixture
    CPoint RowPoint(int row, int height) { return CPoint(kListRect.left + 40, kListRect.top + row * height + height / 2); }
    HWND Editor(MListBox* list) { return list->GetEditWindow(); }
    void Type(const wchar_t* text) {
        for (const wchar_t* c = text; *c; ++c) input.Key(static_cast<WORD>(VkKeyScanW(*c) & 0xFF));
    }

    harness::TestWindow window;
    Recorder recorder{window};
    harness::InputDriver input{window};
};

TEST_F(ListBoxTest, AClickKeysAndTheWheelMoveTheSelectionOfAList) {
    auto* list = Fill(window.Add(new MListBox(&recorder, kListId, kListRect, 1)), 10);
    window.PaintNow();
    input.Click(RowPoint(2, 30));
    const struct {
        const char* what;
        void (*act)(ListBoxTest&);
        int selected;
    } steps[] = {
        {"down", [](ListBoxTest& t) { t.input.Key(VK_DOWN); }, 3},
        {"up", [](ListBoxTest& t) { t.input.Key(VK_UP); }, 2},
        {"wheel, then a click on the fourth visible row", [](ListBoxTest& t) {
             t.input.MoveTo(t.RowPoint(0, 30));
             t.input.Wheel(-WHEEL_DELTA);
             t.input.Click(t.RowPoint(3, 30));
         }, 5},  // a notch: 10 steps of 10 of the 300-pixel range, 60 of the 180 pixels of overflow
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        step.act(*this);
        EXPECT_EQ(list->GetCurSel(), step.selected);
    }
    const auto presses = recorder.Of(Kelvo::kNotifyPressed);
    ASSERT_EQ(presses.size(), 4u);
    EXPECT_EQ(presses.front().wparam, 2u);
    EXPECT_EQ(presses.back().wparam, 5u);
    for (const auto& heard : presses) EXPECT_EQ(heard.thread, GetCurrentThreadId());
    EXPECT_TRUE(recorder.Of(Kelvo::kNotifyActivated).empty()) << "a list reports the press only";
}

TEST_F(ListBoxTest, ADListBoxSelectsOnReleaseAndReportsNoPress) {
    auto* list = Fill(window.Add(new DListBox(&recorder, kListId, kListRect, 1)), 3);
    window.PaintNow();
    input.MoveTo(RowPoint(1, 36));
    input.LeftDown();
    EXPECT_EQ(list->GetCurSel(), -1);
    input.LeftUp();
    EXPECT_EQ(list->GetCurSel(), 1);
    EXPECT_EQ(list->GetCurData(), 1u);
    ASSERT_EQ(recorder.Of(Kelvo::kNotifyActivated).size(), 1u);
    EXPECT_EQ(recorder.Of(Kelvo::kNotifyActivated)[0].thread, GetCurrentThreadId());
    EXPECT_TRUE(recorder.Of(Kelvo::kNotifyPressed).empty());
}

TEST_F(ListBoxTest, ARenameInPlaceReportsAChangedTextOnceAndNothingElse) {
    const struct {
        const char* what;
        const wchar_t* typed;
        void (*end)(ListBoxTest&, DListBox*);
        bool notified;
        const wchar_t* text;
    } cases[] = {
        {"typed and clicked elsewhere", L"x", [](ListBoxTest& t, DListBox*) { t.input.Click(CPoint(300, 250)); },
         true, L"Row 1x"},
        {"same text", L"", [](ListBoxTest& t, DListBox*) { t.input.Click(CPoint(300, 250)); }, false, L"Row 1"},
        {"refilled meanwhile", L"y", [](ListBoxTest&, DListBox* list) {
             list->DeleteAllItems();
             Fill(list, 3);
         }, false, L"Row 1"},
        {"a row removed meanwhile", L"y", [](ListBoxTest&, DListBox* list) { list->DeleteItem(2); }, false, L"Row 1"},
        {"its window moved", L"z", [](ListBoxTest& t, DListBox*) {
             SetWindowPos(t.window.Handle(), nullptr, 110, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
         }, true, L"Row 1z"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        recorder.heard.clear();
        auto* list = Fill(window.Add(new DListBox(&recorder, kListId, kListRect, 1)), 3);
        list->EnableShowEdit(1);
        window.PaintNow();
        input.RightClick(CPoint(kListRect.left + 50, kListRect.top + 36 + 18));
        ASSERT_NE(Editor(list), nullptr);
        EXPECT_TRUE(IsWindowVisible(Editor(list)));
        EXPECT_EQ(list->GetEditIndex(), 1);
        Type(c.typed);
        c.end(*this, list);
        window.Pump(50);
        EXPECT_EQ(list->GetEditIndex(), -1);
        EXPECT_EQ(list->GetEditWindow(), nullptr);
        const auto renamed = recorder.Of(29);
        ASSERT_EQ(renamed.size(), c.notified ? 1u : 0u);
        if (c.notified) {
            EXPECT_EQ(renamed[0].lparam, 1);
            EXPECT_EQ(renamed[0].thread, GetCurrentThreadId());
        }
        EXPECT_EQ(list->GetItemText(1), CString(c.text));
        window.Manager().RemoveControl(list);
    }
}

TEST_F(ListBoxTest, AQuickSecondRightPressStartsARenameLikeTheFirst) {
    auto* list = Fill(window.Add(new DListBox(&recorder, kListId, kListRect, 1)), 3);
    list->EnableShowEdit(1);
    window.PaintNow();
    const CPoint row1(kListRect.left + 50, kListRect.top + 36 + 18);
    input.RightClick(row1);
    ASSERT_EQ(list->GetEditIndex(), 1);
    list->DeleteAllItems();  // ends the rename without a click
    Fill(list, 3);
    input.RightClick(row1);  // at once and at the same spot: the window makes it a double click
    EXPECT_EQ(list->GetEditIndex(), 1);
}

TEST_F(ListBoxTest, TheEditorIsAChildOverTheRowOrAPopupThereOverALayeredWindow) {
    for (bool layered : {false, true}) {
        SCOPED_TRACE(layered ? "layered" : "plain");
        harness::TestWindow host(CRect(100, 100, 500, 400), layered);
        auto* list = Fill(host.Add(new DListBox(&recorder, kListId, kListRect, 1)), 3);
        list->EnableShowEdit(1);
        list->SetCurSel(1);
        ASSERT_EQ(list->ShowEdit(), 1);
        HWND editor = list->GetEditWindow();
        ASSERT_NE(editor, nullptr);
        const LONG_PTR style = GetWindowLongPtrW(editor, GWL_STYLE);
        EXPECT_EQ((style & WS_POPUP) != 0, layered);
        EXPECT_EQ((style & WS_CHILD) != 0, !layered);
        wchar_t className[32] = {};
        GetClassNameW(editor, className, 32);
        EXPECT_STREQ(className, L"EditWindow");
        // Over row 1's text: 6 pixels in from the row's left edge, centred on the row.
        RECT placed{};
        GetWindowRect(editor, &placed);
        const POINT expected = host.ToScreen(CPoint(kListRect.left + 6, 0));
        EXPECT_EQ(placed.left, expected.x);
        const POINT rowMiddle = host.ToScreen(CPoint(0, kListRect.top + 36 + 18));
        EXPECT_LE(std::abs((placed.top + placed.bottom) / 2 - rowMiddle.y), 1);
        wchar_t text[32] = {};
        GetWindowTextW(editor, text, 32);
        EXPECT_STREQ(text, L"Row 1");
        if (!layered) {
            // The window hands the editor's colour request back to it: the profile list's
            // accent background. (A popup's request goes to no window that would hand it back.)
            host.Pump(20);
            RedrawWindow(editor, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            HDC dc = GetDC(editor);
            EXPECT_EQ(GetPixel(dc, placed.right - placed.left - 3, 2), RGB(0x37, 0x68, 0xFA));
            ReleaseDC(editor, dc);
        }
        host.Manager().RemoveControl(list);
    }
}

TEST_F(ListBoxTest, TheDragPictureIsTheHoveredRowsTextAtMostThreeHundredPixelsWide) {
    auto* list = window.Add(new MListBox(&recorder, kListId, kListRect, 1));
    list->AddString(L"Hi", -1);
    list->AddString(std::wstring(120, L'W').c_str(), -1);
    EXPECT_EQ(list->GetDropBitmap(), nullptr) << "no row hovered";
    const struct {
        int row, minWidth, maxWidth;
    } rows[] = {{0, 30 + 10 + 5, 100}, {1, 300, 300}};
    for (const auto& r : rows) {
        list->OnControlMouseMove(0, RowPoint(r.row, 30));
        HBITMAP picture = list->GetDropBitmap();
        ASSERT_NE(picture, nullptr);
        BITMAP info{};
        GetObjectW(picture, sizeof info, &info);
        EXPECT_GE(info.bmWidth, r.minWidth) << r.row;
        EXPECT_LE(info.bmWidth, r.maxWidth) << r.row;
        EXPECT_EQ(std::abs(info.bmHeight), 30);
        DeleteObject(picture);
    }
}

TEST_F(ListBoxTest, RowBookkeepingNeverPointsAtAMissingRow) {
    auto* list = window.Add(new MListBox(&recorder, kListId, kListRect, 1));
    EXPECT_EQ(list->InsertString(-1, L"a", -1, 1), 0);
    EXPECT_EQ(list->InsertString(-1, nullptr, -1, 2), 1);
    EXPECT_EQ(list->InsertString(0, L"c", -1, 3), 0);
    EXPECT_EQ(list->InsertString(5, L"x", -1, 9), -1);
    EXPECT_EQ(list->GetItemText(2), CString());
    EXPECT_EQ(list->FindString(L"a"), 1);
    EXPECT_EQ(list->FindItemData(2), 2);
    EXPECT_EQ(list->SetCurData(1), 1);
    EXPECT_EQ(list->GetCurSel(), 1);
    EXPECT_EQ(list->SetCurSel(3), 0);
    EXPECT_EQ(list->GetCurSel(), 1) << "out of range leaves the selection";
    list->InsertString(0, L"d", -1, 4);
    EXPECT_EQ(list->GetCurSel(), 2) << "the selection follows its row";
    list->DeleteItem(0);
    EXPECT_EQ(list->GetCurSel(), -1);
    EXPECT_EQ(list->GetItemData(7), 0u);
    EXPECT_EQ(list->GetItemText(-1), CString());
    // No rows, no range: scrolling and painting divide by nothing.
    list->DeleteAllItems();
    EXPECT_EQ(list->OnControlScroll(1, 1, CPoint()), 0);
    window.PaintNow();
}

}  // namespace
