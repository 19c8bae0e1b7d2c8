// The drop shadow: its settings' ranges, following the window it belongs to, its
// computed picture, and the window procedure it borrows given back on every path.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "MShadow.h"
#include "Manager.h"
#include "TestWindow.h"

namespace {

using Kelvo::MShadow;

CRect WindowRect(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return CRect(r.left, r.top, r.right, r.bottom);
}

LONG_PTR ProcedureOf(HWND window) { return ::GetWindowLongPtrW(window, GWLP_WNDPROC); }

TEST(ShadowTest, SettersAcceptTheirRangesAndKeepTheOldValueOtherwise) {
    Kelvo::PaintManager manager;
    const struct {
        const char* name;
        std::function<int()> set;
        std::function<int()> read;
        int result;
        int value;  // read back afterwards
    } cases[] = {
        {"size 35", [&] { return manager.SetSize(35); }, [&] { return manager.GetShadow().GetSize(); }, 1, 35},
        {"size 36", [&] { return manager.SetSize(36); }, [&] { return manager.GetShadow().GetSize(); }, 0, 35},
        {"size -35", [&] { return manager.SetSize(-35); }, [&] { return manager.GetShadow().GetSize(); }, 1, -35},
        {"size -36", [&] { return manager.SetSize(-36); }, [&] { return manager.GetShadow().GetSize(); }, 0, -35},
        {"sharpness 35", [&] { return manager.SetSharpness(35); }, [&] { return manager.GetShadow().GetSharpness(); },
         1, 35},
        {"sharpness 36", [&] { return manager.SetSharpness(36); }, [&] { return manager.GetShadow().GetSharpness(); },
         0, 35},
        {"darkness 255", [&] { return manager.SetDarkness(255); }, [&] { return manager.GetShadow().GetDarkness(); },
         1, 255},
        {"darkness 256", [&] { return manager.SetDarkness(256); }, [&] { return manager.GetShadow().GetDarkness(); },
         0, 255},
        {"position 35,-35", [&] { return manager.SetPosition(35, -35); },
         [&] { return manager.GetShadow().GetPosition().x; }, 1, 35},
        {"position 36,0", [&] { return manager.SetPosition(36, 0); }, [&] { return manager.GetShadow().GetPosition().x; },
         0, 35},
        {"position 0,-36", [&] { return manager.SetPosition(0, -36); },
         [&] { return manager.GetShadow().GetPosition().y; }, 0, -35},
        {"colour", [&] { return manager.SetShadowColor(RGB(1, 2, 3)); },
         [&] { return static_cast<int>(manager.GetShadow().GetColor()); }, 1, 0x030201},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.set(), c.result);
        EXPECT_EQ(c.read(), c.value);
    }
}

// A shown window with a shadow of `size`, sharp edges, offsets (5, 5), in `colour`.
struct Shadowed {
    explicit Shadowed(int size, unsigned darkness = 255, COLORREF colour = RGB(255, 0, 0)) {
        manager().SetSize(size);
        manager().SetSharpness(0);
        manager().SetDarkness(darkness);
        manager().SetShadowColor(colour);
        manager().CreateShadow(1, false);
    }
    Kelvo::PaintManager& manager() { return window.Manager(); }
    MShadow& shadow() { return window.Manager().GetShadow(); }
    harness::TestWindow window;  // 400 x 300 at (100, 100)
};

TEST(ShadowTest, TheShadowFollowsItsWindowAsItMovesHidesAndShows) {
    Shadowed s(4);
    HWND shadow = s.shadow().GetShadowWnd();
    ASSERT_TRUE(shadow);
    EXPECT_TRUE(::IsWindowVisible(shadow));
    EXPECT_TRUE(::GetWindowLongPtrW(shadow, GWL_EXSTYLE) & WS_EX_NOACTIVATE);
    EXPECT_EQ(::GetActiveWindow(), s.window.Handle());
    // (left + 5 - 4, top + 5 - 4), the window's size and 4 more on every side.
    EXPECT_EQ(WindowRect(shadow), CRect(101, 101, 509, 409));
    ::SetWindowPos(s.window.Handle(), nullptr, 150, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(WindowRect(shadow).TopLeft(), CPoint(151, 121));
    ::ShowWindow(s.window.Handle(), SW_HIDE);
    EXPECT_FALSE(::IsWindowVisible(shadow));
    ::ShowWindow(s.window.Handle(), SW_SHOWNOACTIVATE);
    EXPECT_TRUE(::IsWindowVisible(shadow));
    s.manager().DisableShadow(1);
    EXPECT_FALSE(::IsWindowVisible(shadow));
    s.manager().DisableShadow(0);
    EXPECT_TRUE(::IsWindowVisible(shadow));
}

TEST(ShadowTest, TheComputedPictureSurroundsTheWindowInItsColourAndLeavesTheWindowClear) {
    const struct {
        unsigned darkness;
        COLORREF colour;
        uint32_t full;  // premultiplied 0xAARRGGBB
    } cases[] = {
        {255, RGB(255, 0, 0), 0xFFFF0000},
        {128, RGB(255, 0, 0), 0x80800000},
        {255, RGB(0, 0, 255), 0xFF0000FF},
        {255, RGB(0x10, 0x20, 0x30), 0xFF102030},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.full);
        Shadowed s(4, c.darkness, c.colour);
        ASSERT_EQ(s.shadow().GetPictureSize(), CSize(408, 308));
        EXPECT_EQ(s.shadow().GetPixel(204, 303), c.full);  // below the window's bottom row
        EXPECT_EQ(s.shadow().GetPixel(403, 154), c.full);  // right of its right column
        EXPECT_EQ(s.shadow().GetPixel(204, 150), 0u);      // under the window itself
        EXPECT_EQ(s.shadow().GetPixel(407, 307) >> 24, 0u);  // beyond the rounded corner
    }
}

