// Menus in real windows: layout, colours, where they open, and what real input does with
// them (highlight, choice, Escape, clicking elsewhere).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Manager.h"
#include "MenuItem.h"
#include "MenuWnd.h"
#include "WindowTestSupport.h"

using namespace Kelvo;
using namespace wintest;

namespace {

constexpr UINT kMenuMessage = 1709;

struct Entry {
    const wchar_t* text;  // null: a separator
    UINT id;
};

// Opens a menu the way the application does; null when it could not be made.
MenuWnd* OpenMenu(HWND owner, CPoint at, const std::vector<Entry>& entries, int width = 300) {
    auto* menu = new MenuWnd(nullptr);
    if (!menu->Create(owner, at, kMenuMessage, width)) {
        delete menu;
        return nullptr;
    }
    for (const Entry& entry : entries) {
        if (entry.text)
            menu->AddMenu(entry.text, entry.id, L"");
        else
            menu->AddSeparator(entry.id);
    }
    menu->ShowWindow(SW_SHOWNORMAL);
    PaintNow(menu->GetSafeHwnd());
    return menu;
}

const std::vector<Entry> kTwoItems = {{L"Copy", 101}, {L"Paste", 102}};

class MenuTest : public ::testing::Test {
protected:
    OwnerWindow owner{CRect(50, 50, 750, 550)};
};

TEST_F(MenuTest, StacksItsItemsBetweenTheMargins) {
    const struct {
        const char* name;
        std::vector<Entry> entries;
        int width;
        CSize size;
        std::vector<CRect> rects;
    } cases[] = {
        {"two items", kTwoItems, 300, {300, 62}, {{2, 6, 298, 31}, {2, 31, 298, 56}}},
        {"with a separator", {{L"A", 1}, {nullptr, 2}, {L"B", 3}}, 300, {300, 66},
         {{2, 6, 298, 31}, {6, 32, 299, 33}, {2, 35, 298, 60}}},
        {"narrow, three items", {{L"A", 1}, {L"B", 2}, {L"C", 3}}, 160, {160, 87},
         {{2, 6, 158, 31}, {2, 31, 158, 56}, {2, 56, 158, 81}}},
        {"empty", {}, 300, {300, 12}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MenuWnd* menu = OpenMenu(owner.Handle(), CPoint(100, 100), c.entries, c.width);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(WindowRect(menu->GetSafeHwnd()).Size(), c.size);
        ASSERT_EQ(menu->GetControls().size(), c.rects.size());
        for (size_t i = 0; i < c.rects.size(); ++i) EXPECT_EQ(menu->GetControls()[i]->GetRect(), c.rects[i]) << i;
        menu->CloseWindow();
        Pump(30);
    }
}

TEST_F(MenuTest, IsADarkBoxInABorderOfTheSelectionColour) {
    MenuWnd* menu = OpenMenu(owner.Handle(), CPoint(100, 100), kTwoItems);
    ASSERT_NE(menu, nullptr);
    PaintManager& manager = menu->GetPaintManager();
    const DWORD select = Manager::GetSelectColor() & 0xFFFFFF;  // 0xRRGGBB, as the buffer holds it
    EXPECT_EQ(select, 0x3768FAu);
    EXPECT_EQ(BufferRgb(manager, 0, 0), select);
    EXPECT_EQ(BufferRgb(manager, 299, 61), select);
    EXPECT_EQ(BufferRgb(manager, 150, 3), 0x333333u);
    EXPECT_EQ(BufferRgb(manager, 150, 59), 0x333333u);
    EXPECT_EQ(ArgbToColorRef(0xFF3768FA), RGB(0x37, 0x68, 0xFA));
    menu->CloseWindow();
    Pump(30);
}

TEST_F(MenuTest, OpensAtThePointInsideTheWorkArea) {
    const CRect work = WorkArea();
    const struct {
        const char* name;
        CPoint at;
        CPoint expected;
    } cases[] = {
        {"room enough", {100, 100}, {100, 100}},
        {"near the right edge", {work.right - 10, 200}, {work.right - 300, 200}},
        {"near the bottom right corner", {work.right - 5, work.bottom - 5}, {work.right - 300, work.bottom - 62}},
        {"left of and above the screen", {work.left - 40, work.top - 40}, {work.left, work.top}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MenuWnd* menu = OpenMenu(owner.Handle(), c.at, kTwoItems);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(WindowRect(menu->GetSafeHwnd()), CRect(c.expected, CSize(300, 62)));
        menu->CloseWindow();
        Pump(30);
    }
}

TEST_F(MenuTest, HighlightsTheItemUnderThePointer) {
    MenuWnd* menu = OpenMenu(owner.Handle(), CPoint(200, 200), kTwoItems);
    ASSERT_NE(menu, nullptr);
    HWND window = menu->GetSafeHwnd();
    auto* copy = static_cast<MenuItem*>(menu->GetControl(101));
    auto* paste = static_cast<MenuItem*>(menu->GetControl(102));
    PaintManager& manager = menu->GetPaintManager();

    const struct {
        CPoint at;
        int copyState, pasteState;
        DWORD copyPixel, pastePixel;
    } steps[] = {
        {{150, 18}, MenuItem::kHover, MenuItem::kNormal, 0x3768FA, 0x333333},
        {{150, 43}, MenuItem::kNormal, MenuItem::kHover, 0x333333, 0x3768FA},
        {{150, 3}, MenuItem::kNormal, MenuItem::kNormal, 0x333333, 0x333333},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.at.y);
        MoveTo(ScreenOf(window, step.at));
        PaintNow(window);
        EXPECT_EQ(copy->GetState(), step.copyState);
        EXPECT_EQ(paste->GetState(), step.pasteState);
        EXPECT_EQ(BufferRgb(manager, 6, 8), step.copyPixel);
        EXPECT_EQ(BufferRgb(manager, 6, 33), step.pastePixel);
    }
    menu->CloseWindow();
    Pump(30);
}

TEST_F(MenuTest, AChoiceIsPostedOnceAndClosesTheMenu) {
    MenuWnd* menu = OpenMenu(owner.Handle(), CPoint(200, 200), kTwoItems);
    ASSERT_NE(menu, nullptr);
    HWND window = menu->GetSafeHwnd();
    const POINT paste = ScreenOf(window, CPoint(150, 43));
    MoveTo(paste);
    LeftDown();
    LeftUp();
    LeftDown();  // a second click before the menu is gone chooses nothing more
    LeftUp();
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(window); }));
    EXPECT_FALSE(Manager::HasWnd(menu)) << "the menu deleted itself with its window";
    Pump(30);
    ASSERT_EQ(owner.received.size(), 1u);
    EXPECT_EQ(owner.received[0].msg, kMenuMessage);
    EXPECT_EQ(owner.received[0].wparam, 0u);
    EXPECT_EQ(owner.received[0].lparam, 102);
}

