#include "MRender.h"

#include <shellapi.h>

#include <cmath>
#include <new>
#include <vector>

#include "RenderGeometry.h"

namespace Kelvo {

namespace {

const wchar_t* OrEmpty(const wchar_t* text) { return text ? text : L""; }

void DrawPieces(Gdiplus::Graphics& graphics, Gdiplus::Image* image, const std::array<NineGridPiece, 9>& pieces) {
    if (!image) return;
    // With the default settings a stretched piece is sampled half a pixel off and blends
    // its edges with what lies outside its source rectangle, and some GDI+ engines leave
    // the first column or row of a stretched image empty: either way the window shows
    // through where two pieces meet. So pixel centres sit on pixel centres, a piece's
    // edges repeat its own pixels, and a stretched piece is drawn one pixel wider towards
    // its neighbour before it and clipped back to its own place.
    const Gdiplus::PixelOffsetMode callersOffset = graphics.GetPixelOffsetMode();
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    Gdiplus::ImageAttributes ownEdges;
    ownEdges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    for (const NineGridPiece& piece : pieces) {
        if (!piece.IsDrawable()) continue;
        const Gdiplus::Rect place(piece.dest.x, piece.dest.y, piece.dest.width, piece.dest.height);
        const int wider = piece.dest.width != piece.src.width ? 1 : 0;
        const int taller = piece.dest.height != piece.src.height ? 1 : 0;
        const Gdiplus::GraphicsState state = graphics.Save();
        if (wider || taller) graphics.SetClip(place, Gdiplus::CombineModeIntersect);
        // A failing call leaves its status in the graphics object; the other pieces still draw.
        graphics.DrawImage(image,
                           Gdiplus::Rect(place.X - wider, place.Y - taller, place.Width + wider, place.Height + taller),
                           piece.src.x, piece.src.y, piece.src.width, piece.src.height, Gdiplus::UnitPixel,
                           &ownEdges);
        graphics.Restore(state);
    }
    graphics.SetPixelOffsetMode(callersOffset);
}

BLENDFUNCTION ConstantAlpha(int alpha) {
    BLENDFUNCTION blend{};
    blend.BlendOp = AC_SRC_OVER;
    blend.SourceConstantAlpha = static_cast<BYTE>(alpha);
    return blend;
}

void AddRoundRectPath(Gdiplus::GraphicsPath& path, float x, float y, float w, float h, CornerRadii r) {
    if (r.rx <= 0 || r.ry <= 0) {
        path.AddRectangle(Gdiplus::RectF(x, y, w, h));
        return;
    }
    const float dx = 2 * r.rx, dy = 2 * r.ry;
    path.AddLine(x + r.rx, y, x + w - r.rx, y);
    path.AddArc(x + w - dx, y, dx, dy, 270, 90);
    path.AddLine(x + w, y + r.ry, x + w, y + h - r.ry);
    path.AddArc(x + w - dx, y + h - dy, dx, dy, 0, 90);
    path.AddLine(x + w - r.rx, y + h, x + r.rx, y + h);
    path.AddArc(x, y + h - dy, dx, dy, 90, 90);
    path.AddLine(x, y + h - r.ry, x, y + r.ry);
    path.AddArc(x, y, dx, dy, 180, 90);
    path.CloseFigure();
}

void DrawRoundPath(Gdiplus::Graphics& graphics, float x, float y, float w, float h, CornerRadii radii,
                   Gdiplus::Color pen, float penWidth, bool fill, Gdiplus::Color fillColour) {
    if (!(w > 0) || !(h > 0)) return;
    Gdiplus::GraphicsPath path;
    AddRoundRectPath(path, x, y, w, h, radii);
    if (fill) {
        Gdiplus::SolidBrush brush(fillColour);
        graphics.FillPath(&brush, &path);
    }
    Gdiplus::Pen outline(pen, penWidth);
    graphics.DrawPath(&outline, &path);
}

// The em size AddString wants (world units, which are pixels on our graphics).
float EmSizeInPixels(Gdiplus::Font& font, float dpi) {
    const float size = font.GetSize();
    switch (font.GetUnit()) {
    case Gdiplus::UnitPoint: return size * dpi / 72.0f;
    case Gdiplus::UnitInch: return size * dpi;
    case Gdiplus::UnitDocument: return size * dpi / 300.0f;
    case Gdiplus::UnitMillimeter: return size * dpi / 25.4f;
    default: return size;
    }
}

float ScreenDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ::ReleaseDC(nullptr, screen);
    return static_cast<float>(dpi > 0 ? dpi : 96);
}

// Bounds of `text` added to a path with the font and format, laid out in `layout`
// (a zero-sized layout rectangle means "at the origin, unbounded").
Gdiplus::RectF PathBounds(Gdiplus::Font& font, const Gdiplus::StringFormat& format, const wchar_t* text,
                          const Gdiplus::RectF& layout, float dpi) {
    Gdiplus::RectF bounds;
    const wchar_t* s = OrEmpty(text);
    if (!*s) return bounds;
    Gdiplus::FontFamily family;
    if (font.GetFamily(&family) != Gdiplus::Ok) return bounds;
    Gdiplus::GraphicsPath path;
    if (layout.Width > 0)
        path.AddString(s, -1, &family, font.GetStyle(), EmSizeInPixels(font, dpi), layout, &format);
    else
        path.AddString(s, -1, &family, font.GetStyle(), EmSizeInPixels(font, dpi), Gdiplus::PointF(0, 0), &format);
    path.GetBounds(&bounds);
    return bounds;
}

}  // namespace

