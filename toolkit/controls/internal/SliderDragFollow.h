#pragma once
// The part of a slider's drag that the paint manager's tick carries on. Moves reach a
// slider only while the pointer is over its window; when they stop (the pointer left, or
// rests), the tick looks where the pointer is, at most once per interval, so the thumb
// still ends up under it. The slider keeps the time of the last move it saw.
#include <windows.h>

#include <cstdint>

#include "Geometry.h"

namespace Kelvo {

constexpr std::uint64_t kSliderFollowIntervalMs = 60;

// True when a tick during a drag should bring the thumb to the pointer now; the tick then
// counts as the last move.
inline bool SliderFollowDue(std::uint64_t& lastMoveMs, std::uint64_t nowMs) {
    if (nowMs - lastMoveMs <= kSliderFollowIntervalMs) return false;
    lastMoveMs = nowMs;
    return true;
}

// The pointer in the client coordinates of `window`; false when it cannot be read.
inline bool CursorInClient(HWND window, CPoint& point) {
    POINT cursor{};
    if (!::GetCursorPos(&cursor) || !::ScreenToClient(window, &cursor)) return false;
    point = CPoint(cursor.x, cursor.y);
    return true;
}

}  // namespace Kelvo
