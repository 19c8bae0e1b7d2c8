#include "MPanel.h"

#include <algorithm>

#include "CScrollHorizontal.h"
#include "CScrollVertical.h"
#include "ControlFactory.h"

namespace Kelvo {

namespace {

bool Intersects(const CRect& a, const CRect& b) {
    CRect common;
    return common.IntersectRect(a, b);
}

// The share of `overflow` pixels that the bar's position stands for.
int ScrolledPixels(int overflow, const MScroll* bar) {
    const int range = bar->GetScrollMaxRange();
    if (overflow <= 0 || range <= 0) return 0;
    return static_cast<int>(static_cast<long long>(overflow) * bar->GetScrollCurrentPos() / range);
}

}  // namespace

std::vector<MControl*> MPanel::Children() {
    LockGuard guard(m_controlLock);
    return m_controls;
}

MPanel::MPanel(MObject* parent, UINT id, CRect rect, int visible)
    : MControlFont(parent, id, rect, L"", visible, 1, 1) {
    m_bDblClk = 1;
    const int thickness = m_nScrollThickness;
    m_pScrollV = new CScrollVertical(this, kVerticalBarId, CRect(-thickness, 0, 0, 0), 1);
    m_pScrollH = new CScrollHorizontal(this, kHorizontalBarId, CRect(0, -thickness, 0, 0), 1);
    // Content added later, however wide, is drawn beneath the bars and leaves them the pointer.
    m_pScrollV->SetStayOnTop(1);
    m_pScrollH->SetStayOnTop(1);
    // The panel keeps using its bars when a list is emptied and refilled.
    m_pScrollV->SetKeptByParent(1);
    m_pScrollH->SetKeptByParent(1);
    AttachControl(1, m_pScrollV);
    AttachControl(1, m_pScrollH);
    MPanel::SetControlRect(rect);
}

MPanel::~MPanel() = default;

const wchar_t* MPanel::GetClassNameW() { return L"MPanel"; }

LRESULT MPanel::OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    return OnMessage(id, code, wparam, lparam);
}

LRESULT MPanel::OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    return m_pParent ? m_pParent->OnBaseMessage(id, code, wparam, lparam) : 0;
}

LRESULT MPanel::OnControlUpdate(const CRect& rect, int redraw, MControl* control) {
    if (!control) return 0;
    if (redraw) control->SetUpdate(0, 0);
    CRect area = rect;
    if (m_bInitialised) {
        // Children drawn after the changed one and over it render again from the new background.
        bool met = false;
        for (MControl* later : Children()) {
            if (!met) {
                met = later == control;
                continue;
            }
            if (later->IsVisible() && Intersects(later->GetRect(), rect)) {
                area.UnionRect(area, later->GetRect());
                later->SetUpdate(0, 0);
            }
        }
    }
    area.OffsetRect(-GetHorizontalOffset(), -GetVerticalOffset());
    area.UnionRect(area, m_rcControl);
    if (m_pParent) return m_pParent->OnControlUpdate(area, 0, this);
    const RECT whole{area.left, area.top, area.right, area.bottom};
    InvalidateRect(&whole, 1);
    return 0;
}

void MPanel::InitControl(PaintManager* manager) {
    MControlFont::InitControl(manager);
    m_bInitialised = 1;
}

void MPanel::SetUpdate(int valid, DWORD background) {
    m_bUpdate = valid ? 1 : 0;
    for (MControl* child : Children()) child->SetUpdate(valid, background);
}

int MPanel::OnMousePointChange(CPoint& point) {
    if (!m_bEnableScroll || !ContentExceeds()) return 0;
    point.x += GetHorizontalOffset();
    point.y += GetVerticalOffset();
    return 1;
}

int MPanel::OnCheckMouseResponse(UINT, CPoint) { return 1; }

LRESULT MPanel::OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    for (MControl* child : Children())
        if (child->OnWindowMessage(msg, wparam, lparam)) return 1;
    return 0;
}

void MPanel::SetControlRect(CRect rect) {
    m_rcControl = rect;
    m_nVirtualHeight = 0;
    m_nVirtualWidth = 0;
    for (MControl* child : Children()) {
        if (child == m_pScrollV || child == m_pScrollH) {
            CRect edge = rect;
            if (child == m_pScrollV)
                edge.left = rect.right - m_nScrollThickness;
            else
                edge.top = rect.bottom - m_nScrollThickness;
            const CRect old = child->GetRect();
            child->SetControlRect(edge);
            CRect both;
            both.UnionRect(old, edge);
            if (child->IsVisible()) child->UpdateControl(both, 0, 1);
            continue;
        }
        // Children may be added in any order: the content reaches as far as the furthest one.
        const CRect r = child->GetRect();
        m_nVirtualHeight = std::max(m_nVirtualHeight, r.bottom - rect.top);
        m_nVirtualWidth = std::max(m_nVirtualWidth, r.right - rect.left);
    }
    UpdateBarRanges();
}

