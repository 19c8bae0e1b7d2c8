#include "CScrollHorizontal.h"

#include "PaintManager.h"

namespace Kelvo {

CScrollHorizontal::CScrollHorizontal(MObject* parent, UINT id, CRect rect, int visible) : MScroll(parent, id, rect, visible) {
    PlaceThumb(false, false);
}

CScrollHorizontal::~CScrollHorizontal() = default;

const wchar_t* CScrollHorizontal::GetClassNameW() { return L"CScrollHorizontal"; }

void CScrollHorizontal::InitControl(PaintManager* manager) {
    if (!manager) return;
    if (const UINT resourceId = manager->GetScrollHID())
        SetImage(resourceId, L"PNG", 3);
    else
        SetImage(L"img_scroll_h.png", 3);
}

void CScrollHorizontal::DrawControl(HDC dc, const CRect&) { DrawBar(dc, false); }

int CScrollHorizontal::SetImage(UINT resourceId, const wchar_t* resourceType, int) {
    if (!m_pManager || !resourceType) return 0;
    return TakeSkin(m_pManager->AddImgResInfo(resourceId, resourceType, 3, 0), L"");
}

int CScrollHorizontal::SetImage(const wchar_t* path, int) {
    if (!m_pManager || !path || !*path) return 0;
    return TakeSkin(m_pManager->AddImgResInfo(path, 3), path);
}

int CScrollHorizontal::MoveRange(int delta) { return MoveThumb(false, delta); }

int CScrollHorizontal::SetRange() { return PlaceThumb(false, false); }

int CScrollHorizontal::OnControlMouseMove(UINT flags, CPoint point) { return TrackMouseMove(false, flags, point); }

int CScrollHorizontal::OnControlLButtonDown(UINT, CPoint point) { return TrackButtonDown(false, point); }

int CScrollHorizontal::OnControlLButtonUp(UINT, CPoint point) { return TrackButtonUp(point); }

}  // namespace Kelvo
