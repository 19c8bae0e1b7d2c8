#include "CScrollVertical.h"

#include "PaintManager.h"

namespace Kelvo {

CScrollVertical::CScrollVertical(MObject* parent, UINT id, CRect rect, int visible) : MScroll(parent, id, rect, visible) {
    PlaceThumb(true, false);
}

CScrollVertical::~CScrollVertical() = default;

const wchar_t* CScrollVertical::GetClassNameW() { return L"CScrollVertical"; }

void CScrollVertical::InitControl(PaintManager* manager) {
    if (!manager) return;
    if (const UINT resourceId = manager->GetScrollVID())
        SetImage(resourceId, L"PNG", 3);
    else
        SetImage(L"img_scroll_v.png", 3);
}

void CScrollVertical::DrawControl(HDC dc, const CRect&) { DrawBar(dc, true); }

int CScrollVertical::SetImage(UINT resourceId, const wchar_t* resourceType, int) {
    if (!m_pManager || !resourceType) return 0;
    return TakeSkin(m_pManager->AddImgResInfo(resourceId, resourceType, 3, 0), L"");
}

int CScrollVertical::SetImage(const wchar_t* path, int) {
    if (!m_pManager || !path || !*path) return 0;
    return TakeSkin(m_pManager->AddImgResInfo(path, 3), path);
}

int CScrollVertical::MoveRange(int delta) { return MoveThumb(true, delta); }

int CScrollVertical::SetRange() { return PlaceThumb(true, false); }

int CScrollVertical::SetRangeEx() { return PlaceThumb(true, true); }

int CScrollVertical::OnControlMouseMove(UINT flags, CPoint point) { return TrackMouseMove(true, flags, point); }

int CScrollVertical::OnControlLButtonDown(UINT, CPoint point) { return TrackButtonDown(true, point); }

int CScrollVertical::OnControlLButtonUp(UINT, CPoint point) { return TrackButtonUp(point); }

}  // namespace Kelvo
