#include "ScrollGeometry.h"

#include <algorithm>

namespace Kelvo {

namespace {

constexpr int kMinimumThumb = 100;
constexpr int kShortBarMargin = 50;

// The position that a thumb at `thumbStart` stands for; `fallback` when the thumb fills
// the track and so cannot move.
int PositionOfThumb(const ScrollBarAxis& bar, int thumbStart, int thumbLength, int maxRange, int fallback) {
    const int free = bar.Track() - thumbLength;
    if (free <= 0) return fallback;
    const long long offset = thumbStart - bar.start - bar.arrow;
    return static_cast<int>(std::clamp(offset * maxRange / free, 0LL, static_cast<long long>(maxRange)));
}

}  // namespace

int AutomaticScrollPage(int barLength, int maxRange) {
    if (static_cast<long long>(barLength) * 10 < maxRange) return maxRange / 10;
    return barLength;
}

int ScrollThumbLength(const ScrollBarAxis& bar, int page, int maxRange) {
    const int track = bar.Track();
    if (maxRange <= 0 || track <= 0) return 0;
    int length = std::max(bar.arrow / 2, static_cast<int>(static_cast<double>(page) / maxRange * track));
    if (length < kMinimumThumb) length = track - kShortBarMargin <= kMinimumThumb ? track - kShortBarMargin : kMinimumThumb;
    return std::clamp(length, 0, track);
}

ScrollThumb PlaceScrollThumb(const ScrollBarAxis& bar, int page, int maxRange, int position, int mappedRange) {
    ScrollThumb thumb;
    if (maxRange <= 0) return thumb;
    thumb.position = std::clamp(position, 0, maxRange);
    thumb.length = ScrollThumbLength(bar, page, maxRange);
    const int free = bar.Track() - thumb.length;
    const int first = bar.start + bar.arrow;
    int offset = 0;
    if (mappedRange > 0 && free > 0)
        offset = static_cast<int>(static_cast<double>(thumb.position) / mappedRange * free);
    const int last = bar.start + bar.length - bar.arrow * 3 / 2;
    thumb.start = std::max(first, std::min(first + offset, last));
    // A thumb that would reach past the bar's end is pulled back, and the position follows it.
    const int overshoot = thumb.start + thumb.length - (bar.start + bar.length);
    if (overshoot > 0) {
        thumb.start = std::max(first, thumb.start - overshoot);
        thumb.position = PositionOfThumb(bar, thumb.start, thumb.length, maxRange, thumb.position);
    }
    thumb.shown = page < maxRange && thumb.length > 0;
    return thumb;
}

ScrollThumbMove MoveScrollThumb(const ScrollBarAxis& bar, const ScrollThumb& thumb, int delta, int page, int maxRange) {
    ScrollThumbMove move;
    move.thumb = thumb;
    if (delta == 0 || maxRange <= 0) return move;
    const int length = ScrollThumbLength(bar, page, maxRange);
    const int first = bar.start + bar.arrow;
    const int last = bar.start + bar.length - bar.arrow - length;
    if (last < first) return move;
    const int target = std::clamp(thumb.start + delta, first, last);
    move.applied = target - thumb.start;
    if (move.applied == 0) return move;
    move.thumb.start = target;
    move.thumb.length = length;
    move.thumb.position = PositionOfThumb(bar, target, length, maxRange, thumb.position);
    return move;
}

int ScrollPageStep(const ScrollBarAxis& bar, int page, int maxRange) {
    // A bar whose arrows leave no track would otherwise page backwards.
    if (maxRange <= 0 || bar.Track() <= 0) return 0;
    return static_cast<int>(static_cast<long long>(bar.Track()) * page / maxRange);
}

}  // namespace Kelvo
