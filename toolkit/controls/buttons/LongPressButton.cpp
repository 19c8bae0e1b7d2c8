#include "LongPressButton.h"

#include "ToolkitClock.h"

namespace Kelvo {

namespace {

constexpr UINT kNotifyRepeat = 32;
constexpr std::uint64_t kRepeatMs = 300;

}  // namespace

LongPressButton::LongPressButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible,
                                 int enabled)
    : MButton(parent, id, rect, title, visible, enabled) {}

const wchar_t* LongPressButton::GetClassNameW() { return L"LongPressButton"; }

void LongPressButton::InitControl(PaintManager* manager) {
    MButton::InitControl(manager);
    AddMTimer();
    SetRunTimer(1);
}

void LongPressButton::DrawCellImage(Gdiplus::Graphics& graphics, int cell, const CRect& box) {
    DrawNaturalFrame(graphics, cell, box);
}

int LongPressButton::OnControlLButtonDown(UINT flags, CPoint point) {
    const int changed = MButton::OnControlLButtonDown(flags, point);
    if (m_press.IsPressed()) m_pressTime = ToolkitNowMs();
    return changed;
}

int LongPressButton::OnControlTimer() {
    // A release outside clears the pressed state too, so only a held press repeats.
    if (!m_press.IsPressed() || !m_bEnabled || !m_bVisible) return 0;
    const std::uint64_t now = ToolkitNowMs();
    if (now <= m_pressTime || now - m_pressTime <= kRepeatMs) return 0;
    m_pressTime = now;
    SendMessageW(kNotifyRepeat, 0, 0);
    return 1;
}

}  // namespace Kelvo
