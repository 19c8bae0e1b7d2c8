#include "MainWindowPages.h"

namespace {

struct IdGroup {
    int first;
    int last;
    MainPage page;
};

// The frame owns 30-56; the home page's only control (the model selector, 55) is the
// frame's too.
constexpr IdGroup kGroups[] = {
    {58, 107, MainPage::kKeys},       {108, 135, MainPage::kPerformance}, {136, 185, MainPage::kMacros},
    {186, 217, MainPage::kLighting},  {218, 272, MainPage::kSettings},    {273, 297, MainPage::kSystem},
};

}  // namespace

const std::array<MainPageTab, 7>& MainPageTabs() {
    static const std::array<MainPageTab, 7> tabs{{
        {MainPage::kHome, 71, L"icon\\tab_home.png", 50},
        {MainPage::kKeys, 72, L"icon\\tab_key.png", 45},
        {MainPage::kPerformance, 73, L"icon\\tab_dpi.png", 46},
        {MainPage::kMacros, 74, L"icon\\tab_macro.png", 47},
        {MainPage::kLighting, 75, L"icon\\tab_light.png", 48},
        {MainPage::kSettings, 76, L"icon\\tab_set.png", 49},
        {MainPage::kSystem, 77, L"icon\\tab_sysset.png", 51},
    }};
    return tabs;
}

const MainPageTab* FindMainPageTab(MainPage page) {
    for (const MainPageTab& tab : MainPageTabs()) {
        if (tab.page == page) return &tab;
    }
    return nullptr;
}

std::optional<MainPage> PageOwningControl(int id) {
    for (const IdGroup& group : kGroups) {
        if (id >= group.first && id <= group.last) return group.page;
    }
    return std::nullopt;
}
