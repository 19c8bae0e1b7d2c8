#pragma once
// Static text in the control's font and colour, on one line or wrapped and centred
// vertically. It is made disabled (it takes no clicks) but keeps its colour.
#include <windows.h>

#include "Geometry.h"
#include "MControlFont.h"

namespace Kelvo {

class KELVO_API MText : public MControlFont {
public:
    MText(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible);
    ~MText() override;

    const wchar_t* GetClassNameW() override;
    void SetControlRect(CRect rect) override;
    void DrawControl(HDC dc, const CRect& clip) override;

    void EnableMultiLine(int multiLine);
    int IsMultiLine() const { return m_bMultiLine; }

private:
    int m_bMultiLine = 0;
};

}  // namespace Kelvo