void MRender::DrawImageFrame(Gdiplus::Graphics& graphics, Gdiplus::Image* image, const CRect& dest, int sx, int sy,
                             int sw, int sh, int corner) {
    DrawPieces(graphics, image, NineGridPieces(dest, sx, sy, sw, sh, corner, corner, corner, corner));
}

void MRender::DrawImageFrameMID(Gdiplus::Graphics& graphics, Gdiplus::Image* image, const CRect& dest, int sx,
                                int sy, int sw, int sh, int left, int top, int right, int bottom) {
    DrawPieces(graphics, image, NineGridPieces(dest, sx, sy, sw, sh, left, top, right, bottom));
}

int MRender::DrawVerticalTransition(HDC& dst, HDC& src, const CRect& dstRect, const CRect& srcRect, int fromPercent,
                                    int toPercent) {
    const int rows = dstRect.Height();
    if (rows <= 0 || dstRect.Width() <= 0 || srcRect.Width() <= 0 || srcRect.Height() <= 0) return 255;
    const AlphaRamp ramp = MakeAlphaRamp(fromPercent, toPercent, rows);
    int alpha = 255;
    for (int row = 0; row < rows; ++row) {
        alpha = ramp.AlphaAt(row);
        const int srcRow = srcRect.top + static_cast<int>(static_cast<long long>(row) * srcRect.Height() / rows);
        ::AlphaBlend(dst, dstRect.left, dstRect.top + row, dstRect.Width(), 1, src, srcRect.left, srcRow,
                     srcRect.Width(), 1, ConstantAlpha(alpha));
    }
    return alpha;
}

int MRender::DrawHorizontalTransition(HDC& dst, HDC& src, const CRect& dstRect, const CRect& srcRect,
                                      int fromPercent, int toPercent) {
    const int columns = dstRect.Width();
    if (columns <= 0 || dstRect.Height() <= 0 || srcRect.Width() <= 0 || srcRect.Height() <= 0) return 255;
    const AlphaRamp ramp = MakeAlphaRamp(fromPercent, toPercent, columns);
    int alpha = 255;
    for (int column = 0; column < columns; ++column) {
        alpha = ramp.AlphaAt(column);
        const int srcColumn =
            srcRect.left + static_cast<int>(static_cast<long long>(column) * srcRect.Width() / columns);
        ::AlphaBlend(dst, dstRect.left + column, dstRect.top, 1, dstRect.Height(), src, srcColumn, srcRect.top, 1,
                     srcRect.Height(), ConstantAlpha(alpha));
    }
    return alpha;
}

