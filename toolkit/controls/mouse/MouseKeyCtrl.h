#pragma once
// The list of a mouse's buttons: one row per button with its label on the left and the
// function it has now on the right. Rows are `row height x scale` high, one every
// `row height x scale + 5` pixels from the top; the selected row is filled with the
// highlight colour, the others are dark with an outline while hovered. The hovered row's
// label and function show as a tooltip.
#include "MouseButtonView.h"

namespace Kelvo {

class KELVO_API MouseKeyCtrl : public MouseButtonView {
public:
    static constexpr int kRowHeight = 27;
    static constexpr int kRowGap = 5;

    MouseKeyCtrl(MObject* parent, UINT id, CRect rect, int visible);

    const wchar_t* GetClassNameW() override;

    int AddItem(const wchar_t* name, const wchar_t* description, int keyValue);
    // The first button with that key value shows `description`; repaints in any case.
    void SetItemKeyDesc(int keyValue, const wchar_t* description);
    CString GetItemKeyDesc(int index);

protected:
    void LayoutItems() override;
    void DrawItems(HDC dc, Gdiplus::Graphics& graphics, const CRect& client) override;
    CString TooltipOf(const MouseButtonItem& item) override;
};

}  // namespace Kelvo
