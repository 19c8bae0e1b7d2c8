// Balloon tips and shadows: a help icon whose balloon shows while the pointer is over it
// (shown for the picture the way hovering shows it), and a small dialog-style window
// with a computed drop shadow. Both are separate top-level windows, so the picture takes
// them from the screen along with the gallery.
#include <memory>
#include <string>

#include "CHelpButton.h"
#include "MAirBladder.h"
#include "MDialog.h"
#include "MText.h"

#include "GalleryPage.h"

namespace gallery {

namespace {

enum ControlId : UINT {
    kHelp = kFirstPageId,
    kFirstCaption = kFirstPageId + 100,
};

constexpr COLORREF kPanelFill = RGB(0x22, 0x2A, 0x38);
constexpr DWORD kPanelFillRgb = 0x222A38;  // the same as the screen shows it
constexpr COLORREF kPanelBorder = RGB(0x6D, 0x6D, 0x6D);
constexpr COLORREF kShadowColour = RGB(0x37, 0x68, 0xFA);
constexpr int kPanelWidth = 260;
constexpr int kPanelHeight = 120;

// A small borderless window that stands for a dialog: a fill, a border and a caption.
class ShadowedPanel : public Kelvo::MDialog {
public:
    void InitUI(CRect client) override {
        m_pm.SetBackColor(kPanelFill, kPanelBorder);
        auto* text = static_cast<Kelvo::MText*>(CreateControl(
            L"MText", 1, CRect(16, 16, client.right - 16, 40), L"A dialog with a drop shadow", 1, 0));
        if (text) {
            text->SetTextColor(0xFFE0E0E0);
            text->SetFontWidth(14);
        }
    }
};

class TipsPage : public GalleryPage {
public:
    const wchar_t* Name() const override { return L"tips"; }
    const wchar_t* Title() const override { return L"Tips"; }

    void Build(Kelvo::MDialog& dialog, CRect area) override {
        m_area = area;
        m_nextCaption = kFirstCaption;
        const CRect help(area.left, area.top + 10, area.left + 15, area.top + 25);
        auto* icon = dialog.CreateControl(L"CHelpButton", kHelp, help, L"Reset the profile to its defaults", 1, 1);
        if (auto* button = static_cast<Kelvo::CHelpButton*>(icon)) button->SetImage(L"img_help.png", 4);
        Caption(dialog, CRect(area.left, area.top + 80, area.left + 300, area.top + 98),
                L"help icon: its balloon while hovered");
        Caption(dialog, CRect(area.left + 400, area.top + 180, area.left + 800, area.top + 198),
                L"shadow: size 8, sharpness 8, darkness 160, in blue");
        OpenPanel(dialog);
    }

    std::vector<HWND> BeforeScreenshot(Kelvo::MDialog& dialog) override {
        std::vector<HWND> windows;
        // The pointer rests on the icon, as a user's would.
        if (auto* help = dialog.GetControl(kHelp)) {
            POINT centre{help->GetRect().CenterPoint().x, help->GetRect().CenterPoint().y};
            ::ClientToScreen(dialog.GetSafeHwnd(), &centre);
            ::GetCursorPos(&m_cursorBefore);
            ::SetCursorPos(centre.x, centre.y);
            help->OnControlMouseMove(0, help->GetRect().CenterPoint());
        }
        if (Kelvo::MAirBladder* balloon = dialog.GetPaintManager().GetAirBladder())
            windows.push_back(balloon->GetSafeHwnd());
        if (m_panel && m_panel->GetSafeHwnd()) {
            windows.push_back(m_panel->GetSafeHwnd());
            if (HWND shadow = m_panel->GetPaintManager().GetShadow().GetShadowWnd()) windows.push_back(shadow);
        }
        return windows;
    }

    void AfterScreenshot(Kelvo::MDialog& dialog) override {
        // The pointer goes back, so that it rests on nothing of a later run's pages.
        ::SetCursorPos(m_cursorBefore.x, m_cursorBefore.y);
        if (auto* help = dialog.GetControl(kHelp)) help->OnControlMouseMove(0, CPoint(-1, -1));
    }

    void Leave(Kelvo::MDialog& dialog) override {
        AfterScreenshot(dialog);
        m_panel.reset();
    }

    std::vector<PixelCheck> Checks(Kelvo::MDialog&) override {
        const CRect panel = PanelRect();
        return {{L"the shadowed window's fill", CPoint(panel.left + 20, panel.bottom - 20), kPanelFillRgb}};
    }

private:
    CRect PanelRect() const {
        return CRect(m_area.left + 400, m_area.top + 40, m_area.left + 400 + kPanelWidth,
                     m_area.top + 40 + kPanelHeight);
    }

    void OpenPanel(Kelvo::MDialog& dialog) {
        CRect rect = PanelRect();
        POINT origin{0, 0};
        ::ClientToScreen(dialog.GetSafeHwnd(), &origin);
        rect.OffsetRect(origin.x, origin.y);
        m_panel = std::make_unique<ShadowedPanel>();
        if (!m_panel->Create(dialog.GetSafeHwnd(), L"Shadowed panel", WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                             rect)) {
            m_panel.reset();
            return;
        }
        m_panel->SetSize(8);
        m_panel->SetSharpness(8);
        m_panel->SetDarkness(160);
        m_panel->SetPosition(0, 4);
        // Black would vanish on the gallery's near-black fill: the skin's blue shows the shape.
        m_panel->SetShadowColor(kShadowColour);
        m_panel->CreateShadow(1, false);
        m_panel->ShowWindow(SW_SHOWNOACTIVATE);
        ::UpdateWindow(m_panel->GetSafeHwnd());
    }

    void Caption(Kelvo::MDialog& dialog, CRect rect, const wchar_t* text) {
        auto* caption = static_cast<Kelvo::MText*>(dialog.CreateControl(L"MText", m_nextCaption++, rect, text, 1, 0));
        if (!caption) return;
        caption->SetTextColor(kCaptionColour);
        caption->SetFontWidth(13);
    }

    CRect m_area;
    UINT m_nextCaption = kFirstCaption;
    std::unique_ptr<ShadowedPanel> m_panel;
    POINT m_cursorBefore{0, 0};
};

}  // namespace

GALLERY_PAGE(TipsPage, 130);

}  // namespace gallery
