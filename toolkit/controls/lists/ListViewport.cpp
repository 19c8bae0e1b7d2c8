#include "ListViewport.h"

#include <algorithm>

namespace Kelvo {

namespace {

int Overflow(int count, int rowHeight, int visibleHeight) {
    const long long content = static_cast<long long>(std::max(count, 0)) * std::max(rowHeight, 0);
    return static_cast<int>(std::max(content - visibleHeight, 0LL));
}

}  // namespace

ListViewport VisibleRows(int count, int rowHeight, int visibleHeight, int barPosition, int barRange) {
    ListViewport view;
    if (count <= 0 || rowHeight <= 0 || visibleHeight <= 0) return view;
    const int overflow = Overflow(count, rowHeight, visibleHeight);
    if (overflow > 0 && barRange > 0) {
        const long long position = std::clamp(barPosition, 0, barRange);
        view.offset = static_cast<int>(overflow * position / barRange);
    }
    view.first = view.offset / rowHeight;
    view.last = std::min(count - 1, (view.offset + visibleHeight) / rowHeight);
    return view;
}

int BarPositionShowing(int row, int count, int rowHeight, int visibleHeight, int barPosition, int barRange) {
    const int overflow = Overflow(count, rowHeight, visibleHeight);
    if (overflow <= 0 || barRange <= 0 || row < 0 || row >= count) return barPosition;
    const int offset = VisibleRows(count, rowHeight, visibleHeight, barPosition, barRange).offset;
    int wanted = offset;
    if (row * rowHeight < offset) wanted = row * rowHeight;
    else if ((row + 1) * rowHeight > offset + visibleHeight) wanted = (row + 1) * rowHeight - visibleHeight;
    if (wanted == offset) return barPosition;
    wanted = std::clamp(wanted, 0, overflow);
    // Round up so that the offset computed back from the position reaches `wanted`.
    return static_cast<int>((static_cast<long long>(wanted) * barRange + overflow - 1) / overflow);
}

int RowAt(int contentY, int count, int rowHeight) {
    if (rowHeight <= 0 || contentY < 0) return -1;
    const int row = contentY / rowHeight;
    return row < count ? row : -1;
}

}  // namespace Kelvo