void MRender::DrawRightBottomTransition(HDC& dst, HDC& src, CRect rect, int size, COLORREF) {
    if (size <= 0) return;
    const int left = rect.right - size, top = rect.bottom - size;
    for (int dy = 0; dy < size; ++dy)
        for (int dx = 0; dx < size; ++dx)
            ::AlphaBlend(dst, left + dx, top + dy, 1, 1, src, left + dx, top + dy, 1, 1,
                         ConstantAlpha(RadialFadeAlpha(dx, dy, size)));
}

void MRender::DrawRoundRectange(Gdiplus::Graphics& graphics, float x, float y, float width, float height,
                                float divisor, Gdiplus::Color pen, float penWidth, bool fill,
                                Gdiplus::Color fillColour) {
    DrawRoundPath(graphics, x, y, width, height, RadiiFromDivisor(width, height, divisor), pen, penWidth, fill,
                  fillColour);
}

void MRender::DrawRoundRectRadius(Gdiplus::Graphics& graphics, float x, float y, float width, float height,
                                  float radius, Gdiplus::Color pen, float penWidth, bool fill,
                                  Gdiplus::Color fillColour) {
    DrawRoundPath(graphics, x, y, width, height, RadiiFromRadius(width, height, radius), pen, penWidth, fill,
                  fillColour);
}

void MRender::DrawRectangle(HDC&, const CRect&, int, int, int) {}

void MRender::FillSolidRect(HDC& dc, const RECT* rect, COLORREF colour) {
    if (!rect) return;
    const COLORREF previous = ::SetBkColor(dc, colour);
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
    if (previous != CLR_INVALID) ::SetBkColor(dc, previous);
}

void MRender::FillSolidRect(HDC& dc, int x, int y, int width, int height, COLORREF colour) {
    const RECT rect{x, y, x + width, y + height};
    FillSolidRect(dc, &rect, colour);
}

void MRender::DrawColor(HDC dc, const RECT& rect, Gdiplus::ARGB colour) {
    if ((colour >> 24) == 0) return;
    Gdiplus::Graphics graphics(dc);
    Gdiplus::SolidBrush brush{Gdiplus::Color(colour)};
    graphics.FillRectangle(&brush, static_cast<INT>(rect.left), static_cast<INT>(rect.top),
                           static_cast<INT>(rect.right - rect.left), static_cast<INT>(rect.bottom - rect.top));
}

void MRender::DrawGradient(HDC dc, const RECT& rect, Gdiplus::ARGB from, Gdiplus::ARGB to, bool vertical, int steps) {
    const int alpha = GradientAlpha(from, to);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (alpha == 0 || width <= 0 || height <= 0) return;

    // A translucent gradient is drawn opaque into a scratch bitmap and blended on at the end.
    HDC target = dc;
    HBITMAP scratch = nullptr;
    HGDIOBJ previous = nullptr;
    int ox = rect.left, oy = rect.top;
    if (alpha < 255) {
        target = ::CreateCompatibleDC(dc);
        scratch = ::CreateCompatibleBitmap(dc, width, height);
        if (!target || !scratch) {
            if (scratch) ::DeleteObject(scratch);
            if (target) ::DeleteDC(target);
            return;
        }
        previous = ::SelectObject(target, scratch);
        ox = oy = 0;
    }

    auto vertex = [](int x, int y, Gdiplus::ARGB c) {
        TRIVERTEX v{};
        v.x = x;
        v.y = y;
        v.Red = GradientChannel(static_cast<uint8_t>(c >> 16));
        v.Green = GradientChannel(static_cast<uint8_t>(c >> 8));
        v.Blue = GradientChannel(static_cast<uint8_t>(c));
        v.Alpha = 0xFF00;
        return v;
    };
    TRIVERTEX vertices[2] = {vertex(ox, oy, from), vertex(ox + width, oy + height, to)};
    GRADIENT_RECT mesh{0, 1};
    if (!::GradientFill(target, vertices, 2, &mesh, 1, vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H)) {
        for (const GradientBand& band : GradientBands(width, height, from, to, vertical, steps))
            FillSolidRect(target, ox + band.rect.left, oy + band.rect.top, band.rect.Width(), band.rect.Height(),
                          band.colour);
    }

    if (scratch) {
        ::AlphaBlend(dc, rect.left, rect.top, width, height, target, 0, 0, width, height, ConstantAlpha(alpha));
        ::SelectObject(target, previous);
        ::DeleteObject(scratch);
        ::DeleteDC(target);
    }
}

