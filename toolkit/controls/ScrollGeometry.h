#pragma once
// Where a scroll bar's thumb goes, along the bar's axis (y for a vertical bar, x for a
// horizontal one). Pure arithmetic, shared by both bars.
//
// A bar of `length` pixels keeps `arrow` pixels free at both ends; the rest is the track.
// The thumb is as long as the visible page is of the range, but never shorter than 100
// pixels (or than the track less 50 on short bars) and never longer than the track. A
// range of 0 or less has no thumb and keeps position 0, so nothing here divides by zero.

namespace Kelvo {

struct ScrollBarAxis {
    int start = 0;   // the bar's top (or left) edge
    int length = 0;  // the bar's height (or width)
    int arrow = 0;   // room kept free at each end
    int Track() const { return length - 2 * arrow; }
};

struct ScrollThumb {
    int position = 0;  // the position, clamped to 0 ... range and corrected when the thumb had to move
    int start = 0;     // the thumb's top (or left) edge
    int length = 0;    // 0: no thumb
    bool shown = false;
};

// The page that an automatic page size stands for: the bar's length, or a tenth of the
// range when the range is more than ten bar lengths.
int AutomaticScrollPage(int barLength, int maxRange);

// The thumb's length for a page of the range.
int ScrollThumbLength(const ScrollBarAxis& bar, int page, int maxRange);

// Places the thumb for `position`. `mappedRange` is the range the position is spread over
// (normally maxRange; the vertical bar's extended mode uses maxRange less the bar's length).
ScrollThumb PlaceScrollThumb(const ScrollBarAxis& bar, int page, int maxRange, int position, int mappedRange);

// Dragging or paging: moves the thumb by `delta`, limited so that it stays inside the
// track. `applied` is the part of `delta` that was used (0: nothing moved).
struct ScrollThumbMove {
    int applied = 0;
    ScrollThumb thumb;
};
ScrollThumbMove MoveScrollThumb(const ScrollBarAxis& bar, const ScrollThumb& thumb, int delta, int page, int maxRange);

// How far a click on the track beside the thumb moves it: the page's share of the track.
int ScrollPageStep(const ScrollBarAxis& bar, int page, int maxRange);

}  // namespace Kelvo
