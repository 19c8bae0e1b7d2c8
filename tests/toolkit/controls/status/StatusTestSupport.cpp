#include "StatusTestSupport.h"

#include <cstdlib>
#include <cstring>

#include "RenderCanvas.h"
#include "TestPaths.h"

namespace statustest {

LRESULT Recorder::OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    seen.push_back({id, code, wparam, lparam});
    threads.push_back(::GetCurrentThreadId());
    return 0;
}

LRESULT Recorder::OnControlUpdate(const CRect& rect, int redraw, Kelvo::MControl* control) {
    return m_window.OnControlUpdate(rect, redraw, control);
}

std::wstring SkinPath(const wchar_t* relative) {
    std::wstring path = testpaths::WindowsSource(L"assets/skins/theme1/") + relative;
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    return path;
}

SkinPicture::SkinPicture(const wchar_t* relative) {
    Kelvo::test::StartGdiplus();
    m_bitmap.reset(Gdiplus::Bitmap::FromFile(SkinPath(relative).c_str(), FALSE));
    if (m_bitmap && m_bitmap->GetLastStatus() != Gdiplus::Ok) m_bitmap.reset();
}

int SkinPicture::Width() const { return m_bitmap ? static_cast<int>(m_bitmap->GetWidth()) : 0; }
int SkinPicture::Height() const { return m_bitmap ? static_cast<int>(m_bitmap->GetHeight()) : 0; }

uint32_t SkinPicture::At(int x, int y) const {
    if (!m_bitmap || x < 0 || y < 0 || x >= Width() || y >= Height()) return 0;
    Gdiplus::Color colour;
    m_bitmap->GetPixel(x, y, &colour);
    return colour.GetValue();
}

DWORD Over(uint32_t top, DWORD bottom) {
    const int alpha = static_cast<int>(top >> 24);
    DWORD result = 0;
    for (int shift : {16, 8, 0}) {
        const int t = static_cast<int>((top >> shift) & 0xFF);
        const int b = static_cast<int>((bottom >> shift) & 0xFF);
        result |= static_cast<DWORD>((t * alpha + b * (255 - alpha) + 127) / 255) << shift;
    }
    return result;
}

bool Near(DWORD a, DWORD b, int tolerance) {
    for (int shift : {16, 8, 0})
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance)
            return false;
    return true;
}

void Recorder::Clear() {
    seen.clear();
    threads.clear();
}

bool Recorder::AllOnThisThread() const {
    for (DWORD thread : threads)
        if (thread != ::GetCurrentThreadId()) return false;
    return true;
}

}  // namespace statustest
