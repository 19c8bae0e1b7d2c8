#pragma once
// A check box: a box image at the left (eight frames: normal, hover, pressed, disabled,
// then the same four checked) and the title beside it. A click toggles the check and
// notifies 2; Space while focused (or the hot key) toggles it and notifies 7 with the new
// check. All eight looks are pre-rendered side by side, so hovering and checking only
// move the source of the copy.
#include <windows.h>

#include "GdiPlus.h"

#include "CheckStripButton.h"

namespace Kelvo {

class KELVO_API CCheckButton : public CheckStripButton {
public:
    enum State { kNormal = 0, kHover = 1, kPressed = 2, kDisabled = 3, kCheckedOffset = 4 };

    CCheckButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled);

    const wchar_t* GetClassNameW() override;

    // Not while disabled (returns the current check); no notification.
    virtual int SetCheck(int check);
    // The frame shown now, 0 … 7.
    int GetState() const override;
    // ARGB colour of the title beside a checked box (white by default).
    void SetCheckedTextColor(Gdiplus::ARGB colour) { m_checkedTextColor = colour; }

protected:
    // Toggles the check.
    void ApplyClick() override;
    int ApplyKeyboard() override;
    Gdiplus::ARGB TitleColor(int frame) const override;

    Gdiplus::ARGB m_checkedTextColor = 0xFFFFFFFF;
};

}  // namespace Kelvo
