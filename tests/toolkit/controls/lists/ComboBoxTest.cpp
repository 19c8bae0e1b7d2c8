// The combo box in a real window under real input: opening by a click, the drop-down's
// size and scrolling, choosing by mouse and by keys, closing without a choice (losing
// activation, Escape, a refill) and the closing click that must not reopen it; its entry
// bookkeeping; and the grouped combo checking against the buttons of its group.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "CComboBoxList.h"
#include "CComboBoxWnd.h"
#include "CScrollVertical.h"
#include "ControlFactory.h"
#include "InputDriver.h"
#include "ListTestSupport.h"
#include "MButton2.h"
#include "MComboBox.h"
#include "MComboBox2.h"

namespace {

using Kelvo::MComboBox;
using listtest::Recorder;

constexpr UINT kComboId = 31;
const CRect kComboRect(20, 20, 140, 50);

class ComboBoxTest : public ::testing::Test {
public:  // the steps of the tables below drive the fixture
    MComboBox* MakeCombo(int items) {
        combo = window.Add(new MComboBox(&recorder, kComboId, kComboRect, 1, 1));
        combo->SetImage(L"img_combobox.png", 4);
        for (int i = 0; i < items; ++i) combo->AddItem((L"Entry " + std::to_wstring(i)).c_str(), 100 + i, L"", 0);
        window.PaintNow();
        return combo;
    }
    void ClickCombo() { input.Click(kComboRect.CenterPoint()); }
    bool PopupGone() {
        return window.PumpUntil([&] { return combo->GetPopup() == nullptr; }, 2000);
    }
    RECT PopupRect() {
        RECT rect{};
        GetWindowRect(combo->GetPopup()->GetSafeHwnd(), &rect);
        return rect;
    }
    // Moves the real pointer over row `row` of the open drop-down.
    void ClickPopupRow(int row) {
        const RECT popup = PopupRect();
        const POINT at{popup.left + 20, popup.top + 6 + 30 * row + 15};
        input.MoveToScreen(at);
        input.LeftDown();
        input.LeftUp();
    }

    harness::TestWindow window{CRect(100, 100, 500, 800)};
    Recorder recorder{window};
    harness::InputDriver input{window};
    MComboBox* combo = nullptr;
};

TEST_F(ComboBoxTest, AClickOpensADropDownSizedByTheEntriesThatScrollsBeyondTwenty) {
    const struct {
        int items, height;
        bool scrolls;
    } cases[] = {{3, 102, false}, {25, 612, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.items);
        MakeCombo(c.items);
        ClickCombo();
        ASSERT_NE(combo->GetPopup(), nullptr);
        const RECT popup = PopupRect();
        const POINT below = window.ToScreen(CPoint(kComboRect.left, kComboRect.bottom + 2));
        EXPECT_EQ(popup.bottom - popup.top, c.height);
        EXPECT_EQ(popup.left, below.x);
        EXPECT_EQ(popup.top, below.y);
        EXPECT_EQ(popup.right - popup.left, kComboRect.Width());
        auto* list = combo->GetPopup()->GetList();
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->GetItemCount(), c.items);
        EXPECT_EQ(list->GetVerticalBar()->IsVisible() != 0, c.scrolls);
        input.Key(VK_ESCAPE);
        EXPECT_TRUE(PopupGone());
        EXPECT_EQ(combo->IsPopupOpen(), 0);
        window.Manager().RemoveControl(combo);
    }
    EXPECT_TRUE(recorder.heard.empty());
}

