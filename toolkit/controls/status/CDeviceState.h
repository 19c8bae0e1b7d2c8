#pragma once
// The device's name or state on a plate in the main window's frame: the control's image
// (frame 0 of its strip) stretched over it and the title centred on top. Drawing text
// with GDI, the plate fits the text: when the title's width plus a margin differs from
// the control's, the control resizes itself (keeping its left edge) and draws on the
// next paint.
#include <windows.h>

#include "MControlFont.h"

namespace Kelvo {

class KELVO_API CDeviceState : public MControlFont {
public:
    CDeviceState(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled);
    ~CDeviceState() override;

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;

private:
    // True when the plate had to change its width to fit `title` (nothing was drawn).
    bool FitToTitle(HDC dc, const CString& title);
    void DrawTitleByGdi(HDC dc, const CRect& rect, const CString& title);
    void DrawTitleByGdiplus(HDC dc, const CRect& rect, const CString& title);
};

}  // namespace Kelvo
