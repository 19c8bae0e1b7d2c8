#pragma once
// The off-screen 32-bit picture a window is painted into: a bottom-up ARGB DIB section
// of the client size selected into a memory DC. It is kept from one paint to the next
// (and made anew only when the size changes), so what lies outside an update area stays
// as it was last painted, and tests can read the pixels a paint produced.
#include <windows.h>

#include <cstdint>

#include "Geometry.h"

namespace Kelvo {

class BackBuffer {
public:
    BackBuffer() = default;
    ~BackBuffer() { Release(); }
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    // Makes the buffer width x height (compatible with `reference`); false when the
    // size is empty or the system refuses.
    bool Ensure(HDC reference, int width, int height);
    void Release();

    HDC GetDC() const { return m_dc; }
    std::uint32_t* Bits() const { return m_bits; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // 0xAARRGGBB at client (x, y); 0 outside the buffer or before the first paint.
    std::uint32_t PixelAt(int x, int y) const;

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
    std::uint32_t* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
};

}  // namespace Kelvo
