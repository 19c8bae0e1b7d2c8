#pragma once
// Test support for drawing tests: GDI+ for the test program, and a memory DC holding a
// 32-bit top-down DIB section whose pixels the test reads back directly.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "GdiPlus.h"

namespace Kelvo::test {

// GDI+ for the whole test program (started once, never shut down before exit).
void StartGdiplus();

class Canvas {
public:
    Canvas(int width, int height, uint32_t fill = 0xFF000000);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return m_dc; }
    HDC& dcRef() { return m_dc; }
    HBITMAP bitmap() const { return m_bitmap; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    // 0xAARRGGBB of the pixel at (x, y), counted from the top-left corner.
    uint32_t Pixel(int x, int y) const;
    void Fill(uint32_t argb);
    void SetPixel(int x, int y, uint32_t argb);

private:
    int m_width, m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
    uint32_t* m_bits = nullptr;
};

// Saves an image as a PNG file.
bool SavePng(Gdiplus::Bitmap& image, const wchar_t* path);
// Writes a PNG file of `width` × `height` frames side by side, frame i in colours[i].
bool WriteFrameStrip(const wchar_t* path, int width, int height, const uint32_t* colours, int frames);

// `name` inside the temporary folder.
std::wstring TempPath(const wchar_t* name);
// The Open Sans file of `face` ("Light", "Regular", "Semibold") as a Wine path.
std::wstring FontFile(const char* face);

// Channel helpers for 0xAARRGGBB values.
inline int Red(uint32_t c) { return static_cast<int>((c >> 16) & 0xFF); }
inline int Green(uint32_t c) { return static_cast<int>((c >> 8) & 0xFF); }
inline int Blue(uint32_t c) { return static_cast<int>(c & 0xFF); }
inline int Alpha(uint32_t c) { return static_cast<int>(c >> 24); }
inline uint32_t Rgb(uint32_t c) { return c & 0xFFFFFF; }

}  // namespace Kelvo::test
