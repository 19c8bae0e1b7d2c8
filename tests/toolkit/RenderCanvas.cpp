#include "RenderCanvas.h"

#include <string>

namespace Kelvo::test {

void StartGdiplus() {
    static ULONG_PTR token = [] {
        ULONG_PTR t = 0;
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&t, &input, nullptr);
        return t;
    }();
    (void)token;
}

Canvas::Canvas(int width, int height, uint32_t fill) : m_width(width), m_height(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, so row y is at bits + y × width
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_dc = CreateCompatibleDC(nullptr);
    m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<uint32_t*>(bits);
    m_previous = SelectObject(m_dc, m_bitmap);
    Fill(fill);
}

Canvas::~Canvas() {
    SelectObject(m_dc, m_previous);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
}

uint32_t Canvas::Pixel(int x, int y) const {
    GdiFlush();
    return m_bits[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)];
}

void Canvas::Fill(uint32_t argb) {
    GdiFlush();
    for (int i = 0; i < m_width * m_height; ++i) m_bits[i] = argb;
}

void Canvas::SetPixel(int x, int y, uint32_t argb) {
    GdiFlush();
    m_bits[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)] = argb;
}

bool SavePng(Gdiplus::Bitmap& image, const wchar_t* path) {
    UINT count = 0, bytes = 0;
    Gdiplus::GetImageEncodersSize(&count, &bytes);
    std::vector<unsigned char> buffer(bytes);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    Gdiplus::GetImageEncoders(count, bytes, encoders);
    for (UINT i = 0; i < count; ++i)
        if (std::wstring(encoders[i].MimeType) == L"image/png")
            return image.Save(path, &encoders[i].Clsid, nullptr) == Gdiplus::Ok;
    return false;
}

bool WriteFrameStrip(const wchar_t* path, int width, int height, const uint32_t* colours, int frames) {
    Gdiplus::Bitmap strip(width * frames, height, PixelFormat32bppARGB);
    for (int f = 0; f < frames; ++f)
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) strip.SetPixel(f * width + x, y, Gdiplus::Color(colours[f]));
    return SavePng(strip, path);
}

std::wstring TempPath(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

std::wstring FontFile(const char* face) {
    std::wstring path = L"Z:";
    for (const char* c = KELVO_FONT_DIR; *c; ++c) path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
    path += L"\\OpenSans-";
    for (const char* c = face; *c; ++c) path += static_cast<wchar_t>(*c);
    return path + L".ttf";
}

}  // namespace Kelvo::test
