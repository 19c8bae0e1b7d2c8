// The press cycle buttons share: which state each pointer event leaves, and which
// release completes a click.
#include <gtest/gtest.h>

#include <string>

#include "PressCycle.h"

namespace Kelvo {
namespace {

// A script of events: m = move, d = press, u = release; uppercase inside, lowercase outside.
struct Script {
    const char* events;
    const char* states;  // the state after each event
    int clicks;
    bool anyRelease = false;
};

TEST(PressCycleTest, EventsLeaveTheStatesAndClicksOfTheCycle) {
    const Script scripts[] = {
        {"MDU", "121", 1},        // hover, press, release inside: a click, hover again
        {"MDmu", "1220", 0},      // dragged out while pressed and released there: no click
        {"MDmMU", "12221", 1},    // out and back in before the release still clicks
        {"mdMU", "0011", 0},      // a press outside, released inside: nothing was pressed
        {"MmMm", "1010", 0},
        {"MDUU", "1211", 1},      // a second release completes nothing
        {"DDU", "221", 1},
        // Buttons that take every release inside as a click.
        {"mdMU", "0011", 1, true},
        {"MU", "11", 1, true},
        {"MDmu", "1220", 0, true},  // still none outside
    };
    for (const Script& script : scripts) {
        PressCycle cycle;
        std::string states;
        int clicks = 0;
        for (const char* e = script.events; *e; ++e) {
            const bool inside = *e >= 'A' && *e <= 'Z';
            switch (*e | 0x20) {
            case 'm': cycle.Move(inside); break;
            case 'd': cycle.Down(inside); break;
            case 'u': clicks += cycle.Up(inside, script.anyRelease).clicked ? 1 : 0; break;
            }
            states += static_cast<char>('0' + cycle.state);
        }
        EXPECT_EQ(states, script.states) << script.events;
        EXPECT_EQ(clicks, script.clicks) << script.events;
    }
}

TEST(PressCycleTest, OnlyRealChangesAskForARepaint) {
    PressCycle cycle;
    EXPECT_TRUE(cycle.Move(true));
    EXPECT_FALSE(cycle.Move(true));
    EXPECT_TRUE(cycle.Down(true));
    EXPECT_FALSE(cycle.Down(true));
    EXPECT_FALSE(cycle.Move(false));  // pressed: moves change nothing
    const PressCycle::Release release = cycle.Up(false);
    EXPECT_TRUE(release.changed);
    EXPECT_FALSE(release.clicked);
    EXPECT_FALSE(cycle.Up(false).changed);
}

}  // namespace
}  // namespace Kelvo
