// The tab control in a real window: selecting (notification first, pages after), pages
// shown exactly while selected, deleting tabs with owned and borrowed pages, hidden tabs,
// real clicks, hover tooltips, wheel and keys handed to the selected page, and the pages'
// notifications passed on.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "ControlFactory.h"
#include "InputDriver.h"
#include "MSlider.h"
#include "MTabCtrl.h"
#include "RecordingControl.h"
#include "TabTestSupport.h"

namespace {

using harness::EventLog;
using harness::Notification;
using harness::RecordingControl;
using Kelvo::MTabCtrl;
using tabtest::Recorder;

constexpr UINT kTabId = 44;
const CRect kPageRect(100, 20, 380, 280);
const wchar_t* const kTexts[] = {L"Home", L"Keys", L"Macros"};

auto Fields(const Notification& n) { return std::make_tuple(n.id, n.code, n.wparam, n.lparam); }

class TabCtrlTest : public ::testing::Test {
protected:
    // Three vertical 56-pixel tabs at (20, 20), (20, 77), (20, 134), each with an owned
    // page; nothing selected.
    void MakeStrip() {
        tab = window.Add(new MTabCtrl(&recorder, kTabId, CRect(20, 20, 76, 280), 1, 1));
        tab->SetTabType(Kelvo::TAB_VERTICAL);
        tab->SetTabCtrlHeight(56);
        for (int i = 0; i < 3; ++i) {
            auto* page = new RecordingControl(tab, log, std::string(1, static_cast<char>('a' + i)), 60 + i, kPageRect);
            tab->AttachControl(1, page);
            pages.push_back(page);
            tab->InsertItem(i + 1, kTexts[i], icon.c_str(), page, 2, 56);
        }
        tab->RefreshItems();
    }
    // Which pages show, as "a-c" (a letter for each shown page).
    std::string Shown() const {
        std::string shown;
        for (const RecordingControl* page : pages) shown += page->IsVisible() ? page->Name()[0] : '-';
        return shown;
    }
    CPoint TabCentre(int index) { return tab->GetItemInfo(index)->rect.CenterPoint(); }
    bool Logged(const std::string& prefix) const {
        return std::any_of(log.entries.begin(), log.entries.end(),
                           [&](const std::string& e) { return e.rfind(prefix, 0) == 0; });
    }

