#pragma once
// The help icon: its picture stretched over it, and while the pointer is over it a
// balloon showing its title just right of its top-left corner. It sends nothing.
#include "MControlFont.h"

namespace Kelvo {

class KELVO_API CHelpButton : public MControlFont {
public:
    CHelpButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled);

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;

private:
    int m_bInside = 0;
};

}  // namespace Kelvo
