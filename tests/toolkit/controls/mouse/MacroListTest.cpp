// The macro list under real input: a press selects a row without a word, the release
// says 2 (or 9 on the row's "more" button), the right button 5; a double click opens the
// rename editor (30) and Enter stores a changed name before 29 says so, Escape keeps the
// old one. The worker's refill ends an open rename without writing it anywhere, and its
// rows reach the scroll bar through the window's thread.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "CScrollVertical.h"
#include "InputDriver.h"
#include "MacroList.h"
#include "StatusTestSupport.h"

namespace {

using harness::Notification;
using Kelvo::MacroList;

constexpr UINT kId = 141;
const CRect kListRect(20, 20, 320, 200);  // five rows of 36

// Row r's text and its "more" button (20 wide, 15 from the right edge, centred).
CPoint TextOf(int row) { return CPoint(80, kListRect.top + row * 36 + 18); }
CPoint MoreOf(int row) { return CPoint(kListRect.right - 15 - 10, kListRect.top + row * 36 + 18); }

auto Fields(const Notification& n) { return std::make_tuple(n.id, n.code, n.wparam, n.lparam); }

class MacroListTest : public ::testing::Test {
public:  // the steps of the tables below drive the fixture
    void SetUp() override {
        list = window.Add(new MacroList(&recorder, kId, kListRect, 1));
        list->SetImage(L"btn_more.png", 4);
        list->EnableShowEdit(1);
        for (const wchar_t* name : {L"Alpha", L"Beta", L"Gamma"}) list->AddString(name, list->GetItemCount() + 11, -1);
        window.PaintNow();
        recorder.Clear();
    }

    void ExpectSeen(const std::vector<Notification>& expected) {
        ASSERT_EQ(recorder.seen.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(Fields(recorder.seen[i]), Fields(expected[i])) << i;
        EXPECT_TRUE(recorder.AllOnThisThread());
    }

    void Rename(int row, const std::wstring& typed) {
        input.DoubleClick(TextOf(row));
        ASSERT_NE(list->GetEditWindow(), nullptr);
        // The double click's 30 comes between the releases' 2s.
        std::string codes;
        for (const Notification& n : recorder.seen) codes += std::to_string(n.code) + " ";
        EXPECT_EQ(codes, "2 30 2 ");
        recorder.Clear();
        for (wchar_t c : typed) input.Key(static_cast<WORD>(c));
    }

    harness::TestWindow window;
    statustest::Recorder recorder{window};
    harness::InputDriver input{window};
    MacroList* list = nullptr;
};

TEST_F(MacroListTest, ButtonsOnARowSelectItAndSayWhereTheyCameUp) {
    const struct {
        const char* name;
        void (*act)(MacroListTest&);
        int selected;
        std::vector<Notification> seen;
    } cases[] = {
        {"left on the text", [](MacroListTest& t) { t.input.Click(TextOf(1)); }, 1, {{kId, 2, 0, 0}}},
        {"left on more", [](MacroListTest& t) { t.input.Click(MoreOf(2)); }, 2, {{kId, 9, 0, 0}}},
        {"right", [](MacroListTest& t) { t.input.RightClick(TextOf(0)); }, 2, {{kId, 5, 2, 0}}},
        {"left below the rows", [](MacroListTest& t) { t.input.Click(CPoint(80, 190)); }, 2, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        recorder.Clear();
        c.act(*this);
        EXPECT_EQ(list->GetCurSel(), c.selected);
        ExpectSeen(c.seen);
        input.MoveTo(CPoint(390, 290));
    }
    EXPECT_EQ(list->GetCurData(), 13u);
}

TEST_F(MacroListTest, EnterStoresARenameBeforeTellingEscapeKeepsTheName) {
    const struct {
        WORD key;
        const wchar_t* typed;
        const wchar_t* text;
        std::vector<Notification> seen;
    } cases[] = {
        {VK_RETURN, L"OMEGA", L"omega", {{kId, 29, 0, 1}}},
        {VK_ESCAPE, L"ZED", L"omega", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        recorder.Clear();
        Rename(1, c.typed);
        input.Key(c.key);
        EXPECT_EQ(list->GetEditWindow(), nullptr);
        EXPECT_STREQ(list->GetItemText(1).GetString(), c.text);
        ExpectSeen(c.seen);
    }
}

TEST_F(MacroListTest, AWorkersRefillEndsARenameWithoutWritingIt) {
    Rename(1, L"X");
    HWND editor = list->GetEditWindow();
    std::thread worker([this] {
        list->DeleteAllItems();
        for (const wchar_t* name : {L"One", L"Two", L"Three"}) list->AddString(name, 0u, -1);
    });
    worker.join();
    window.Pump(50);
    EXPECT_FALSE(::IsWindowVisible(editor));
    input.Click(TextOf(0));  // the focus leaves the editor, as when the user carries on
    EXPECT_STREQ(list->GetItemText(1).GetString(), L"Two");
    ExpectSeen({{kId, 2, 0, 0}});
}

TEST_F(MacroListTest, TheWorkersRowsReachTheScrollBarOnTheWindowsThread) {
    Kelvo::CScrollVertical* bar = list->GetVerticalBar();
    ASSERT_EQ(bar->IsVisible(), 0);
    std::thread worker([this] {
        for (int i = 0; i < 7; ++i) list->AddString(L"More", 0u, -1);
    });
    worker.join();
    EXPECT_EQ(bar->IsVisible(), 0);  // the worker only asked
    window.Pump(50);
    EXPECT_EQ(bar->IsVisible(), 1);
    EXPECT_EQ(bar->GetScrollMaxRange(), 10 * 36);
    // Two notches of the wheel scroll 20 pixels: row 0 leaves the top.
    input.MoveTo(TextOf(0));
    input.Wheel(-WHEEL_DELTA);
    input.Wheel(-WHEEL_DELTA);
    EXPECT_EQ(list->GetItemRect(0).top, kListRect.top - 20);
}

}  // namespace
