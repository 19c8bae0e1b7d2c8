// The balloon tip: where each mode puts it, that its owner keeps activation and the
// keyboard while it shows, that it hides on its timer, follows its owner and goes with
// it, and what it draws from the shipped skin.
#include <gtest/gtest.h>

#include "MAirBladder.h"
#include "MDialog.h"
#include "StatusTestSupport.h"
#include "TestWindow.h"

namespace {

using Kelvo::AIRBLADDER_MODE;
using Kelvo::MAirBladder;

CRect WindowRect(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return CRect(r.left, r.top, r.right, r.bottom);
}

MAirBladder* Place(harness::TestWindow& window, const wchar_t* text, POINT point, AIRBLADDER_MODE mode,
                   Kelvo::AIRBLADDER_TYPE type = Kelvo::AIRBLADDER_TYPE_BUTTON) {
    window.Manager().SetAirBladderMsg(text, point, type, mode);
    return window.Manager().GetAirBladder();
}

TEST(BalloonTest, EachModePlacesTheBalloonAroundItsPointByTheTextSize) {
    const POINT at{600, 400};
    for (const wchar_t* text : {L"Undo", L"Reset the profile\nto its defaults"}) {
        SCOPED_TRACE(testing::Message() << (text[0] == L'U' ? "one line" : "two lines"));
        harness::TestWindow window;
        // Mode 1 reveals the text's width W and height T: (x, y, x + W + 40, y + T + 20).
        const CRect right = WindowRect(Place(window, text, at, Kelvo::AIRBLADDER_MODE_RIGHT)->GetSafeHwnd());
        ASSERT_EQ(right.TopLeft(), CPoint(at.x, at.y));
        const int w = right.Width() - 40;
        const int t = right.Height() - 20;
        ASSERT_GT(w, 0);
        ASSERT_GT(t, 0);
        const struct {
            AIRBLADDER_MODE mode;
            CRect expected;
        } cases[] = {
            {Kelvo::AIRBLADDER_MODE_LEFT, CRect(at.x - w - 40, at.y - 27, at.x, at.y + t - 7)},
            {Kelvo::AIRBLADDER_MODE_BELOW, CRect(at.x - 25, at.y, at.x + w + 15, at.y + t + 30)},
            {Kelvo::AIRBLADDER_MODE_ABOVE,
             CRect(at.x - (w + 30) / 2, at.y - t - 20, at.x - (w + 30) / 2 + w + 30, at.y)},
            {Kelvo::AIRBLADDER_MODE_KEEP, CRect(0, 0, 0, 0)},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.mode);
            EXPECT_EQ(WindowRect(Place(window, text, at, c.mode)->GetSafeHwnd()), c.expected);
        }
        EXPECT_EQ(window.Manager().GetAirBladder()->GetLineCount(), text[0] == L'U' ? 1 : 2);
    }
}

TEST(BalloonTest, TwoLinesAreTwiceAsTallAsOne) {
    harness::TestWindow window;
    const POINT at{300, 300};
    const int one = WindowRect(Place(window, L"Undo", at, Kelvo::AIRBLADDER_MODE_RIGHT)->GetSafeHwnd()).Height();
    const int two =
        WindowRect(Place(window, L"Undo\nUndo", at, Kelvo::AIRBLADDER_MODE_RIGHT)->GetSafeHwnd()).Height();
    EXPECT_EQ(two - 20, 2 * (one - 20));
}

class Dialog : public Kelvo::MDialog {};

// `upper` comes before `lower` going down the z-order.
bool IsAbove(HWND upper, HWND lower) {
    for (HWND next = ::GetWindow(upper, GW_HWNDNEXT); next; next = ::GetWindow(next, GW_HWNDNEXT))
        if (next == lower) return true;
    return false;
}

TEST(BalloonTest, TheOwnerStaysActiveAndKeepsTheKeyboardWhileItsBalloonShows) {
    // Through the paint manager (buttons) and through a dialog.
    harness::TestWindow window;
    ASSERT_EQ(::GetActiveWindow(), window.Handle());
    Place(window, L"Undo", POINT{300, 300}, Kelvo::AIRBLADDER_MODE_RIGHT);
    window.Manager().ShowAirBladder(1, 7);
    HWND balloon = window.Manager().GetAirBladder()->GetSafeHwnd();
    EXPECT_TRUE(::IsWindowVisible(balloon));
    EXPECT_TRUE(IsAbove(balloon, window.Handle()));
    EXPECT_TRUE(::GetWindowLongPtrW(balloon, GWL_EXSTYLE) & WS_EX_NOACTIVATE);
    EXPECT_EQ(::GetActiveWindow(), window.Handle());
    EXPECT_EQ(::GetFocus(), window.Handle());

    Dialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr, L"Dialog", WS_POPUP | WS_VISIBLE, 0, CRect(200, 200, 500, 400)));
    ::SetForegroundWindow(dialog.GetSafeHwnd());
    ::SetFocus(dialog.GetSafeHwnd());
    ASSERT_EQ(::GetActiveWindow(), dialog.GetSafeHwnd());
    EXPECT_EQ(dialog.SetAirBladderMsg(L"Saved", POINT{0, 250}, Kelvo::AIRBLADDER_TYPE_TIMED), 0);
    EXPECT_EQ(dialog.SetAirBladderMsg(L"Saved", POINT{250, 250}, Kelvo::AIRBLADDER_TYPE_TIMED), 1);
    MAirBladder* tip = dialog.GetPaintManager().GetAirBladder();
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(tip->IsWindowVisible());
    EXPECT_EQ(tip->GetMode(), Kelvo::AIRBLADDER_MODE_BELOW);
    EXPECT_EQ(::GetActiveWindow(), dialog.GetSafeHwnd());
    EXPECT_EQ(::GetFocus(), dialog.GetSafeHwnd());
}

