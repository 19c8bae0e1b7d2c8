// The DPI level and report-rate buttons in a real window: clicks and Space select one
// button of a group (notification 2, or 7 from the keyboard) and clear the rest of it,
// the in-place editor opens over the value (30), takes typed digits and closes (29), and
// the looks: fill per state, the colour mark, the value only with a non-empty title.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "ColorButtonEx.h"
#include "DPIButtonEx.h"
#include "InputDriver.h"
#include "StatusTestSupport.h"
#include "ValueEditWnd.h"

namespace {

using harness::Notification;
using Kelvo::ColorButtonEx;
using Kelvo::DPIButtonEx;
using statustest::Near;

constexpr DWORD kIdle = 0x333333;
constexpr DWORD kSelection = 0x3768FA;  // the toolkit's selection colour
constexpr DWORD kGrey = 0x808080;

auto Fields(const Notification& n) { return std::make_tuple(n.id, n.code, n.wparam, n.lparam); }

CRect Slot(int index) { return CRect(20 + 110 * index, 20, 120 + 110 * index, 76); }

class DpiValueButtonTest : public ::testing::Test {
protected:
    template <class Button>
    Button* Make(UINT id, int index, const wchar_t* title, const wchar_t* group) {
        auto* button = window.Add(new Button(&recorder, id, Slot(index), title, 1, 1));
        button->SetFont(L"Arial", 14, 1);
        button->SetGroupName(group);
        return button;
    }

    void Forget() {
        recorder.seen.clear();
        recorder.threads.clear();
    }

    void ExpectSeen(const std::vector<Notification>& expected) {
        ASSERT_EQ(recorder.seen.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(Fields(recorder.seen[i]), Fields(expected[i])) << i;
        for (DWORD thread : recorder.threads) EXPECT_EQ(thread, ::GetCurrentThreadId());
    }

    // Pixels near white in `rect`: the value's text.
    int WhiteIn(CRect rect) {
        int white = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x) white += Near(window.Pixel(x, y), 0xFFFFFF, 60) ? 1 : 0;
        return white;
    }

    harness::TestWindow window;
    statustest::Recorder recorder{window};
    harness::InputDriver input{window};
};

TEST_F(DpiValueButtonTest, AClickOrSpaceSelectsOneOfTheGroup) {
    auto* level1 = Make<DPIButtonEx>(114, 0, L"400", L"MOUSE_DPICTRL");
    auto* level2 = Make<DPIButtonEx>(115, 1, L"800", L"MOUSE_DPICTRL");
    auto* other = Make<DPIButtonEx>(116, 2, L"1600", L"OTHER");
    auto* rate = Make<ColorButtonEx>(129, 3, L"125Hz", L"MOUSE_DPICTRL");  // another class: not a member
    for (auto* checked : {static_cast<Kelvo::DpiValueButton*>(level1), static_cast<Kelvo::DpiValueButton*>(other),
                          static_cast<Kelvo::DpiValueButton*>(rate)})
        checked->SetCheck(1);
    window.PaintNow();
    const struct {
        const char* name;
        CPoint click;
        WORD key;
        std::vector<Notification> notifications;
        int checks[4];
    } steps[] = {
        {"a click selects the second level", Slot(1).CenterPoint(), 0, {{115, 2, 0, 0}}, {0, 1, 1, 1}},
        {"a click on the selected level tells it again", Slot(1).CenterPoint(), 0, {{115, 2, 0, 0}}, {0, 1, 1, 1}},
        {"Space selects the focused level", Slot(0).CenterPoint(), VK_SPACE, {{114, 2, 0, 0}, {114, 7, 0, 1}}, {1, 0, 1, 1}},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.name);
        Forget();
        input.Click(s.click);
        if (s.key) input.Key(s.key);
        ExpectSeen(s.notifications);
        const int checks[4] = {level1->GetCheck(), level2->GetCheck(), other->GetCheck(), rate->GetCheck()};
        for (int i = 0; i < 4; ++i) EXPECT_EQ(checks[i], s.checks[i]) << i;
    }
    EXPECT_EQ(level1->GetState(), DPIButtonEx::kCheckedHover);
    EXPECT_EQ(level2->GetState(), DPIButtonEx::kNormal);
}

