// Lists and combo boxes are made, refilled, renamed, dropped down and destroyed for
// dozens of rounds, many of them from inside their own notifications: a combo taken away
// or refilled when it announces a choice made in its drop-down, a list refilled, removed
// or renamed when it reports a press, a rename that ends in a refill or the list's
// removal, and windows closed while drop-downs and editors are open. Every allocation
// comes from the checked heap (CheckedHeap.h), validated after each round.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <random>
#include <vector>

#include "CComboBoxWnd.h"
#include "CheckedHeap.h"
#include "ControlFactory.h"
#include "DListBox.h"
#include "MComboBox.h"
#include "MListBox.h"
#include "TestWindow.h"

namespace {

using Kelvo::MControl;

constexpr int kRounds = 48;
constexpr int kRoundsPerWindow = 12;
constexpr UINT kNotifyRenamed = 29;

// What a handler does to the control that notified it.
enum class Reaction { kNothing, kRemove, kRefill, kReopen, kRename, kCount };

class ListStressWindow : public harness::TestWindow {
public:
    ListStressWindow() : TestWindow(CRect(60, 60, 520, 460)) {}

    LRESULT OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override {
        TestWindow::OnBaseMessage(id, code, wparam, lparam);
        ++codes[code];
        const auto found = reactions.find(id);
        if (found == reactions.end()) return 0;
        MControl* sender = Manager().GetControl(id);
        if (!sender) return 0;
        ++reacted[found->second];
        React(sender, found->second);
        return 0;
    }

    static void Refill(MControl* control) {
        if (auto* list = dynamic_cast<Kelvo::MListBox*>(control)) {
            list->DeleteAllItems();
            for (int i = 0; i < 6; ++i) list->AddString(L"Again", static_cast<DWORD>(i), -1);
        } else if (auto* combo = dynamic_cast<Kelvo::MComboBox*>(control)) {
            combo->DelAllItems();
            for (int i = 0; i < 4; ++i) combo->AddItem(L"Again", static_cast<DWORD>(i), nullptr, 0);
        }
    }

    void React(MControl* sender, Reaction reaction) {
        switch (reaction) {
        case Reaction::kRemove: Manager().RemoveControl(sender); break;
        case Reaction::kRefill: Refill(sender); break;
        case Reaction::kReopen:
            if (auto* combo = dynamic_cast<Kelvo::MComboBox*>(sender)) combo->OpenPopup();
            break;
        case Reaction::kRename:
            if (auto* list = dynamic_cast<Kelvo::MListBox*>(sender)) {
                list->EnableShowEdit(1);
                list->ShowEdit();
            }
            break;
        default: break;
        }
    }

    std::map<UINT, int> codes;
    std::map<UINT, Reaction> reactions;
    std::map<Reaction, int> reacted;
};

LPARAM At(CPoint p) { return MAKELPARAM(p.x, p.y); }

class ListStressTest : public ::testing::Test {
protected:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    Reaction PickReaction() { return static_cast<Reaction>(Pick(0, static_cast<int>(Reaction::kCount) - 1)); }

    void OpenWindow() { window = std::make_unique<ListStressWindow>(); }
    void CloseWindow() {
        for (const auto& [reaction, count] : window->reacted) reacted[reaction] += count;
        for (const auto& [code, count] : window->codes) codes[code] += count;
        window->Destroy();
        window->Pump(5);
        window.reset();
    }

    // A click of the window at a client point, as the system delivers it.
    void Click(HWND hwnd, CPoint p, bool left = true) {
        SendMessageW(hwnd, WM_MOUSEMOVE, 0, At(p));
        SendMessageW(hwnd, left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, left ? MK_LBUTTON : MK_RBUTTON, At(p));
        if (IsWindow(hwnd)) SendMessageW(hwnd, left ? WM_LBUTTONUP : WM_RBUTTONUP, 0, At(p));
    }

    MControl* Make(const wchar_t* className, CRect rect) {
        const UINT id = nextId++;
        MControl* control = Kelvo::CreateDialogControl(className, window.get(), id, rect, L"", 1, 1);
        if (!control) return nullptr;
        window->Add(control);
        ListStressWindow::Refill(control);
        window->reactions[id] = PickReaction();
        return control;
    }

