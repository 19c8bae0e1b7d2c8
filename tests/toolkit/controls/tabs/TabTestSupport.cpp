#include "TabTestSupport.h"

#include "RenderCanvas.h"

namespace tabtest {

LRESULT Recorder::OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    const harness::Notification notification{id, code, wparam, lparam};
    seen.push_back(notification);
    if (onNotify) onNotify(notification);
    return 0;
}

LRESULT Recorder::OnControlUpdate(const CRect& rect, int redraw, Kelvo::MControl* control) {
    return m_window.OnControlUpdate(rect, redraw, control);
}

std::wstring TwoFrameIcon() {
    const std::wstring path = Kelvo::test::TempPath(L"kelvo-tab-icon.png");
    const uint32_t colours[] = {kFrame0, kFrame1};
    Kelvo::test::WriteFrameStrip(path.c_str(), kIconSize, kIconSize, colours, 2);
    return path;
}

std::wstring SquareImage(const wchar_t* name, int size, uint32_t argb) {
    const std::wstring path = Kelvo::test::TempPath(name);
    Kelvo::test::WriteFrameStrip(path.c_str(), size, size, &argb, 1);
    return path;
}

}  // namespace tabtest