    EventLog log;
    harness::TestWindow window;
    Recorder recorder{window};
    harness::InputDriver input{window};
    std::wstring icon = tabtest::TwoFrameIcon();
    MTabCtrl* tab = nullptr;
    std::vector<RecordingControl*> pages;
};

TEST_F(TabCtrlTest, SelectingNotifiesFirstAndThenShowsOnlyTheSelectedPage) {
    MakeStrip();
    EXPECT_EQ(Shown(), "---");
    std::string shownAtNotification;
    recorder.onNotify = [&](const Notification&) { shownAtNotification = Shown(); };
    const struct {
        int index, returns;
        bool notifies;
        const char* shown;
    } steps[] = {
        {1, -1, true, "-b-"}, {1, 1, false, "-b-"},  {3, 1, false, "-b-"}, {-2, 1, false, "-b-"},
        {-1, 1, true, "---"}, {2, -1, true, "--c"}, {0, 2, true, "a--"},
    };
    std::string before = Shown();
    for (const auto& s : steps) {
        SCOPED_TRACE(s.index);
        recorder.seen.clear();
        EXPECT_EQ(tab->SetSelectItem(s.index), s.returns);
        if (s.notifies) {
            ASSERT_EQ(recorder.seen.size(), 1u);
            EXPECT_EQ(Fields(recorder.seen[0]), Fields({kTabId, 1, static_cast<WPARAM>(s.index), 0}));
            EXPECT_EQ(shownAtNotification, before);  // the pages switch after the parent heard
            EXPECT_EQ(tab->GetSelectItem(), s.index);
        } else {
            EXPECT_TRUE(recorder.seen.empty());
        }
        EXPECT_EQ(Shown(), s.shown);
        before = Shown();
    }
}

TEST_F(TabCtrlTest, DeletingDestroysOnlyOwnedPages) {
    tab = window.Add(new MTabCtrl(&recorder, kTabId, CRect(20, 20, 76, 280), 1, 1));
    tab->SetTabType(Kelvo::TAB_VERTICAL);
    tab->SetTabCtrlHeight(56);
    auto* owned = new RecordingControl(tab, log, "a", 60, kPageRect);
    tab->AttachControl(1, owned);
    auto* borrowed = window.Add(new RecordingControl(&window, log, "d", 77, kPageRect));
    tab->InsertItem(1, L"Home", icon.c_str(), owned, 2, 56);
    tab->InsertItem(2, L"Keys", icon.c_str(), borrowed, 2, 56);
    tab->SetSelectItem(1);

    tab->DeleteItem(5);
    tab->DeleteItem(-1);
    EXPECT_EQ(tab->GetItemCount(), 2);

    tab->DeleteItem(1);
    EXPECT_EQ(tab->GetItemCount(), 1);
    EXPECT_FALSE(Logged("d:destroyed"));
    const auto& top = window.Manager().GetControls();
    EXPECT_NE(std::find(top.begin(), top.end(), borrowed), top.end());
    EXPECT_EQ(tab->GetSelectItem(), 0);  // past the end: the last visible tab
    EXPECT_TRUE(owned->IsVisible());
    // The window's page still takes real clicks.
    window.PaintNow();
    input.Click(CPoint(200, 150));
    EXPECT_TRUE(Logged("d:ldown@200,150"));

    tab->DeleteItem(0);
    EXPECT_TRUE(Logged("a:destroyed"));
    EXPECT_TRUE(tab->GetControls().empty());
    EXPECT_EQ(tab->GetItemCount(), 0);
    EXPECT_EQ(tab->GetSelectItem(), -1);
}

TEST_F(TabCtrlTest, HiddenAndRemovedTabsKeepTheSelectionOnATab) {
    const struct {
        const char* name;
        int select;
        std::vector<int> hide, remove;
        int selected;
    } cases[] = {
        {"hiding the selected tab keeps it", 1, {1}, {}, 1},
        {"removing the selected last tab selects the last visible", 2, {1}, {2}, 0},
        {"removing the last tab when the others are hidden selects none", 2, {0, 1}, {2}, -1},
        {"removing an earlier tab keeps the index", 1, {}, {0}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        pages.clear();
        if (tab) window.Manager().RemoveControl(tab);
        MakeStrip();
        tab->SetSelectItem(c.select);
        for (int index : c.hide) tab->SetItemVisible(index, 0);
        for (int index : c.remove) tab->DeleteItem(index);
        EXPECT_EQ(tab->GetSelectItem(), c.selected);
        for (int i = 0; i < tab->GetItemCount(); ++i) {
            const Kelvo::TabItemInfo* item = tab->GetItemInfo(i);
            EXPECT_EQ(item->page->IsVisible(), i == c.selected ? 1 : 0) << i;
            if (!item->visible) {
                EXPECT_TRUE(item->rect.IsRectEmpty()) << i;
            }
        }
    }
    // A hidden tab takes no room: the tab after it moves up into its place.
    pages.clear();
    window.Manager().RemoveControl(tab);
    MakeStrip();
    tab->SetItemVisible(1, 0);
    EXPECT_EQ(tab->GetItemVisible(1), 0);
    EXPECT_EQ(tab->GetItemInfo(2)->rect, CRect(20, 77, 76, 133));
    EXPECT_EQ(tab->GetItemInfo(3), nullptr);
    EXPECT_EQ(tab->GetItemID(2), 3);
    EXPECT_EQ(tab->GetItemID(3), 0);
    EXPECT_EQ(tab->SetItemText(3, L"x"), 0);
}

TEST_F(TabCtrlTest, ThePointerHoversShowsTextsAndSelectsTabs) {
    MakeStrip();
    window.PaintNow();
    input.MoveTo(TabCentre(2));
    input.MoveTo(CPoint(TabCentre(2).x + 1, TabCentre(2).y + 1));
    EXPECT_EQ(tab->GetHoverItem(), 2);
    EXPECT_EQ(window.Manager().GetTooltipCtrlID(), static_cast<int>(kTabId));
    wchar_t text[80] = {};
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.lpszText = text;
    ASSERT_NE(window.Manager().GetToolTipWnd(), nullptr);
    ASSERT_TRUE(::SendMessageW(window.Manager().GetToolTipWnd(), TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_STREQ(text, L"Macros");

    input.Click(TabCentre(2));
    EXPECT_EQ(tab->GetSelectItem(), 2);
    ASSERT_FALSE(recorder.seen.empty());
    EXPECT_EQ(Fields(recorder.seen.back()), Fields({kTabId, 1, 2, 0}));
    EXPECT_EQ(Shown(), "--c");

    input.MoveTo(TabCentre(0));
    EXPECT_EQ(tab->GetHoverItem(), 0);
    input.MoveTo(CPoint(30, 250));  // inside the control, below the tabs
    EXPECT_EQ(tab->GetHoverItem(), -1);
    input.Click(TabCentre(0));
    EXPECT_EQ(tab->GetSelectItem(), 0);
}

TEST_F(TabCtrlTest, WheelAndKeysGoToTheSelectedPage) {
    MakeStrip();
    for (RecordingControl* page : pages) page->takesKeys = true;
    window.PaintNow();
    input.Click(TabCentre(1));
    ASSERT_EQ(tab->GetSelectItem(), 1);
    log.Clear();
    input.Wheel(-120);
    input.Key(VK_DOWN);
    EXPECT_TRUE(Logged("b:scroll1down"));
    EXPECT_TRUE(Logged("b:key40/0"));
    EXPECT_FALSE(Logged("a:"));
    EXPECT_FALSE(Logged("c:"));
}

// A key no one takes reaches the selected page once, whether the tab control or the
// window owns the page.
TEST_F(TabCtrlTest, AKeyNoOneTakesReachesTheSelectedPageOnce) {
    for (bool borrowed : {false, true}) {
        SCOPED_TRACE(borrowed ? "the window's page" : "the tab control's page");
        RecordingControl* page = nullptr;
        if (borrowed) {
            tab = window.Add(new MTabCtrl(&recorder, kTabId, CRect(20, 20, 76, 280), 1, 1));
            tab->SetTabType(Kelvo::TAB_VERTICAL);
            tab->SetTabCtrlHeight(56);
            page = window.Add(new RecordingControl(&window, log, "d", 77, kPageRect));
            tab->InsertItem(1, L"Home", icon.c_str(), page, 2, 56);
            tab->SetSelectItem(0);
        } else {
            MakeStrip();
            tab->SetSelectItem(1);
            page = pages[1];
        }
        window.PaintNow();
        for (CPoint pointer : {TabCentre(0), kPageRect.CenterPoint()}) {
            input.MoveTo(pointer);
            log.Clear();
            input.Key(VK_DOWN);
            EXPECT_EQ(log.Starting(page->Name() + ":key"), std::vector<std::string>{page->Name() + ":key40/0"})
                << pointer.x << "," << pointer.y;
        }
        window.Manager().RemoveControl(tab);
        if (borrowed) window.Manager().RemoveControl(page);
        pages.clear();
    }
}

// A page the window owns may be destroyed while its tab stays: the tab is then without a
// page, and selecting, hiding and deleting go on without touching it.
TEST_F(TabCtrlTest, APageItsOwnerDestroysIsForgotten) {
    tab = window.Add(new MTabCtrl(&recorder, kTabId, CRect(20, 20, 76, 280), 1, 1));
    tab->SetTabType(Kelvo::TAB_VERTICAL);
    tab->SetTabCtrlHeight(56);
    auto* gone = window.Add(new RecordingControl(&window, log, "d", 77, kPageRect));
    auto* kept = window.Add(new RecordingControl(&window, log, "e", 78, kPageRect));
    tab->InsertItem(1, L"Home", icon.c_str(), gone, 2, 56);
    tab->InsertItem(2, L"Keys", icon.c_str(), kept, 2, 56);
    tab->SetSelectItem(0);

    window.Manager().RemoveControl(gone);
    ASSERT_TRUE(Logged("d:destroyed"));
    EXPECT_EQ(tab->GetItemInfo(0)->page, nullptr);
    EXPECT_EQ(tab->GetItemInfo(1)->page, kept);

    tab->SetSelectItem(1);
    EXPECT_TRUE(kept->IsVisible());
    tab->SetSelectItem(0);
    EXPECT_FALSE(kept->IsVisible());
    tab->SetControlVisible(0);
    tab->SetControlVisible(1);
    input.Key(VK_DOWN);
    tab->DeleteItem(0);
    EXPECT_EQ(tab->GetItemCount(), 1);
    EXPECT_TRUE(kept->IsVisible());
}

TEST_F(TabCtrlTest, PagesNotificationsPassThroughToTheParent) {
    MakeStrip();
    recorder.seen.clear();
    pages[0]->SendMessageW(Kelvo::kNotifyActivated, 7, 9);
    ASSERT_EQ(recorder.seen.size(), 1u);
    EXPECT_EQ(Fields(recorder.seen[0]), Fields({60, Kelvo::kNotifyActivated, 7, 9}));
}

TEST_F(TabCtrlTest, IsMadeByClassNameAndMakesOnlyTabPages) {
    const struct {
        const wchar_t* name;
        bool dialog;
    } names[] = {{L"MTabCtrl", true}, {L"MSlider", true}, {L"MTabCtrl", false}, {L"MSlider", false}};
    for (const auto& n : names) {
        Kelvo::MControl* control =
            n.dialog ? Kelvo::CreateDialogControl(n.name, &window, 90, CRect(0, 0, 50, 50), L"", 1, 1)
                     : Kelvo::CreatePanelControl(n.name, &window, 90, CRect(0, 0, 50, 50), L"", 1, 1);
        ASSERT_NE(control, nullptr) << n.dialog;
        EXPECT_STREQ(control->GetClassNameW(), n.name);
        EXPECT_EQ(control->IsEnabled(), 1);
        delete control;
    }
    MakeStrip();
    EXPECT_EQ(tab->CreatePanel(L"MPanel", 70, kPageRect), nullptr);
    EXPECT_EQ(tab->CreatePanel(L"MSlider", 70, kPageRect), nullptr);
    Kelvo::MControl* page = tab->CreatePanel(L"MTabLayout", 70, kPageRect);
    ASSERT_NE(page, nullptr);
    EXPECT_STREQ(page->GetClassNameW(), L"MTabLayout");
    EXPECT_EQ(page->GetManager(), &window.Manager());
    EXPECT_EQ(page->IsRunTimer(), 1);
    EXPECT_EQ(static_cast<Kelvo::MControlFont*>(page)->GetImageCount(), 1);
    EXPECT_EQ(tab->GetControls().back(), page);
}

}  // namespace
