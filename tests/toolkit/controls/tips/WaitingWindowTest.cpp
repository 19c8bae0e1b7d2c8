// The waiting window and the key tip, which nothing in the program opens yet: they come
// up without taking activation, the waiting window's animation steps on its timer and
// stops with the window, and the key tip sits on its point in its colours.
#include <gtest/gtest.h>

#include "CKeyboardTips.h"
#include "LoadingWnd.h"
#include "StatusTestSupport.h"
#include "TestWindow.h"

namespace {

TEST(WaitingWindowTest, TheAnimationStepsEverySecondTickAndStopsWithTheWindow) {
    harness::TestWindow owner;
    Kelvo::LoadingWnd loading;
    // The skin's own waiting files are not shipped: the window comes up without them.
    HWND handle = loading.CreateDlg(owner.Handle(), CRect(150, 150, 450, 350));
    ASSERT_TRUE(handle);
    EXPECT_EQ(loading.GetFrameCount(), 0);
    ASSERT_EQ(loading.LoadGifImage(statustest::SkinPath(L"loading.gif").c_str()), 1);
    EXPECT_EQ(loading.GetFrameCount(), 12);
    EXPECT_TRUE(::IsWindowVisible(handle));
    EXPECT_EQ(::GetActiveWindow(), owner.Handle());
    // Without a background the panel is the light fill.
    EXPECT_EQ(loading.GetPixel(2, 2), 0xF0F0F0F0u);
    const int steps[] = {0, 0, 1, 1, 2, 2};
    for (int expected : steps) {
        EXPECT_EQ(loading.GetFrame(), expected);
        ::SendMessageW(handle, WM_TIMER, Kelvo::LoadingWnd::kAnimationTimer, 0);
    }
    ::DestroyWindow(handle);
    EXPECT_FALSE(::KillTimer(handle, Kelvo::LoadingWnd::kAnimationTimer));
}

TEST(WaitingWindowTest, TheKeyTipSitsAboveItsPointInItsColours) {
    harness::TestWindow owner;
    Kelvo::CKeyboardTips tips;
    ASSERT_TRUE(tips.Create(owner.Handle(), L"Keyboard Tips", WS_POPUP, 0, CRect()));
    EXPECT_EQ(tips.SetAirBladderMsg(L"Record", L"Ctrl + Shift", L"F9", POINT{400, 500}), 1);
    tips.ShowWindow(SW_SHOW);
    EXPECT_EQ(::GetActiveWindow(), owner.Handle());
    RECT r{};
    tips.GetWindowRect(&r);
    EXPECT_EQ(CRect(r.left, r.top, r.right, r.bottom), CRect(305, 400, 495, 500));
    EXPECT_EQ(tips.GetPixel(0, 0), 0xFF505050u);
    EXPECT_EQ(tips.GetPixel(3, 95), 0xFF141414u);
}

}  // namespace
