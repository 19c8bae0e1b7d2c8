#pragma once
// One DPI level of the performance page: a selectable button of its group showing the
// level's colour and its X value, or X above Y when both axes are shown. Setting the
// values repaints without telling the parent; a click selects the level (notification 2).
#include "DpiValueButton.h"

namespace Kelvo {

class KELVO_API DPIButtonEx : public DpiValueButton {
public:
    DPIButtonEx(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled);

    const wchar_t* GetClassNameW() override;

    void SetDPIXValue(int value);
    void SetDPIYValue(int value);
    int GetDPIXValue() const { return m_nX; }
    int GetDPIYValue() const { return m_nY; }
    // 1: X and Y on two lines; 0: X alone.
    void EnableXY(int both);
    int IsXYShown() const { return m_bXY; }

protected:
    void DrawValue(HDC dc, const CRect& rect) override;

private:
    int m_nX = 0;
    int m_nY = 0;
    int m_bXY = 0;
};

}  // namespace Kelvo