TEST(BalloonTest, ItsTimerHidesItAndOnlyANewTextRestartsTheTimer) {
    harness::TestWindow window;
    MAirBladder* balloon = Place(window, L"Undo", POINT{300, 300}, Kelvo::AIRBLADDER_MODE_RIGHT);
    HWND handle = balloon->GetSafeHwnd();
    window.Manager().ShowAirBladder(1, 7);
    ASSERT_TRUE(::IsWindowVisible(handle));
    ::SendMessageW(handle, WM_TIMER, MAirBladder::kHideTimer, 0);
    EXPECT_FALSE(::IsWindowVisible(handle));

    // KillTimer tells whether the hide timer ran; each check stops it again.
    const struct {
        const wchar_t* text;
        Kelvo::AIRBLADDER_TYPE type;
        bool timerRuns;
    } steps[] = {
        {L"Redo", Kelvo::AIRBLADDER_TYPE_BUTTON, true},
        {L"Redo", Kelvo::AIRBLADDER_TYPE_BUTTON, false},  // the same again restarts nothing
        {L"Keep", Kelvo::AIRBLADDER_TYPE_STAY, false},    // type 4 stays until hidden
        {L"Undo", Kelvo::AIRBLADDER_TYPE_TIMED, true},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(testing::Message() << s.type);
        Place(window, s.text, POINT{300, 300}, Kelvo::AIRBLADDER_MODE_RIGHT, s.type);
        EXPECT_EQ(::KillTimer(handle, MAirBladder::kHideTimer) != FALSE, s.timerRuns);
    }
}

TEST(BalloonTest, ItMovesAndHidesWithItsOwnerAndGoesWithIt) {
    harness::TestWindow window;
    MAirBladder* balloon = Place(window, L"Undo", POINT{300, 300}, Kelvo::AIRBLADDER_MODE_RIGHT);
    HWND handle = balloon->GetSafeHwnd();
    window.Manager().ShowAirBladder(1, 7);
    const CRect before = WindowRect(handle);
    const CRect owner = WindowRect(window.Handle());
    ::SetWindowPos(window.Handle(), nullptr, owner.left + 30, owner.top - 20, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect moved = before;
    moved.OffsetRect(30, -20);
    EXPECT_EQ(WindowRect(handle), moved);
    EXPECT_EQ(balloon->GetPoint(), CPoint(330, 280));

    ::ShowWindow(window.Handle(), SW_HIDE);
    EXPECT_FALSE(::IsWindowVisible(handle));
    window.Destroy();
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_EQ(window.Manager().GetAirBladder(), nullptr);
}

TEST(BalloonTest, ItIsDrawnFromTheShippedSkinWithRoundedCornersAndWhiteText) {
    const statustest::SkinPicture skin(L"img_tip_bk.png");
    ASSERT_EQ(skin.Width(), 24);
    harness::TestWindow window;
    MAirBladder* balloon = Place(window, L"Undo", POINT{300, 300}, Kelvo::AIRBLADDER_MODE_RIGHT);
    ASSERT_TRUE(balloon->HasBKImage());
    const CSize size = balloon->GetPictureSize();
    ASSERT_EQ(size, WindowRect(balloon->GetSafeHwnd()).Size());
    const uint32_t edge = skin.At(3, 12);  // the left edge column of the nine-grid, straight
    const uint32_t drawn = balloon->GetPixel(3, size.cy / 2);
    const uint32_t alpha = edge >> 24;
    ASSERT_GT(alpha, 200u);
    EXPECT_NEAR(static_cast<int>(drawn >> 24), static_cast<int>(alpha), 2);
    // Premultiplied, each channel in its place: red, green, blue.
    for (int shift : {16, 8, 0}) {
        const int expected = static_cast<int>(((edge >> shift) & 0xFF) * alpha / 255);
        EXPECT_NEAR(static_cast<int>((drawn >> shift) & 0xFF), expected, 3) << shift;
    }
    // The corner is the skin's transparent rounding; the last column and row stay empty.
    EXPECT_LT(balloon->GetPixel(0, 0) >> 24, 0x80u);
    EXPECT_EQ(balloon->GetPixel(size.cx - 1, size.cy / 2), 0u);
    EXPECT_EQ(balloon->GetPixel(size.cx / 2, size.cy - 1), 0u);
    // Somewhere in the middle the text is white.
    bool white = false;
    for (int x = 8; x < size.cx - 8 && !white; ++x) {
        const uint32_t p = balloon->GetPixel(x, size.cy / 2);
        white = ((p >> 16) & 0xFF) > 0xE0 && ((p >> 8) & 0xFF) > 0xE0 && (p & 0xFF) > 0xE0;
    }
    EXPECT_TRUE(white);
}

}  // namespace
