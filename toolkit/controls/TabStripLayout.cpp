#include "TabStripLayout.h"

#include <cstddef>

namespace Kelvo {

int TabItemExtent(int requested, int minimum, int room, int tabCount, int current) {
    if (tabCount <= 0) return current;
    if (minimum <= 0) return requested;
    const int available = room / tabCount;
    if (available < minimum) return minimum;
    if (available < requested) return available;
    return requested;
}

std::vector<CRect> LayOutTabStrip(TabOrientation orientation, const std::vector<TabSlot>& tabs,
                                  TabStripMetrics& metrics, const CRect& control, int verticalGap) {
    std::vector<CRect> rects;
    rects.reserve(tabs.size());
    int x = control.left + metrics.leftPadding;
    int y = control.top + metrics.topPadding;
    for (const TabSlot& tab : tabs) {
        if (!tab.visible) {
            rects.push_back(CRect());
            continue;
        }
        if (orientation == TabOrientation::kHorizontal) {
            if (metrics.itemWidth == 0) metrics.itemWidth = tab.rect.Width();
            if (metrics.tabHeight == 0) metrics.tabHeight = tab.frameHeight;
            rects.push_back(CRect(x, y, x + metrics.itemWidth, y + metrics.tabHeight));
            x += metrics.itemWidth;
        } else {
            if (metrics.tabWidth == 0) metrics.tabWidth = tab.rect.Width();
            rects.push_back(CRect(x, y, x + metrics.tabWidth, y + metrics.tabHeight));
            y += metrics.tabHeight + verticalGap;
        }
    }
    return rects;
}

std::vector<CRect> CollapseTabStrip(TabOrientation orientation, const std::vector<TabSlot>& tabs,
                                    const TabStripMetrics& metrics, const CRect& control) {
    std::vector<CRect> rects;
    rects.reserve(tabs.size());
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        if (!tabs[i].visible) {
            rects.push_back(CRect());
        } else if (orientation == TabOrientation::kHorizontal) {
            rects.push_back(tabs[i].rect);
        } else if (i == 0) {
            const int left = control.left + metrics.leftPadding;
            const int top = control.top + metrics.topPadding;
            rects.push_back(CRect(left, top, left + metrics.tabWidth, top + metrics.tabHeight));
        } else {
            rects.push_back(CRect());
        }
    }
    return rects;
}

int TabAt(const std::vector<CRect>& rects, CPoint point) {
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (rects[i].PtInRect(point)) return static_cast<int>(i);
    return -1;
}

int FixTabSelection(int selected, const std::vector<bool>& visible) {
    const int count = static_cast<int>(visible.size());
    if (selected < count) return selected;
    for (int i = count - 1; i >= 0; --i)
        if (visible[i]) return i;
    return -1;
}

CRect TabStripBand(TabOrientation orientation, const TabStripMetrics& metrics, const CRect& control) {
    if (orientation == TabOrientation::kHorizontal) {
        const int top = control.top + metrics.topPadding;
        return CRect(control.left, top, control.right, top + metrics.tabHeight);
    }
    const int left = control.left + metrics.leftPadding;
    return CRect(left, control.top, left + metrics.tabWidth, control.bottom);
}

}  // namespace Kelvo
