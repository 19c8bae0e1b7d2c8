#include "PushButtonBase.h"

namespace Kelvo {

PushButtonBase::PushButtonBase(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled,
                               ButtonPress::Options press)
    : MControlFont(parent, id, rect, title, visible, enabled, 1), m_press(press) {
    // Kept as the control's cursor too, so the window's WM_SETCURSOR shows the hand
    // before each move reaches the button instead of the arrow for a moment.
    if (press.handCursor) SetCursorEx(L"hand");
}

void PushButtonBase::SetControlEnabled(int enabled) {
    MControlFont::SetControlEnabled(enabled);
    m_press.Reset();
}

int PushButtonBase::OnControlMouseMove(UINT, CPoint point) { return m_press.Move(*this, point); }

int PushButtonBase::OnControlLButtonDown(UINT, CPoint point) { return m_press.Down(*this, point); }

int PushButtonBase::OnControlLButtonUp(UINT, CPoint point) {
    const ButtonPress::Release release = m_press.Up(*this, point);
    if (release.clicked) OnClick();
    return release.changed;
}

void PushButtonBase::OnClick() { SendMessageW(kNotifyActivated, 0, 0); }

void PushButtonBase::DrawCentredTitle(HDC cache, const CRect& where, const CString& text, Gdiplus::ARGB colour) {
    const Gdiplus::ARGB savedColour = m_textColor;
    const int savedHorizontal = m_nAlignment;
    const int savedVertical = m_nVAlignment;
    m_nAlignment = DT_CENTER;
    m_nVAlignment = DT_VCENTER;
    SetTextColor(colour);
    DrawTitle(cache, where, text, false);
    SetTextColor(savedColour);
    m_nAlignment = savedHorizontal;
    m_nVAlignment = savedVertical;
}

}  // namespace Kelvo
