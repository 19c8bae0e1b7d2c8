#pragma once
// A push button whose skin frames keep their natural size, with an optional balloon that
// shows the title beside the button while the pointer is over it.
#include "MButton.h"
#include "PaintManager.h"

namespace Kelvo {

class KELVO_API CImageButton : public MButton {
public:
    CImageButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled);

    const wchar_t* GetClassNameW() override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;

    // No balloon, a balloon pointing at the button's right edge, or at its left edge.
    void SetAlrBladderMode(AIRBLADDER_MODE mode) { m_nBalloonMode = mode; }
    AIRBLADDER_MODE GetAlrBladderMode() const { return m_nBalloonMode; }

protected:
    void DrawCellImage(Gdiplus::Graphics& graphics, int cell, const CRect& box) override;

private:
    // Shows the balloon when the button turned hovered, hides it on any other change.
    int FollowBalloon(int changed);

    AIRBLADDER_MODE m_nBalloonMode = AIRBLADDER_MODE_NONE;
};

}  // namespace Kelvo
