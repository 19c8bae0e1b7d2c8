// Scroll-bar thumbs and slider positions: the arithmetic behind dragging, paging and
// placing, including the ranges and tracks too small to divide by.
#include <gtest/gtest.h>

#include "ScrollGeometry.h"
#include "SliderGeometry.h"

namespace Kelvo {
namespace {

TEST(ScrollGeometryTest, PagesAndThumbLengths) {
    EXPECT_EQ(AutomaticScrollPage(300, 1000), 300);
    EXPECT_EQ(AutomaticScrollPage(50, 1000), 100);  // a range of over ten bars pages by a tenth
    const struct {
        ScrollBarAxis bar;
        int page, maxRange, length;
    } cases[] = {
        {{0, 300, 0}, 300, 1000, 100},  // 90 is raised to the minimum
        {{0, 120, 0}, 120, 1000, 70},   // a short bar: the track less 50
        {{0, 40, 0}, 40, 1000, 0},      // shorter still: no negative thumb
        {{0, 300, 0}, 600, 1000, 180},
        {{0, 300, 20}, 600, 1000, 156},
        {{0, 300, 0}, 5000, 1000, 300},  // never longer than the track
        {{0, 300, 0}, 300, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScrollThumbLength(c.bar, c.page, c.maxRange), c.length) << c.bar.length << "/" << c.page;
}

TEST(ScrollGeometryTest, ThumbPlacementFollowsThePosition) {
    const ScrollBarAxis bar{10, 300, 0};
    const struct {
        int page, maxRange, position, mapped;
        ScrollThumb thumb;
    } cases[] = {
        {300, 1000, 0, 1000, {0, 10, 100, true}},
        {300, 1000, 500, 1000, {500, 110, 100, true}},
        {300, 1000, 1000, 1000, {1000, 210, 100, true}},
        {300, 1000, 2000, 1000, {1000, 210, 100, true}},  // clamped to the range
        {300, 1000, -5, 1000, {0, 10, 100, true}},
        {300, 1000, 700, 700, {700, 210, 100, true}},  // spread over the range less the bar
        {300, 1000, 850, 700, {1000, 210, 100, true}}, // pulled back inside the bar; the position follows
        {1000, 1000, 0, 1000, {0, 10, 300, false}},    // the page shows everything: no thumb
        {300, 0, 40, 0, {0, 0, 0, false}},             // no range at all
    };
    for (const auto& c : cases) {
        const ScrollThumb thumb = PlaceScrollThumb(bar, c.page, c.maxRange, c.position, c.mapped);
        EXPECT_EQ(thumb.position, c.thumb.position) << c.position << "/" << c.mapped;
        EXPECT_EQ(thumb.start, c.thumb.start) << c.position << "/" << c.mapped;
        EXPECT_EQ(thumb.length, c.thumb.length) << c.position << "/" << c.mapped;
        EXPECT_EQ(thumb.shown, c.thumb.shown) << c.position << "/" << c.mapped;
    }
}

TEST(ScrollGeometryTest, DraggingAndPagingStayInsideTheTrack) {
    const ScrollBarAxis bar{0, 300, 0};
    const ScrollThumb top = PlaceScrollThumb(bar, 300, 1000, 0, 1000);
    const struct {
        ScrollThumb from;
        int delta, page, applied, start, position;
    } cases[] = {
        {top, 50, 300, 50, 50, 250},
        {top, 500, 300, 200, 200, 1000},
        {top, -10, 300, 0, 0, 0},
        {top, 0, 300, 0, 0, 0},
        {top, 30, 1000, 0, 0, 0},  // a thumb as long as the track cannot move
    };
    for (const auto& c : cases) {
        const ScrollThumbMove move = MoveScrollThumb(bar, c.from, c.delta, c.page, 1000);
        EXPECT_EQ(move.applied, c.applied) << c.delta;
        EXPECT_EQ(move.thumb.start, c.start) << c.delta;
        EXPECT_EQ(move.thumb.position, c.position) << c.delta;
    }
    EXPECT_EQ(ScrollPageStep(bar, 300, 1000), 90);
    EXPECT_EQ(ScrollPageStep(bar, 300, 0), 0);
    EXPECT_EQ(ScrollPageStep(ScrollBarAxis{0, 30, 20}, 300, 1000), 0);  // arrows longer than the bar
}

TEST(SliderGeometryTest, ThumbAndTrack) {
    const SliderTrack track = SliderTrackOf(10, 210, 20);
    EXPECT_EQ(track.left, 20);
    EXPECT_EQ(track.width, 180);
    EXPECT_EQ(SliderTrackOf(0, 10, 20).width, 0);
    const struct {
        SliderTrack track;
        int position, minimum, maximum, offset;
    } cases[] = {
        {track, 5, 0, 10, 90},    {track, 10, 0, 10, 180}, {track, 0, 0, 10, 0},
        {track, 20, 0, 10, 180},  // past the end: the end
        {track, 1, 0, 1000, 0},   // less than a pixel
        {track, 5, 7, 7, 0},      // empty range
        {{20, 0}, 5, 0, 10, 0},   // no track
    };
    for (const auto& c : cases)
        EXPECT_EQ(SliderThumbOffset(c.track, c.position, c.minimum, c.maximum), c.offset) << c.position;
    EXPECT_EQ(SliderThumbRect(track, 90, 10, 50), CRect(105, 38, 115, 48));
}

TEST(SliderGeometryTest, PositionsFromPointsAndValues) {
    const SliderTrack track{20, 180};
    const struct {
        int x, minimum, maximum, position;
    } points[] = {{110, 0, 10, 5}, {0, 0, 10, 0}, {500, 0, 10, 10}, {200, 5, 15, 10}, {110, 3, 3, 0}};
    for (const auto& p : points) EXPECT_EQ(SliderPositionAt(track, p.x, p.minimum, p.maximum), p.position) << p.x;
    EXPECT_EQ(SliderPositionAt(SliderTrack{20, 0}, 50, 0, 10), 0);

    const struct {
        int value, minimum, maximum, position;
    } values[] = {{15, 5, 20, 10}, {25, 5, 20, 15}, {4, 5, 20, -1}, {5, 5, 5, 0}, {100, 0, 100, 100}};
    for (const auto& v : values)
        EXPECT_EQ(SliderPositionOfValue(v.value, v.minimum, v.maximum), v.position) << v.value;
    EXPECT_EQ(SliderShownValue(250, 10), 25);
    EXPECT_EQ(SliderShownValue(250, 0), 250);
}

}  // namespace
}  // namespace Kelvo
