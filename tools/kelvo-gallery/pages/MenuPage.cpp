// Menus and popup windows: the menu item in each of its looks, and entries that open a
// real menu and a popup window.
#include <string>

#include "MenuItem.h"
#include "MenuWnd.h"
#include "Manager.h"

#include "GalleryPage.h"
#include "GalleryPopup.h"

namespace gallery {

namespace {

// The message the page's menus post to the gallery.
constexpr UINT kMenuMessage = WM_APP + 1;

enum ControlId : UINT {
    kItemNormal = kFirstPageId,
    kItemHover,
    kItemPressed,
    kItemChecked,
    kItemDisabled,
    kItemSeparator,
    kOpenMenu = kFirstPageId + 100,
    kOpenPopup,
    kMenuCopy = 401,
    kMenuPaste,
    kMenuRename,
    kMenuDelete,
};

const wchar_t* MenuCommandName(LPARAM id) {
    switch (id) {
    case kMenuCopy: return L"Copy";
    case kMenuPaste: return L"Paste";
    case kMenuRename: return L"Rename";
    case kMenuDelete: return L"Delete";
    default: return L"?";
    }
}

class MenuPage : public GalleryPage {
public:
    MenuPage() = default;

    const wchar_t* Name() const override { return L"menus"; }
    const wchar_t* Title() const override { return L"Menus"; }

    void Build(Kelvo::MDialog& dialog, CRect area) override {
        m_dialog = &dialog;
        m_popup = std::make_unique<GalleryPopup>();
        m_popup->SetParent(&dialog);
        const struct {
            UINT id;
            const wchar_t* title;
        } states[] = {
            {kItemNormal, L"Normal"}, {kItemHover, L"Hover"},       {kItemPressed, L"Pressed"},
            {kItemChecked, L"Checked"}, {kItemDisabled, L"Disabled"},
        };
        int y = area.top;
        for (const auto& state : states) {
            auto* item = static_cast<Kelvo::MenuItem*>(dialog.CreateControl(
                L"MenuItem", state.id, CRect(area.left, y, area.left + 260, y + 25), state.title, 1, 1));
            if (item) {
                item->SetRresponse(0);  // samples: the pointer leaves their look alone
                item->SetHighlightColor(0xFF3768FA);
                item->SetFont(L"SourceHanSansCN-Regular", 14, 0);
            }
            y += 34;
        }
        auto* separator = static_cast<Kelvo::MenuItem*>(dialog.CreateControl(
            L"MenuItem", kItemSeparator, CRect(area.left + 6, y, area.left + 259, y + 1), L"", 1, 1));
        if (separator) separator->SetSeparator(1);

        const struct {
            UINT id;
            const wchar_t* title;
        } actions[] = {{kOpenMenu, L"Open a menu"}, {kOpenPopup, L"Open a popup window"}};
        y = area.top;
        for (const auto& action : actions) {
            auto* item = static_cast<Kelvo::MenuItem*>(dialog.CreateControl(
                L"MenuItem", action.id, CRect(area.left + 320, y, area.left + 580, y + 30), action.title, 1, 1));
            if (item) item->SetHighlightColor(0xFF2C3E50);
            y += 40;
        }
    }

    void ShowStates(Kelvo::MDialog& dialog) override {
        auto* hover = static_cast<Kelvo::MenuItem*>(dialog.GetControl(kItemHover));
        auto* pressed = static_cast<Kelvo::MenuItem*>(dialog.GetControl(kItemPressed));
        auto* checked = static_cast<Kelvo::MenuItem*>(dialog.GetControl(kItemChecked));
        auto* disabled = dialog.GetControl(kItemDisabled);
        if (!hover || !pressed || !checked || !disabled) return;
        hover->OnControlMouseMove(0, hover->GetRect().CenterPoint());
        pressed->OnControlMouseMove(0, pressed->GetRect().CenterPoint());
        pressed->OnControlLButtonDown(0, pressed->GetRect().CenterPoint());
        checked->SetControlCheck(1);
        disabled->SetEnabled(0);
    }

    std::wstring Describe(UINT id, UINT code, WPARAM wparam, LPARAM) override {
        if (code != Kelvo::kNotifyActivated) return {};
        switch (id) {
        case 0:  // the popup's choice
            return wparam == kPopupRed ? L"Popup: Red" : wparam == kPopupGreen ? L"Popup: Green" : L"Popup: Blue";
        case kOpenMenu: {
            POINT cursor{};
            ::GetCursorPos(&cursor);
            if (m_dialog) OpenMenu(*m_dialog, CPoint(cursor.x + 2, cursor.y + 2), true);
            return L"Menu opened";
        }
        case kOpenPopup:
            if (m_dialog) OpenPopup(*m_dialog, true);
            return L"Popup opened";
        default:
            return {};
        }
    }

