#pragma once
// The vertical scroll bar: the thumb moves along y and spans the bar's width.
#include <windows.h>

#include "MScroll.h"

namespace Kelvo {

class KELVO_API CScrollVertical : public MScroll {
public:
    CScrollVertical(MObject* parent, UINT id, CRect rect, int visible);
    ~CScrollVertical() override;

    const wchar_t* GetClassNameW() override;
    // The skin: the toolkit's own resource when the paint manager names one, else the
    // skin file "img_scroll_v.png".
    void InitControl(PaintManager* manager) override;
    void DrawControl(HDC dc, const CRect& clip) override;
    // Resources come from the toolkit module. Always three frames, whatever `frames` says.
    int SetImage(UINT resourceId, const wchar_t* resourceType, int frames) override;
    int SetImage(const wchar_t* path, int frames) override;
    int MoveRange(int delta) override;
    int SetRange() override;
    int SetRangeEx() override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;
};

}  // namespace Kelvo
