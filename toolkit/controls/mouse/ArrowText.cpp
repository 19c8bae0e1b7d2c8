#include "ArrowText.h"

#include <algorithm>

namespace Kelvo {

namespace {

bool IsArrow(wchar_t c) { return c >= 0x2190 && c <= 0x2193; }

// Width of a run as drawn, trailing blanks included (they space the arrows).
float RunWidth(Gdiplus::Graphics& graphics, const CString& run, const Gdiplus::Font& font) {
    Gdiplus::StringFormat format(Gdiplus::StringFormat::GenericTypographic());
    format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsMeasureTrailingSpaces);
    Gdiplus::RectF bounds;
    graphics.MeasureString(run, -1, &font, Gdiplus::PointF(0, 0), &format, &bounds);
    return bounds.Width;
}

// An arrow of height `size` pointing the way `arrow` does, centred in `box`.
void DrawArrow(Gdiplus::Graphics& graphics, wchar_t arrow, const Gdiplus::RectF& box, float size,
               Gdiplus::ARGB colour) {
    const float cx = box.X + box.Width / 2, cy = box.Y + box.Height / 2, half = size / 2;
    Gdiplus::PointF from(cx, cy + half), to(cx, cy - half);  // up
    if (arrow == 0x2193) std::swap(from, to);
    if (arrow == 0x2190) from = {cx + half, cy}, to = {cx - half, cy};
    if (arrow == 0x2192) from = {cx - half, cy}, to = {cx + half, cy};
    Gdiplus::Pen pen(Gdiplus::Color(colour), std::max(1.5f, size / 8));
    Gdiplus::AdjustableArrowCap head(3.0f, 3.0f, TRUE);
    pen.SetCustomEndCap(&head);
    graphics.DrawLine(&pen, from, to);
}

}  // namespace

bool HasArrow(const CString& text) {
    for (wchar_t c : text.str())
        if (IsArrow(c)) return true;
    return false;
}

void DrawArrowText(HDC dc, const CRect& rect, const CString& text, const Gdiplus::Font& font, Gdiplus::ARGB colour,
                   const std::function<void(const CString&, const CRect&)>& drawRun) {
    Gdiplus::Graphics graphics(dc);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    const float size = font.GetSize() * 0.75f;
    float x = static_cast<float>(rect.left);
    const std::wstring& s = text.str();
    std::size_t start = 0;
    while (start < s.size() && x < rect.right) {
        if (IsArrow(s[start])) {
            const float width = size + 2;
            DrawArrow(graphics, s[start], Gdiplus::RectF(x, static_cast<float>(rect.top), width,
                                                         static_cast<float>(rect.Height())), size, colour);
            x += width;
            ++start;
            continue;
        }
        std::size_t end = start;
        while (end < s.size() && !IsArrow(s[end])) ++end;
        const CString run(s.substr(start, end - start).c_str());
        drawRun(run, CRect(static_cast<int>(x), rect.top, rect.right, rect.bottom));
        x += RunWidth(graphics, run, font);
        start = end;
    }
}

}  // namespace Kelvo
