// The mouse utility's own widgets are made, filled, pressed, dragged, ticked, renamed and
// destroyed for dozens of rounds, many of them from inside their own notifications: a
// slider taken away while it reports a value, a list refilled or removed when it reports
// a press or a rename, a widget removed while its drag is followed by ticks, and windows
// closed while editors and balloons are up. Every allocation comes from the checked heap
// (CheckedHeap.h), validated after each round.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <random>

#include "CHelpButton.h"
#include "CRecordList.h"
#include "CheckedHeap.h"
#include "DPISlider.h"
#include "LightSlider.h"
#include "MacroList.h"
#include "MouseKeyCtrl.h"
#include "PaletteBar.h"
#include "TestWindow.h"

namespace {

using Kelvo::MControl;

constexpr int kRounds = 40;
constexpr int kRoundsPerWindow = 10;
constexpr UINT kNotifyRenamed = 29;
const CRect kArea(20, 20, 380, 260);

enum class Reaction { kNothing, kRemove, kRefill, kCount };

void Fill(MControl* control) {
    if (auto* macros = dynamic_cast<Kelvo::MacroList*>(control)) {
        macros->DeleteAllItems();
        for (int i = 0; i < 6; ++i) macros->AddString(L"Macro", static_cast<DWORD>(i), -1);
    } else if (auto* events = dynamic_cast<Kelvo::CRecordList*>(control)) {
        events->DeleteAllItems();
        for (int i = 0; i < 6; ++i) events->AddString(L"A", 2 + i % 2, 4, i / 2);
    } else if (auto* keys = dynamic_cast<Kelvo::MouseKeyCtrl*>(control)) {
        keys->DeleteAllItems();
        for (int i = 0; i < 5; ++i) keys->AddItem(L"Button", L"Left click", i);
    }
}

class WidgetStressWindow : public harness::TestWindow {
public:
    WidgetStressWindow() : TestWindow(CRect(60, 60, 460, 360)) {}

    LRESULT OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override {
        TestWindow::OnBaseMessage(id, code, wparam, lparam);
        ++codes[code];
        const auto found = reactions.find(id);
        MControl* sender = Manager().GetControl(id);
        if (found == reactions.end() || !sender) return 0;
        ++reacted[found->second];
        if (found->second == Reaction::kRemove) Manager().RemoveControl(sender);
        if (found->second == Reaction::kRefill) Fill(sender);
        return 0;
    }

    std::map<UINT, int> codes;
    std::map<UINT, Reaction> reactions;
    std::map<Reaction, int> reacted;
};

LPARAM At(CPoint p) { return MAKELPARAM(p.x, p.y); }

class WidgetStressTest : public ::testing::Test {
protected:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    void OpenWindow() {
        window = std::make_unique<WidgetStressWindow>();
        // Ticks follow drags and charging gauges; 1 ms so that many run in each round.
        window->Manager().SetTickPeriod(1);
    }
    void CloseWindow() {
        for (const auto& [reaction, count] : window->reacted) reacted[reaction] += count;
        for (const auto& [code, count] : window->codes) codes[code] += count;
        window->Destroy();
        window->Pump(5);
        window.reset();
    }
    bool Alive(UINT id) { return window->Manager().GetControl(id) != nullptr; }
    void Send(UINT msg, WPARAM wparam, CPoint p) {
        if (IsWindow(window->Handle())) SendMessageW(window->Handle(), msg, wparam, At(p));
    }

    MControl* Make() {
        const UINT id = nextId++;
        MControl* control = nullptr;
        switch (Pick(0, 5)) {
        case 0: control = new Kelvo::MacroList(window.get(), id, kArea, 1); break;
        case 1: control = new Kelvo::CRecordList(window.get(), id, kArea, 1); break;
        case 2: control = new Kelvo::MouseKeyCtrl(window.get(), id, kArea, 1); break;
        case 3: control = new Kelvo::DPISlider(window.get(), id, CRect(20, 20, 400, 75), 1, 1); break;
        case 4: control = new Kelvo::LightSlider(window.get(), id, CRect(20, 20, 260, 44), 1, 1); break;
        default: control = new Kelvo::PaletteBar(window.get(), id, CRect(20, 20, 260, 44), 1); break;
        }
        window->Add(control);
        if (auto* slider = dynamic_cast<Kelvo::DPISlider*>(control)) {
            slider->SetImage(L"img_dpi_bar.png", 1);
            slider->SetMaxProgress(260);
        }
        if (auto* slider = dynamic_cast<Kelvo::LightSlider*>(control)) slider->SetImage(L"img_lightslider_bar.png", 1);
        if (auto* bar = dynamic_cast<Kelvo::PaletteBar*>(control)) bar->SetImage(L"img_lightslider_bar.png", 1);
        Fill(control);
        window->reactions[id] = static_cast<Reaction>(Pick(0, static_cast<int>(Reaction::kCount) - 1));
        return control;
    }

