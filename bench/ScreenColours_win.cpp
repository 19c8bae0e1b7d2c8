#include "ScreenColours.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr int kSampleRows = 9;

// The window's rectangle, cut to the screen; empty when none of it is on screen.
RECT OnScreen(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT shown{};
    IntersectRect(&shown, &rect, &screen);
    return shown;
}

int CountColours(const std::uint32_t* pixels, std::size_t count, int limit) {
    std::vector<std::uint32_t> seen;
    for (std::size_t i = 0; i < count && static_cast<int>(seen.size()) < limit; ++i) {
        std::uint32_t colour = pixels[i] & 0xFFFFFF;
        if (std::find(seen.begin(), seen.end(), colour) == seen.end()) seen.push_back(colour);
    }
    return static_cast<int>(seen.size());
}

}  // namespace

int DistinctColoursShown(HWND window, int limit) {
    RECT rect = OnScreen(window);
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return 0;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -kSampleRows;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool read = bitmap != nullptr;
    HGDIOBJ previous = read ? SelectObject(memory, bitmap) : nullptr;
    for (int row = 0; read && row < kSampleRows; ++row) {
        int y = rect.top + height * (row + 1) / (kSampleRows + 1);
        read = BitBlt(memory, 0, row, width, 1, screen, rect.left, y, SRCCOPY);
    }
    int colours = read ? CountColours(static_cast<const std::uint32_t*>(bits),
                                      static_cast<std::size_t>(width) * kSampleRows, limit)
                       : 0;
    if (bitmap) {
        SelectObject(memory, previous);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return colours;
}
