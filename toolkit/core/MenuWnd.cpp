#include "MenuWnd.h"

#include "ControlRetirement.h"
#include "Manager.h"
#include "MenuItem.h"
#include "WindowPlacement.h"

namespace Kelvo {

namespace {

constexpr COLORREF kMenuFill = RGB(0x33, 0x33, 0x33);
constexpr int kSeparatorStep = 4;

CRect WorkAreaAt(CPoint point) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    HMONITOR monitor = ::MonitorFromPoint(POINT{point.x, point.y}, MONITOR_DEFAULTTONEAREST);
    if (monitor && ::GetMonitorInfoW(monitor, &info))
        return CRect(info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom);
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return CRect(work.left, work.top, work.right, work.bottom);
}

}  // namespace

COLORREF ArgbToColorRef(DWORD argb) { return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF); }

MenuWnd::MenuWnd(MObject* parent) : m_pParent(parent), m_highlightColor(Manager::GetSelectColor()) {}

MenuWnd::~MenuWnd() = default;

const wchar_t* MenuWnd::GetClassNameW() { return L"MenuWnd"; }
const wchar_t* MenuWnd::GetWindowClassName() { return L"MenuWnd"; }

LRESULT MenuWnd::OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == WM_KEYDOWN && wparam == VK_ESCAPE) {
        CloseWindow();
        return 0;
    }
    return MSkinWindow::OnWindowMessage(msg, wparam, lparam);
}

void MenuWnd::InitUI(CRect) {
    ApplyPendingChanges();
    SetMenuPoint();
}

LRESULT MenuWnd::OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    return SendMessageToParent(id, code, wparam, lparam);
}

LRESULT MenuWnd::OnCreate(CREATESTRUCTW* create) {
    MSkinWindow::OnCreate(create);
    ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    return 1;
}

LRESULT MenuWnd::OnSize(UINT, int, int) {
    // No caption here: a press on the menu's margin must not move it.
    if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, FALSE);
    return 0;
}

LRESULT MenuWnd::OnNcActivate(int active) {
    if (!active) CloseWindow();
    return 0;
}

LRESULT MenuWnd::PostNcDestroy() {
    if (m_bDeletesItself) ControlRetirement::RetireWindow(this);
    return 0;
}

void MenuWnd::CloseWindow() {
    m_bClosing = true;
    PostMessageW(WM_CLOSE, 0, 0);
}

// --- creation --------------------------------------------------------------------------------

int MenuWnd::Create(HWND owner, CPoint point, UINT message, int width) {
    m_nWidth = width > 0 ? width : m_nWidth;
    m_pm.SetBackColor(kMenuFill, ArgbToColorRef(Manager::GetSelectColor()));
    return Create(owner, point, message);
}

int MenuWnd::Create(HWND owner, CPoint point, UINT message) {
    m_hOwner = owner;
    m_uMessage = message;
    m_ptAnchor = point;
    return CreateMenuWindow();
}

int MenuWnd::Create(HWND owner, CPoint point, UINT message, const wchar_t* background, int frameSize, int width,
                    enumBackMode mode) {
    m_pm.LoadBKImage(background);
    m_pm.SetBackMode(mode, frameSize);
    return Create(owner, point, message, width);
}

int MenuWnd::CreateMenuWindow() {
    if (m_hWnd) return 1;
    const CSize size(m_nWidth, m_nWidth);
    const CPoint origin = KeepInside(m_ptAnchor, size, WorkAreaAt(m_ptAnchor));
    if (!MWindow::Create(m_hOwner, L"Menu Window", WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW,
                         CRect(origin, size)))
        return 0;
    m_bDeletesItself = true;
    return 1;
}

// --- items ----------------------------------------------------------------------------------------

MenuItem* MenuWnd::AddItem(const wchar_t* text, UINT id) {
    if (!m_hWnd) return nullptr;  // a menu whose window could not be made has no items
    auto* item = static_cast<MenuItem*>(CreateControl(L"MenuItem", id, CRect(), text, 1, 1));
    if (item) item->SetFont(m_strFont, m_nFontSize, m_nFontStyle);
    return item;
}

int MenuWnd::AddMenu(const wchar_t* text, UINT id, const wchar_t* icon, int, int) {
    if (MenuItem* item = AddItem(text, id)) {
        if (icon && *icon) item->SetImage(icon, 4);
        SetMenuPoint();
    }
    return -1;
}

int MenuWnd::AddMenu(const wchar_t* text, UINT id, int, int, int) {
    // Items keep no picture of a toolkit resource: menus draw no icons.
    if (AddItem(text, id)) SetMenuPoint();
    return -1;
}

