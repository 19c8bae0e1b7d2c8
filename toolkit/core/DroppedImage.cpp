#include "DroppedImage.h"

#include <shlobj.h>

#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "PackedDib.h"

namespace Kelvo {

namespace {

// Larger images than this are refused rather than allocated for another program.
constexpr long long kMostPixels = 64ll * 1024 * 1024;
constexpr size_t kLongestDroppedPath = 520;

bool IsSaneSize(long long width, long long height) {
    return width > 0 && height > 0 && width * height <= kMostPixels;
}

// A screen-compatible bitmap and a memory DC that holds it, for drawing into.
struct Canvas {
    HDC screen = nullptr;
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;

    Canvas(int width, int height) {
        screen = ::GetDC(nullptr);
        dc = ::CreateCompatibleDC(screen);
        bitmap = ::CreateCompatibleBitmap(screen, width, height);
        if (dc && bitmap) previous = ::SelectObject(dc, bitmap);
    }
    bool IsReady() const { return dc && bitmap && previous; }
    // Hands the bitmap to the caller.
    HBITMAP Take() {
        if (previous) ::SelectObject(dc, previous);
        previous = nullptr;
        HBITMAP taken = bitmap;
        bitmap = nullptr;
        return taken;
    }
    ~Canvas() {
        if (previous) ::SelectObject(dc, previous);
        if (bitmap) ::DeleteObject(bitmap);
        if (dc) ::DeleteDC(dc);
        if (screen) ::ReleaseDC(nullptr, screen);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
};

// The first file name of a DROPFILES block of `size` bytes; false when the block does not
// hold a terminated name inside itself, or the name is too long to be a path.
bool ParseDropFiles(const unsigned char* data, size_t size, std::wstring& path) {
    DROPFILES header{};
    if (size < sizeof(header)) return false;
    std::memcpy(&header, data, sizeof(header));
    if (header.pFiles < sizeof(header) || header.pFiles >= size) return false;
    const unsigned char* first = data + header.pFiles;
    const size_t bytes = size - header.pFiles;
    std::wstring name;
    if (header.fWide) {
        for (size_t i = 0; i + 1 < bytes; i += 2) {
            const wchar_t ch = static_cast<wchar_t>(first[i] | (first[i + 1] << 8));
            if (ch == 0) {
                path = name;
                return !name.empty();
            }
            if (name.size() == kLongestDroppedPath) return false;
            name += ch;
        }
        return false;  // no terminator inside the block
    }
    const void* end = std::memchr(first, 0, bytes);
    if (!end) return false;
    const size_t length = static_cast<size_t>(static_cast<const unsigned char*>(end) - first);
    if (length == 0 || length > kLongestDroppedPath) return false;
    name.resize(length);
    const int converted = ::MultiByteToWideChar(CP_ACP, 0, reinterpret_cast<const char*>(first),
                                                static_cast<int>(length), name.data(), static_cast<int>(length));
    if (converted <= 0) return false;
    name.resize(static_cast<size_t>(converted));
    path = name;
    return true;
}

bool FirstDroppedFile(HGLOBAL block, std::wstring& path) {
    const SIZE_T size = ::GlobalSize(block);
    const auto* data = static_cast<const unsigned char*>(::GlobalLock(block));
    if (!data) return false;
    bool found = false;
    try {
        found = ParseDropFiles(data, size, path);
    } catch (const std::bad_alloc&) {
        found = false;
    }
    ::GlobalUnlock(block);
    return found;
}

}  // namespace

// The conversions allocate a little (a header copy, a file name); running out of memory
// means no image, never an exception out of the toolkit.
HBITMAP DroppedImage::FromMedium(const FORMATETC& format, const STGMEDIUM& medium) {
    // The medium must be what the format says it is; another program may get that wrong.
    switch (format.cfFormat) {
    case CF_DIB: return medium.tymed == TYMED_HGLOBAL ? FromPackedDib(medium.hGlobal) : nullptr;
    case CF_BITMAP: return medium.tymed == TYMED_GDI ? FromBitmap(medium.hBitmap) : nullptr;
    case CF_ENHMETAFILE: return medium.tymed == TYMED_ENHMF ? FromEnhMetaFile(medium.hEnhMetaFile) : nullptr;
    case CF_HDROP:
        return medium.tymed == TYMED_HGLOBAL ? FromFileDrop(static_cast<HDROP>(medium.hGlobal)) : nullptr;
    default: return nullptr;
    }
}

HBITMAP DroppedImage::FromPackedDib(HGLOBAL dib) {
    if (!dib) return nullptr;
    const SIZE_T size = ::GlobalSize(dib);
    const auto* data = static_cast<const unsigned char*>(::GlobalLock(dib));
    if (!data) return nullptr;
    HBITMAP bitmap = nullptr;
    PackedDibLayout layout;
    if (ParsePackedDib(data, size, layout) && IsSaneSize(layout.width, std::llabs(static_cast<long long>(layout.height)))) {
        try {
            // The bitmap is described by our own copy of the checked fields, never by the
            // sender's header, and its pixels are known to lie inside the block.
            const std::vector<unsigned char> described = NormalisedDibInfo(data, layout);
            std::vector<DWORD> info((described.size() + sizeof(DWORD) - 1) / sizeof(DWORD));
            std::memcpy(info.data(), described.data(), described.size());
            const auto* bitmapInfo = reinterpret_cast<const BITMAPINFO*>(info.data());
            HDC screen = ::GetDC(nullptr);
            bitmap = ::CreateDIBitmap(screen, &bitmapInfo->bmiHeader, CBM_INIT, data + layout.pixelOffset,
                                      bitmapInfo, DIB_RGB_COLORS);
            ::ReleaseDC(nullptr, screen);
        } catch (const std::bad_alloc&) {
            bitmap = nullptr;
        }
    }
    ::GlobalUnlock(dib);
    return bitmap;
}

HBITMAP DroppedImage::FromBitmap(HBITMAP source) {
    if (!source || ::GetObjectType(source) != OBJ_BITMAP) return nullptr;
    BITMAP described{};
    if (::GetObjectW(source, sizeof(described), &described) != sizeof(described)) return nullptr;
    if (!IsSaneSize(described.bmWidth, described.bmHeight)) return nullptr;

    Canvas canvas(described.bmWidth, described.bmHeight);
    if (!canvas.IsReady()) return nullptr;
    HDC sourceDc = ::CreateCompatibleDC(canvas.screen);
    HGDIOBJ previous = sourceDc ? ::SelectObject(sourceDc, source) : nullptr;
    bool copied = false;
    if (previous) {
        copied = ::BitBlt(canvas.dc, 0, 0, described.bmWidth, described.bmHeight, sourceDc, 0, 0, SRCCOPY) != FALSE;
        ::SelectObject(sourceDc, previous);
    }
    if (sourceDc) ::DeleteDC(sourceDc);
    return copied ? canvas.Take() : nullptr;
}

HBITMAP DroppedImage::FromEnhMetaFile(HENHMETAFILE metafile) {
    if (!metafile || ::GetObjectType(metafile) != OBJ_ENHMETAFILE) return nullptr;
    ENHMETAHEADER header{};
    if (::GetEnhMetaFileHeader(metafile, sizeof(header), &header) < sizeof(header) || header.iType != EMR_HEADER)
        return nullptr;

    // The frame is in 0.01 mm; the screen's resolution turns it into pixels.
    HDC screen = ::GetDC(nullptr);
    const long long horzRes = ::GetDeviceCaps(screen, HORZRES), vertRes = ::GetDeviceCaps(screen, VERTRES);
    const long long horzMm = ::GetDeviceCaps(screen, HORZSIZE), vertMm = ::GetDeviceCaps(screen, VERTSIZE);
    ::ReleaseDC(nullptr, screen);
    if (horzMm <= 0 || vertMm <= 0) return nullptr;
    const long long frameW = static_cast<long long>(header.rclFrame.right) - header.rclFrame.left;
    const long long frameH = static_cast<long long>(header.rclFrame.bottom) - header.rclFrame.top;
    const long long width = frameW * horzRes / (horzMm * 100);
    const long long height = frameH * vertRes / (vertMm * 100);
    if (!IsSaneSize(width, height)) return nullptr;

    Canvas canvas(static_cast<int>(width), static_cast<int>(height));
    if (!canvas.IsReady()) return nullptr;
    const RECT area{0, 0, static_cast<LONG>(width), static_cast<LONG>(height)};
    ::FillRect(canvas.dc, &area, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (!::PlayEnhMetaFile(canvas.dc, metafile, &area)) return nullptr;
    return canvas.Take();
}

HBITMAP DroppedImage::FromFileDrop(HDROP drop) {
    std::wstring path;
    if (!drop || !FirstDroppedFile(reinterpret_cast<HGLOBAL>(drop), path)) return nullptr;
    return static_cast<HBITMAP>(
        ::LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
}

}  // namespace Kelvo
