// Controls that tick are made, ticked and destroyed for dozens of rounds in a real
// window: sliders dragged by their timer, running GIF animations, counting-down timer
// buttons and held long-press buttons, on their own and inside containers. They are
// destroyed while on the tick list, from inside their own notifications during a tick,
// with their container, and with their whole window while it still ticks. Every
// allocation comes from a checked heap (CheckedHeap.h) that is validated after each round;
// a damaged block, a block freed twice, a write after free or a leak that grows with the
// rounds fails the run.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>
#include <set>
#include <vector>

#include "CGifPicture.h"
#include "CTimerButton.h"
#include "CheckedHeap.h"
#include "Clock.h"
#include "ControlFactory.h"
#include "LongPressButton.h"
#include "MControl.h"
#include "MSlider.h"
#include "MTabCtrl.h"
#include "TestWindow.h"
#include "ToolkitClock.h"

namespace {

using Kelvo::MControl;

constexpr int kRounds = 60;
constexpr int kRoundsPerWindow = 15;
constexpr UINT kNotifyLongPressRepeat = 32;

// The test window, which can also destroy a control from inside that control's own
// notification, as an application handler may.
class StressWindow : public harness::TestWindow {
public:
    StressWindow() : TestWindow(CRect(60, 60, 520, 420)) {}

    LRESULT OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override {
        TestWindow::OnBaseMessage(id, code, wparam, lparam);
        ++codes[code];
        if (removeOnNotify.erase(id)) {
            if (MControl* sender = Manager().GetControl(id)) {
                Manager().RemoveControl(sender);
                ++removedInsideNotification;
            }
        }
        return 0;
    }

    std::map<UINT, int> codes;
    std::set<UINT> removeOnNotify;
    int removedInsideNotification = 0;
};

struct Totals {
    std::map<UINT, int> codes;
    int removedInsideNotification = 0;
    int gifFramesShown = 0;
};

// How each kind of ticking control is made and set going.
struct TickingKind {
    const wchar_t* className;
    bool panelTableOnly;
    void (*start)(MControl* control);
};

CPoint Centre(const CRect& r) { return CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2); }

const TickingKind kKinds[] = {
    {L"MSlider", false,
     [](MControl* control) {
         auto* slider = static_cast<Kelvo::MSlider*>(control);
         slider->SetMaxProgress(100);
         slider->SetImage(L"img_slider_bar.png", 1);
         // Pressed on its thumb: from now on its ticks follow the pointer.
         slider->OnControlLButtonDown(MK_LBUTTON, Centre(slider->GetThumbRect()));
     }},
    {L"CGifPicture", false,
     [](MControl* control) {
         auto* gif = static_cast<Kelvo::CGifPicture*>(control);
         gif->SetImage(L"loading.gif", 1);
         gif->SetRunState(1, 0);
     }},
    {L"CTimerButton", false,
     [](MControl* control) {
         auto* button = static_cast<Kelvo::CTimerButton*>(control);
         button->SetImage(L"img_button.png", 4);
         button->SetRun(1);
     }},
    {L"LongPressButton", true,
     [](MControl* control) {
         auto* button = static_cast<Kelvo::LongPressButton*>(control);
         button->SetImage(L"btn_reset.png", 4);
         button->OnControlLButtonDown(MK_LBUTTON, Centre(button->GetRect()));
     }},
};

class ControlStressTest : public ::testing::Test {
protected:
    void SetUp() override { Kelvo::InstallToolkitClock(&clock); }
    void TearDown() override {
        window.reset();
        Kelvo::InstallToolkitClock(nullptr);
    }

    void OpenWindow() {
        window = std::make_unique<StressWindow>();
        timerId = window->Manager().SetMTimer(40);
        ASSERT_NE(timerId, 0u);
    }

    // Closes the window with whatever still lives and ticks on it.
    void CloseWindow() {
        for (const auto& [code, count] : window->codes) totals.codes[code] += count;
        totals.removedInsideNotification += window->removedInsideNotification;
        window.reset();
        live.clear();
    }

    CRect RandomRect(int width, int height) {
        const int left = Pick(0, 440 - width), top = Pick(0, 340 - height);
        return CRect(left, top, left + width, top + height);
    }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    // Makes one ticking control, at the top level or inside a new container, and starts it.
    void MakeTickingControl() {
        const TickingKind& kind = kKinds[Pick(0, int(std::size(kKinds)) - 1)];
        Kelvo::PaintManager& manager = window->Manager();
        const UINT id = nextId++;
        const CRect rect = RandomRect(Pick(40, 160), Pick(20, 60));
        MControl* control = nullptr;
        if (Pick(0, 2) == 0) {
            const UINT containerId = nextId++;
            MControl* container = Kelvo::CreateDialogControl(L"MPicture", window.get(), containerId,
                                                             CRect(0, 0, 440, 340), L"", 1, 1);
            ASSERT_NE(container, nullptr);
            window->Add(container);
            control = Kelvo::CreatePanelControl(kind.className, container, id, rect, L"", 1, 1);
            ASSERT_NE(control, nullptr);
            container->AttachControl(1, control);
            live.push_back(containerId);
        } else {
            control = kind.panelTableOnly
                          ? Kelvo::CreatePanelControl(kind.className, window.get(), id, rect, L"", 1, 1)
                          : Kelvo::CreateDialogControl(kind.className, window.get(), id, rect, L"", 1, 1);
            ASSERT_NE(control, nullptr);
            window->Add(control);
            // Countdowns that end and long presses that repeat take their button away.
            if (Pick(0, 1) == 0) window->removeOnNotify.insert(id);
        }
        ASSERT_EQ(manager.GetControl(id), control);
        kind.start(control);
        live.push_back(id);
    }

