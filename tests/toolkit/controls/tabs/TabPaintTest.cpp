// What tab strips leave in the window's back buffer: a vertical strip's grey outlines,
// the white outline of the hovered tab and the white fill of the selected one with the
// second frame of its icon; a horizontal strip's icons, the second frame where hovered or
// selected.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MTabCtrl.h"
#include "TabTestSupport.h"

namespace {

using Kelvo::MTabCtrl;

constexpr DWORD kBackground = 0x102030;
constexpr DWORD kGrey = 0x6D6D6D;
constexpr DWORD kWhite = 0xFFFFFF;
constexpr DWORD kNormalIcon = tabtest::kFrame0 & 0xFFFFFF;
constexpr DWORD kSelectedIcon = tabtest::kFrame1 & 0xFFFFFF;

struct Probe {
    const char* what;
    CPoint at;
    DWORD rgb;
};

struct Look {
    const char* name;
    int selected;
    CPoint pointer;  // where the pointer moves (outside the control: no hover)
    std::vector<Probe> probes;
};

class TabPaintTest : public ::testing::Test {
protected:
    void SetUp() override { window.Manager().SetBackColor(RGB(0x10, 0x20, 0x30), RGB(0x10, 0x20, 0x30)); }

    MTabCtrl* MakeStrip(Kelvo::TAB_TYPE type, CRect rect, int tabHeight, int width) {
        auto* tab = window.Add(new MTabCtrl(&recorder, 44, rect, 1, 1));
        tab->SetTabType(type);
        tab->SetTabCtrlHeight(tabHeight);
        for (int i = 0; i < 4; ++i) tab->InsertItem(i + 1, L"tab", icon.c_str(), nullptr, 2, width);
        return tab;
    }

    void Check(MTabCtrl* tab, const std::vector<Look>& looks) {
        for (const Look& look : looks) {
            SCOPED_TRACE(look.name);
            tab->SetSelectItem(look.selected);
            tab->OnControlMouseMove(0, look.pointer);
            window.PaintNow();
            for (const Probe& probe : look.probes)
                EXPECT_EQ(window.Pixel(probe.at.x, probe.at.y), probe.rgb) << probe.what;
        }
    }

    harness::TestWindow window;
    tabtest::Recorder recorder{window};
    std::wstring icon = tabtest::TwoFrameIcon();
};

TEST_F(TabPaintTest, VerticalTabsAreOutlinedHoveredAndFilled) {
    MTabCtrl* tab = MakeStrip(Kelvo::TAB_VERTICAL, CRect(20, 20, 76, 300), 56, 56);
    tab->RefreshItems();  // tabs at y 20, 77, 134, 191, each 56 high
    ASSERT_EQ(tab->GetItemInfo(3)->rect, CRect(20, 191, 76, 247));
    Check(tab, {
                   {"tab 1 selected, tab 2 hovered",
                    1,
                    CPoint(48, 162),
                    {{"first tab's outline", {21, 48}, kGrey},
                     {"first tab's icon", {48, 48}, kNormalIcon},
                     {"inside the first tab", {30, 48}, kBackground},
                     {"selected tab's fill", {30, 105}, kWhite},
                     {"selected tab's icon", {48, 105}, kSelectedIcon},
                     {"hovered tab's outline", {21, 162}, kWhite},
                     {"hovered tab's icon", {48, 162}, kNormalIcon},
                     {"inside the hovered tab", {30, 162}, kBackground},
                     {"last tab's outline", {21, 219}, kGrey},
                     {"last tab's icon", {48, 219}, kNormalIcon},
                     {"below the tabs", {48, 270}, kBackground}}},
                   {"tab 3 selected, nothing hovered",
                    3,
                    CPoint(300, 280),
                    {{"tab 1 normal again", {30, 105}, kBackground},
                     {"tab 1's outline", {21, 105}, kGrey},
                     {"tab 1's icon", {48, 105}, kNormalIcon},
                     {"tab 2's outline grey again", {21, 162}, kGrey},
                     {"last tab filled", {30, 219}, kWhite},
                     {"last tab's icon", {48, 219}, kSelectedIcon}}},
               });
}

TEST_F(TabPaintTest, HorizontalTabsShowTheirSecondFrameWhenHoveredOrSelected) {
    MTabCtrl* tab = MakeStrip(Kelvo::TAB_HORIZONTAL, CRect(20, 20, 380, 280), 40, 60);
    tab->SetTopBottomPading(6, 0);
    tab->RefreshItems();  // tabs 60 wide from x 20, y 26 to 66; icons 10 below the padding
    ASSERT_EQ(tab->GetItemInfo(1)->rect, CRect(80, 26, 140, 66));
    Check(tab, {
                   {"tab 1 selected, tab 2 hovered",
                    1,
                    CPoint(170, 45),
                    {{"tab 0's icon", {50, 45}, kNormalIcon},
                     {"selected tab's icon", {110, 45}, kSelectedIcon},
                     {"hovered tab's icon", {170, 45}, kSelectedIcon},
                     {"tab 3's icon", {230, 45}, kNormalIcon},
                     {"beside an icon", {25, 45}, kBackground},
                     {"above an icon", {50, 34}, kBackground},
                     {"below an icon", {50, 60}, kBackground}}},
                   {"tab 3 selected, nothing hovered",
                    3,
                    CPoint(300, 270),
                    {{"tab 1's icon", {110, 45}, kNormalIcon},
                     {"tab 2's icon", {170, 45}, kNormalIcon},
                     {"selected tab's icon", {230, 45}, kSelectedIcon}}},
               });
}

}  // namespace