TEST_F(ComboBoxTest, ChoosingByMouseOrKeysSelectsAndNotifiesOnceOnTheUiThread) {
    MakeCombo(5);
    const struct {
        const char* how;
        int index;
        void (*choose)(ComboBoxTest&);
    } ways[] = {
        {"mouse", 3, [](ComboBoxTest& t) { t.ClickPopupRow(3); }},
        {"keys", 1, [](ComboBoxTest& t) {
             t.input.Key(VK_DOWN);
             t.input.Key(VK_DOWN);
             t.input.Key(VK_RETURN);
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        recorder.heard.clear();
        ClickCombo();
        ASSERT_NE(combo->GetPopup(), nullptr);
        way.choose(*this);
        EXPECT_TRUE(PopupGone());
        const auto chosen = recorder.Of(Kelvo::kNotifyActivated);
        ASSERT_EQ(chosen.size(), 1u);
        EXPECT_EQ(chosen[0].id, kComboId);
        EXPECT_EQ(chosen[0].wparam, static_cast<WPARAM>(way.index));
        EXPECT_EQ(chosen[0].thread, GetCurrentThreadId());
        EXPECT_EQ(combo->GetCurSel(), way.index);
        EXPECT_EQ(combo->GetCurText(), CString((L"Entry " + std::to_wstring(way.index)).c_str()));
        EXPECT_EQ(combo->IsPopupOpen(), 0);
    }
}

TEST_F(ComboBoxTest, ClosingWithoutAChoiceSaysNothingAndTheClosingClickDoesNotReopen) {
    MakeCombo(3);
    const struct {
        const char* how;
        void (*close)(ComboBoxTest&);
    } ways[] = {
        {"click elsewhere", [](ComboBoxTest& t) { t.input.Click(CPoint(300, 300)); }},
        {"click on the combo", [](ComboBoxTest& t) { t.ClickCombo(); }},
        {"escape", [](ComboBoxTest& t) { t.input.Key(VK_ESCAPE); }},
        {"its window moved", [](ComboBoxTest& t) {
             SetWindowPos(t.window.Handle(), nullptr, 110, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
         }},
        {"refill", [](ComboBoxTest& t) {
             t.combo->DelAllItems();
             t.combo->AddItem(L"Again", 1, L"", 0);
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        ClickCombo();
        ASSERT_NE(combo->GetPopup(), nullptr);
        way.close(*this);
        EXPECT_TRUE(PopupGone());
        EXPECT_EQ(combo->IsPopupOpen(), 0);
        ClickCombo();
        EXPECT_NE(combo->GetPopup(), nullptr) << "the next click opens it";
        input.Key(VK_ESCAPE);
        EXPECT_TRUE(PopupGone());
    }
    EXPECT_TRUE(recorder.Of(Kelvo::kNotifyActivated).empty());
}

// A choice whose handler runs a modal loop (a message box) that takes the activation: the
// drop-down closes under its own press handler, and what the loop allocates meanwhile may
// reuse anything freed. The drop-down's object must outlive that handler, which still
// writes to it on the way out.
TEST_F(ComboBoxTest, AChoiceThatRunsAModalLoopLeavesNoWriteInMemoryHandedOutMeanwhile) {
    MakeCombo(3);
    constexpr unsigned char kFill = 0xA5;
    constexpr std::size_t kBlock = sizeof(Kelvo::CComboBoxWnd);
    std::vector<std::unique_ptr<unsigned char[]>> blocks;
    bool closedUnderTheHandler = false;
    recorder.onNotify = [&](const listtest::Heard& heard) {
        if (heard.code != Kelvo::kNotifyActivated) return;
        HWND box = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 600, 100, 120, 80, nullptr,
                                   nullptr, nullptr, nullptr);
        SetForegroundWindow(box);
        closedUnderTheHandler = window.PumpUntil([&] { return combo->GetPopup() == nullptr; }, 2000);
        for (int i = 0; i < 256; ++i) {
            blocks.emplace_back(new unsigned char[kBlock]);
            std::memset(blocks.back().get(), kFill, kBlock);
        }
        DestroyWindow(box);
    };
    ClickCombo();
    ASSERT_NE(combo->GetPopup(), nullptr);
    ClickPopupRow(1);
    window.Pump(100);
    recorder.onNotify = nullptr;
    ASSERT_TRUE(closedUnderTheHandler);
    EXPECT_EQ(combo->GetCurSel(), 1);
    int damaged = 0;
    for (const auto& block : blocks)
        for (std::size_t i = 0; i < kBlock; ++i) damaged += block[i] != kFill;
    EXPECT_EQ(damaged, 0);
}

TEST_F(ComboBoxTest, EntryBookkeepingNeverPointsAtAMissingEntry) {
    MakeCombo(0);
    EXPECT_EQ(combo->InsertItem(-1, L"a", 1, nullptr, 0), 0);
    EXPECT_EQ(combo->InsertItem(-1, nullptr, 2, nullptr, 0), 1);
    EXPECT_EQ(combo->InsertItem(0, L"c", 3, L"second", 0), 0);
    EXPECT_EQ(combo->InsertItem(4, L"x", 9, nullptr, 0), -1);
    EXPECT_EQ(combo->InsertItem(-2, L"x", 9, nullptr, 0), -1);
    EXPECT_EQ(combo->GetItemText(2), CString());  // a null text is empty
    // c a "" : select "a", then remove around it.
    combo->SetCurSel(1);
    const struct {
        const char* what;
        void (*act)(MComboBox*);
        int selected;
        const wchar_t* text;
    } steps[] = {
        {"out of range is ignored", [](MComboBox* c) { c->SetCurSel(7); }, 1, L"a"},
        {"below -1 is ignored", [](MComboBox* c) { c->SetCurSel(-2); }, 1, L"a"},
        {"unknown data selects nothing", [](MComboBox* c) { EXPECT_EQ(c->SelectData(77), 0); }, 1, L"a"},
        {"an earlier entry goes", [](MComboBox* c) { c->DeleteItem(0); }, 0, L"a"},
        {"an insert before moves it", [](MComboBox* c) { c->InsertItem(0, L"z", 5, nullptr, 0); }, 1, L"a"},
        {"the selected entry goes", [](MComboBox* c) { c->DeleteItem(1); }, -1, L""},
        {"known data selects", [](MComboBox* c) { EXPECT_EQ(c->SelectData(2), 1); }, 1, L""},
        {"-1 clears", [](MComboBox* c) { c->SetCurSel(-1); }, -1, L""},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        step.act(combo);
        EXPECT_EQ(combo->GetCurSel(), step.selected);
        EXPECT_EQ(combo->GetCurText(), CString(step.text));
    }
    EXPECT_EQ(combo->GetItemData(99), 0u);
    EXPECT_EQ(combo->GetItemText(-1), CString());
    combo->SetTextColorEx(static_cast<Gdiplus::ARGB>(-1), static_cast<Gdiplus::ARGB>(-1));
    EXPECT_EQ(combo->GetTextColor(), 0xFFFFFFFFu);
}

TEST_F(ComboBoxTest, CheckingAGroupedComboUnchecksTheButtonsAndCombosOfItsGroup) {
    auto* first = window.Add(new Kelvo::MComboBox2(&recorder, 41, CRect(20, 20, 140, 50), 1, 1));
    auto* second = window.Add(new Kelvo::MComboBox2(&recorder, 42, CRect(20, 60, 140, 90), 1, 1));
    auto* button = window.Add(new Kelvo::MButton2(&recorder, 43, CRect(20, 100, 140, 130), 1, 1));
    auto* stranger = window.Add(new Kelvo::MButton2(&recorder, 44, CRect(20, 140, 140, 170), 1, 1));
    first->AddItem(L"Left", 1, nullptr, 0);
    button->SetGroupName(L"MouseFunction");
    stranger->SetGroupName(L"Other");
    second->SetControlCheck(1);
    button->SetControlCheck(1);
    stranger->SetControlCheck(1);
    window.PaintNow();

    input.Click(CPoint(80, 35));
    EXPECT_EQ(first->GetCheck(), 1);
    EXPECT_NE(first->GetPopup(), nullptr) << "the drop-down opens too";
    EXPECT_EQ(second->GetCheck(), 0);
    EXPECT_EQ(button->GetCheck(), 0);
    EXPECT_EQ(stranger->GetCheck(), 1);

    // And the other way round: the page checks a button of the group, which knows the
    // combo by its class name.
    input.Key(VK_ESCAPE);
    button->SetCheck(1);
    EXPECT_EQ(first->GetCheck(), 0);
}

TEST_F(ComboBoxTest, TheDialogAndPanelTablesMakeTheRightClasses) {
    const struct {
        const wchar_t* name;
        bool dialog, panel;
    } rows[] = {{L"MComboBox", true, true}, {L"MListBox", true, true}, {L"DListBox", true, true},
                {L"CComboBoxList", true, false}, {L"MComboBox2", false, true}, {L"CColorCombo", false, false},
                {L"CComboBoxWnd", false, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.name);
        Kelvo::MControl* fromDialog = Kelvo::CreateDialogControl(row.name, &recorder, 5, CRect(0, 0, 50, 50), L"", 1, 1);
        Kelvo::MControl* fromPanel = Kelvo::CreatePanelControl(row.name, &recorder, 5, CRect(0, 0, 50, 50), L"", 1, 1);
        EXPECT_EQ(fromDialog != nullptr, row.dialog);
        EXPECT_EQ(fromPanel != nullptr, row.panel);
        for (Kelvo::MControl* made : {fromDialog, fromPanel}) {
            if (!made) continue;
            EXPECT_EQ(made->IsClass(row.name), 1);
            EXPECT_EQ(made->IsVisible(), 1);
            delete made;
        }
    }
}

}  // namespace
