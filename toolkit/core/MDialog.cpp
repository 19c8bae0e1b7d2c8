#include "MDialog.h"

#include "MControl.h"

namespace Kelvo {

MDialog::~MDialog() = default;

const wchar_t* MDialog::GetClassNameW() { return L"MDialog"; }

CPoint MDialog::GetAirBladderPoint(MControl* control, int type) {
    if (!control) return CPoint(0, 0);
    const CRect rect = control->GetRect();
    POINT point{rect.left, rect.bottom};
    if (type == 1) point.x = rect.left + rect.Width() / 2;
    if (type == 2) point.x = rect.right;
    ClientToScreen(&point);
    return CPoint(point.x, point.y);
}

int MDialog::SetAirBladderMsg(const wchar_t* text, POINT point, AIRBLADDER_TYPE type) {
    if (point.x == 0 || point.y == 0) return 0;
    const int result = m_pm.SetAirBladderMsg(text, point, type, AIRBLADDER_MODE_BELOW);
    m_pm.ShowAirBladder(1, 0);
    return result;
}

void MDialog::OnMinimize() { ShowWindow(SW_MINIMIZE); }

void MDialog::OnMaximize() { ShowWindow(m_hWnd && ::IsZoomed(m_hWnd) ? SW_RESTORE : SW_MAXIMIZE); }

void MDialog::DoOK() { PostMessageW(kUserCloseMessage, IDOK, 0); }
void MDialog::DoCancel() { PostMessageW(kUserCloseMessage, IDCANCEL, 0); }
void MDialog::DoClose() { PostMessageW(kUserCloseMessage, IDCANCEL, 0); }
void MDialog::DoYes() { PostMessageW(kUserCloseMessage, IDYES, 0); }
void MDialog::DoNo() { PostMessageW(kUserCloseMessage, IDNO, 0); }

}  // namespace Kelvo
