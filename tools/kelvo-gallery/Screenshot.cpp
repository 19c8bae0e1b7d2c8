#include "Screenshot.h"

#include <vector>

#include "GdiPlus.h"

namespace gallery {

namespace {

bool PngEncoder(CLSID& clsid) {
    UINT count = 0, bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) return false;
    std::vector<unsigned char> buffer(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i) {
        if (std::wstring(codecs[i].MimeType) == L"image/png") {
            clsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

}  // namespace

Screenshot::Screenshot(const CRect& area) : m_area(area) {
    if (area.IsRectEmpty()) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = area.Width();
    info.bmiHeader.biHeight = -area.Height();  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = ::GetDC(nullptr);
    m_bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (m_bitmap) {
        HDC memory = ::CreateCompatibleDC(screen);
        HGDIOBJ old = ::SelectObject(memory, m_bitmap);
        ::BitBlt(memory, 0, 0, area.Width(), area.Height(), screen, area.left, area.top, SRCCOPY | CAPTUREBLT);
        ::GdiFlush();
        ::SelectObject(memory, old);
        ::DeleteDC(memory);
        m_bits = static_cast<const DWORD*>(bits);
    }
    ::ReleaseDC(nullptr, screen);
}

Screenshot::~Screenshot() {
    if (m_bitmap) ::DeleteObject(m_bitmap);
}

DWORD Screenshot::PixelAt(int screenX, int screenY) const {
    if (!m_bits || !m_area.PtInRect(CPoint(screenX, screenY))) return 0xFFFFFFFF;
    return m_bits[(screenY - m_area.top) * m_area.Width() + (screenX - m_area.left)] & 0xFFFFFF;
}

std::wstring Screenshot::SavePng(const std::wstring& path) const {
    if (!m_bitmap) return L"the screen could not be copied";
    CLSID png{};
    if (!PngEncoder(png)) return L"GDI+ has no PNG encoder";
    {
        Gdiplus::Bitmap picture(m_bitmap, nullptr);
        if (picture.Save(path.c_str(), &png, nullptr) != Gdiplus::Ok) return L"the PNG file could not be written";
    }
    Gdiplus::Bitmap written(path.c_str());
    if (written.GetLastStatus() != Gdiplus::Ok) return L"the PNG file written cannot be read back";
    if (static_cast<int>(written.GetWidth()) != m_area.Width() ||
        static_cast<int>(written.GetHeight()) != m_area.Height())
        return L"the PNG file read back has another size";
    return {};
}

}  // namespace gallery
