#pragma once
// A slider's arithmetic: the track the thumb's centre runs along, where the thumb sits
// for a position, and which position a point or a value stands for. A position is the
// offset of the value from the minimum, 0 ... maximum − minimum, so the value never
// exceeds the maximum. An empty range (maximum ≤ minimum) or a track without width puts
// everything at position 0; nothing here divides by zero.
#include "Geometry.h"

namespace Kelvo {

struct SliderTrack {
    int left = 0;   // where the thumb's centre is at position 0
    int width = 0;  // how far it travels to the last position
};

// The control's horizontal extent, inset by half the thumb image's width at both ends.
SliderTrack SliderTrackOf(int controlLeft, int controlRight, int thumbImageWidth);

// The thumb's centre, relative to the track's left edge, for `position`.
int SliderThumbOffset(const SliderTrack& track, int position, int minimum, int maximum);

// The thumb: `thumbSize` square, centred on the offset, 2 pixels above the control's bottom.
CRect SliderThumbRect(const SliderTrack& track, int offset, int thumbSize, int controlBottom);

// The position a pointer at `x` asks for: the last one whose thumb centre is at or left of
// `x` (so the thumb's own centre gives its own position), clamped to the range.
int SliderPositionAt(const SliderTrack& track, int x, int minimum, int maximum);

// The position for `value`: values above the maximum give the last position; -1 for a
// value below the minimum, which is refused.
int SliderPositionOfValue(int value, int minimum, int maximum);

// The number a slider shows for `value`: the value divided by the scale (a scale below 1
// counts as 1).
int SliderShownValue(int value, int scale);

}  // namespace Kelvo
