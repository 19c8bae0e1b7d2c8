#include "WaitDlg.h"

#include "CGifPicture.h"
#include "DialogPlacement.h"

namespace {

constexpr COLORREF kFill = 0x333333;
// The animation steps on the window's own periodic tick, not on a native timer.
constexpr UINT kTickMs = 10;

}  // namespace

WaitDlg::WaitDlg() {
    SetLayeredWindow(1);
    m_pm.SetBackColor(kFill, kFill);
}

int WaitDlg::OnInitDialog() {
    const int result = MDialog::OnInitDialog();
    MakeTopMost(GetSafeHwnd());
    SetMTimer(kTickMs);
    EnableWndDrag(1);
    return result;
}

void WaitDlg::InitUI(CRect) {
    auto* animation = static_cast<Kelvo::CGifPicture*>(
        CreateControl(L"CGifPicture", kAnimationId, CRect(1, 1, kSize - 1, kSize - 1), L"", 1, 1));
    if (!animation) return;
    animation->SetImage(L"loading.gif", 1);  // also puts it on the window's tick list
    animation->SetRunState(1, 0);
}

bool ShowWait(HWND owner, BusyDialogGate& gate) {
    if (!gate.ShouldShow()) return false;
    WaitDlg dialog;
    const CRect rect = CentredOn(owner, WaitDlg::kSize, WaitDlg::kSize);
    if (!dialog.Create(owner, L"WaitDlg", kDialogStyle, WS_EX_TOOLWINDOW, rect)) return false;
    gate.Shown(dialog);
    dialog.ShowModal(SW_SHOW);
    gate.Hidden();
    dialog.DestroyWindow();
    return true;
}
