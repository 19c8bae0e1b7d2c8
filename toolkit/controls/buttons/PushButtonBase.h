#pragma once
// What the push buttons share: the press cycle fed with the control's own pointer events,
// the normal look again whenever the button is enabled or disabled, a completed click
// sending 2, and titles drawn centred in a colour of their own.
#include <windows.h>

#include "GdiPlus.h"

#include "ButtonPress.h"
#include "CString.h"
#include "MControlFont.h"

namespace Kelvo {

class KELVO_API PushButtonBase : public MControlFont {
public:
    void SetControlEnabled(int enabled) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;

protected:
    PushButtonBase(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled,
                   ButtonPress::Options press = {});

    // A click completed (the look is already updated); sends 2.
    virtual void OnClick();
    // `text` on one line, centred in `where`, in `colour`; the button's own alignment and
    // title colour are left as they were.
    void DrawCentredTitle(HDC cache, const CRect& where, const CString& text, Gdiplus::ARGB colour);

    ButtonPress m_press;
};

}  // namespace Kelvo
