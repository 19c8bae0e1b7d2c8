#include "SliderGeometry.h"

#include <algorithm>

namespace Kelvo {

namespace {

int RangeOf(int minimum, int maximum) { return maximum > minimum ? maximum - minimum : 0; }

}  // namespace

SliderTrack SliderTrackOf(int controlLeft, int controlRight, int thumbImageWidth) {
    SliderTrack track;
    track.left = controlLeft + thumbImageWidth / 2;
    track.width = std::max(0, controlRight - thumbImageWidth / 2 - track.left);
    return track;
}

int SliderThumbOffset(const SliderTrack& track, int position, int minimum, int maximum) {
    const int range = RangeOf(minimum, maximum);
    if (range == 0 || track.width <= 0) return 0;
    const long long offset = static_cast<long long>(std::clamp(position, 0, range)) * track.width / range;
    return static_cast<int>(std::min<long long>(offset < 1 ? 0 : offset, track.width));
}

CRect SliderThumbRect(const SliderTrack& track, int offset, int thumbSize, int controlBottom) {
    const int centre = track.left + offset;
    return CRect(centre - thumbSize / 2, controlBottom - thumbSize - 2, centre + thumbSize / 2, controlBottom - 2);
}

int SliderPositionAt(const SliderTrack& track, int x, int minimum, int maximum) {
    const int range = RangeOf(minimum, maximum);
    if (range == 0 || track.width <= 0) return 0;
    // The last position whose thumb sits at or left of the pointer: the inverse of the
    // placement above, so a press on the thumb's centre keeps its position.
    const long long distance = static_cast<long long>(x) - track.left;
    if (distance < 0) return 0;
    const long long position = ((distance + 1) * range - 1) / track.width;
    return static_cast<int>(std::clamp<long long>(position, 0, range));
}

int SliderPositionOfValue(int value, int minimum, int maximum) {
    const long long offset = static_cast<long long>(value) - minimum;
    if (offset < 0) return -1;
    return static_cast<int>(std::min<long long>(offset, RangeOf(minimum, maximum)));
}

int SliderShownValue(int value, int scale) { return value / std::max(1, scale); }

}  // namespace Kelvo
