// A slider's round trip from value to thumb to pointer and back, at the ends of the
// range and with ranges that hold nothing.
#include <gtest/gtest.h>

#include "SliderGeometry.h"

namespace Kelvo {
namespace {

TEST(SliderTest, APointerOnTheThumbAsksForTheThumbsPosition) {
    const SliderTrack track = SliderTrackOf(20, 220, 10);  // left 25, width 190
    const struct {
        int minimum, maximum;
    } ranges[] = {{0, 10}, {0, 100}, {1, 20}, {-5, 5}, {0, 1}};
    for (const auto& r : ranges) {
        for (int position = 0; position <= r.maximum - r.minimum; ++position) {
            const int offset = SliderThumbOffset(track, position, r.minimum, r.maximum);
            const CRect thumb = SliderThumbRect(track, offset, 10, 40);
            EXPECT_EQ(SliderPositionAt(track, thumb.CenterPoint().x, r.minimum, r.maximum), position)
                << r.minimum << ".." << r.maximum << " @" << position;
        }
    }
}

TEST(SliderTest, EndsAndEmptyRangesStayInside) {
    const SliderTrack track = SliderTrackOf(0, 110, 10);  // left 5, width 100
    const struct {
        const char* name;
        int x, minimum, maximum, position;
    } cases[] = {
        {"far left", -500, 0, 10, 0},
        {"far right stops at maximum less minimum", 5000, 3, 10, 7},
        {"the track's end", 105, 0, 10, 10},
        {"empty range", 60, 4, 4, 0},
        {"inverted range", 60, 10, 4, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(SliderPositionAt(track, c.x, c.minimum, c.maximum), c.position) << c.name;
    EXPECT_EQ(SliderThumbOffset(track, 3, 4, 4), 0);
    EXPECT_EQ(SliderThumbOffset(track, 50, 0, 10), 100);  // positions past the range sit at the end
    EXPECT_EQ(SliderPositionOfValue(12, 0, 10), 10);
    EXPECT_EQ(SliderPositionOfValue(10, 10, 10), 0);
    EXPECT_EQ(SliderPositionOfValue(9, 10, 10), -1);
}

}  // namespace
}  // namespace Kelvo
