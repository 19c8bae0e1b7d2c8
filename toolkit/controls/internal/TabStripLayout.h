#pragma once
// A tab strip's arithmetic: how wide (or high) its tabs may be in the room the control
// has, where each tab goes along the top or down the left edge, which tab lies under a
// point, and which tab stays selected when tabs go away. A hidden tab takes no room and
// has an empty rectangle, so it is never under a point.
#include <vector>

#include "Geometry.h"

namespace Kelvo {

enum class TabOrientation { kHorizontal = 0, kVertical = 1 };

// What the layout needs of one tab.
struct TabSlot {
    bool visible = true;
    CRect rect;           // its current rectangle (a width may be all it holds yet)
    int frameHeight = 0;  // height of its image
};

// The sizes the layout reads, some of which it fills in from the first visible tab.
struct TabStripMetrics {
    int itemWidth = 0;  // horizontal: the width of every tab; 0 takes the first tab's own
    int tabHeight = 0;  // the height of every tab; horizontal 0 takes the first tab's image height
    int tabWidth = 0;   // vertical: the width of every tab; 0 takes the first tab's own
    int leftPadding = 0;
    int rightPadding = 0;
    int topPadding = 0;
    int bottomPadding = 0;
};

// The width (or height) each tab gets: `requested`, but when a minimum is given, no more
// than the room per tab (hidden tabs counted) and never less than the minimum. `room` is
// the control's extent less both paddings. 0 tabs keep `current`.
int TabItemExtent(int requested, int minimum, int room, int tabCount, int current);

// Places the tabs inside `control`: horizontally side by side from the top-left corner
// inside the paddings, vertically one below the other with `verticalGap` pixels between.
// Fills the metrics the first visible tab decides and returns each tab's rectangle.
std::vector<CRect> LayOutTabStrip(TabOrientation orientation, const std::vector<TabSlot>& tabs,
                                  TabStripMetrics& metrics, const CRect& control, int verticalGap);

// The look of a disabled strip: a vertical strip shows only its first tab (when
// visible), a horizontal one keeps its rectangles; hidden tabs are empty.
std::vector<CRect> CollapseTabStrip(TabOrientation orientation, const std::vector<TabSlot>& tabs,
                                    const TabStripMetrics& metrics, const CRect& control);

// The index of the tab whose rectangle holds `point`; -1 for none.
int TabAt(const std::vector<CRect>& rects, CPoint point);

// The selection after tabs changed: kept while it names a tab (even a hidden one),
// otherwise the last visible tab, or -1 when none is visible.
int FixTabSelection(int selected, const std::vector<bool>& visible);

// The band the tabs are drawn in: a row of the tab height across the control inside the
// top padding (horizontal), or a column of the tab width down the control inside the left
// padding (vertical).
CRect TabStripBand(TabOrientation orientation, const TabStripMetrics& metrics, const CRect& control);

}  // namespace Kelvo
