#pragma once
// What the check-like buttons share: an image strip at the left with the title beside it,
// every look pre-rendered side by side (so hovering and checking only move the source of
// the copy), a dotted outline round every look while focused, and the press cycle fed
// with the control's pointer events. A completed click applies the button's click and
// sends 2; Space while focused (or the hot key) applies its keyboard action and sends 7
// with the check.
#include <windows.h>

#include "GdiPlus.h"

#include "MControlFont.h"
#include "PressCycle.h"

namespace Kelvo {

class KELVO_API CheckStripButton : public MControlFont {
public:
    void DrawControl(HDC dc, const CRect& clip) override;
    int SetControlFocus(int focus) override;
    void SetControlEnabled(int enabled) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;
    int OnControlKeyDown(UINT key, UINT repeat, UINT modifiers) override;

    int GetCheck() const { return m_bCheck; }
    // The frame shown now.
    virtual int GetState() const = 0;

protected:
    // `frames` looks side by side, from a skin strip of as many frames.
    CheckStripButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled,
                     int frames);

    // What a completed click does to the check.
    virtual void ApplyClick() = 0;
    // What the keyboard does to the check; returns the new check.
    virtual int ApplyKeyboard() = 0;
    // ARGB colour of the title (and of the focus outline) in frame `frame`.
    virtual Gdiplus::ARGB TitleColor(int frame) const;
    // Stores the check; when it changed, the look follows (pressed or hovered stays so).
    void ShowCheck(int check);

    int m_bCheck = 0;
    PressCycle m_cycle;

private:
    void RenderFrames(HDC cache, int width, int height);
    int ShowChange(bool changed);
    // Space without modifiers while focused, or the hot key.
    bool IsCheckKey(UINT key, UINT modifiers) const;

    int m_nFrames;
};

}  // namespace Kelvo
