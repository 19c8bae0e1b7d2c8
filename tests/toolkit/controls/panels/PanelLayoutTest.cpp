// How a panel lays out its bars and measures its content, what a tab page takes from the
// mouse, and the controls that panels and windows make by class name.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "CScrollHorizontal.h"
#include "CScrollVertical.h"
#include "ControlFactory.h"
#include "MPanel.h"
#include "MTabLayout.h"
#include "RecordingControl.h"
#include "TestWindow.h"

using namespace Kelvo;

namespace {

const CRect kPanelRect(10, 10, 210, 110);  // 200 x 100

TEST(PanelLayoutTest, BarsAppearOnlyForContentBeyondThePanel) {
    const struct {
        const char* name;
        std::vector<CRect> children;
        int virtualHeight, virtualWidth;
        bool vertical, horizontal;
    } cases[] = {
        {"empty", {}, 0, 0, false, false},
        {"40 pixels below", {{20, 20, 100, 150}}, 140, 90, true, false},
        {"furthest child first", {{20, 20, 100, 150}, {20, 20, 60, 60}}, 140, 90, true, false},
        {"furthest child last", {{20, 20, 60, 60}, {20, 20, 100, 150}}, 140, 90, true, false},
        {"exactly filling", {{10, 10, 210, 110}}, 100, 200, false, false},
        {"wider only", {{20, 20, 300, 60}}, 50, 290, false, true},
        {"both ways", {{20, 20, 60, 160}, {250, 20, 260, 30}}, 150, 250, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        harness::EventLog log;
        MPanel panel(nullptr, 50, CRect(), 1);
        UINT id = 100;
        for (const CRect& rect : c.children)
            panel.AttachControl(1, new harness::RecordingControl(&panel, log, "child", id++, rect));
        panel.SetControlRect(kPanelRect);
        EXPECT_EQ(panel.GetVirtualHeight(), c.virtualHeight);
        EXPECT_EQ(panel.GetVirtualWidth(), c.virtualWidth);
        CScrollVertical* vertical = panel.GetVerticalBar();
        CScrollHorizontal* horizontal = panel.GetHorizontalBar();
        EXPECT_EQ(vertical->GetRect(), CRect(205, 10, 210, 110));
        EXPECT_EQ(horizontal->GetRect(), CRect(10, 105, 210, 110));
        EXPECT_EQ(vertical->IsVisible(), c.vertical ? 1 : 0);
        EXPECT_EQ(horizontal->IsVisible(), c.horizontal ? 1 : 0);
        EXPECT_EQ(vertical->GetScrollMaxRange(), c.virtualHeight);
        EXPECT_EQ(horizontal->GetScrollMaxRange(), c.virtualWidth);
        EXPECT_EQ(panel.GetScrollVertical(), vertical);
        EXPECT_EQ(vertical->GetControlID(), 1u);
        EXPECT_EQ(horizontal->GetControlID(), 2u);
    }
}

TEST(PanelLayoutTest, ThumbOfABarFollowsItsLengthAndRange) {
    const struct {
        CRect bar;
        int maxRange, position;
        CRect thumb;
        int page;
        bool shown;
    } cases[] = {
        {{0, 0, 5, 300}, 1000, 0, {0, 0, 5, 100}, 300, true},       // 90 raised to 100
        {{0, 0, 5, 120}, 1000, 0, {0, 0, 5, 70}, 120, true},        // a short bar: 120 - 50
        {{0, 0, 5, 300}, 1000, 500, {0, 100, 5, 200}, 300, true},
        {{0, 0, 5, 100}, 140, 140, {0, 50, 5, 100}, 100, true},     // a panel 40 pixels short
        {{0, 0, 5, 300}, 200, 0, {0, 0, 5, 300}, 300, false},       // everything fits
        {{0, 0, 5, 30}, 1000, 0, {}, 100, true},  // a tenth of the range; no room for a thumb at all
        {{0, 0, 5, 300}, 0, 0, {}, 300, false},                     // no range
        {{0, 0, 5, 300}, -20, 0, {}, 300, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bar.Height() << " px, range " << c.maxRange);
        CScrollVertical bar(nullptr, 1, c.bar, 1);
        bar.SetScrollInfo(c.maxRange, c.position, 0, 0);
        EXPECT_EQ(bar.GetThumbRect(), c.thumb);
        EXPECT_EQ(bar.GetScrollPageSize(), c.page);
        EXPECT_EQ(bar.IsThumbShown(), c.shown && !c.thumb.IsRectEmpty() ? 1 : 0);
    }
    CScrollHorizontal bar(nullptr, 2, CRect(10, 0, 310, 5), 1);
    bar.SetScrollInfo(1000, 500, 0, 0);
    EXPECT_EQ(bar.GetThumbRect(), CRect(110, 0, 210, 5));
}

TEST(PanelLayoutTest, EmptyPanelHasNoThumbAndNothingDividesByZero) {
    harness::TestWindow window;
    auto* panel = window.Add(new MPanel(&window, 50, kPanelRect, 1));
    auto* zero = window.Add(new MPanel(&window, 51, CRect(), 1));
    for (MPanel* p : {panel, zero}) {
        CScrollVertical* bar = p->GetVerticalBar();
        EXPECT_EQ(bar->GetScrollMaxRange(), 0);
        EXPECT_EQ(bar->IsThumbShown(), 0);
        EXPECT_TRUE(bar->GetThumbRect().IsRectEmpty());
        bar->SetScrollCurrentPos(50);
        EXPECT_EQ(bar->GetScrollCurrentPos(), 0);
        EXPECT_EQ(bar->MoveRange(10), 0);
        EXPECT_EQ(bar->ScrollRow(3), 0);
        EXPECT_EQ(p->GetVerticalOffset(), 0);
        EXPECT_EQ(p->GetHorizontalOffset(), 0);
        p->OnScroll(1, 1, p->GetRect().TopLeft());
        EXPECT_EQ(bar->GetScrollCurrentPos(), 0);
    }
    window.PaintNow();
    window.Pump(20);
    EXPECT_TRUE(window.notifications.empty());
}

TEST(PanelLayoutTest, EnablingReachesEveryChildThatDiffers) {
    harness::EventLog log;
    harness::TestWindow window;
    auto* panel = window.Add(new MPanel(&window, 50, kPanelRect, 1));
    auto* on = new harness::RecordingControl(panel, log, "on", 100, CRect(20, 20, 60, 60));
    auto* off = new harness::RecordingControl(panel, log, "off", 101, CRect(20, 70, 60, 90), 1, 0);
    panel->AttachControl(1, on);
    panel->AttachControl(1, off);
    panel->SetEnabled(0);
    for (MControl* child : panel->GetControls()) EXPECT_EQ(child->IsEnabled(), 0) << child->GetControlID();
    panel->SetEnabled(1);
    for (MControl* child : panel->GetControls()) EXPECT_EQ(child->IsEnabled(), 1) << child->GetControlID();
}

TEST(PanelLayoutTest, TabPageTakesOnlyPointsOnItsChildren) {
    harness::EventLog log;
    MTabLayout page(nullptr, 60, CRect(0, 0, 200, 200), 1);
    page.AttachControl(1, new harness::RecordingControl(&page, log, "shown", 100, CRect(20, 20, 60, 60)));
    page.AttachControl(1, new harness::RecordingControl(&page, log, "hidden", 101, CRect(100, 100, 150, 150), 0));
    page.AttachControl(1, new harness::RecordingControl(&page, log, "beyond", 102, CRect(150, 250, 180, 300)));
    const struct {
        CPoint point;
        int responds;
    } cases[] = {
        {{30, 30}, 1}, {{10, 10}, 0}, {{120, 120}, 0}, {{160, 260}, 1}, {{198, 100}, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(page.OnCheckMouseResponse(0, c.point), c.responds) << c.point.x;

    // A page measures nothing and lays no bars out, however far its children reach.
    page.SetControlRect(CRect(5, 5, 100, 100));
    EXPECT_EQ(page.GetRect(), CRect(5, 5, 100, 100));
    EXPECT_EQ(page.GetVirtualHeight(), 0);
    EXPECT_EQ(page.GetVerticalBar()->IsVisible(), 0);
    EXPECT_EQ(page.OnCheckMouseResponse(0, CPoint(98, 50)), 0);  // where a bar would be
}

TEST(PanelLayoutTest, TablesMakeTabPagesOnly) {
    harness::TestWindow parent;
    const struct {
        const wchar_t* name;
        bool made;
    } cases[] = {
        {L"MTabLayout", true}, {L"MPanel", false}, {L"MScroll", false},
        {L"CScrollVertical", false}, {L"CScrollHorizontal", false}, {L"mtablayout", false}, {L"", false},
    };
    for (const auto& c : cases) {
        for (bool dialog : {true, false}) {
            SCOPED_TRACE(testing::Message() << (dialog ? "window " : "panel ") << testing::PrintToString(std::wstring(c.name)));
            const CRect rect(1, 2, 30, 40);
            std::unique_ptr<MControl> made(dialog ? CreateDialogControl(c.name, &parent, 77, rect, L"T", 0, 1)
                                                  : CreatePanelControl(c.name, &parent, 77, rect, L"T", 0, 1));
            ASSERT_EQ(made != nullptr, c.made);
            if (!made) continue;
            EXPECT_STREQ(made->GetClassNameW(), L"MTabLayout");
            EXPECT_EQ(made->GetControlID(), 77u);
            EXPECT_EQ(made->GetRect(), rect);
            EXPECT_EQ(made->IsVisible(), 0);
            EXPECT_EQ(made->GetParantObject(), &parent);
        }
    }
}

TEST(PanelLayoutTest, CreatedChildrenJoinTheirListAndAreFoundByIdInOrder) {
    harness::TestWindow window;
    auto* panel = window.Add(new MPanel(&window, 50, kPanelRect, 1));
    const size_t before = panel->GetControls().size();

    MControl* page = panel->CreateControl(L"MTabLayout", 200, CRect(20, 20, 100, 100), L"", 1, 1);
    MControl* area = panel->CreateArea(L"MTabLayout", 200, CRect(20, 20, 100, 100), L"", 1, 1);
    ASSERT_NE(page, nullptr);
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(panel->CreateControl(L"NoSuchControl", 201, CRect(), L"", 1, 1), nullptr);
    EXPECT_EQ(panel->CreateArea(L"NoSuchControl", 202, CRect(), L"", 1, 1), nullptr);

    const std::vector<MControl*>& children = panel->GetControls();
    ASSERT_EQ(children.size(), before + 1);
    // Beneath the panel's bars, which stay on top.
    EXPECT_EQ(children[children.size() - 3], page);
    EXPECT_EQ(children.back(), panel->GetHorizontalBar());
    ASSERT_EQ(panel->GetAreas().size(), 1u);
    EXPECT_EQ(panel->GetAreas().front(), area);
    EXPECT_EQ(page->GetManager(), &window.Manager());
    EXPECT_EQ(page->GetParantObject(), panel);
    // Creation lays nothing out: the content is measured on the next SetControlRect.
    EXPECT_EQ(panel->GetVirtualHeight(), 0);

    // The control list is searched before the area list, each child before its own children.
    auto* inner = static_cast<MTabLayout*>(page);
    MControl* nested = inner->CreateControl(L"MTabLayout", 300, CRect(30, 30, 40, 40), L"", 1, 1);
    MControl* deep = static_cast<MTabLayout*>(area)->CreateControl(L"MTabLayout", 301, CRect(), L"", 1, 1);
    const struct {
        UINT id;
        MControl* found;
    } cases[] = {{200, page}, {300, nested}, {301, deep}, {999, nullptr}};
    for (const auto& c : cases) EXPECT_EQ(panel->GetControl(c.id), c.found) << c.id;
}

}  // namespace