int MenuWnd::AddSeparator(UINT id, const wchar_t* image) {
    if (MenuItem* item = AddItem(L"", id)) {
        item->SetSeparator(1);
        if (image && *image) item->SetImage(image, 1);
        SetMenuPoint();
    }
    return -1;
}

void MenuWnd::SetItemTitle(const wchar_t* name, const wchar_t* title) {
    PendingChange change;
    change.name = CString(name);
    change.title = CString(title);
    m_pending.push_back(change);
}

void MenuWnd::SetItemVisible(const wchar_t* name, int visible) {
    PendingChange change;
    change.name = CString(name);
    change.visible = visible;
    m_pending.push_back(change);
}

void MenuWnd::SetItemEnable(const wchar_t* name, int enabled) {
    PendingChange change;
    change.name = CString(name);
    change.enabled = enabled;
    m_pending.push_back(change);
}

void MenuWnd::SetItemCheck(const wchar_t* name, int check) {
    PendingChange change;
    change.name = CString(name);
    change.check = check;
    m_pending.push_back(change);
}

void MenuWnd::ApplyPendingChanges() {
    for (const PendingChange& change : m_pending) {
        for (MControl* control : m_pm.GetControls()) {
            auto* item = dynamic_cast<MenuItem*>(control);
            if (!item || item->GetTitle() != change.name) continue;
            if (!change.title.IsEmpty()) item->SetTitle(change.title);
            if (!change.visible) item->SetVisible(0);
            item->SetEnabled(change.enabled);
            if (change.check != -1) item->SetControlCheck(change.check);
            break;
        }
    }
    m_pending.clear();
}

// --- layout -----------------------------------------------------------------------------------------

void MenuWnd::SetMenuPoint() {
    int y = m_nTopMargin ? m_nTopMargin : 2;
    for (MControl* control : m_pm.GetControls()) {
        if (!control) continue;
        auto* item = dynamic_cast<MenuItem*>(control);
        CRect rect;
        if (control->IsVisible()) {
            if (item && item->IsSeparator()) {
                rect = CRect(m_nTextIndent + 1, y + 1, m_nWidth - 1, y + 2);
                y += kSeparatorStep;
            } else {
                rect = CRect(2, y, m_nWidth - 2, y + m_nItemHeight);
                y += m_nItemHeight;
                if (item) {
                    item->SetTextIndent(m_nTextIndent);
                    if (m_pHighlightImage)
                        item->SetHighlightImage(m_pHighlightImage);
                    else
                        item->SetHighlightColor(m_highlightColor);
                    if (m_pCheckImage) item->SetCheckImage(m_pCheckImage);
                }
            }
        }
        if (item) item->SetFrameWidth(m_nInset);
        const CRect old = control->GetRect();
        control->SetControlRect(rect);
        if (control->IsVisible()) {
            CRect both;
            both.UnionRect(old, rect);
            control->UpdateControl(both, 0, 1);
        }
    }
    if (!m_hWnd) return;
    const CSize size(m_nWidth, y + (m_nBottomMargin ? m_nBottomMargin : 2));
    const CPoint origin = KeepInside(m_ptAnchor, size, WorkAreaAt(m_ptAnchor));
    ::SetWindowPos(m_hWnd, nullptr, origin.x, origin.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

LRESULT MenuWnd::SendMessageToParent(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    (void)lparam;
    if (m_bClosing) return 1;  // one choice per menu, however fast the clicks come
    if (m_hOwner && ::IsWindow(m_hOwner)) ::PostMessageW(m_hOwner, m_uMessage, wparam, static_cast<LPARAM>(id));
    if (code == kNotifyActivated) CloseWindow();
    return 1;
}

void MenuWnd::SetMenuFont(const wchar_t* face, int size, int style) {
    m_strFont = CString(face);
    m_nFontSize = size;
    m_nFontStyle = style;
}

void MenuWnd::SetMargins(int top, int bottom) {
    m_nTopMargin = top;
    m_nBottomMargin = bottom;
}

int MenuWnd::SetHighlightImage(const wchar_t* path) {
    const ImgResInfo* info = m_pm.AddImgResInfo(path, 1);
    if (!info || !info->image) return 0;
    m_pHighlightImage = info->image;
    return 1;
}

int MenuWnd::SetCheckImage(const wchar_t* path) {
    const ImgResInfo* info = m_pm.AddImgResInfo(path, 1);
    if (!info || !info->image) return 0;
    m_pCheckImage = info->image;
    return 1;
}

}  // namespace Kelvo
