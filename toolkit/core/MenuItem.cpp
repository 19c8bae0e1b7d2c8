#include "MenuItem.h"

#include "MenuWnd.h"
#include "Manager.h"

namespace Kelvo {

namespace {

constexpr int kColumns = 4;
constexpr Gdiplus::ARGB kTextWhite = 0xFFFFFFFF;
constexpr Gdiplus::ARGB kTextDark = 0xFF050505;  // GDI+ text, which the skins draw on light highlights
constexpr Gdiplus::ARGB kTextGrey = 0xFF808080;
constexpr COLORREF kSeparatorColour = RGB(0x80, 0x80, 0x80);

}  // namespace

MenuItem::MenuItem(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled)
    : MControlFont(parent, id, rect, title, visible, enabled, 1) {
    m_nAlignment = DT_CENTER;
    m_nVAlignment = DT_VCENTER;
    m_nFrameCount = 3;
    if (!enabled) m_nState = kDisabled;
}

MenuItem::~MenuItem() {
    // A submenu still open goes with its item; one that closed itself is no longer known.
    if (m_pSubMenu && Manager::HasWnd(m_pSubMenu)) m_pSubMenu->CloseWindow();
}

const wchar_t* MenuItem::GetClassNameW() { return L"MenuItem"; }

void MenuItem::DrawControl(HDC dc, const CRect&) {
    const int width = m_rcControl.Width();
    const int height = m_rcControl.Height();
    if (width <= 0 || height <= 0) return;
    const int columns = m_bSeparator ? 1 : kColumns;
    if (!m_bUpdate) {
        HDC cache = UpdateMemDC(dc, width * columns, height);
        CopyBackgroundToCache(dc, columns);
        if (cache) RenderColumns(cache, width, height);
    }
    BlitCache(dc, m_bSeparator ? 0 : m_nState);
}

void MenuItem::RenderColumns(HDC cache, int width, int height) {
    if (m_bSeparator) {
        // The item is the line itself (one pixel high).
        HBRUSH brush = ::CreateSolidBrush(kSeparatorColour);
        const RECT line{0, 0, width, height};
        ::FillRect(cache, &line, brush);
        ::DeleteObject(brush);
        return;
    }
    {
        Gdiplus::Graphics graphics(cache);
        Gdiplus::SolidBrush highlight{Gdiplus::Color(m_highlightColor)};
        for (int column = kHover; column <= kPressed; ++column) {
            if (column == kPressed && m_bCheckable) continue;  // a checkable item shows its check there
            const Gdiplus::Rect box(column * width + m_nInset, 0, width - 2 * m_nInset, height);
            if (m_pHighlightImage)
                graphics.DrawImage(m_pHighlightImage, box);
            else
                graphics.FillRectangle(&highlight, box);
        }
    }
    const CString title = GetControlTitle();
    if (title.IsEmpty()) return;
    const Gdiplus::ARGB saved = m_textColor;
    for (int column = 0; column < kColumns; ++column) {
        const bool grey = column == kDisabled;
        SetTextColor(grey ? kTextGrey : (m_bTextByGdi ? kTextWhite : kTextDark));
        const int left = column * width;
        DrawTitle(cache, CRect(left + m_nTextIndent, 0, left + width, height), title, false);
    }
    SetTextColor(saved);
}

void MenuItem::ShowState(int state) {
    if (state == m_nState) return;
    m_nState = state;
    UpdateControl(0, 0);  // every state is in the cache already
}

void MenuItem::SetControlEnabled(int enabled) {
    MControlFont::SetControlEnabled(enabled);
    m_nState = enabled ? (m_bCheck ? kPressed : kNormal) : kDisabled;
}

int MenuItem::OnControlMouseMove(UINT, CPoint point) {
    if (!m_bEnabled || m_bSeparator) return 0;
    const bool inside = m_rcControl.PtInRect(point);
    if (inside)
        ShowState(m_bPressedInside ? kPressed : kHover);
    else
        ShowState(m_bCheck ? kPressed : kNormal);
    return inside ? 1 : 0;
}

int MenuItem::OnControlLButtonDown(UINT, CPoint point) {
    if (!m_bEnabled || m_bSeparator || !m_rcControl.PtInRect(point)) return 0;
    ShowState(kPressed);
    return 1;
}

int MenuItem::OnControlLButtonUp(UINT, CPoint point) {
    if (!m_bEnabled || m_bSeparator) return 0;
    if (!m_rcControl.PtInRect(point)) {
        ShowState(m_bCheck ? kPressed : kNormal);
        return 0;
    }
    ShowState(kHover);
    SendMessageW(kNotifyActivated, 0, 0);
    return 1;
}

int MenuItem::SetCheck(int check) {
    if (!m_bCheckable || !m_bEnabled) return m_bCheck;
    return SetControlCheck(check);
}

int MenuItem::SetControlCheck(int check) {
    check = check ? 1 : 0;
    if (check != m_bCheck) {
        m_bCheck = check;
        if (m_bEnabled) ShowState(check ? kPressed : kNormal);
    }
    return m_bCheck;
}

void MenuItem::SetSeparator(int separator) {
    m_bSeparator = separator ? 1 : 0;
    m_bUpdate = 0;
}

void MenuItem::SetTextIndent(int indent) {
    m_nTextIndent = indent;
    m_bUpdate = 0;
}

void MenuItem::SetFrameWidth(int inset) {
    m_nInset = inset;
    m_bUpdate = 0;
}

void MenuItem::SetHighlightColor(Gdiplus::ARGB colour) {
    m_highlightColor = colour;
    m_bUpdate = 0;
}

void MenuItem::SetHighlightImage(Gdiplus::Image* image) {
    m_pHighlightImage = image;
    m_bUpdate = 0;
}

}  // namespace Kelvo
