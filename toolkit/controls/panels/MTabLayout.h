#pragma once
// One page of a tab control: a panel that holds the page's controls. It lays out no
// scroll bars and measures no content, and only its children take the mouse, so a click
// on an empty part of the page falls through to whatever lies beneath it.
#include <windows.h>

#include "MPanel.h"

namespace Kelvo {

class KELVO_API MTabLayout : public MPanel {
public:
    MTabLayout(MObject* parent, UINT id, CRect rect, int visible);
    ~MTabLayout() override;

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;
    int DrawSubControls(HDC dc, const CRect& clip) override;
    int OnCheckMouseResponse(UINT flags, CPoint point) override;
    void SetControlRect(CRect rect) override;
};

}  // namespace Kelvo