TEST_F(DpiValueButtonTest, TheEditorOpensOverTheValueAndTakesTypedDigits) {
    const struct {
        const char* name;
        bool rateButton;
        int clickX;
        std::vector<WORD> typed;
        WORD finish;
        const wchar_t* text;
        std::vector<Notification> notifications;
    } cases[] = {
        {"typed digits are kept with Enter", false, 60, {'1', '2', '3', '4', '5', '6'}, VK_RETURN, L"12345",
         {{114, 30, 0, 0}, {114, 2, 0, 0}, {114, 29, 0, 0}}},
        {"letters are refused", false, 60, {'7', 'A', '1'}, VK_RETURN, L"71",
         {{114, 30, 0, 0}, {114, 2, 0, 0}, {114, 29, 0, 0}}},
        {"Escape keeps the old value", false, 60, {'9'}, VK_ESCAPE, L"800",
         {{114, 30, 0, 0}, {114, 2, 0, 0}, {114, 29, 0, 0}}},
        {"a rate button's editor works alike", true, 60, {'5', '0', '0'}, VK_RETURN, L"500",
         {{114, 30, 0, 0}, {114, 2, 0, 0}, {114, 29, 0, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Kelvo::DpiValueButton* button = c.rateButton
                                            ? static_cast<Kelvo::DpiValueButton*>(Make<ColorButtonEx>(114, 0, L"800", L"G"))
                                            : Make<DPIButtonEx>(114, 0, L"800", L"G");
        button->SetShowEdit(1);
        window.PaintNow();
        Forget();
        input.Click(CPoint(Slot(0).left + c.clickX, Slot(0).CenterPoint().y));
        HWND editor = ::FindWindowExW(window.Handle(), nullptr, L"ValueEditWnd", nullptr);
        ASSERT_NE(editor, nullptr);
        EXPECT_TRUE(::IsWindowVisible(editor));
        EXPECT_EQ(::GetFocus(), editor);
        EXPECT_EQ(button->IsEditing(), 1);
        RECT placed{};
        ::GetWindowRect(editor, &placed);
        ::MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&placed), 2);
        EXPECT_EQ(CRect(placed.left, placed.top, placed.right, placed.bottom), button->GetTextRect());
        for (WORD key : c.typed) input.Key(key);
        input.Key(c.finish);
        EXPECT_FALSE(::IsWindowVisible(editor));
        EXPECT_STREQ(button->GetEditText().GetString(), c.text);
        ExpectSeen(c.notifications);
        window.Manager().RemoveControl(button);
        window.Pump(20);
    }
}

TEST_F(DpiValueButtonTest, APressOnTheMarkOfAFocusedButtonOpensNoEditor) {
    auto* level = Make<DPIButtonEx>(114, 0, L"800", L"G");
    level->SetShowEdit(1);
    input.Click(CPoint(Slot(0).left + 60, Slot(0).CenterPoint().y));
    input.Key(VK_RETURN);
    Forget();
    input.Click(CPoint(Slot(0).left + 8, Slot(0).CenterPoint().y));  // on the colour mark
    ExpectSeen({{114, 2, 0, 0}});
    EXPECT_EQ(level->IsEditing(), 0);
}

TEST_F(DpiValueButtonTest, EachLookFillsMarksAndWritesTheValue) {
    auto* level = Make<DPIButtonEx>(114, 0, L"800", L"G");
    level->SetColor(0xFF00F54C);
    level->SetDPIXValue(800);
    auto* blank = Make<DPIButtonEx>(115, 1, L"", L"G");
    blank->SetDPIXValue(800);
    auto* rate = Make<ColorButtonEx>(129, 2, L"125Hz", L"REPORTRATE");
    rate->SetColor(0xFF00F54C);
    auto* coloured = Make<ColorButtonEx>(130, 3, L"125Hz", L"RATE2");
    coloured->SetColor(0xFF00F54C);
    window.PaintNow();

    const CRect s = Slot(0);
    const CPoint fill(s.left + 18, s.top + 3), mark(s.left + 5, s.top + 5);
    const struct {
        const char* name;
        int check, enabled, hover;
        DWORD fill, mark;
    } looks[] = {
        {"normal", 0, 1, 0, kIdle, 0x00F54C},       {"hover", 0, 1, 1, kSelection, 0x00F54C},
        {"checked", 1, 1, 0, kSelection, 0x00F54C}, {"disabled", 1, 0, 0, kGrey, kGrey},
    };
    for (const auto& l : looks) {
        SCOPED_TRACE(l.name);
        level->SetEnabled(1);
        level->SetControlCheck(l.check);
        level->SetEnabled(l.enabled);
        input.MoveTo(l.hover ? CPoint(s.left + 18, s.top + 3) : CPoint(380, 280));
        window.PaintNow();
        EXPECT_EQ(window.Pixel(fill.x, fill.y), l.fill);
        EXPECT_EQ(window.Pixel(mark.x, mark.y), l.mark);
        EXPECT_EQ(WhiteIn(level->GetTextRect()) > 10, l.enabled == 1);
    }
    // No title, no value, whatever the X value; two lines for X and Y.
    EXPECT_EQ(WhiteIn(blank->GetTextRect()), 0);
    const CRect text = level->GetTextRect();
    EXPECT_EQ(text, CRect(s.left + 22, s.top + 20, s.right - 2, s.top + 40));
    level->SetEnabled(1);
    level->SetDPIYValue(1600);
    level->EnableXY(1);
    window.PaintNow();
    EXPECT_GT(WhiteIn(CRect(text.left, text.CenterPoint().y - 25, text.right, text.CenterPoint().y - 5)), 10);
    EXPECT_GT(WhiteIn(CRect(text.left, text.CenterPoint().y + 3, text.right, text.CenterPoint().y + 18)), 10);

    // A report rate has no mark and its text starts 2 pixels in.
    EXPECT_EQ(window.Pixel(Slot(2).left + 5, Slot(2).top + 5), kIdle);
    EXPECT_EQ(window.Pixel(Slot(3).left + 5, Slot(3).top + 5), 0x00F54Cu);
    EXPECT_EQ(rate->GetTextRect().left, Slot(2).left + 2);
    EXPECT_EQ(coloured->GetTextRect().left, Slot(3).left + 22);
    EXPECT_EQ(rate->GetValue(), 125);
    rate->SetValue(8000);
    EXPECT_STREQ(rate->GetEditText().GetString(), L"8000");
    EXPECT_TRUE(recorder.seen.empty());
}

}  // namespace