TEST_F(MenuTest, ClosesWithoutAChoice) {
    const struct {
        const char* name;
        void (*act)(HWND menu, HWND owner);
    } cases[] = {
        {"Escape", [](HWND, HWND) { Key(VK_ESCAPE); }},
        {"a click on the owner", [](HWND, HWND ownerWindow) { Click(ScreenOf(ownerWindow, CPoint(600, 450))); }},
        {"a disabled item, then Escape",
         [](HWND menuWindow, HWND) {
             Click(ScreenOf(menuWindow, CPoint(150, 18)));
             Pump(50);
             EXPECT_TRUE(IsWindow(menuWindow)) << "a disabled item is no choice";
             Key(VK_ESCAPE);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        owner.received.clear();
        MenuWnd* menu = OpenMenu(owner.Handle(), CPoint(200, 200), kTwoItems);
        ASSERT_NE(menu, nullptr);
        menu->GetControl(101)->SetEnabled(0);
        HWND window = menu->GetSafeHwnd();
        SetForegroundWindow(window);
        Pump(30);
        c.act(window, owner.Handle());
        EXPECT_TRUE(PumpUntil([&] { return !IsWindow(window); }));
        Pump(30);
        EXPECT_TRUE(owner.received.empty());
    }
}

TEST_F(MenuTest, AMenuThatCannotBeMadeIsLeftToItsCaller) {
    auto* menu = new MenuWnd(nullptr);
    HWND bogus = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFF0));
    EXPECT_EQ(menu->Create(bogus, CPoint(10, 10), kMenuMessage, 200), 0);
    EXPECT_EQ(menu->AddMenu(L"Nothing", 1, L""), -1);
    EXPECT_TRUE(menu->GetControls().empty());
    EXPECT_EQ(menu->GetSafeHwnd(), nullptr);
    delete menu;  // the caller's duty; the menu did not delete itself
}

}  // namespace
