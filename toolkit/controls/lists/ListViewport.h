#pragma once
// Which rows of a scrolled list are on screen. The list's content is count x row height
// tall; the bar's position (0 ... range) says how far of the overflow is scrolled.
#include "Geometry.h"

namespace Kelvo {

struct ListViewport {
    int offset = 0;  // pixels of content above the visible part
    int first = 0;   // first visible row
    int last = -1;   // last visible row (inclusive); below `first` when nothing shows
};

// Offset 0 whenever the content fits or the bar has no range, so nothing divides by 0.
ListViewport VisibleRows(int count, int rowHeight, int visibleHeight, int barPosition, int barRange);
// The bar position that shows `row` whole (the nearest edge), given the current one.
int BarPositionShowing(int row, int count, int rowHeight, int visibleHeight, int barPosition, int barRange);
// The row under content point y (0 at the content's top); -1 outside the rows.
int RowAt(int contentY, int count, int rowHeight);

}  // namespace Kelvo
