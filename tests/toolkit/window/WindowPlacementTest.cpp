// Where windows and menus go: kept inside a work area, or centred over a reference.
#include <gtest/gtest.h>

#include "WindowPlacement.h"

using namespace Kelvo;

namespace {

TEST(WindowPlacement, KeepsAWindowInsideTheLimits) {
    const CRect work(0, 0, 1600, 1000);
    const struct {
        const char* name;
        CPoint wanted;
        CSize size;
        CRect limits;
        CPoint expected;
    } cases[] = {
        {"fits", {100, 100}, {300, 62}, work, {100, 100}},
        {"over the right edge", {1500, 100}, {300, 62}, work, {1300, 100}},
        {"over the bottom edge", {100, 990}, {300, 62}, work, {100, 938}},
        {"over the corner", {1599, 999}, {300, 62}, work, {1300, 938}},
        {"exactly at the edge", {1300, 938}, {300, 62}, work, {1300, 938}},
        {"left of and above", {-50, -20}, {300, 62}, work, {0, 0}},
        {"larger than the limits keeps its corner visible", {500, 500}, {2000, 1200}, work, {0, 0}},
        {"a work area that does not start at zero", {0, 0}, {300, 62}, CRect(-1920, 40, 0, 1080), {-300, 40}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(KeepInside(c.wanted, c.size, c.limits), c.expected);
    }
}

TEST(WindowPlacement, CentresOverTheReferenceWithinTheLimits) {
    const CRect work(0, 40, 1600, 1000);
    const struct {
        const char* name;
        CSize size;
        CRect reference;
        CPoint expected;
    } cases[] = {
        {"over the work area", {400, 300}, work, {600, 370}},
        {"over a window", {200, 100}, CRect(100, 100, 500, 400), {200, 200}},
        {"over a window at the edge", {400, 300}, CRect(1400, 900, 1600, 1000), {1200, 700}},
        {"over a window above the work area", {400, 300}, CRect(0, 0, 100, 60), {0, 40}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CentreOver(c.size, c.reference, work), c.expected);
    }
}

}  // namespace