    // A press, a drag with pauses (the ticks follow it), a release; any step may end the widget.
    void Exercise(MControl* control) {
        const UINT id = control->GetControlID();
        window->PaintNow();
        const CRect rect = control->GetRect();
        const CPoint start(rect.left + Pick(5, rect.Width() - 5), rect.top + Pick(2, std::min(60, rect.Height() - 2)));
        Send(WM_MOUSEMOVE, 0, start);
        Send(WM_LBUTTONDOWN, MK_LBUTTON, start);
        for (int step = 0; step < Pick(0, 4) && Alive(id); ++step) {
            Send(WM_MOUSEMOVE, MK_LBUTTON, CPoint(start.x + Pick(-80, 120), start.y + Pick(-10, 10)));
            window->Pump(Pick(0, 3));
        }
        Send(WM_LBUTTONUP, 0, start);
        if (!Alive(id)) return;
        if (auto* macros = dynamic_cast<Kelvo::MacroList*>(control)) Rename(macros);
        if (!Alive(id)) return;  // a rename may have ended the list
        if (auto* events = dynamic_cast<Kelvo::CRecordList*>(control)) {
            if (Pick(0, 1)) events->DeleteTimeStamp(Pick(0, 2));
            events->MoveTop(Pick(-1, 6));
        }
        if (Alive(id) && Pick(0, 1)) {
            const POINT screen = window->ToScreen(start);
            SendMessageW(window->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(screen.x, screen.y));
        }
    }

    void Rename(Kelvo::MacroList* macros) {
        const UINT id = macros->GetControlID();
        macros->EnableShowEdit(1);
        macros->ShowEdit();
        HWND editor = macros->GetEditWindow();
        if (!editor || !Alive(id)) return;
        SetWindowTextW(editor, L"Renamed");
        switch (Pick(0, 2)) {
        case 0: SendMessageW(editor, WM_KEYDOWN, VK_RETURN, 0); break;  // 29, reacted to
        case 1: Fill(macros); break;                                      // a refill ends it unapplied
        default: window->Manager().RemoveControl(macros); break;          // gone while renaming
        }
    }

    void DestroySome() {
        for (MControl* control : std::vector<MControl*>(window->Manager().GetControls()))
            if (Pick(0, 2) == 0) window->Manager().RemoveControl(control);
    }

    std::mt19937 random{20261211};
    std::unique_ptr<WidgetStressWindow> window;
    UINT nextId = 100;
    std::map<UINT, int> codes;
    std::map<Reaction, int> reacted;
};

TEST_F(WidgetStressTest, MouseWidgetsSurviveChangesFromInsideTheirOwnNotificationsAndTicks) {
    for (int round = 0; round < kRounds; ++round) {
        if (round % kRoundsPerWindow == 0) {
            if (window) CloseWindow();
            OpenWindow();
        }
        for (int i = Pick(1, 3); i > 0; --i) ASSERT_NO_FATAL_FAILURE(Exercise(Make())) << "round " << round;
        window->Pump(Pick(0, 8));  // ticks of whatever is still being dragged
        DestroySome();
        window->Pump(2);
        ASSERT_TRUE(stress::CheckedHeapIsValid()) << "heap damaged in round " << round;
    }
    CloseWindow();
    ASSERT_TRUE(stress::CheckedHeapIsValid());

    EXPECT_GT(codes[Kelvo::kNotifyPositionChanged], 0) << "no slider reported a value";
    EXPECT_GT(codes[Kelvo::kNotifyActivated], 0) << "nothing was chosen or released";
    EXPECT_GT(codes[kNotifyRenamed], 0) << "no rename ended";
    for (Reaction reaction : {Reaction::kRemove, Reaction::kRefill})
        EXPECT_GT(reacted[reaction], 0) << "reaction " << static_cast<int>(reaction) << " never ran";
}

}  // namespace
