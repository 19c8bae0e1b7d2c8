// The mouse's buttons as a list and as call-outs on the picture: a press on a button
// chooses it (1, wparam the button) and the release confirms it (2); both are made by
// class name in panels only; and what each draws, from the shipped skin.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "ControlFactory.h"
#include "InputDriver.h"
#include "Manager.h"
#include "MouseCtrl.h"
#include "MouseKeyCtrl.h"
#include "RenderCanvas.h"
#include "StatusTestSupport.h"

namespace {

using Kelvo::MouseButtonView;
using Kelvo::MouseCtrl;
using Kelvo::MouseKeyCtrl;
using statustest::kBackground;

constexpr UINT kId = 63;
const CRect kList(20, 20, 320, 200);
const CRect kPicture(20, 20, 380, 280);

DWORD Highlight() { return Kelvo::Manager::GetSelectColor() & 0xFFFFFF; }

class MouseButtonsTest : public ::testing::Test {
public:  // the steps of the tables below drive the fixture
    void SetUp() override { window.Manager().SetBackColor(RGB(0x10, 0x20, 0x30), RGB(0x10, 0x20, 0x30)); }

    MouseKeyCtrl* MakeList() {
        auto* list = window.Add(new MouseKeyCtrl(&recorder, kId, kList, 1));
        list->AddItem(L"Left", L"Left click", 1);
        list->AddItem(L"Right", L"Menu", 2);
        list->AddItem(L"Wheel", L"Middle click", 3);
        return list;
    }

    // Button 0's box lies right of its leader, button 1's left of it.
    MouseCtrl* MakePicture() {
        auto* picture = window.Add(new MouseCtrl(&recorder, kId, kPicture, 1));
        picture->SetImage(L"img_key_bkg.png", 2);
        picture->AddItem(L"Left", 1, 1, CPoint(20, 30), CPoint(60, 30));
        picture->AddItem(L"Right", 2, 0, CPoint(200, 80), CPoint(240, 80));
        return picture;
    }

