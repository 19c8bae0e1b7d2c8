#pragma once
// Stateless drawing and loading helpers used by every control: nine-grid skin frames,
// alpha transitions, rounded rectangles, text measurement and placement, gradients,
// image and icon loading, and the 32-bit DIB sections that windows paint into.
//
// Colour arguments are either ARGB (GDI+, alpha in the top byte) or colour references
// (0x00BBGGRR, GDI); each declaration says which. A null text is drawn and measured as
// an empty one. Nothing here throws.
#include <windows.h>

#include "GdiPlus.h"

#include "CString.h"
#include "Geometry.h"
#include "KelvoApi.h"

namespace Kelvo {

class KELVO_API MRender {
public:
    // Nine-grid draw of the source frame (sx, sy, sw, sh) of `image` into `dest`: the
    // corners keep their size (corner × corner), the edges stretch along their length
    // and the centre both ways. A null image draws nothing.
    static void DrawImageFrame(Gdiplus::Graphics& graphics, Gdiplus::Image* image, const CRect& dest, int sx, int sy,
                               int sw, int sh, int corner);
    // The same with four margins: left column width, top row height, right column width
    // and bottom row height.
    static void DrawImageFrameMID(Gdiplus::Graphics& graphics, Gdiplus::Image* image, const CRect& dest, int sx,
                                  int sy, int sw, int sh, int left, int top, int right, int bottom);

    // Copies `srcRect` of `src` onto `dstRect` of `dst` one row at a time with a constant
    // alpha per row that runs linearly from the top to the bottom: the opaque end is
    // 255 − min(from, to) % and the transparent end (100 − max(from, to)) %; from < to
    // fades out downwards, otherwise in. The per-row step, (start − end) / rows, is kept
    // fractional, so the alpha keeps changing from row to row however tall the rectangle
    // is (an integer step would be 0 beyond 255 rows). Returns the last alpha used (255
    // when there are no rows).
    static int DrawVerticalTransition(HDC& dst, HDC& src, const CRect& dstRect, const CRect& srcRect,
                                      int fromPercent, int toPercent);
    // The same one column at a time, from left to right.
    static int DrawHorizontalTransition(HDC& dst, HDC& src, const CRect& dstRect, const CRect& srcRect,
                                        int fromPercent, int toPercent);
    // Copies the size × size square at the bottom-right corner of `rect` from `src` to
    // `dst` pixel by pixel, fading radially from opaque at the square's top-left corner
    // to transparent at `size` pixels from it. `colour` is not used.
    static void DrawRightBottomTransition(HDC& dst, HDC& src, CRect rect, int size, COLORREF colour);

    // Rounded rectangle whose corner radii are width / divisor / 2 and height / divisor / 2
    // (the smaller of the two for both when they differ by more than 10). Filled first
    // with `fillColour` when `fill` is set, then outlined with `pen` at `penWidth`.
    static void DrawRoundRectange(Gdiplus::Graphics& graphics, float x, float y, float width, float height,
                                  float divisor, Gdiplus::Color pen, float penWidth, bool fill,
                                  Gdiplus::Color fillColour);
    // The same with an explicit corner radius in pixels (limited to half the width and
    // half the height). A divisor cannot say "radius 3" for every size: width / 6 gives
    // rx = 3 but ry = 3 × height / width, so callers that want a fixed radius use this.
    static void DrawRoundRectRadius(Gdiplus::Graphics& graphics, float x, float y, float width, float height,
                                    float radius, Gdiplus::Color pen, float penWidth, bool fill,
                                    Gdiplus::Color fillColour);

    // Kept for the exported interface; draws nothing.
    static void DrawRectangle(HDC& dc, const CRect& rect, int width, int style, int colour);
    // Opaque fill with a colour reference (ExtTextOutW with ETO_OPAQUE, no text). The
    // DC's background colour is restored afterwards.
    static void FillSolidRect(HDC& dc, const RECT* rect, COLORREF colour);
    static void FillSolidRect(HDC& dc, int x, int y, int width, int height, COLORREF colour);
    // Fills with an ARGB colour through GDI+; nothing at all when its alpha is 0.
    static void DrawColor(HDC dc, const RECT& rect, Gdiplus::ARGB colour);
    // Linear gradient between two ARGB colours, top to bottom when `vertical`, else left
    // to right. Drawn with the mean alpha of the two colours (nothing when that is 0).
    // GradientFill gets each 8-bit channel as the high byte of its 16-bit vertex channel
    // (byte << 8); when it fails, 2^k solid bands are drawn instead, k growing with
    // `steps` (1 below 4 … 6 from 64 on).
    static void DrawGradient(HDC dc, const RECT& rect, Gdiplus::ARGB from, Gdiplus::ARGB to, bool vertical,
                             int steps);

    // GDI text in a colour reference and font, transparent background; the DC's colour
    // and font are restored. Returns the text height that DrawTextW reports (0 for a null
    // text, which draws nothing).
    static int DrawTextW(HDC dc, CRect& rect, const wchar_t* text, COLORREF colour, HFONT font, UINT format);

    // Size of one line of `text` in `font` (near alignment, no wrapping, trailing spaces
    // measured); the height has room for descenders.
    static Gdiplus::Size GetTextBounds(Gdiplus::Font& font, const wchar_t* text);
    static Gdiplus::Size GetTextBounds(Gdiplus::Font& font, Gdiplus::StringFormat& format, const wchar_t* text);
    // The same laid out inside `layoutWidth` pixels, so the text may wrap.
    static Gdiplus::Size GetTextBounds(Gdiplus::Font& font, Gdiplus::StringFormat& format, int layoutWidth,
                                       const wchar_t* text);

    // Offset of an item inside an area for the DT_* alignments: horizontal 1 centre,
    // 2 right, else left; vertical 4 centre, 8 bottom, else top.
    static CPoint GetOriginPoint(int areaWidth, int areaHeight, int itemWidth, int itemHeight, int hAlign,
                                 int vAlign);
    // The same offset added to the area's top-left corner, two pixels lower.
    static CPoint GetOriginPoint(CRect area, int itemWidth, int itemHeight, int hAlign, int vAlign);
    // Pure black (low 24 bits 0) becomes 1, so it never equals a transparent colour key.
    static void CheckAlphaColor(DWORD& colour);

    static HDC CreateCompatibleDC(HDC dc);
    static HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
    static BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy);
    static BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, DWORD rop);

    // A 32 bpp bottom-up DIB section (BI_RGB); `bits` receives the first byte of the
    // bottom row. Null for a non-positive size or when the system refuses.
    static HBITMAP CreateARGB32Bitmap(HDC dc, int width, int height, BYTE** bits);

    // GDI+ image read from `path` as given; null on any failure. The caller owns it.
    static Gdiplus::Image* LoadImageFromFile(const wchar_t* path);
    // GDI+ image from a resource of `module`; null when it is missing or not an image.
    // The memory behind the image is freed with the image.
    static Gdiplus::Image* LoadImageFromIDResource(UINT id, const wchar_t* type, HINSTANCE module);
    // The first icon associated with the file; null when there is none.
    static HICON LoadIconFromFile(const wchar_t* path);
    // Writes the bitmap as a BMP file of 24 bits per pixel (32 when the bitmap itself has
    // 32). 1 on success, 0 when the bitmap cannot be read or the file cannot be written.
    static int SaveBitmapToFile(HBITMAP bitmap, const wchar_t* path);
};

}  // namespace Kelvo
