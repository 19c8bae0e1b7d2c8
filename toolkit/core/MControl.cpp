#include "MControl.h"

#include <algorithm>

#include "ControlRetirement.h"
#include "PaintManager.h"

namespace Kelvo {

namespace {

bool Intersects(const CRect& a, const CRect& b) {
    CRect common;
    return common.IntersectRect(a, b);
}

std::vector<MControl*> Copy(Lock& lock, const std::vector<MControl*>& list) {
    LockGuard guard(lock);
    return list;
}

}  // namespace

MControl::MControl(MObject* parent, UINT id, CRect rect, int visible, int enabled, int responsive)
    : m_pParent(parent),
      m_uControlID(id),
      m_rcControl(rect),
      m_bVisible(visible ? 1 : 0),
      m_bEnabled(enabled ? 1 : 0),
      m_bResponse(responsive ? 1 : 0) {}

MControl::~MControl() {
    RetireChildren(true);
    if (m_pManager) m_pManager->ForgetControl(this);
    ReleaseCache();
    ReleaseAnimation();
}

const wchar_t* MControl::GetClassNameW() { return L"MControl"; }

void MControl::InitControl(PaintManager*) {}

int MControl::PtInRect(CPoint point) { return m_bVisible && m_rcControl.PtInRect(point) ? 1 : 0; }

void MControl::DrawControl(HDC, const CRect&) {}

int MControl::DrawSubControls(HDC dc, const CRect& clip) {
    for (MControl* child : SnapshotControls())
        if (!child->m_bDetached && child->m_bVisible) child->Draw(dc, clip);
    return 1;
}

int MControl::IsDraw(CPoint) { return 0; }

void MControl::SetUpdate(int valid, DWORD background) {
    m_bUpdate = valid ? 1 : 0;
    for (MControl* child : SnapshotControls())
        if (Intersects(child->m_rcControl, m_rcControl)) child->SetUpdate(valid, background);
}

int MControl::SetControlFocus(int focus) {
    m_bFocused = focus ? 1 : 0;
    if (!focus)
        for (MControl* child : SnapshotControls()) child->SetControlFocus(0);
    return 0;
}

void MControl::InitUI(CRect) {}
int MControl::OnMousePointChange(CPoint&) { return 0; }
int MControl::OnCheckMouseResponse(UINT, CPoint) { return 1; }
LRESULT MControl::OnWindowMessage(UINT, WPARAM, LPARAM) { return 0; }
LRESULT MControl::OnMessage(UINT, UINT, WPARAM, LPARAM) { return 0; }
void MControl::SetControlRect(CRect rect) { m_rcControl = rect; }
void MControl::SetControlVisible(int visible) { m_bVisible = visible ? 1 : 0; }
void MControl::SetControlWndVisible(int) {}
void MControl::SetControlEnabled(int enabled) { m_bEnabled = enabled ? 1 : 0; }
int MControl::OnControlTimer() { return 0; }
HBITMAP MControl::GetControlDropBitmap() { return nullptr; }
int MControl::OnControlMouseMove(UINT, CPoint) { return 0; }

int MControl::OnControlSetCursor(UINT, CPoint point) {
    if (!m_hCursor || !m_rcControl.PtInRect(point)) return 0;
    ::SetCursor(m_hCursor);
    return 1;
}

int MControl::OnControlLButtonDown(UINT, CPoint) { return 0; }
int MControl::OnControlLButtonUp(UINT, CPoint) { return 0; }
int MControl::OnControlLButtonDblClk(UINT, CPoint) { return 0; }
int MControl::OnControlScroll(int, int, CPoint) { return 0; }
int MControl::OnControlRButtonDown(UINT, CPoint) { return 0; }
int MControl::OnControlRButtonUp(UINT, CPoint) { return 0; }
int MControl::OnControlRButtonDblClk(UINT, CPoint) { return 0; }

int MControl::OnControlKeyDown(UINT key, UINT, UINT modifiers) {
    return m_uHotKey != 0 && key == m_uHotKey && modifiers == m_uHotKeyModifiers ? 1 : 0;
}

void MControl::OnPositionChange() {}

void MControl::InvalidateRect(const RECT*, int erase) {
    if (m_pManager) m_pManager->InvalidateRect(m_rcControl, erase);
}

// --- geometry and state ---------------------------------------------------------------

void MControl::SetRect(CRect rect) {
    const CRect old = m_rcControl;
    SetControlRect(rect);
    if (!m_bVisible || !m_pParent) return;
    CRect both;
    both.UnionRect(old, m_rcControl);
    m_pParent->OnControlUpdate(both, 1, this);
}

void MControl::SetRect(int x, int y, int width, int height) { SetRect(CRect(x, y, x + width, y + height)); }

void MControl::SetVisible(int visible) { SetVisible(visible, 1); }

void MControl::SetVisible(int visible, int repaint) {
    visible = visible ? 1 : 0;
    if (visible == m_bVisible) return;
    SetControlVisible(visible);
    if (repaint && m_pParent) m_pParent->OnControlUpdate(m_rcControl, 1, this);
    // Something that animates may have come into view with it.
    if (visible && m_pManager) m_pManager->WakeTicks();
}

void MControl::SetEnabled(int enabled) {
    enabled = enabled ? 1 : 0;
    if (enabled == m_bEnabled) return;
    SetControlEnabled(enabled);
    if (m_bVisible && m_pParent) m_pParent->OnControlUpdate(m_rcControl, 1, this);
}

int MControl::IsParentVisible() {
    if (!m_pParent) return 0;
    auto* parent = dynamic_cast<MControl*>(m_pParent);
    if (!parent) return 1;  // a window: the walk ends here
    return parent->m_bVisible && parent->IsParentVisible() ? 1 : 0;
}

// --- tooltip and cursor ---------------------------------------------------------------

void MControl::SetTooltip(const wchar_t* text) { m_strTooltip = CString(text); }

void MControl::SetTooltip(const CString& text, CRect rect) {
    if (m_pManager) m_pManager->SetTooltip(text, rect, this);
}

void MControl::ClearTooltip() {
    if (m_pManager) m_pManager->ClearTooltip();
}

int MControl::SetCursorEx(const wchar_t* name) {
    static const struct {
        const wchar_t* name;
        LPCWSTR id;
    } kCursors[] = {
        {L"arrow", IDC_ARROW},   {L"wait", IDC_WAIT}, {L"cross", IDC_CROSS}, {L"sizewe", IDC_SIZEWE},
        {L"sizens", IDC_SIZENS}, {L"hand", IDC_HAND}, {L"help", IDC_HELP},
    };
    if (!name) return 0;
    for (const auto& cursor : kCursors)
        if (CString(name) == cursor.name) {
            if (HCURSOR loaded = ::LoadCursorW(nullptr, cursor.id)) m_hCursor = loaded;
            break;
        }
    return 0;
}

// --- repaint requests and notifications ------------------------------------------------

void MControl::UpdateControl(int redraw, int force) { UpdateControl(m_rcControl, force, redraw); }

void MControl::UpdateControl(CRect rect, int force, int redraw) {
    if ((m_bVisible || force) && m_pParent) m_pParent->OnControlUpdate(rect, redraw, this);
}

void MControl::UpdateAControl(int stopAnimation, int force) {
    if (!m_bVisible && !force) return;
    m_bAnimate = stopAnimation ? 0 : 1;
    if (m_pParent) m_pParent->OnControlUpdate(m_rcControl, 0, this);
}

LRESULT MControl::SendMessageW(UINT code, WPARAM wparam, LPARAM lparam) {
    return m_pParent ? m_pParent->OnBaseMessage(m_uControlID, code, wparam, lparam) : 0;
}

int MControl::IsFocusControl() { return m_pManager && m_pManager->GetFocusControl() == this ? 1 : 0; }

// --- children ---------------------------------------------------------------------------

MControl* MControl::AttachControl(int kind, MControl* child) {
    if (!child || child == this) return nullptr;
    if (m_pManager) child->AttachTree(m_pManager);
    if (kind == 0) {
        LockGuard guard(m_areaLock);
        m_areas.push_back(child);
    } else {
        LockGuard guard(m_controlLock);
        // Later children are drawn over earlier ones and take the pointer first, so a
        // new child goes below those that stay on top.
        auto at = m_controls.end();
        if (!child->m_bStayOnTop)
            while (at != m_controls.begin() && (*(at - 1))->m_bStayOnTop) --at;
        m_controls.insert(at, child);
    }
    return child;
}

void MControl::AttachTree(PaintManager* manager) {
    if (m_pManager) return;
    m_pManager = manager;
    InitControl(manager);
    for (MControl* child : SnapshotAreas()) child->AttachTree(manager);
    for (MControl* child : SnapshotControls()) child->AttachTree(manager);
}

MControl* MControl::GetControl(UINT id) {
    for (MControl* child : SnapshotControls()) {
        if (child->m_uControlID == id) return child;
        if (MControl* found = child->GetControl(id)) return found;
    }
    for (MControl* child : SnapshotAreas()) {
        if (child->m_uControlID == id) return child;
        if (MControl* found = child->GetControl(id)) return found;
    }
    return nullptr;
}

bool MControl::Unlink(MControl* child) {
    bool found = false;
    {
        LockGuard guard(m_controlLock);
        auto it = std::find(m_controls.begin(), m_controls.end(), child);
        if (it != m_controls.end()) {
            m_controls.erase(it);
            found = true;
        }
    }
    if (!found) {
        LockGuard guard(m_areaLock);
        auto it = std::find(m_areas.begin(), m_areas.end(), child);
        if (it != m_areas.end()) {
            m_areas.erase(it);
            found = true;
        }
    }
    if (found && m_pHotChild == child) m_pHotChild = nullptr;
    return found;
}

int MControl::RemoveControl(MControl* control) {
    if (!control || control->m_bKeptByParent || !Unlink(control)) return 0;
    if (control->m_pManager) control->m_pManager->ForgetControl(control);
    ControlRetirement::Retire(control);
    return 0;
}

void MControl::RemoveAllControl() { RetireChildren(false); }

void MControl::RetireChildren(bool all) {
    auto takeFrom = [all](std::vector<MControl*>& list, std::vector<MControl*>& taken) {
        const auto firstTaken = std::stable_partition(
            list.begin(), list.end(), [all](const MControl* child) { return !all && child->m_bKeptByParent; });
        taken.insert(taken.end(), firstTaken, list.end());
        list.erase(firstTaken, list.end());
    };
    std::vector<MControl*> children;
    {
        LockGuard guard(m_areaLock);
        takeFrom(m_areas, children);
    }
    {
        LockGuard guard(m_controlLock);
        takeFrom(m_controls, children);
    }
    if (std::find(children.begin(), children.end(), m_pHotChild) != children.end()) m_pHotChild = nullptr;
    for (MControl* child : children) {
        if (child->m_pManager) child->m_pManager->ForgetControl(child);
        ControlRetirement::Retire(child);
    }
}

std::vector<MControl*> MControl::SnapshotControls() { return Copy(m_controlLock, m_controls); }
std::vector<MControl*> MControl::SnapshotAreas() { return Copy(m_areaLock, m_areas); }

void MControl::AddMTimer() {
    if (m_pManager) m_pManager->AddMTimer(this);
}

void MControl::SetRunTimer(int run) {
    m_bRunTimer = run ? 1 : 0;
    if (m_bRunTimer && m_pManager) m_pManager->WakeTicks();
}

void MControl::DeleteMTimer() {
    if (m_pManager) m_pManager->DeleteTimer(this);
}

// --- cache --------------------------------------------------------------------------------

HDC MControl::UpdateMemDC(HDC& dc, int width, int height) {
    m_bUpdate = 1;
    if (m_hMemDC && m_szMem == CSize(width, height)) return m_hMemDC;
    ReleaseCache();
    if (width <= 0 || height <= 0) return nullptr;
    m_hMemDC = ::CreateCompatibleDC(dc);
    m_hMemBitmap = ::CreateCompatibleBitmap(dc, width, height);
    if (!m_hMemDC || !m_hMemBitmap) {
        ReleaseCache();
        return nullptr;
    }
    m_hOldMemBitmap = ::SelectObject(m_hMemDC, m_hMemBitmap);
    m_szMem = CSize(width, height);
    return m_hMemDC;
}

HDC MControl::UpdateAnimateDC(HDC& dc, int width, int height) {
    ReleaseAnimation();
    m_bAnimate = 1;
    if (width <= 0 || height <= 0) return nullptr;
    m_hAnimateDC = ::CreateCompatibleDC(dc);
    m_hAnimateBitmap = ::CreateCompatibleBitmap(dc, width, height);
    if (!m_hAnimateDC || !m_hAnimateBitmap) {
        ReleaseAnimation();
        return nullptr;
    }
    m_hOldAnimateBitmap = ::SelectObject(m_hAnimateDC, m_hAnimateBitmap);
    m_szAnimate = CSize(width, height);
    return m_hAnimateDC;
}

void MControl::ReleaseCache() {
    if (m_hMemDC && m_hOldMemBitmap) ::SelectObject(m_hMemDC, m_hOldMemBitmap);
    if (m_hMemBitmap) ::DeleteObject(m_hMemBitmap);
    if (m_hMemDC) ::DeleteDC(m_hMemDC);
    m_hMemDC = nullptr;
    m_hMemBitmap = nullptr;
    m_hOldMemBitmap = nullptr;
    m_szMem = CSize();
}

void MControl::ReleaseAnimation() {
    if (m_hAnimateDC && m_hOldAnimateBitmap) ::SelectObject(m_hAnimateDC, m_hOldAnimateBitmap);
    if (m_hAnimateBitmap) ::DeleteObject(m_hAnimateBitmap);
    if (m_hAnimateDC) ::DeleteDC(m_hAnimateDC);
    m_hAnimateDC = nullptr;
    m_hAnimateBitmap = nullptr;
    m_hOldAnimateBitmap = nullptr;
    m_szAnimate = CSize();
}

void MControl::CopyBackgroundToCache(HDC dc, int frames) {
    if (!m_hMemDC) return;
    const int width = m_rcControl.Width();
    for (int frame = 0; frame < frames; ++frame)
        ::BitBlt(m_hMemDC, frame * width, 0, width, m_rcControl.Height(), dc, m_rcControl.left, m_rcControl.top,
                 SRCCOPY);
}

void MControl::DrawCachedLooks(HDC dc, int looks, int shown, const std::function<void(HDC, int, int)>& render) {
    const int width = m_rcControl.Width();
    const int height = m_rcControl.Height();
    if (width <= 0 || height <= 0) return;
    if (!m_bUpdate) {
        HDC cache = UpdateMemDC(dc, width * looks, height);
        CopyBackgroundToCache(dc, looks);
        if (cache) render(cache, width, height);
    }
    BlitCache(dc, shown);
}

void MControl::BlitCache(HDC dc, int frame) {
    if (!m_hMemDC) return;
    const int width = m_rcControl.Width();
    ::BitBlt(dc, m_rcControl.left, m_rcControl.top, width, m_rcControl.Height(), m_hMemDC, frame * width, 0, SRCCOPY);
}

int MControl::PositionItem2Value(const POSITION_ITEM& item, int low, int high) {
    switch (item.mode) {
    case 0:
        return item.fromEnd ? static_cast<int>(high - item.value) : static_cast<int>(low + item.value);
    case 1: {
        const float centre = low + (high - low) / 2;
        return static_cast<int>(item.fromEnd ? centre - item.value : centre + item.value);
    }
    case 2: {
        const int value = static_cast<int>(low + (high - low) * item.value / 100);
        return std::min(value, high);
    }
    default:
        return 0;
    }
}

// --- drawing --------------------------------------------------------------------------------

void MControl::Draw(HDC dc, const CRect& clip) {
    if (!m_bVisible) return;
    if (!Intersects(m_rcControl, clip)) return;
    for (MControl* area : SnapshotAreas())
        if (!area->m_bDetached && Intersects(area->m_rcControl, m_rcControl)) area->Draw(dc, clip);
    DrawControl(dc, clip);
    DrawSubControls(dc, clip);
}

}  // namespace Kelvo
