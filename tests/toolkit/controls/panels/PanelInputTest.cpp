// Real pointer input on panels: the wheel, clicks on scrolled content, children's
// notifications travelling up through panels, and dragging and paging the thumb.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CScrollVertical.h"
#include "InputDriver.h"
#include "MPanel.h"
#include "RecordingControl.h"
#include "TestWindow.h"

using namespace Kelvo;

namespace {

const CRect kPanelRect(10, 10, 210, 110);  // 200 x 100

// A panel whose content reaches 40 pixels below it: "top" is visible unscrolled, "low"
// only once the content is scrolled. Its log comes before the window, which destroys the
// controls that write to it.
struct ScrolledPanel {
    harness::EventLog log;
    harness::TestWindow window;
    MPanel* panel = nullptr;
    harness::RecordingControl* top = nullptr;
    harness::RecordingControl* low = nullptr;

    ScrolledPanel() {
        panel = window.Add(new MPanel(&window, 50, CRect(), 1));
        top = new harness::RecordingControl(panel, log, "top", 100, CRect(20, 20, 150, 60));
        low = new harness::RecordingControl(panel, log, "low", 101, CRect(20, 100, 150, 150));
        panel->AttachControl(1, top);
        panel->AttachControl(1, low);
        panel->SetControlRect(kPanelRect);
        window.PaintNow();
    }
};

// Positions carried by the notifications 8 that control `id` sent, in order.
std::vector<WPARAM> PositionsFrom(const harness::TestWindow& window, UINT id) {
    std::vector<WPARAM> positions;
    for (const harness::Notification& n : window.notifications)
        if (n.id == id && n.code == kNotifyPositionChanged) positions.push_back(n.wparam);
    return positions;
}

TEST(PanelInputTest, WheelStepsAreClampedAndShiftTheContent) {
    ScrolledPanel content;
    harness::TestWindow& window = content.window;
    CScrollVertical* bar = content.panel->GetVerticalBar();
    ASSERT_EQ(bar->GetScrollMaxRange(), 140);
    const struct {
        int direction, notches, position, offset;
    } steps[] = {
        {1, 1, 10, 2},  // 40 x 10 / 140
        {1, 2, 30, 8},
        {0, 5, 0, 0},   // clamped at the top
        {1, 20, 140, 40},
        {1, 1, 140, 40},  // and at the bottom
        {0, 7, 70, 20},
    };
    for (const auto& s : steps) {
        for (int i = 0; i < s.notches; ++i) EXPECT_EQ(content.panel->OnScroll(1, s.direction, CPoint(180, 80)), 1);
        EXPECT_EQ(bar->GetScrollCurrentPos(), s.position);
        EXPECT_EQ(content.panel->GetVerticalOffset(), s.offset);
        CPoint point(50, 50);
        EXPECT_EQ(content.panel->OnMousePointChange(point), 1);
        EXPECT_EQ(point, CPoint(50, 50 + s.offset));
    }
    content.panel->SetEnableScroll(0);
    EXPECT_EQ(content.panel->OnScroll(1, 1, CPoint(180, 80)), 0);
    EXPECT_EQ(bar->GetScrollCurrentPos(), 70);
    EXPECT_EQ(content.panel->GetVerticalOffset(), 0);

    EXPECT_TRUE(content.log.Starting("top:scroll").empty());
    EXPECT_TRUE(window.notifications.empty());  // the wheel moves the bar without notifying
}

TEST(PanelInputTest, RealWheelNotchesMoveTheBar) {
    ScrolledPanel content;
    harness::TestWindow& window = content.window;
    harness::InputDriver input(window);
    input.MoveTo(CPoint(180, 80));  // on the panel, on no child (a hot child would take the wheel)
    const struct {
        int delta, position;
    } notches[] = {{-120, 10}, {-360, 40}, {1200, 0}, {-2400, 140}};
    for (const auto& n : notches) {
        input.Wheel(n.delta);
        EXPECT_EQ(content.panel->GetVerticalBar()->GetScrollCurrentPos(), n.position) << n.delta;
    }
    EXPECT_TRUE(content.log.Starting("top:scroll").empty());
}

// A list refill empties the panel and fills it again: the bars stay the panel's and go
// on working, with the wheel, a new range and the next layout.
TEST(PanelInputTest, BarsOutliveTheRemovalOfTheContent) {
    const struct {
        const char* name;
        void (*remove)(MPanel&);
    } removals[] = {
        {"all children", [](MPanel& panel) { panel.RemoveAllControl(); }},
        {"the vertical bar", [](MPanel& panel) { panel.RemoveControl(panel.GetScrollVertical()); }},
        {"the horizontal bar", [](MPanel& panel) { panel.RemoveControl(panel.GetScrollHorizontal()); }},
        {"the bar through the window", [](MPanel& panel) { panel.GetManager()->RemoveControl(panel.GetScrollVertical()); }},
    };
    for (const auto& r : removals) {
        SCOPED_TRACE(r.name);
        ScrolledPanel content;
        MPanel& panel = *content.panel;
        r.remove(panel);
        EXPECT_EQ(panel.GetControl(MPanel::kVerticalBarId), panel.GetScrollVertical());
        EXPECT_EQ(panel.GetControl(MPanel::kHorizontalBarId), panel.GetScrollHorizontal());

        auto* refill = new harness::RecordingControl(&panel, content.log, "refill", 102, CRect(20, 20, 150, 310));
        panel.AttachControl(1, refill);
        panel.SetControlRect(kPanelRect);
        EXPECT_EQ(panel.GetVerticalBar()->GetScrollMaxRange(), 300);
        EXPECT_EQ(panel.OnControlScroll(1, 1, CPoint(180, 80)), 1);
        EXPECT_EQ(panel.GetVerticalBar()->GetScrollCurrentPos(), 10);
        content.window.PaintNow();
        EXPECT_EQ(panel.GetControls().back(), panel.GetScrollHorizontal());
    }
}

TEST(PanelInputTest, ClickReachesTheChildUnderTheScrolledPoint) {
    const struct {
        int position;
        CPoint click;
        const char* expected;
    } cases[] = {
        {0, {50, 40}, "top:ldown@50,40"},
        {140, {50, 70}, "low:ldown@50,110"},
        {70, {60, 85}, "low:ldown@60,105"},
        {140, {50, 15}, "top:ldown@50,55"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        ScrolledPanel content;
        harness::TestWindow& window = content.window;
        harness::InputDriver input(window);
        content.panel->GetVerticalBar()->SetScrollCurrentPos(c.position);
        input.Click(c.click);
        std::vector<std::string> presses;
        for (const std::string& entry : content.log.entries)
            if (entry.find(":ldown") != std::string::npos) presses.push_back(entry);
        EXPECT_EQ(presses, std::vector<std::string>{c.expected});
    }
}

TEST(PanelInputTest, ChildNotificationsReachTheWindowWithTheChildsId) {
    const struct {
        const char* name;
        int depth;
    } cases[] = {{"in a panel", 1}, {"in a panel in a panel", 2}, {"in three panels", 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        harness::EventLog log;
        harness::TestWindow window;
        MPanel* holder = window.Add(new MPanel(&window, 50, CRect(10, 10, 300, 250), 1));
        for (int level = 1; level < c.depth; ++level) {
            auto* inner = new MPanel(holder, 50 + level, CRect(10 + 10 * level, 10 + 10 * level, 290, 240), 1);
            holder->AttachControl(1, inner);
            holder = inner;
        }
        auto* child = new harness::RecordingControl(holder, log, "child", 700, CRect(100, 100, 160, 140));
        child->onEvent = [](harness::RecordingControl& self, const std::string& event) {
            if (event.rfind("ldown", 0) == 0) self.SendMessageW(kNotifyPressed, 11, 22);
        };
        holder->AttachControl(1, child);
        window.PaintNow();

        harness::InputDriver input(window);
        input.Click(CPoint(120, 120));
        EXPECT_EQ(child->SendMessageW(kNotifyActivated, 33, 44), 0);
        ASSERT_EQ(window.notifications.size(), 2u);
        const harness::Notification expected[] = {{700, kNotifyPressed, 11, 22}, {700, kNotifyActivated, 33, 44}};
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(window.notifications[i].id, expected[i].id) << i;
            EXPECT_EQ(window.notifications[i].code, expected[i].code) << i;
            EXPECT_EQ(window.notifications[i].wparam, expected[i].wparam) << i;
            EXPECT_EQ(window.notifications[i].lparam, expected[i].lparam) << i;
        }
    }
}

// Notes whether the bar said it was moving itself when each notification arrived.
class ChangingWindow : public harness::TestWindow {
public:
    LRESULT OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override {
        if (bar) changing.push_back(bar->IsChangeing());
        return harness::TestWindow::OnBaseMessage(id, code, wparam, lparam);
    }
    MScroll* bar = nullptr;
    std::vector<int> changing;
};

TEST(PanelInputTest, DraggingTheThumbNotifiesEachNewPosition) {
    ChangingWindow window;
    MPanel* panel = window.Add(new MPanel(&window, 50, kPanelRect, 1));
    panel->SetVirtualHeight(1000);
    CScrollVertical* bar = panel->GetVerticalBar();
    window.bar = bar;
    ASSERT_EQ(bar->IsVisible(), 1);
    ASSERT_EQ(bar->GetThumbRect(), CRect(205, 10, 210, 60));  // 50 px on a 100 px bar
    window.PaintNow();

    // Through the panel's routing, as the window hands pointer events on: the bar gets
    // window points however far the content is scrolled.
    panel->OnMouseMove(0, CPoint(207, 30));
    EXPECT_EQ(bar->GetState(), MScroll::kThumbHover);
    panel->OnLButtonDown(MK_LBUTTON, CPoint(207, 30));
    EXPECT_EQ(bar->GetState(), MScroll::kDragging);
    panel->OnMouseMove(MK_LBUTTON, CPoint(207, 55));  // 25 of the 50 free pixels
    EXPECT_EQ(bar->GetThumbRect(), CRect(205, 35, 210, 85));
    panel->OnMouseMove(MK_LBUTTON, CPoint(207, 109));  // beyond the end: the thumb stops there
    EXPECT_EQ(bar->GetThumbRect(), CRect(205, 60, 210, 110));
    panel->OnLButtonUp(0, CPoint(207, 109));
    EXPECT_EQ(bar->GetState(), MScroll::kThumbHover);

    EXPECT_EQ(PositionsFrom(window, 1), (std::vector<WPARAM>{500, 1000}));
    EXPECT_EQ(window.changing, (std::vector<int>{1, 1}));
    EXPECT_EQ(bar->IsChangeing(), 0);
    EXPECT_EQ(bar->GetScrollCurrentPos(), 1000);
    EXPECT_EQ(panel->GetVerticalOffset(), 900);  // all of the overflow: 10 + 1000 - 110
}

TEST(PanelInputTest, ClicksOnTheTrackPageTowardsThePointer) {
    harness::TestWindow window;
    MPanel* panel = window.Add(new MPanel(&window, 50, kPanelRect, 1));
    panel->SetVirtualHeight(1000);
    CScrollVertical* bar = panel->GetVerticalBar();
    window.PaintNow();
    // One page is the page's share of the track: 100 x 100 / 1000 = 10 pixels.
    const struct {
        CPoint click;
        int thumbTop;
    } clicks[] = {{{207, 90}, 20}, {{207, 100}, 30}, {{207, 15}, 20}, {{207, 12}, 10}, {{207, 11}, 10}};
    for (const auto& c : clicks) {
        panel->OnLButtonDown(MK_LBUTTON, c.click);
        panel->OnLButtonUp(0, c.click);
        EXPECT_EQ(bar->GetThumbRect().top, c.thumbTop) << c.click.y;
    }
    // The last click landed on the thumb itself: that starts a drag and sends nothing.
    EXPECT_EQ(PositionsFrom(window, 1), (std::vector<WPARAM>{200, 400, 200, 0}));
}

TEST(PanelInputTest, TheBarStaysAboveAChildAddedUnderIt) {
    harness::EventLog log;
    harness::TestWindow window;
    MPanel* panel = window.Add(new MPanel(&window, 50, kPanelRect, 1));
    // Content as wide as the panel and 1000 pixels high, added after the panel made its bars.
    auto* row = new harness::RecordingControl(panel, log, "row", 100, CRect(10, 10, 210, 1010));
    panel->AttachControl(1, row);
    panel->SetVirtualHeight(1000);
    window.PaintNow();
    EXPECT_NE(window.Pixel(207, 35), 0x204080u) << "the row's colour over the thumb";
    EXPECT_EQ(window.Pixel(150, 35), 0x204080u);

    panel->OnLButtonDown(MK_LBUTTON, CPoint(207, 90));
    panel->OnLButtonUp(0, CPoint(207, 90));
    EXPECT_EQ(PositionsFrom(window, 1), (std::vector<WPARAM>{200}));
    EXPECT_TRUE(log.Starting("row:ldown").empty());
    panel->OnLButtonDown(MK_LBUTTON, CPoint(150, 90));
    // Paged to 200 of 1000: 180 of the 900 overflowing pixels are scrolled away.
    EXPECT_EQ(log.Starting("row:ldown"), (std::vector<std::string>{"row:ldown@150,270"}));
}

}  // namespace
