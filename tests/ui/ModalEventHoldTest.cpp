// The worker's events while the window runs a modal loop: held back until the outermost
// loop ends, then applied in order; only the end of a model change, which closes the
// busy dialog (itself such a loop), passes at once.
#include <gtest/gtest.h>

#include <string>

#include "MainWindowPages.h"
#include "ModalEventHold.h"

namespace {

struct Window : DeviceEventListener {
    void OnStatusText(int textId) override { Add("status " + std::to_string(textId)); }
    void OnBattery(int level, int) override { Add("battery " + std::to_string(level)); }
    void OnPagesEnabled(bool enabled) override { Add(enabled ? "pages on" : "pages off"); }
    void OnReloadPage(DevicePage page) override { Add("reload " + std::to_string(static_cast<int>(page))); }
    void OnModelReadFinished(bool) override { Add("read"); }
    void OnModelChangeFinished(unsigned generation, bool) override { Add("change " + std::to_string(generation)); }
    void Add(const std::string& entry) { log += (log.empty() ? "" : ", ") + entry; }
    std::string log;
};

// Steps: e enter, l leave, s status, r reload keys, c change finished (generation 7), b battery.
void Play(ModalEventHold& hold, const std::string& steps) {
    for (char step : steps) {
        switch (step) {
        case 'e': hold.Enter(); break;
        case 'l': hold.Leave(); break;
        case 's': hold.Target().OnStatusText(51); break;
        case 'r': hold.Target().OnReloadPage(DevicePage::kKeys); break;
        case 'c': hold.Target().OnModelChangeFinished(7, true); break;
        case 'b': hold.Target().OnBattery(40, 0); break;
        }
    }
}

TEST(ModalEventHold, HoldsEventsUntilTheOutermostLoopEndsButLetsAModelChangeEndThrough) {
    struct Case {
        const char* steps;
        const char* seenDuring;  // before the last leave
        const char* seenAfter;
    };
    const Case cases[] = {
        {"sb", "status 51, battery 40", "status 51, battery 40"},
        {"esrb", "", "status 51, reload 0, battery 40"},
        {"esrcb", "change 7", "change 7, status 51, reload 0, battery 40"},
        {"eesrrlb", "", "status 51, reload 0, battery 40"},  // inner leave keeps holding; reloads merge
        {"ll" "s", "status 51", "status 51"},                   // a stray leave does not start holding
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.steps);
        Window window;
        ModalEventHold hold(window);
        Play(hold, c.steps);
        EXPECT_EQ(window.log, c.seenDuring);
        while (hold.Holding()) hold.Leave();
        EXPECT_EQ(window.log, c.seenAfter);
    }
}

TEST(MainWindowPages, EveryControlIdBelongsToThePageOfItsGroup) {
    const std::pair<int, std::optional<MainPage>> cases[] = {
        {30, std::nullopt},  {56, std::nullopt},  {57, std::nullopt},          {58, MainPage::kKeys},
        {107, MainPage::kKeys}, {108, MainPage::kPerformance}, {135, MainPage::kPerformance},
        {136, MainPage::kMacros}, {185, MainPage::kMacros}, {186, MainPage::kLighting}, {217, MainPage::kLighting},
        {218, MainPage::kSettings}, {272, MainPage::kSettings}, {273, MainPage::kSystem}, {297, MainPage::kSystem},
        {298, std::nullopt}, {-1, std::nullopt},
    };
    for (const auto& [id, page] : cases) EXPECT_EQ(PageOwningControl(id), page) << id;
    int containers = 0;
    for (const MainPageTab& tab : MainPageTabs()) containers |= 1 << (tab.containerId - 45);
    EXPECT_EQ(containers, 0x7F) << "the seven containers 45-51, one per tab";
    EXPECT_EQ(FindMainPageTab(MainPage::kHome)->containerId, 50);
}

}  // namespace