TEST(ShadowTest, SizeZeroDrawsNothingAndANegativeSizeIsSafe) {
    const struct {
        int size;
        CSize picture;
    } cases[] = {{0, CSize(400, 300)}, {-10, CSize(400, 300)}, {-35, CSize(400, 300)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        Shadowed s(c.size);
        s.manager().SetSharpness(5);
        EXPECT_EQ(s.shadow().GetSize(), c.size);  // the stored value is kept
        ASSERT_EQ(s.shadow().GetPictureSize(), c.picture);
        if (c.size != 0) continue;
        int drawn = 0;
        for (int y = 0; y < c.picture.cy; ++y)
            for (int x = 0; x < c.picture.cx; ++x) drawn += s.shadow().GetPixel(x, y) != 0;
        EXPECT_EQ(drawn, 0);
    }
}

LRESULT CALLBACK PassOn(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);
WNDPROC g_below = nullptr;
int g_passed = 0;
LRESULT CALLBACK PassOn(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    ++g_passed;
    return ::CallWindowProcW(g_below, window, msg, wparam, lparam);
}

TEST(ShadowTest, TheWindowGetsItsProcedureBackOnEveryPath) {
    enum class Path { WindowDestroyed, ShadowDeleted, ManagerDeleted, ShadowDeletedUnderAnother };
    for (Path path : {Path::WindowDestroyed, Path::ShadowDeleted, Path::ManagerDeleted,
                      Path::ShadowDeletedUnderAnother}) {
        SCOPED_TRACE(static_cast<int>(path));
        harness::TestWindow window;
        HWND handle = window.Handle();
        const LONG_PTR original = ProcedureOf(handle);
        LONG_PTR atTeardown = 0;
        window.afterMessage = [&](HWND, UINT msg) {
            if (msg == WM_NCDESTROY) atTeardown = ProcedureOf(handle);
        };
        if (path == Path::WindowDestroyed) {
            window.Manager().CreateShadow(1, false);
            ASSERT_NE(ProcedureOf(handle), original);
            window.Destroy();
            EXPECT_EQ(atTeardown, original);
            EXPECT_EQ(MShadow::GetShadowMap().count(handle), 0u);
        } else if (path == Path::ManagerDeleted) {
            auto manager = std::make_unique<Kelvo::PaintManager>();
            manager->Init(handle, nullptr);
            manager->CreateShadow(1, false);
            ASSERT_NE(ProcedureOf(handle), original);
            manager.reset();
            EXPECT_EQ(ProcedureOf(handle), original);
        } else {
            auto shadow = std::make_unique<MShadow>();
            shadow->ShowShadow(1);
            MShadow::Initialize(Kelvo::Manager::GetInstance(), false);
            shadow->Create(&window.Manager());
            ASSERT_NE(ProcedureOf(handle), original);
            const LONG_PTR hooked = ProcedureOf(handle);
            if (path == Path::ShadowDeletedUnderAnother)
                g_below = reinterpret_cast<WNDPROC>(
                    ::SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PassOn)));
            shadow.reset();
            if (path == Path::ShadowDeleted) {
                EXPECT_EQ(ProcedureOf(handle), original);
                EXPECT_EQ(MShadow::GetShadowMap().count(handle), 0u);
            } else {
                // The other procedure still reaches the window through ours.
                g_passed = 0;
                const int seen = static_cast<int>(window.messages.size());
                ::SendMessageW(handle, WM_NULL, 0, 0);
                EXPECT_EQ(g_passed, 1);
                EXPECT_EQ(static_cast<int>(window.messages.size()), seen + 1);
                EXPECT_EQ(reinterpret_cast<LONG_PTR>(g_below), hooked);
                window.Destroy();
                EXPECT_EQ(MShadow::GetShadowMap().count(handle), 0u);
            }
        }
    }
}

}  // namespace