    bool OnWindowMessage(Kelvo::MDialog&, UINT msg, WPARAM, LPARAM lparam, std::wstring& said) override {
        if (msg != kMenuMessage) return false;
        said = std::wstring(L"Menu: ") + MenuCommandName(lparam);
        return true;
    }

    std::vector<HWND> BeforeScreenshot(Kelvo::MDialog& dialog) override {
        RECT frame{};
        ::GetWindowRect(dialog.GetSafeHwnd(), &frame);
        m_menu = OpenMenu(dialog, CPoint(frame.left + 370, frame.top + 300), false);
        GalleryPopup* popup = OpenPopup(dialog, false);
        std::vector<HWND> windows;
        if (m_menu) windows.push_back(m_menu->GetSafeHwnd());
        if (popup) windows.push_back(popup->GetSafeHwnd());
        return windows;
    }

    std::vector<PixelCheck> Checks(Kelvo::MDialog& dialog) override {
        std::vector<PixelCheck> checks;
        POINT origin{0, 0};
        ::ClientToScreen(dialog.GetSafeHwnd(), &origin);
        auto client = [&](HWND window, int dx, int dy) {
            RECT r{};
            ::GetWindowRect(window, &r);
            return CPoint(r.left - origin.x + dx, r.top - origin.y + dy);
        };
        if (m_menu && m_menu->GetSafeHwnd()) {
            checks.push_back({L"the menu's border in the selection colour", client(m_menu->GetSafeHwnd(), 0, 0),
                              Kelvo::Manager::GetSelectColor() & 0xFFFFFF});
            checks.push_back({L"the menu's fill", client(m_menu->GetSafeHwnd(), 4, 3), 0x333333});
        }
        if (m_popup && m_popup->GetSafeHwnd())
            checks.push_back({L"the popup's fill", client(m_popup->GetSafeHwnd(), 2, 2), 0x262A33});
        return checks;
    }

    void AfterScreenshot(Kelvo::MDialog&) override {
        if (m_menu && m_menu->GetSafeHwnd()) m_menu->CloseWindow();
        m_menu = nullptr;
        if (m_popup && m_popup->GetSafeHwnd()) m_popup->CloseWindow();
    }

    void Leave(Kelvo::MDialog& dialog) override { AfterScreenshot(dialog); }

private:
    Kelvo::MenuWnd* OpenMenu(Kelvo::MDialog& dialog, CPoint screen, bool activate) {
        auto* menu = new Kelvo::MenuWnd(&dialog);
        if (!menu->Create(dialog.GetSafeHwnd(), screen, kMenuMessage, 220)) {
            delete menu;  // a menu that has no window does not delete itself
            return nullptr;
        }
        menu->AddMenu(L"Copy", kMenuCopy);
        menu->AddMenu(L"Paste", kMenuPaste);
        menu->AddSeparator(0);
        menu->AddMenu(L"Rename", kMenuRename);
        menu->AddMenu(L"Delete", kMenuDelete);
        menu->ShowWindow(activate ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE);
        return menu;
    }

    GalleryPopup* OpenPopup(Kelvo::MDialog& dialog, bool activate) {
        if (m_popup->GetSafeHwnd()) return m_popup.get();
        Kelvo::MControl* opener = dialog.GetControl(kOpenPopup);
        if (!opener) return nullptr;
        POINT corner{opener->GetRect().left, opener->GetRect().bottom + 2};
        dialog.ClientToScreen(&corner);
        const CRect rect(CPoint(corner.x, corner.y), CSize(GalleryPopup::kWidth, GalleryPopup::kHeight));
        if (!m_popup->Create(dialog.GetSafeHwnd(), L"Popup", WS_POPUP, WS_EX_TOOLWINDOW, rect)) return nullptr;
        m_popup->ShowWindow(activate ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE);
        return m_popup.get();
    }

    std::unique_ptr<GalleryPopup> m_popup;
    Kelvo::MenuWnd* m_menu = nullptr;
    Kelvo::MDialog* m_dialog = nullptr;
};

}  // namespace

GALLERY_PAGE(MenuPage, 10);

}  // namespace gallery
