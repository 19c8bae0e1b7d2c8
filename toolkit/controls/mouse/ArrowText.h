#pragma once
// Text with arrows (U+2190-U+2193) on one line. The toolkit's font has no arrow glyphs, so
// the event rows' "↓  A" or "→  10, ↓  5" would show empty boxes: the arrows are drawn
// as strokes between the runs of text, which are drawn in the control's font.
#include <windows.h>
#include "GdiPlus.h"

#include <functional>

#include "CString.h"
#include "Geometry.h"

namespace Kelvo {

bool HasArrow(const CString& text);

// Draws `text` left-aligned and vertically centred in `rect`: its runs through
// `drawRun(run, runRect)`, measured with `font`, and its arrows as strokes in `colour`.
void DrawArrowText(HDC dc, const CRect& rect, const CString& text, const Gdiplus::Font& font, Gdiplus::ARGB colour,
                   const std::function<void(const CString&, const CRect&)>& drawRun);

}  // namespace Kelvo
