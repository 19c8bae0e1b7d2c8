#pragma once
// The mouse picture's buttons as call-outs: for each button a leader between its two
// points (given unscaled, from the control's top-left corner), a dot at the button's
// end and a label box from the control's image (frame 0 normal, 1 highlighted, drawn as
// a nine-grid) with the button's name. Direction 1 puts the dot on point 1 and the box
// to the right of point 2; any other direction puts the dot on point 2 and the box to the
// left of point 1. The selected and the hovered button are highlighted; the label box
// is where the pointer picks a button, and shows the name as a tooltip.
#include "MouseButtonView.h"

namespace Kelvo {

class KELVO_API MouseCtrl : public MouseButtonView {
public:
    static constexpr int kRowHeight = 36;
    static constexpr int kLabelWidth = 66;
    static constexpr int kLabelHeight = 26;

    MouseCtrl(MObject* parent, UINT id, CRect rect, int visible);

    const wchar_t* GetClassNameW() override;

    int AddItem(const wchar_t* name, int keyValue, int direction, CPoint point1, CPoint point2);

protected:
    void LayoutItems() override;
    void DrawItems(HDC dc, Gdiplus::Graphics& graphics, const CRect& client) override;
    CString TooltipOf(const MouseButtonItem& item) override;

private:
    void DrawItem(HDC dc, Gdiplus::Graphics& graphics, const MouseButtonItem& item, bool highlighted);
};

}  // namespace Kelvo
