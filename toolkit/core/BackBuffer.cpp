#include "BackBuffer.h"

#include "LayeredPixels.h"
#include "MRender.h"

namespace Kelvo {

bool BackBuffer::Ensure(HDC reference, int width, int height) {
    if (m_dc && width == m_width && height == m_height) return true;
    Release();
    if (width <= 0 || height <= 0) return false;
    m_dc = ::CreateCompatibleDC(reference);
    if (!m_dc) return false;
    BYTE* bits = nullptr;
    m_bitmap = MRender::CreateARGB32Bitmap(m_dc, width, height, &bits);
    if (!m_bitmap || !bits) {
        Release();
        return false;
    }
    m_previous = ::SelectObject(m_dc, m_bitmap);
    m_bits = reinterpret_cast<std::uint32_t*>(bits);
    m_width = width;
    m_height = height;
    return true;
}

void BackBuffer::Release() {
    if (m_dc && m_previous) ::SelectObject(m_dc, m_previous);
    if (m_bitmap) ::DeleteObject(m_bitmap);
    if (m_dc) ::DeleteDC(m_dc);
    m_dc = nullptr;
    m_bitmap = nullptr;
    m_previous = nullptr;
    m_bits = nullptr;
    m_width = m_height = 0;
}

std::uint32_t BackBuffer::PixelAt(int x, int y) const {
    ::GdiFlush();  // GDI may still hold drawing for the DIB in its batch
    return LayeredPixels::PixelAt(m_bits, m_width, m_height, x, y);
}

}  // namespace Kelvo
