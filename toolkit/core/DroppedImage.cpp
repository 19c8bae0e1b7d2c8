#include "DroppedImage.h"

#include <shlobj.h>

#include <cstring>
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

// The first file named by a DROPFILES block, checked against the block's size.
bool FirstDroppedFile(HGLOBAL block, std::wstring& path) {
    const SIZE_T size = ::GlobalSize(block);
    const auto* data = static_cast<const unsigned char*>(::GlobalLock(block));
    if (!data) return false;
    bool found = false;
    DROPFILES header{};
    if (size >= sizeof(header)) {
        std::memcpy(&header, data, sizeof(header));
        if (header.pFiles >= sizeof(header) && header.pFiles < size) {
            const unsigned char* first = data + header.pFiles;
            const size_t bytes = size - header.pFiles;
            if (header.fWide) {
                std::wstring name;
                for (size_t i = 0; i + 1 < bytes && name.size() <= kLongestDroppedPath; i += 2) {
                    const wchar_t ch = static_cast<wchar_t>(first[i] | (first[i + 1] << 8));
                    if (ch == 0) {
                        found = !name.empty();
                        break;
                    }
                    name += ch;
                }
                if (found) path = name;
            } else {
                const void* end = std::memchr(first, 0, bytes);
                const size_t length = end ? static_cast<size_t>(static_cast<const unsigned char*>(end) - first) : 0;
                if (length > 0 && length <= kLongestDroppedPath) {
                    std::wstring name(length, L'\0');
                    const int converted = ::MultiByteToWideChar(CP_ACP, 0, reinterpret_cast<const char*>(first),
                                                                static_cast<int>(length), name.data(),
                                                                static_cast<int>(length));
                    name.resize(converted > 0 ? static_cast<size_t>(converted) : 0);
                    found = !name.empty();
                    if (found) path = name;
                }
            }
        }
    }
    ::GlobalUnlock(block);
    return found && path.size() <= kLongestDroppedPath;
}

}  // namespace

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
    if (ParsePackedDib(data, size, layout) && IsSaneSize(layout.width, layout.height < 0 ? -static_cast<long long>(layout.height) : layout.height)) {
        const std::vector<unsigned char> described = NormalisedDibInfo(data, layout);
        std::vector<DWORD> info((described.size() + sizeof(DWORD) - 1) / sizeof(DWORD));
        std::memcpy(info.data(), described.data(), described.size());
        const auto* bitmapInfo = reinterpret_cast<const BITMAPINFO*>(info.data());
        HDC screen = ::GetDC(nullptr);
        bitmap = ::CreateDIBitmap(screen, &bitmapInfo->bmiHeader, CBM_INIT, data + layout.pixelOffset, bitmapInfo,
                                  DIB_RGB_COLORS);
        ::ReleaseDC(nullptr, screen);
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
