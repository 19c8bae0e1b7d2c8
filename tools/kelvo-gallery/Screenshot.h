#pragma once
// A picture of part of the screen, as the user sees it, written as a PNG file.
#include <windows.h>

#include <string>

#include "Geometry.h"

namespace gallery {

class Screenshot {
public:
    // Copies `area` (screen coordinates) off the screen.
    explicit Screenshot(const CRect& area);
    ~Screenshot();
    Screenshot(const Screenshot&) = delete;
    Screenshot& operator=(const Screenshot&) = delete;

    bool IsValid() const { return m_bitmap != nullptr; }
    // 0xRRGGBB at a screen point inside the area; 0xFFFFFFFF outside it.
    DWORD PixelAt(int screenX, int screenY) const;
    // Writes the picture as PNG and reads it back; empty on success, else what went wrong.
    std::wstring SavePng(const std::wstring& path) const;

private:
    CRect m_area;
    HBITMAP m_bitmap = nullptr;
    const DWORD* m_bits = nullptr;  // top-down rows of 0x00RRGGBB
};

}  // namespace gallery
