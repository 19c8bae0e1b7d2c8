#pragma once
// An on/off switch: one image strip for "on" and one for "off" (four frames each:
// normal, hover, pressed, disabled), drawn at the left at natural size. A press shows the
// hover frame; a click toggles the switch and notifies 2 with the new check. Keys do
// nothing. The images are read straight from the skin folder and belong to the switch.
#include <windows.h>

#include "GdiPlus.h"

#include "MControlFont.h"
#include "PressCycle.h"

namespace Kelvo {

class KELVO_API CSwitchButton : public MControlFont {
public:
    enum State { kNormal = 0, kHover = 1, kDisabled = 3 };

    CSwitchButton(MObject* parent, UINT id, CRect rect, int visible, int enabled);
    ~CSwitchButton() override;
    CSwitchButton(const CSwitchButton&) = delete;
    CSwitchButton& operator=(const CSwitchButton&) = delete;

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;
    void SetControlEnabled(int enabled) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;
    int OnControlKeyDown(UINT key, UINT repeat, UINT modifiers) override;

    using MControlFont::SetImage;
    // Both strips, by path in the skin folder (or absolute), `frames` frames wide (< 1
    // counts as 1). A file that cannot be read leaves the switch without that image.
    // Always 1.
    int SetImage(const wchar_t* checkedPath, const wchar_t* uncheckedPath, int frames);

    int GetCheck() const { return m_bCheck; }
    // Also while disabled; the look returns to normal. No notification.
    int SetCheck(int check);
    // The frame shown now, 0 … 3 (of the image of the current check).
    int GetState() const;

private:
    void RenderFrames(HDC cache, int width, int height);
    int ShowChange(int before);

    int m_bCheck = 0;
    PressCycle m_cycle;  // pressed is the pressed flag; it looks like hover
    Gdiplus::Image* m_pCheckedImage = nullptr;
    Gdiplus::Image* m_pUncheckedImage = nullptr;
    int m_nSwitchFrames = 4;
};

}  // namespace Kelvo
