#include "ListTestSupport.h"

#include <algorithm>
#include <cstdlib>

#include "GdiPlus.h"
#include "Manager.h"

namespace listtest {

LRESULT Recorder::OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    heard.push_back(Heard{id, code, wparam, lparam, GetCurrentThreadId()});
    if (onNotify) onNotify(heard.back());
    return 0;
}

LRESULT Recorder::OnControlUpdate(const CRect& rect, int redraw, Kelvo::MControl* control) {
    return m_window.OnControlUpdate(rect, redraw, control);
}

std::vector<Heard> Recorder::Of(UINT code) const {
    std::vector<Heard> found;
    std::copy_if(heard.begin(), heard.end(), std::back_inserter(found), [code](const Heard& h) { return h.code == code; });
    return found;
}

DWORD SkinPixel(const wchar_t* file, int x, int y) {
    const CString path = Kelvo::Manager::GetSkinFile(file);
    Gdiplus::Bitmap bitmap(path);
    Gdiplus::Color colour;
    if (bitmap.GetPixel(x, y, &colour) != Gdiplus::Ok) return 0xFFFFFFFF;
    return colour.GetValue() & 0xFFFFFF;
}

DWORD SkinPixelOver(const wchar_t* file, int x, int y, DWORD background) {
    Gdiplus::Bitmap bitmap(Kelvo::Manager::GetSkinFile(file));
    Gdiplus::Color colour;
    if (bitmap.GetPixel(x, y, &colour) != Gdiplus::Ok) return 0xFFFFFFFF;
    const int alpha = colour.GetA();
    auto mix = [&](int source, int shift) {
        const int under = static_cast<int>((background >> shift) & 0xFF);
        return static_cast<DWORD>((source * alpha + under * (255 - alpha) + 127) / 255) << shift;
    };
    return mix(colour.GetR(), 16) | mix(colour.GetG(), 8) | mix(colour.GetB(), 0);
}

bool Near(DWORD a, DWORD b, int tolerance) {
    for (int shift : {0, 8, 16})
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance)
            return false;
    return true;
}

DWORD SelectRgb() { return Kelvo::Manager::GetSelectColor() & 0xFFFFFF; }

}  // namespace listtest
