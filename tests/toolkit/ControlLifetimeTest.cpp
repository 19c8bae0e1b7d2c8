// Removing and destroying controls: a removed control (and everything under it) is gone
// from every list and slot the paint manager keeps, hears nothing more, and may even be
// removed by its own handler or by a walk that has still to reach it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "InputDriver.h"
#include "RecordingControl.h"
#include "TestWindow.h"

namespace {

using harness::EventLog;
using harness::InputDriver;
using harness::RecordingControl;
using harness::TestWindow;
using Strings = std::vector<std::string>;

class ControlLifetimeTest : public ::testing::Test {
protected:
    RecordingControl* Make(const std::string& name, UINT id, CRect rect) {
        return window.Add(new RecordingControl(&window, log, name, id, rect));
    }

    EventLog log;  // outlives the window, whose controls write to it as they go
    TestWindow window;
    InputDriver input{window};
};

// Registers `target` everywhere the manager keeps controls: hover, focus, caret, tooltip,
// the tick list and a window timer.
void RegisterEverywhere(TestWindow& window, InputDriver& input, RecordingControl* target, CPoint inside) {
    Kelvo::PaintManager& manager = window.Manager();
    target->SetTooltip(L"a tip");
    input.MoveTo(inside);
    input.LeftDown();
    input.LeftUp();
    input.MoveTo(CPoint(inside.x + 1, inside.y));
    manager.CreateCaret(nullptr, 2, 14);
    manager.SetCaretPos(target, inside.x, inside.y);
    manager.ShowCaret(1);
    target->AddMTimer();
    target->SetRunTimer(1);
    manager.SetTimer(target, 3, 10);
}

TEST_F(ControlLifetimeTest, RemovalUnregistersTheControlAndItsChildrenEverywhere) {
    Kelvo::PaintManager& manager = window.Manager();
    const struct {
        const char* removed;
        bool nested;  // the registered control is a child of the one removed
    } cases[] = {{"the control itself", false}, {"its container", true}};
    for (const auto& c : cases) {
        RecordingControl* box = Make("box", 10, CRect(10, 10, 210, 110));
        RecordingControl* target = box;
        if (c.nested) {
            target = new RecordingControl(box, log, "target", 20, CRect(20, 20, 120, 80));
            box->AttachControl(1, target);
        }
        RegisterEverywhere(window, input, target, CPoint(50, 50));
        manager.SetMTimer(10);
        window.PumpUntil([&] { return target->tickThreads.size() >= 4; }, 2000);
        ASSERT_EQ(manager.GetHoverControl(), box) << c.removed;
        ASSERT_EQ(manager.GetFocusControl(), target) << c.removed;
        ASSERT_EQ(manager.GetCurrentCaretObject(), target) << c.removed;
        ASSERT_EQ(manager.GetTooltipCtrlID(), static_cast<int>(target->GetControlID())) << c.removed;
        ASSERT_GE(target->tickThreads.size(), 4u) << c.removed;

        log.Clear();
        EXPECT_EQ(manager.RemoveControl(box), 1) << c.removed;
        EXPECT_EQ(manager.GetHoverControl(), nullptr) << c.removed;
        EXPECT_EQ(manager.GetFocusControl(), nullptr) << c.removed;
        EXPECT_EQ(manager.GetCurrentCaretObject(), nullptr) << c.removed;
        EXPECT_EQ(manager.GetTooltipCtrlID(), 0) << c.removed;
        EXPECT_EQ(manager.GetControl(10), nullptr) << c.removed;
        // The target lost its focus on the way out, and then nothing but its end is heard.
        EXPECT_EQ(log.entries.front(), c.nested ? "target:blur" : "box:blur") << c.removed;
        window.Pump(150);
        input.MoveTo({60, 60});
        input.Click({60, 60});
        // A destructor body runs before the base class frees the children.
        const Strings expected = c.nested ? Strings{"target:blur", "box:destroyed", "target:destroyed"}
                                          : Strings{"box:blur", "box:destroyed"};
        EXPECT_EQ(log.entries, expected) << c.removed;
        manager.KillMTimer();
        manager.ShowCaret(0);
    }
}

TEST_F(ControlLifetimeTest, AHandlerMayRemoveItsOwnControlOrOneTheWalkHasNotReached) {
    RecordingControl* a = Make("a", 10, CRect(10, 10, 110, 60));
    RecordingControl* b = Make("b", 11, CRect(10, 10, 110, 60));  // under the same point, later in the list
    Kelvo::PaintManager& manager = window.Manager();
    // The move reaches a first: a takes b away before the walk gets there.
    a->onEvent = [&](RecordingControl&, const std::string& event) {
        if (event == "enter") manager.RemoveControl(b);
    };
    input.MoveTo({50, 30});
    EXPECT_EQ(log.entries, (Strings{"a:enter", "b:destroyed"}));
    EXPECT_EQ(manager.GetHoverControl(), a);

    // A control that removes itself from inside its press handler.
    log.Clear();
    a->onEvent = [&](RecordingControl& self, const std::string& event) {
        if (event.rfind("ldown", 0) == 0) manager.RemoveControl(&self);
    };
    input.LeftDown();
    input.LeftUp();
    EXPECT_EQ(log.entries, (Strings{"a:focus", "a:ldown@50,30", "a:blur", "a:destroyed"}));
    EXPECT_EQ(manager.GetHoverControl(), nullptr);
    EXPECT_TRUE(manager.GetControls().empty());
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ControlLifetimeTest, ANotificationHandlerMayRemoveTheControlThatSentIt) {
    RecordingControl* box = Make("box", 10, CRect(10, 10, 210, 110));
    auto* child = new RecordingControl(box, log, "child", 20, CRect(20, 20, 120, 80));
    box->AttachControl(1, child);
    // The child notifies its container on release, and the container drops it right there.
    child->onEvent = [](RecordingControl& self, const std::string& event) {
        if (event.rfind("lup", 0) == 0) self.SendMessageW(Kelvo::kNotifyActivated, 0, 0);
    };
    struct Container : Kelvo::MObject {
        Kelvo::MControl* owner = nullptr;
        LRESULT OnBaseMessage(UINT id, UINT, WPARAM, LPARAM) override {
            if (Kelvo::MControl* sender = owner->GetControl(id)) owner->RemoveControl(sender);
            return 0;
        }
    } container;
    container.owner = box;
    child->SetParent(&container);
    input.Click({50, 50});
    EXPECT_EQ(log.Starting("child:").back(), "child:destroyed");
    EXPECT_EQ(box->GetControl(20), nullptr);
    input.Click({50, 50});
    EXPECT_EQ(log.Starting("child:").back(), "child:destroyed");
    EXPECT_EQ(log.entries.back(), "box:lup@50,50");  // with the child gone, the box takes the click
}

TEST_F(ControlLifetimeTest, ControlsAreFoundDepthFirstAndRemovedWhereverTheyAre) {
    RecordingControl* a = Make("a", 1, CRect(0, 0, 10, 10));
    auto* deep = new RecordingControl(a, log, "deep", 3, CRect(0, 0, 5, 5));
    a->AttachControl(1, deep);
    auto* areaChild = new RecordingControl(a, log, "areaChild", 3, CRect(0, 0, 5, 5));
    a->AttachControl(0, areaChild);
    RecordingControl* later = Make("later", 3, CRect(20, 0, 30, 10));
    Kelvo::PaintManager& manager = window.Manager();
    EXPECT_EQ(manager.GetControl(3), deep);  // a's control list, before its areas and before `later`
    EXPECT_EQ(manager.RemoveControl(deep), 1);
    EXPECT_EQ(manager.GetControl(3), areaChild);
    EXPECT_EQ(manager.RemoveControl(areaChild), 1);
    EXPECT_EQ(manager.GetControl(3), later);
    EXPECT_EQ(manager.GetControl(99), nullptr);
    auto* stranger = new RecordingControl(&window, log, "stranger", 4, CRect());
    EXPECT_EQ(manager.RemoveControl(stranger), 0);  // not ours: left alone
    delete stranger;
    EXPECT_EQ(log.entries, (Strings{"deep:destroyed", "areaChild:destroyed", "stranger:destroyed"}));
}

TEST_F(ControlLifetimeTest, DestroyingTheWindowFreesEveryControlAndLeavesTheManagerEmpty) {
    RecordingControl* a = Make("a", 10, CRect(10, 10, 110, 60));
    a->AttachControl(1, new RecordingControl(a, log, "child", 11, CRect(10, 10, 50, 50)));
    window.Add(new RecordingControl(&window, log, "area", 12, CRect(0, 0, 400, 300)), 0);
    a->AddMTimer();
    window.Manager().SetMTimer(10);
    window.Destroy();
    EXPECT_EQ(window.Manager().IsInitialised(), 0);
    EXPECT_TRUE(window.Manager().GetControls().empty());
    EXPECT_TRUE(window.Manager().GetAreas().empty());
    Strings destroyed = log.entries;
    std::sort(destroyed.begin(), destroyed.end());
    EXPECT_EQ(destroyed, (Strings{"a:destroyed", "area:destroyed", "child:destroyed"}));
}

}  // namespace
