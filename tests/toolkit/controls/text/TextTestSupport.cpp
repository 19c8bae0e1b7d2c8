#include "TextTestSupport.h"

#include <memory>

#include "GdiPlus.h"
#include "TestPaths.h"

namespace texttest {

LRESULT Recorder::OnBaseMessage(UINT id, UINT code, WPARAM, LPARAM) {
    const Heard one{id, code, GetCurrentThreadId()};
    heard.push_back(one);
    if (onNotify) onNotify(one);
    return 0;
}

LRESULT Recorder::OnControlUpdate(const CRect& rect, int redraw, Kelvo::MControl* control) {
    return m_window.OnControlUpdate(rect, redraw, control);
}

std::vector<UINT> Recorder::Codes(UINT id) const {
    std::vector<UINT> codes;
    for (const Heard& one : heard)
        if (one.id == id) codes.push_back(one.code);
    return codes;
}

bool Recorder::AllOnThisThread() const {
    for (const Heard& one : heard)
        if (one.thread != GetCurrentThreadId()) return false;
    return true;
}

std::wstring SkinFile(const wchar_t* name) {
    return testpaths::WindowsSource(L"assets\\skins\\theme1\\") + name;
}

DWORD SkinPixel(const wchar_t* name, int x, int y) {
    auto bitmap = std::make_unique<Gdiplus::Bitmap>(SkinFile(name).c_str());
    Gdiplus::Color colour;
    if (bitmap->GetPixel(x, y, &colour) != Gdiplus::Ok) return 0xFFFFFFFF;
    const auto over = [&](BYTE channel) { return static_cast<DWORD>(channel * colour.GetA() / 255); };
    return (over(colour.GetR()) << 16) | (over(colour.GetG()) << 8) | over(colour.GetB());
}

HWND FocusedEditor() {
    HWND focus = GetFocus();
    wchar_t name[64] = {};
    if (!focus || !GetClassNameW(focus, name, 64)) return nullptr;
    return std::wstring(name) == L"EditWindow" && IsWindowVisible(focus) ? focus : nullptr;
}

}  // namespace texttest
