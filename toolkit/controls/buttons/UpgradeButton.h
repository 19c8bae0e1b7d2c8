#pragma once
// The firmware upgrade button: a skinned push button that shows its disabled look while
// an upgrade is under way (non-zero upgrade status), whatever the pointer does.
#include "ButtonPress.h"
#include "MControlFont.h"

namespace Kelvo {

class KELVO_API UpgradeButton : public MControlFont {
public:
    UpgradeButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled);

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;
    void SetControlEnabled(int enabled) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;

    void SetUpgradeStatus(int status);
    int GetUpgradeStatus() const { return m_nUpgradeStatus; }
    void SetFrameSize(int corner);
    int GetState() const;

private:
    ButtonPress m_press;
    int m_nUpgradeStatus = 0;
    int m_nFrameSize = 8;
};

}  // namespace Kelvo
