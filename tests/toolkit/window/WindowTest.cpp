// The bare window object: a super-classed system control keeps its own behaviour while
// its messages reach the object, and every wrapper is harmless without a window.
#include <gtest/gtest.h>

#include <vector>

#include "MWindow.h"
#include "WindowTestSupport.h"

using namespace Kelvo;

namespace {

class EditWindow : public MWindow {
public:
    const wchar_t* GetWindowClassName() override { return L"KelvoTestEditWindow"; }
    const wchar_t* GetSuperClassName() override { return L"Edit"; }
    LRESULT OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) override {
        if (msg == WM_SETTEXT) ++textsSet;
        return MWindow::OnWindowMessage(msg, wparam, lparam);
    }
    void OnDestroyMessage(HWND window) override { destroyed.push_back(window); }
    int textsSet = 0;
    std::vector<HWND> destroyed;
};

TEST(Window, ASuperClassKeepsTheSystemBehaviourAndReportsToItsObject) {
    EditWindow edit;
    HWND window = edit.Create(nullptr, L"first", WS_POPUP, 0, CRect(10, 10, 210, 40));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(edit.Create(nullptr, L"again", WS_POPUP, 0, CRect(10, 10, 210, 40)), window) << "one window per object";
    EXPECT_EQ(GetPropW(window, L"Control"), static_cast<HANDLE>(&edit));
    EXPECT_EQ(edit.SetWindowTextW(L"typed"), TRUE);
    CString text;
    EXPECT_EQ(edit.GetWindowTextW(text), 5);
    EXPECT_EQ(text, L"typed");
    EXPECT_EQ(edit.SendMessageW(EM_GETLIMITTEXT, 0, 0) > 0, true) << "the edit control's own procedure answers";
    EXPECT_GE(edit.textsSet, 1);
    edit.DestroyWindow();
    EXPECT_EQ(edit.GetSafeHwnd(), nullptr);
    ASSERT_EQ(edit.destroyed.size(), 1u);
    EXPECT_EQ(edit.destroyed[0], window);
}

TEST(Window, EveryWrapperIsHarmlessWithoutAWindow) {
    MWindow none;
    RECT rect{1, 2, 3, 4};
    POINT point{5, 6};
    CString text(L"kept?");
    EXPECT_EQ(none.GetSafeHwnd(), nullptr);
    EXPECT_EQ(none.ShowWindow(SW_SHOW), FALSE);
    EXPECT_EQ(none.DestroyWindow(), FALSE);
    EXPECT_EQ(none.GetStyle(), 0u);
    EXPECT_EQ(none.GetExStyle(), 0u);
    EXPECT_EQ(none.GetClientRect(&rect), FALSE);
    EXPECT_EQ(none.GetWindowTextW(text), 0);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(none.ClientToScreen(&point), FALSE);
    EXPECT_EQ(none.SendMessageW(WM_USER, 0, 0), 0);
    EXPECT_EQ(none.PostMessageW(WM_USER, 0, 0), FALSE);
    EXPECT_EQ(none.ModifyStyle(0, WS_VISIBLE, SWP_FRAMECHANGED), 0);
    EXPECT_EQ(none.SetTimer(1, 10, nullptr), 0u);
    EXPECT_EQ(none.ShowModal(), 0xFFFFFFFFu);
    none.CenterWindow();
    none.BringToTop();
    none.SetIcon(107);
}

TEST(Window, ModifyStyleReportsWhetherAnythingChanged) {
    MWindow plain;
    ASSERT_NE(plain.Create(nullptr, CRect(0, 0, 100, 80)), nullptr);
    EXPECT_EQ(plain.GetWindowTextLengthW(), 7) << "\"MWindow\"";
    EXPECT_EQ(plain.ModifyExStyle(0, WS_EX_TOOLWINDOW, 0), 1);
    EXPECT_EQ(plain.ModifyExStyle(0, WS_EX_TOOLWINDOW, 0), 0);
    EXPECT_NE(plain.GetExStyle() & WS_EX_TOOLWINDOW, 0u);
    EXPECT_EQ(plain.ModifyExStyle(WS_EX_TOOLWINDOW, 0, SWP_FRAMECHANGED), 1);
    EXPECT_EQ(plain.GetExStyle() & WS_EX_TOOLWINDOW, 0u);
    plain.DestroyWindow();
}

}  // namespace