    void ExerciseCombo() {
        auto* combo = static_cast<Kelvo::MComboBox*>(Make(L"MComboBox", CRect(20, 20, 160, 50)));
        ASSERT_NE(combo, nullptr);
        const UINT id = combo->GetControlID();
        window->PaintNow();
        Click(window->Handle(), CPoint(60, 35));
        Kelvo::CComboBoxWnd* popup = combo->GetPopup();
        if (!popup) return;
        window->Pump(5);
        switch (Pick(0, 3)) {
        case 0:  // choose a row: the combo hears 2 and reacts from inside it
            Click(popup->GetSafeHwnd(), CPoint(20, 6 + 30 * Pick(0, 3) + 15));
            break;
        case 1:  // Escape
            SendMessageW(popup->GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
            break;
        case 2:  // the combo goes while its drop-down is open
            window->Manager().RemoveControl(combo);
            break;
        default:  // its window is left open for the window's own end
            break;
        }
        window->Pump(Pick(0, 1) ? 10 : 0);
        if (window->Manager().GetControl(id) && Pick(0, 1)) window->PaintNow();
    }

    void ExerciseList(bool profiles) {
        auto* list = static_cast<Kelvo::MListBox*>(
            Make(profiles ? L"DListBox" : L"MListBox", CRect(200, 20, 400, 200)));
        ASSERT_NE(list, nullptr);
        const UINT id = list->GetControlID();
        list->EnableShowEdit(1);
        window->PaintNow();
        const CPoint row(260, 20 + list->GetItemHeight() * Pick(0, 3) + 10);
        // A press (MListBox 1) or a release (DListBox 2), reacted to from inside.
        Click(window->Handle(), row);
        if (!window->Manager().GetControl(id)) return;
        // A rename: a right press on a DListBox row, ShowEdit on the other.
        if (profiles)
            Click(window->Handle(), row, false);
        else
            list->ShowEdit();
        if (!window->Manager().GetControl(id)) return;
        if (HWND editor = list->GetEditWindow()) {
            SetWindowTextW(editor, Pick(0, 1) ? L"Renamed" : L"Again");
            switch (Pick(0, 3)) {
            case 0: SendMessageW(editor, WM_KEYDOWN, VK_RETURN, 0); break;  // 29, reacted to
            case 1: Click(window->Handle(), CPoint(440, 300)); break;        // a press elsewhere ends it
            case 2: ListStressWindow::Refill(list); break;                   // ended without 29
            default: window->Manager().RemoveControl(list); break;           // gone while renaming
            }
        }
        if (window->Manager().GetControl(id) && Pick(0, 1)) {
            const POINT screen = window->ToScreen(row);
            SendMessageW(window->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(screen.x, screen.y));
            window->PaintNow();
        }
    }

    void DestroySome() {
        std::vector<MControl*> all = window->Manager().GetControls();
        for (MControl* control : all)
            if (Pick(0, 2) == 0) window->Manager().RemoveControl(control);
    }

    std::mt19937 random{20261210};
    std::unique_ptr<ListStressWindow> window;
    UINT nextId = 100;
    std::map<UINT, int> codes;
    std::map<Reaction, int> reacted;
};

TEST_F(ListStressTest, ListsAndCombosSurviveChangesFromInsideTheirOwnNotifications) {
    for (int round = 0; round < kRounds; ++round) {
        if (round % kRoundsPerWindow == 0) {
            if (window) CloseWindow();
            OpenWindow();
        }
        for (int i = Pick(1, 3); i > 0; --i) {
            switch (Pick(0, 2)) {
            case 0: ASSERT_NO_FATAL_FAILURE(ExerciseCombo()) << "round " << round; break;
            case 1: ASSERT_NO_FATAL_FAILURE(ExerciseList(false)) << "round " << round; break;
            default: ASSERT_NO_FATAL_FAILURE(ExerciseList(true)) << "round " << round; break;
            }
        }
        DestroySome();
        window->Pump(5);
        ASSERT_TRUE(stress::CheckedHeapIsValid()) << "heap damaged in round " << round;
    }
    CloseWindow();
    ASSERT_TRUE(stress::CheckedHeapIsValid());

    // The run really went through the paths it is about.
    EXPECT_GT(codes[Kelvo::kNotifyActivated], 0) << "nothing was chosen or selected";
    EXPECT_GT(codes[kNotifyRenamed], 0) << "no rename ended";
    for (Reaction reaction : {Reaction::kRemove, Reaction::kRefill, Reaction::kReopen, Reaction::kRename})
        EXPECT_GT(reacted[reaction], 0) << "reaction " << static_cast<int>(reaction) << " never ran";
}

}  // namespace
