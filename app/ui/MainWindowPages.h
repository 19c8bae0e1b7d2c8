#pragma once
// The seven pages of the main window: their tabs, containers and the control IDs each
// page owns. Control IDs are unique across the window and grouped by page, so the
// window routes every control notification by its ID alone.
#include <array>
#include <optional>

enum class MainPage : int {
    kHome = 1,
    kKeys = 2,
    kPerformance = 3,
    kMacros = 4,
    kLighting = 5,
    kSettings = 6,
    kSystem = 7,
};

struct MainPageTab {
    MainPage page;         // also the tab's item ID
    int textId;            // tab tooltip
    const wchar_t* icon;   // skin file, two frames
    int containerId;       // the page's container control
};

// In the order the tabs are inserted.
const std::array<MainPageTab, 7>& MainPageTabs();
const MainPageTab* FindMainPageTab(MainPage page);

// The page that owns control `id`, for the IDs the pages own (the frame's are not a
// page's); nothing for an ID outside every group.
std::optional<MainPage> PageOwningControl(int id);