int MRender::DrawTextW(HDC dc, CRect& rect, const wchar_t* text, COLORREF colour, HFONT font, UINT format) {
    if (!text) return 0;
    const int previousMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColour = ::SetTextColor(dc, colour);
    HGDIOBJ previousFont = font ? ::SelectObject(dc, font) : nullptr;
    RECT r{rect.left, rect.top, rect.right, rect.bottom};
    const int height = ::DrawTextW(dc, text, -1, &r, format);
    rect = CRect(r.left, r.top, r.right, r.bottom);
    if (previousFont) ::SelectObject(dc, previousFont);
    ::SetTextColor(dc, previousColour);
    ::SetBkMode(dc, previousMode);
    return height;
}

Gdiplus::Size MRender::GetTextBounds(Gdiplus::Font& font, const wchar_t* text) {
    Gdiplus::StringFormat format;
    format.SetAlignment(Gdiplus::StringAlignmentNear);
    format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsMeasureTrailingSpaces);
    return GetTextBounds(font, format, text);
}

Gdiplus::Size MRender::GetTextBounds(Gdiplus::Font& font, Gdiplus::StringFormat& format, const wchar_t* text) {
    const float dpi = ScreenDpi();
    const Gdiplus::RectF bounds = PathBounds(font, format, text, Gdiplus::RectF(), dpi);
    return Gdiplus::Size(static_cast<INT>(std::ceil(bounds.Width)), SingleLineTextHeight(font.GetHeight(dpi)));
}

Gdiplus::Size MRender::GetTextBounds(Gdiplus::Font& font, Gdiplus::StringFormat& format, int layoutWidth,
                                     const wchar_t* text) {
    const float dpi = ScreenDpi();
    // Tall enough never to cut the text off; only the width constrains the layout.
    const Gdiplus::RectF layout(0, 0, static_cast<Gdiplus::REAL>(layoutWidth > 0 ? layoutWidth : 1), 1.0e6f);
    const Gdiplus::RectF bounds = PathBounds(font, format, text, layout, dpi);
    return Gdiplus::Size(static_cast<INT>(std::ceil(bounds.Width)),
                         WrappedTextHeight(font.GetHeight(dpi), bounds.Height));
}

CPoint MRender::GetOriginPoint(int areaWidth, int areaHeight, int itemWidth, int itemHeight, int hAlign,
                               int vAlign) {
    return AlignedOffset(areaWidth, areaHeight, itemWidth, itemHeight, hAlign, vAlign);
}

CPoint MRender::GetOriginPoint(CRect area, int itemWidth, int itemHeight, int hAlign, int vAlign) {
    const CPoint offset = AlignedOffset(area.Width(), area.Height(), itemWidth, itemHeight, hAlign, vAlign);
    return CPoint(area.left + offset.x, area.top + offset.y + 2);
}

void MRender::CheckAlphaColor(DWORD& colour) {
    if ((colour & 0x00FFFFFF) == 0) colour += 1;
}

HDC MRender::CreateCompatibleDC(HDC dc) { return ::CreateCompatibleDC(dc); }

HBITMAP MRender::CreateCompatibleBitmap(HDC dc, int width, int height) {
    return ::CreateCompatibleBitmap(dc, width, height);
}

BOOL MRender::BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy) {
    return ::BitBlt(dst, x, y, width, height, src, sx, sy, SRCCOPY);
}

BOOL MRender::BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, DWORD rop) {
    return ::BitBlt(dst, x, y, width, height, src, sx, sy, rop);
}

HBITMAP MRender::CreateARGB32Bitmap(HDC dc, int width, int height, BYTE** bits) {
    if (bits) *bits = nullptr;
    if (width <= 0 || height <= 0) return nullptr;
    const unsigned long long bytes = 4ull * static_cast<unsigned long long>(width) * static_cast<unsigned>(height);
    if (bytes > 0xFFFFFFFFull) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(bytes);
    void* pixels = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bits) *bits = bitmap ? static_cast<BYTE*>(pixels) : nullptr;
    return bitmap;
}