    harness::TestWindow window{CRect(100, 100, 500, 400)};
    statustest::Recorder recorder{window};
    harness::InputDriver input{window};
};

TEST_F(MouseButtonsTest, APressChoosesTheButtonUnderThePointerAndTheReleaseConfirmsIt) {
    const struct {
        const char* name;
        std::function<MouseButtonView*(MouseButtonsTest&)> make;
        CPoint second;   // inside button 1
        CPoint between;  // inside the control, on no button
        CRect secondRect;
    } cases[] = {
        // Rows 27 high, one every 32 pixels.
        {"list", [](MouseButtonsTest& t) -> MouseButtonView* { return t.MakeList(); }, CPoint(100, 65),
         CPoint(100, 49), CRect(20, 52, 320, 79)},
        // Box of button 1: x 200 - 67 ... 200 - 1, centred on y 80.
        {"picture", [](MouseButtonsTest& t) -> MouseButtonView* { return t.MakePicture(); }, CPoint(186, 100),
         CPoint(100, 200), CRect(153, 87, 219, 113)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MouseButtonView* view = c.make(*this);
        window.PaintNow();
        EXPECT_EQ(view->GetItemRect(1), c.secondRect);
        recorder.Clear();
        input.Click(c.between);
        EXPECT_TRUE(recorder.seen.empty());
        EXPECT_EQ(view->GetSelectItem(), -1);

        input.Click(c.second);
        EXPECT_EQ(view->GetSelectItem(), 1);
        ASSERT_EQ(recorder.seen.size(), 2u);
        EXPECT_EQ(std::make_tuple(recorder.seen[0].id, recorder.seen[0].code, recorder.seen[0].wparam), std::make_tuple(kId, 1u, WPARAM(1)));
        EXPECT_EQ(std::make_tuple(recorder.seen[1].id, recorder.seen[1].code, recorder.seen[1].wparam), std::make_tuple(kId, 2u, WPARAM(1)));
        EXPECT_TRUE(recorder.AllOnThisThread());
        EXPECT_EQ(view->GetItemKeyValue(1), 2);
        EXPECT_EQ(view->GetItemKeyValue(7), 0);
        window.Manager().RemoveControl(view);
        input.MoveTo(CPoint(390, 290));
    }
}

TEST_F(MouseButtonsTest, TheListFillsRowsAtTheirPitchAndNamesTheHoveredButtonInItsTooltip) {
    MouseKeyCtrl* list = MakeList();
    list->SetSelectItem(1);
    list->SetItemKeyDesc(99, L"nobody");  // no such button: nothing changes
    list->SetItemKeyDesc(3, L"Back");
    EXPECT_STREQ(list->GetItemKeyDesc(2).GetString(), L"Back");
    window.PaintNow();
    const struct {
        int y;
        DWORD colour;
    } probes[] = {{20, 0x333333}, {46, 0x333333}, {47, kBackground}, {51, kBackground}, {52, Highlight()},
                  {78, Highlight()}, {79, kBackground}, {84, 0x333333}};
    for (const auto& p : probes) EXPECT_EQ(window.Pixel(kList.left + 3, p.y), p.colour) << p.y;

    input.MoveTo(CPoint(100, 95));
    EXPECT_EQ(list->GetHoverItem(), 2);
    wchar_t text[80] = {};
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.lpszText = text;
    ASSERT_NE(window.Manager().GetToolTipWnd(), nullptr);
    ASSERT_TRUE(::SendMessageW(window.Manager().GetToolTipWnd(), TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_STREQ(text, L"Wheel\nBack");
}

TEST_F(MouseButtonsTest, ThePictureDrawsLeadersAndLabelBoxesFromTheSkin) {
    MouseCtrl* picture = MakePicture();
    picture->SetSelectItem(0);
    window.PaintNow();
    const statustest::SkinPicture skin(L"img_key_bkg.png");
    const CRect chosen = picture->GetItemRect(0), other = picture->GetItemRect(1);
    EXPECT_EQ(chosen, CRect(20 + 61, 20 + 17, 20 + 127, 20 + 43));
    const CPoint edge(3, 13);  // inside the box's left edge, clear of the name
    EXPECT_TRUE(statustest::Near(window.Pixel(chosen.left + edge.x, chosen.top + edge.y),
                                 statustest::Over(skin.At(66 + edge.x, edge.y), kBackground)));
    EXPECT_TRUE(statustest::Near(window.Pixel(other.left + edge.x, other.top + edge.y),
                                 statustest::Over(skin.At(edge.x, edge.y), kBackground)));
    // Leaders: the chosen one in the highlight colour, the other white.
    EXPECT_TRUE(statustest::Near(window.Pixel(20 + 50, 20 + 30), Highlight())) << std::hex << window.Pixel(20 + 50, 20 + 30) << " " << window.Pixel(20 + 50, 20 + 29) << " " << window.Pixel(20 + 50, 20 + 31);
    EXPECT_TRUE(statustest::Near(window.Pixel(20 + 220, 20 + 80), 0xFFFFFF)) << std::hex << window.Pixel(20 + 220, 20 + 80);
}

TEST(MouseFactoryTest, PanelsMakeTheFourWidgetsDialogsNone) {
    harness::TestWindow window;
    statustest::Recorder recorder{window};
    for (const wchar_t* name : {L"MacroList", L"CRecordList", L"MouseKeyCtrl", L"MouseCtrl"}) {
        SCOPED_TRACE(std::wstring(name));
        const CRect rect(10, 10, 210, 160);
        EXPECT_EQ(Kelvo::CreateDialogControl(name, &recorder, 7, rect, L"", 1, 1), nullptr);
        Kelvo::MControl* made = Kelvo::CreatePanelControl(name, &recorder, 7, rect, L"", 1, 1);
        ASSERT_NE(made, nullptr);
        window.Add(made);
        EXPECT_STREQ(made->GetClassNameW(), name);
        EXPECT_EQ(made->GetRect(), rect);
    }
}

}  // namespace

namespace {

// The pixels of the name column of list row `row`, left to right, top to bottom.
std::vector<DWORD> NameColumn(harness::TestWindow& window, int row) {
    std::vector<DWORD> pixels;
    const int top = kList.top + 2 + row * 32;
    for (int y = top; y < top + 23; ++y)
        for (int x = kList.left + 10; x < kList.left + 80; ++x) pixels.push_back(window.Pixel(x, y));
    return pixels;
}

}  // namespace

// Button names come from the language files and can be longer than their column. Cut at
// the last whole letter, "Right button" would look exactly like "Right butt" or
// "Right butto"; drawn small enough to fit, it looks like neither.
TEST_F(MouseButtonsTest, ANameTooLongForItsColumnIsNotSilentlyCut) {
    auto* list = window.Add(new MouseKeyCtrl(&recorder, kId, kList, 1));
    ASSERT_NE(window.Manager().AddTempFont(L"Open Sans Semibold", Kelvo::test::FontFile("Semibold").c_str()), nullptr);
    list->SetFont(L"Open Sans Semibold", 14, 0);
    for (const wchar_t* name : {L"Right button", L"Right butt", L"Right butto"}) list->AddItem(name, L"", 0);
    window.PaintNow();
    const std::vector<DWORD> whole = NameColumn(window, 0);
    EXPECT_NE(std::count(whole.begin(), whole.end(), 0x333333), static_cast<long>(whole.size())) << "no name drawn";
    EXPECT_TRUE(whole != NameColumn(window, 1));
    EXPECT_TRUE(whole != NameColumn(window, 2));
}
