// Set-up and teardown, the control lists, focus and the window of the paint manager.
#include "PaintManager.h"

#include <algorithm>

#include "ControlRetirement.h"
#include "FocusOrder.h"
#include "MControl.h"

namespace Kelvo {

namespace {

bool Contains(const std::vector<MControl*>& list, const MControl* control) {
    return std::find(list.begin(), list.end(), control) != list.end();
}

void CollectSubtree(MControl* control, std::vector<MControl*>& out) {
    out.push_back(control);
    for (MControl* child : control->GetAreas()) CollectSubtree(child, out);
    for (MControl* child : control->GetControls()) CollectSubtree(child, out);
}

}  // namespace

PaintManager::PaintManager(MWindow* window) : m_pWindow(window) {}

PaintManager::~PaintManager() {
    // The timers' callbacks post to this object's window: stop them before any member goes.
    CMTimer::KillTimer();
    DestroyData();
    // A background set before the window existed (or whose window was never made) is
    // not freed by DestroyData, which acts only on an initialised manager.
    delete m_pBkImage;
    m_pBkImage = nullptr;
    DestroyAirBladder();
    ControlRetirement::ForgetManager(this);
}

void PaintManager::Init(HWND window, MWindow* owner) {
    if (!window || !::IsWindow(window)) return;
    if (window != m_hWnd) {
        if (m_hPaintDC && IsLive()) ::ReleaseDC(m_hWnd, m_hPaintDC);
        m_hWnd = window;
        m_hPaintDC = ::GetDC(window);
    }
    m_pWindow = owner;
    SetTickWindow(window);
    InitDragDrop();
    m_bInit = 1;
    SetScrollResID(102, 101);
    LoadEmbeddedFonts();
}

void PaintManager::LoadEmbeddedFonts() {
    static const struct {
        UINT resourceId;
        const wchar_t* face;
    } kFaces[] = {{112, L"Open Sans Regular"}, {111, L"Open Sans Light"}, {117, L"Open Sans Semibold"}};
    for (const auto& font : kFaces) {
        AddGDITempFont(font.resourceId, L"TTF");
        // GDI+ does not see fonts added for GDI alone and silently draws nothing with a
        // missing family, so its text takes the same faces from a private collection.
        AddTempFont(font.face, font.resourceId);
    }
}

void PaintManager::OnDestroyMessage(HWND window) {
    if (window && window == m_hWnd) DestroyData();
}

void PaintManager::DestroyData() {
    if (!m_bInit) return;
    ControlRetirement::Scope scope;  // controls of a window torn down from a handler outlive the handler
    CMTimer::KillTimer();
    SetTickWindow(nullptr);
    {
        LockGuard guard(m_tickLock);
        m_tickControls.clear();
    }
    ClearTimers();
    if (m_registered) RevokeTarget();
    ClearTooltip();
    DestroyAirBladder();
    if (m_hToolTip && ::IsWindow(m_hToolTip)) ::DestroyWindow(m_hToolTip);
    m_hToolTip = nullptr;
    ClearDragSource();
    ClearAllControls();
    delete m_pBkImage;
    m_pBkImage = nullptr;
    ClearImgResInfo();
    ClearTempFont();
    if (m_hMessageFont) ::DeleteObject(m_hMessageFont);
    m_hMessageFont = nullptr;
    m_buffer.Release();
    if (m_hPaintDC) ::ReleaseDC(m_hWnd, m_hPaintDC);
    m_hPaintDC = nullptr;
    m_pHover = m_pFocus = m_pCaretObject = m_pTooltipOwner = nullptr;
    m_bTracking = m_bLeftPressed = m_bRightPressed = m_bDoubleClicked = m_bCaptured = 0;
    m_bInit = 0;
}

void PaintManager::GetClientRect(CRect& rect) const {
    RECT r{};
    if (IsLive()) ::GetClientRect(m_hWnd, &r);
    rect = CRect(r.left, r.top, r.right, r.bottom);
}

void PaintManager::GetWindowRect(CRect& rect) const {
    RECT r{};
    if (IsLive()) ::GetWindowRect(m_hWnd, &r);
    rect = CRect(r.left, r.top, r.right, r.bottom);
}

void PaintManager::GetClientSize(int& width, int& height) const {
    CRect rect;
    GetClientRect(rect);
    width = rect.Width();
    height = rect.Height();
}

// --- controls ---------------------------------------------------------------------------

std::vector<MControl*> PaintManager::Snapshot(Lock& lock, const std::vector<MControl*>& list) {
    LockGuard guard(lock);
    return list;
}

MControl* PaintManager::AttachControl(int kind, MControl* control) {
    if (!control) return nullptr;
    control->AttachTree(this);
    if (kind == 0) {
        LockGuard guard(m_areaLock);
        m_areas.push_back(control);
    } else {
        LockGuard guard(m_controlLock);
        m_controls.push_back(control);
    }
    return control;
}

MControl* PaintManager::GetControl(UINT id) {
    for (auto [lock, list] : {std::pair{&m_controlLock, &m_controls}, std::pair{&m_areaLock, &m_areas}}) {
        for (MControl* control : Snapshot(*lock, *list)) {
            if (control->GetControlID() == id) return control;
            if (MControl* found = control->GetControl(id)) return found;
        }
    }
    return nullptr;
}

bool PaintManager::Unlink(MControl* control) {
    for (auto [lock, list] : {std::pair{&m_controlLock, &m_controls}, std::pair{&m_areaLock, &m_areas}}) {
        LockGuard guard(*lock);
        auto it = std::find(list->begin(), list->end(), control);
        if (it != list->end()) {
            list->erase(it);
            return true;
        }
    }
    return false;
}

int PaintManager::RemoveControl(MControl* control) {
    if (!control) return 0;
    if (Unlink(control)) {
        ForgetControl(control);
        ControlRetirement::Retire(control);
        return 1;
    }
    // A control further down: its container removes it.
    auto* parent = dynamic_cast<MControl*>(control->GetParantObject());
    if (!parent || (!Contains(parent->GetControls(), control) && !Contains(parent->GetAreas(), control))) return 0;
    parent->RemoveControl(control);
    return 1;
}

void PaintManager::DestroyList(Lock& lock, std::vector<MControl*>& list) {
    std::vector<MControl*> doomed;
    {
        LockGuard guard(lock);
        doomed.swap(list);
    }
    for (MControl* control : doomed) {
        ForgetControl(control);
        ControlRetirement::Retire(control);
    }
}

void PaintManager::ClearAreaControls() { DestroyList(m_areaLock, m_areas); }
void PaintManager::ClearControls() { DestroyList(m_controlLock, m_controls); }

void PaintManager::ClearAllControls() {
    ClearAreaControls();
    ClearControls();
}

void PaintManager::ForgetControl(MControl* control) {
    if (!control) return;
    std::vector<MControl*> subtree;
    CollectSubtree(control, subtree);
    for (MControl* each : subtree) ForgetOne(each);
}

void PaintManager::WatchForgottenControls(MControl* watcher, std::function<void(MControl*)> forgotten) {
    if (!watcher || !forgotten) return;
    UnwatchForgottenControls(watcher);
    m_forgetWatchers.emplace_back(watcher, std::move(forgotten));
}

void PaintManager::UnwatchForgottenControls(MControl* watcher) {
    std::erase_if(m_forgetWatchers, [watcher](const auto& watch) { return watch.first == watcher; });
}

void PaintManager::ForgetOne(MControl* control) {
    UnwatchForgottenControls(control);
    for (const auto& watch : std::vector(m_forgetWatchers)) watch.second(control);
    if (m_pFocus == control) {
        m_pFocus = nullptr;
        control->SetControlFocus(0);
    }
    if (m_pHover == control) m_pHover = nullptr;
    if (m_pCaretObject == control) {
        ShowCaret(0);
        m_pCaretObject = nullptr;
    }
    if (m_pTooltipOwner == control) ClearTooltip();
    // A balloon does not outlive the control it explains.
    if (m_nAirBladderOwner != 0 && static_cast<int>(control->GetControlID()) == m_nAirBladderOwner)
        ShowAirBladder(0, m_nAirBladderOwner);
    if (m_pDragSource == control) ClearDragSource();
    DeleteTimer(control);
    KillTimer(control);
}

MControl* PaintManager::TopLevelOf(MControl* control) {
    while (control) {
        auto* parent = dynamic_cast<MControl*>(control->GetParantObject());
        if (!parent || parent->GetManager() != this) return control;
        control = parent;
    }
    return nullptr;
}

// --- focus --------------------------------------------------------------------------------

void PaintManager::SetFocusControl(MControl* control) {
    if (control == m_pFocus) return;
    MControl* old = m_pFocus;
    m_pFocus = control;
    if (old) old->SetControlFocus(0);
    if (control && m_pFocus == control) control->SetControlFocus(1);
}

MControl* PaintManager::GetNextFocusableControl() {
    const std::vector<MControl*> list = Snapshot(m_controlLock, m_controls);
    std::vector<bool> focusable;
    int current = -1;
    for (size_t i = 0; i < list.size(); ++i) {
        focusable.push_back(list[i]->IsVisible() && list[i]->IsEnabled() && list[i]->IsTabStop());
        if (list[i] == m_pFocus) current = static_cast<int>(i);
    }
    const int next = NextFocusIndex(focusable, current);
    return next < 0 ? nullptr : list[next];
}

MControl* PaintManager::GetPrevFocusableControl() {
    const std::vector<MControl*> list = Snapshot(m_controlLock, m_controls);
    std::vector<bool> focusable;
    int current = -1;
    for (size_t i = 0; i < list.size(); ++i) {
        focusable.push_back(list[i]->IsVisible() && list[i]->IsEnabled() && list[i]->IsTabStop());
        if (list[i] == m_pFocus) current = static_cast<int>(i);
    }
    const int prev = PrevFocusIndex(focusable, current);
    return prev < 0 ? nullptr : list[prev];
}

// --- capture and the window ------------------------------------------------------------------

void PaintManager::SetCapture() {
    if (!IsLive()) return;
    ::SetCapture(m_hWnd);
    m_bCaptured = 1;
}

void PaintManager::ReleaseCapture() {
    if (m_bCaptured && ::GetCapture() == m_hWnd) ::ReleaseCapture();
    m_bCaptured = 0;
}

LRESULT PaintManager::SendMessageW(UINT msg, WPARAM wparam, LPARAM lparam) {
    return IsLive() ? ::SendMessageW(m_hWnd, msg, wparam, lparam) : 0;
}

BOOL PaintManager::PostMessageW(UINT msg, WPARAM wparam, LPARAM lparam) {
    return IsLive() ? ::PostMessageW(m_hWnd, msg, wparam, lparam) : FALSE;
}

LRESULT PaintManager::OnGetMinMaxInfo(MINMAXINFO* info) {
    if (!info) return 0;
    if (m_szMin.cx > 0) info->ptMinTrackSize.x = m_szMin.cx;
    if (m_szMin.cy > 0) info->ptMinTrackSize.y = m_szMin.cy;
    if (m_szMax.cx > 0) info->ptMaxTrackSize.x = m_szMax.cx;
    if (m_szMax.cy > 0) info->ptMaxTrackSize.y = m_szMax.cy;
    // A borderless window maximises to the work area, not over the taskbar.
    RECT work{};
    if (::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) {
        info->ptMaxPosition.x = work.left;
        info->ptMaxPosition.y = work.top;
        info->ptMaxSize.x = work.right - work.left;
        info->ptMaxSize.y = work.bottom - work.top;
    }
    return 1;
}

void PaintManager::SetScrollResID(UINT vertical, UINT horizontal) {
    m_uScrollVID = vertical;
    m_uScrollHID = horizontal;
}

}  // namespace Kelvo