Gdiplus::Image* MRender::LoadImageFromFile(const wchar_t* path) {
    if (!path || !*path) return nullptr;
    Gdiplus::Image* image = Gdiplus::Image::FromFile(path, FALSE);
    if (image && image->GetLastStatus() != Gdiplus::Ok) {
        delete image;
        image = nullptr;
    }
    return image;
}

Gdiplus::Image* MRender::LoadImageFromIDResource(UINT id, const wchar_t* type, HINSTANCE module) {
    if (!type) return nullptr;
    HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (!resource) return nullptr;
    const DWORD size = ::SizeofResource(module, resource);
    HGLOBAL loaded = ::LoadResource(module, resource);
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    if (!bytes || size == 0) return nullptr;

    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return nullptr;
    void* copy = ::GlobalLock(block);
    if (!copy) {
        ::GlobalFree(block);
        return nullptr;
    }
    memcpy(copy, bytes, size);
    ::GlobalUnlock(block);

    // The stream frees the block when its last reference goes; GDI+ keeps a reference for
    // as long as the image may read from it, so dropping ours here leaks nothing.
    IStream* stream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(block, TRUE, &stream))) {
        ::GlobalFree(block);
        return nullptr;
    }
    Gdiplus::Image* image = Gdiplus::Image::FromStream(stream, FALSE);
    stream->Release();
    if (image && image->GetLastStatus() != Gdiplus::Ok) {
        delete image;
        image = nullptr;
    }
    return image;
}

HICON MRender::LoadIconFromFile(const wchar_t* path) {
    if (!path || !*path) return nullptr;
    // The call may write the path of the icon's source back into the buffer.
    wchar_t buffer[MAX_PATH] = {};
    if (lstrlenW(path) >= MAX_PATH) return nullptr;
    lstrcpynW(buffer, path, MAX_PATH);
    WORD index = 0;
    return ::ExtractAssociatedIconW(::GetModuleHandleW(nullptr), buffer, &index);
}

int MRender::SaveBitmapToFile(HBITMAP bitmap, const wchar_t* path) {
    if (!bitmap || !path || !*path) return 0;
    BITMAP described{};
    if (!::GetObjectW(bitmap, sizeof(described), &described) || described.bmWidth <= 0 || described.bmHeight <= 0)
        return 0;
    // Palette depths would need the colour table written too; true colour keeps every
    // pixel of every source and needs none.
    const WORD bitCount = described.bmBitsPixel == 32 ? 32 : 24;
    const unsigned long long stride = ((static_cast<unsigned long long>(described.bmWidth) * bitCount + 31) / 32) * 4;
    const unsigned long long imageBytes = stride * static_cast<unsigned long long>(described.bmHeight);
    if (imageBytes > 0x7FFFFFFFull - 54) return 0;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = described.bmWidth;
    info.bmiHeader.biHeight = described.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bitCount;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(imageBytes);
    std::vector<BYTE> pixels;
    try {
        pixels.resize(static_cast<size_t>(imageBytes));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    HDC screen = ::GetDC(nullptr);
    const int rows = ::GetDIBits(screen, bitmap, 0, static_cast<UINT>(described.bmHeight), pixels.data(), &info,
                                 DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (rows != described.bmHeight) return 0;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(imageBytes);  // GetDIBits may have rewritten it

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = static_cast<DWORD>(file.bfOffBits + imageBytes);

    HANDLE out = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) return 0;
    auto put = [out](const void* data, DWORD size) {
        DWORD written = 0;
        return ::WriteFile(out, data, size, &written, nullptr) && written == size;
    };
    const bool ok = put(&file, sizeof(file)) && put(&info.bmiHeader, sizeof(BITMAPINFOHEADER)) &&
                    put(pixels.data(), static_cast<DWORD>(imageBytes));
    ::CloseHandle(out);
    if (!ok) {
        ::DeleteFileW(path);  // no half-written file stays behind
        return 0;
    }
    return 1;
}

}  // namespace Kelvo
