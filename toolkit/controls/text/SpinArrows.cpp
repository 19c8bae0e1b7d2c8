#include "SpinArrows.h"

#include "CImageButton.h"
#include "MControl.h"

namespace Kelvo {

namespace {

constexpr int kInset = 4;  // from the control's right edge

}  // namespace

void AttachSpinArrows(MControl& owner, UINT upId, UINT downId, int enabled, CImageButton*& up, CImageButton*& down) {
    if (up) return;
    up = new CImageButton(&owner, upId, CRect(), L"", 1, enabled);
    down = new CImageButton(&owner, downId, CRect(), L"", 1, enabled);
    owner.AttachControl(1, up);
    owner.AttachControl(1, down);
    up->SetImage(L"img_spin_up.png", 4);
    down->SetImage(L"img_spin_down.png", 4);
}

void LayOutSpinArrows(CImageButton* up, CImageButton* down, const CRect& control) {
    if (!up || !down) return;
    const CSize size = up->GetImageSize();
    const int right = control.right - kInset;
    const int centre = control.CenterPoint().y;
    up->SetControlRect(CRect(right - size.cx, centre - size.cy, right, centre));
    down->SetControlRect(CRect(right - size.cx, centre, right, centre + size.cy));
}

int SpinArrowsWidth(CImageButton* up) { return up ? up->GetImageSize().cx + kInset : 0; }

int WrapIntoRange(int value, int minimum, int maximum) {
    if (value > maximum) return minimum;
    if (value < minimum) return maximum;
    return value;
}

}  // namespace Kelvo
