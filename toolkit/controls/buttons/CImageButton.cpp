#include "CImageButton.h"

#include "PaintManager.h"

namespace Kelvo {

namespace {

constexpr AIRBLADDER_TYPE kButtonBalloon = AIRBLADDER_TYPE_BUTTON;

}  // namespace

CImageButton::CImageButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled)
    : MButton(parent, id, rect, title, visible, enabled) {}

const wchar_t* CImageButton::GetClassNameW() { return L"CImageButton"; }

void CImageButton::DrawCellImage(Gdiplus::Graphics& graphics, int cell, const CRect& box) {
    DrawNaturalFrame(graphics, cell, box);
}

int CImageButton::OnControlMouseMove(UINT flags, CPoint point) {
    return FollowBalloon(MButton::OnControlMouseMove(flags, point));
}

int CImageButton::OnControlLButtonDown(UINT flags, CPoint point) {
    return FollowBalloon(MButton::OnControlLButtonDown(flags, point));
}

int CImageButton::OnControlLButtonUp(UINT flags, CPoint point) {
    return FollowBalloon(MButton::OnControlLButtonUp(flags, point));
}

int CImageButton::FollowBalloon(int changed) {
    if (!changed || m_nBalloonMode == AIRBLADDER_MODE_NONE || !m_pManager || IsDetached()) return changed;
    const CString title = GetControlTitle();
    if (title.IsEmpty()) return changed;
    const int id = static_cast<int>(m_uControlID);
    if (m_press.State() != kHover) {
        m_pManager->ShowAirBladder(0, id);
        return changed;
    }
    POINT anchor{m_nBalloonMode == AIRBLADDER_MODE_LEFT ? m_rcControl.left : m_rcControl.right,
                 m_rcControl.top + m_rcControl.Height() / 2};
    if (HWND window = m_pManager->GetPaintWnd()) ::ClientToScreen(window, &anchor);
    m_pManager->SetAirBladderMsg(title, anchor, kButtonBalloon, m_nBalloonMode);
    m_pManager->ShowAirBladder(1, id);
    return changed;
}

}  // namespace Kelvo