    void Tick() {
        clock.Advance(Pick(0, 1500));
        window->Manager().OnMTimer(timerId);
        for (UINT id : live)
            if (auto* gif = dynamic_cast<Kelvo::CGifPicture*>(window->Manager().GetControl(id)))
                if (gif->GetFrameIndex() > 0) ++totals.gifFramesShown;
        if (Pick(0, 3) == 0) window->PaintNow();
        if (Pick(0, 3) == 0) window->Pump(6);  // the multimedia timer's own ticks too
    }

    // Destroys about half of what lives, whatever it is doing.
    void DestroySome() {
        std::vector<UINT> keep;
        for (UINT id : live) {
            MControl* control = window->Manager().GetControl(id);
            if (!control) continue;  // gone already: with its container or by its own notification
            if (Pick(0, 1) == 0) {
                EXPECT_EQ(window->Manager().RemoveControl(control), 1);
                EXPECT_EQ(window->Manager().GetControl(id), nullptr);
            } else {
                keep.push_back(id);
            }
        }
        live = keep;
    }

    VirtualClock clock;
    std::mt19937 random{20261209};
    std::unique_ptr<StressWindow> window;
    UINT timerId = 0;
    UINT nextId = 100;
    std::vector<UINT> live;
    Totals totals;
};

TEST_F(ControlStressTest, TickingControlsSurviveEveryOrderOfDestruction) {
    long long blocksAfterFirstWindow = -1;
    for (int round = 0; round < kRounds; ++round) {
        if (round % kRoundsPerWindow == 0) {
            if (window) CloseWindow();
            if (round == kRoundsPerWindow) blocksAfterFirstWindow = stress::CheckedHeapLiveBlocks();
            OpenWindow();
        }
        const int made = Pick(2, 6);
        for (int i = 0; i < made; ++i) ASSERT_NO_FATAL_FAILURE(MakeTickingControl()) << "round " << round;
        const int ticks = Pick(1, 8);
        for (int i = 0; i < ticks; ++i) Tick();
        DestroySome();
        for (int i = 0; i < 2; ++i) Tick();  // ticks after the removals reach only the living
        ASSERT_TRUE(stress::CheckedHeapIsValid()) << "heap damaged in round " << round;
    }
    CloseWindow();
    ASSERT_TRUE(stress::CheckedHeapIsValid());

    // The run really went through the paths it is about.
    EXPECT_GT(totals.codes[Kelvo::kNotifyActivated], 0) << "no countdown ended";
    EXPECT_GT(totals.codes[kNotifyLongPressRepeat], 0) << "no long press repeated";
    EXPECT_GT(totals.removedInsideNotification, 0);
    EXPECT_GT(totals.gifFramesShown, 0) << "no animation stepped";
    // Windows come and go with their controls and leave nothing behind: what lives after
    // the last window is what lived after the first (some slack for lazily made caches).
    ASSERT_GE(blocksAfterFirstWindow, 0);
    EXPECT_LE(stress::CheckedHeapLiveBlocks(), blocksAfterFirstWindow + 64)
        << "blocks leak as windows and controls come and go";
}

TEST_F(ControlStressTest, ATabControlRemovedWhenItAnnouncesANewSelectionIsLeftAlone) {
    // The parent hears notification 1 before the pages switch, and may take the tab
    // control away right there.
    constexpr int kTabRounds = 40;
    OpenWindow();
    for (int round = 0; round < kTabRounds; ++round) {
        const UINT id = nextId++;
        auto* tab = window->Add(new Kelvo::MTabCtrl(window.get(), id, CRect(20, 20, 76, 300), 1, 1));
        tab->SetTabType(Kelvo::TAB_VERTICAL);
        tab->SetTabCtrlHeight(56);
        for (int item = 0; item < 3; ++item) {
            MControl* page = tab->CreatePanel(L"MTabLayout", nextId++, CRect(100, 20, 400, 300));
            ASSERT_NE(page, nullptr);
            tab->InsertItem(item + 1, L"Tab", L"icon\\tab_home.png", page, 2, 56);
        }
        window->removeOnNotify.insert(id);
        tab->SetSelectItem(1 + round % 2);
        EXPECT_EQ(window->Manager().GetControl(id), nullptr) << "round " << round;
        window->PaintNow();
        ASSERT_TRUE(stress::CheckedHeapIsValid()) << "heap damaged in round " << round;
    }
    CloseWindow();
    ASSERT_TRUE(stress::CheckedHeapIsValid());
    EXPECT_EQ(totals.removedInsideNotification, kTabRounds);
}

}  // namespace
