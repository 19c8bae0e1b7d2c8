#pragma once
// A check box: a box image at the left (eight frames: normal, hover, pressed, disabled,
// then the same four checked) and the title beside it. A click toggles the check and
// notifies 2; Space while focused (or the hot key) toggles it and notifies 7 with the new
// check. All eight looks are pre-rendered side by side, so hovering and checking only
// move the source of the copy.
#include <windows.h>

#include "GdiPlus.h"

#include "MControlFont.h"
#include "PressCycle.h"

namespace Kelvo {

class KELVO_API CCheckButton : public MControlFont {
public:
    enum State { kNormal = 0, kHover = 1, kPressed = 2, kDisabled = 3, kCheckedOffset = 4 };

    CCheckButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled);

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;
    int SetControlFocus(int focus) override;
    void SetControlEnabled(int enabled) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;
    int OnControlKeyDown(UINT key, UINT repeat, UINT modifiers) override;

    int GetCheck() const { return m_bCheck; }
    // Not while disabled (returns the current check); no notification.
    virtual int SetCheck(int check);
    // The frame shown now, 0 … 7.
    int GetState() const;
    // ARGB colour of the title beside a checked box (white by default).
    void SetCheckedTextColor(Gdiplus::ARGB colour) { m_checkedTextColor = colour; }

protected:
    // What a completed click does to the check (toggles it here).
    virtual void ApplyClick();
    // What the keyboard does to the check (toggles it here); returns the new check.
    virtual int ApplyKeyboard();
    // ARGB colour of the title in frame `frame`.
    virtual Gdiplus::ARGB TitleColor(int frame) const;
    // Stores the check; when it changed, the look follows (pressed or hovered stays so).
    void ShowCheck(int check);

    int m_bCheck = 0;
    PressCycle m_cycle;
    Gdiplus::ARGB m_checkedTextColor = 0xFFFFFFFF;

private:
    void RenderFrames(HDC cache, int width, int height);
    int ShowChange(bool changed);
    // Space without modifiers while focused, or the hot key.
    bool IsCheckKey(UINT key, UINT modifiers) const;
};

}  // namespace Kelvo