void MPanel::UpdateBarRanges() {
    const int showVertical = m_rcControl.Height() < m_nVirtualHeight ? 1 : 0;
    if (m_pScrollV->IsVisible() != showVertical) m_pScrollV->SetVisible(showVertical, 1);
    m_pScrollV->SetScrollMaxRange(m_nVirtualHeight);
    const int showHorizontal = m_rcControl.Width() < m_nVirtualWidth ? 1 : 0;
    if (m_pScrollH->IsVisible() != showHorizontal) m_pScrollH->SetVisible(showHorizontal, 1);
    m_pScrollH->SetScrollMaxRange(m_nVirtualWidth);
}

void MPanel::SetVirtualHeight(int height) {
    m_nVirtualHeight = height;
    UpdateBarRanges();
}

void MPanel::SetVirtualWidth(int width) {
    m_nVirtualWidth = width;
    UpdateBarRanges();
}

bool MPanel::ContentExceeds() const {
    return m_nVirtualHeight > m_rcControl.Height() || m_nVirtualWidth > m_rcControl.Width();
}

int MPanel::GetVerticalOffset() {
    if (!m_bEnableScroll || !ContentExceeds()) return 0;
    return ScrolledPixels(m_rcControl.top + m_nVirtualHeight - m_rcControl.bottom, m_pScrollV);
}

int MPanel::GetHorizontalOffset() {
    if (!m_bEnableScroll || !ContentExceeds()) return 0;
    return ScrolledPixels(m_nVirtualWidth + m_rcControl.left - m_rcControl.right, m_pScrollH);
}

void MPanel::SetControlVisible(int visible) {
    m_bVisible = visible ? 1 : 0;
    SetControlWndVisible(m_bVisible);
}

void MPanel::SetControlWndVisible(int) {}

void MPanel::SetControlEnabled(int enabled) {
    m_bEnabled = enabled ? 1 : 0;
    for (MControl* child : Children())
        if (child->IsEnabled() != m_bEnabled) child->SetEnabled(m_bEnabled);
}

int MPanel::OnControlScroll(int, int direction, CPoint) {
    if (!m_bEnableScroll || m_nVirtualHeight < m_rcControl.Height()) return 0;
    MScroll* bar = m_pScrollV;
    const int before = bar->GetScrollCurrentPos();
    const int step = direction == 1 ? bar->GetScrollStep() : -bar->GetScrollStep();
    const long long wanted = static_cast<long long>(before) + step;
    bar->SetScrollCurrentPos(static_cast<int>(
        std::clamp(wanted, 0LL, static_cast<long long>(std::max(bar->GetScrollMaxRange(), 0)))));
    if (bar->GetScrollCurrentPos() == before) return 1;
    if (m_bVisible) UpdateControl(1, 0);
    if (bar->IsVisible()) bar->UpdateControl(1, 0);
    return 1;
}

int MPanel::OnControlKeyDown(UINT, UINT, UINT) { return 0; }

int MPanel::OnControlKeyUp(UINT, UINT, UINT) { return 0; }

MControl* MPanel::CreateArea(const wchar_t* className, UINT id, CRect rect, const wchar_t* title, int visible,
                             int enabled) {
    return CreateControl(0, this, className, id, rect, title, visible, enabled);
}

MControl* MPanel::CreateControl(const wchar_t* className, UINT id, CRect rect, const wchar_t* title, int visible,
                                int enabled) {
    return CreateControl(1, this, className, id, rect, title, visible, enabled);
}

MControl* MPanel::CreateControl(int listKind, MObject* parent, const wchar_t* className, UINT id, CRect rect,
                                const wchar_t* title, int visible, int enabled) {
    MControl* control = CreatePanelControl(className, parent, id, rect, title, visible, enabled);
    if (!control) return nullptr;
    // Attaching gives it the panel's paint manager and so runs its InitControl.
    return AttachControl(listKind == 0 ? 0 : 1, control);
}

MControl* MPanel::GetScrollVertical() const { return m_pScrollV; }

MControl* MPanel::GetScrollHorizontal() const { return m_pScrollH; }

}  // namespace Kelvo
