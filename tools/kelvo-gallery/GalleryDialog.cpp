#include "GalleryDialog.h"

#include <string>

#include "MenuItem.h"

namespace gallery {

namespace {

enum ControlId : UINT {
    kItemNormal = 101,
    kItemHover,
    kItemPressed,
    kItemChecked,
    kItemDisabled,
    kItemSeparator,
    kOpenMenu = 201,
    kOpenPopup,
    kClose,
    kMenuCopy = 401,
    kMenuPaste,
    kMenuRename,
    kMenuDelete,
};

constexpr int kColumnLeft = 24;
constexpr int kColumnWidth = 260;
constexpr int kRow = 34;
const CRect kMessageBox(20, 14, 620, 54);

const wchar_t* MenuCommandName(LPARAM id) {
    switch (id) {
    case kMenuCopy: return L"Copy";
    case kMenuPaste: return L"Paste";
    case kMenuRename: return L"Rename";
    case kMenuDelete: return L"Delete";
    default: return L"?";
    }
}

}  // namespace

GalleryDialog::GalleryDialog() : m_popup(std::make_unique<GalleryPopup>()) { m_popup->SetParent(this); }

GalleryDialog::~GalleryDialog() = default;

void GalleryDialog::InitUI(CRect) {
    SetMessage(L"Kelvo gallery: menu items in their states; open a menu or a popup", kMessageBox, 15);

    // The menu item in each of its looks, as a menu shows them.
    const struct {
        UINT id;
        const wchar_t* title;
    } states[] = {
        {kItemNormal, L"Normal"}, {kItemHover, L"Hover"},      {kItemPressed, L"Pressed"},
        {kItemChecked, L"Checked"}, {kItemDisabled, L"Disabled"},
    };
    int y = 80;
    for (const auto& state : states) {
        auto* item = static_cast<Kelvo::MenuItem*>(
            CreateControl(L"MenuItem", state.id, CRect(kColumnLeft, y, kColumnLeft + kColumnWidth, y + 25), state.title,
                          1, 1));
        if (item) {
            item->SetRresponse(0);  // samples: the pointer leaves their look alone
            item->SetHighlightColor(0xFF3768FA);
            item->SetFont(L"SourceHanSansCN-Regular", 14, 0);
        }
        y += kRow;
    }
    auto* separator = static_cast<Kelvo::MenuItem*>(
        CreateControl(L"MenuItem", kItemSeparator, CRect(kColumnLeft + 6, y, kColumnLeft + kColumnWidth - 1, y + 1), L"",
                      1, 1));
    if (separator) separator->SetSeparator(1);

    // Entries that open the windows of the toolkit.
    const struct {
        UINT id;
        const wchar_t* title;
    } actions[] = {{kOpenMenu, L"Open a menu"}, {kOpenPopup, L"Open a popup window"}, {kClose, L"Close the gallery"}};
    y = 80;
    for (const auto& action : actions) {
        auto* item = static_cast<Kelvo::MenuItem*>(
            CreateControl(L"MenuItem", action.id, CRect(340, y, 600, y + 30), action.title, 1, 1));
        if (item) item->SetHighlightColor(0xFF2C3E50);
        y += 40;
    }
}

void GalleryDialog::UISize(CRect) {
    // The states the pointer is not showing right now are set by hand.
    auto* hover = static_cast<Kelvo::MenuItem*>(GetControl(kItemHover));
    auto* pressed = static_cast<Kelvo::MenuItem*>(GetControl(kItemPressed));
    auto* checked = static_cast<Kelvo::MenuItem*>(GetControl(kItemChecked));
    auto* disabled = GetControl(kItemDisabled);
    if (!hover || !pressed || !checked || !disabled) return;  // not created yet
    hover->OnControlMouseMove(0, hover->GetRect().CenterPoint());
    pressed->OnControlMouseMove(0, pressed->GetRect().CenterPoint());
    pressed->OnControlLButtonDown(0, pressed->GetRect().CenterPoint());
    checked->SetControlCheck(1);
    disabled->SetEnabled(0);
}

LRESULT GalleryDialog::OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM) {
    if (code != Kelvo::kNotifyActivated) return 0;
    switch (id) {
    case 0:  // the popup's choice
        ShowChoice(wparam == kPopupRed ? L"Popup: Red" : wparam == kPopupGreen ? L"Popup: Green" : L"Popup: Blue");
        return 1;
    case kOpenMenu: {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        OpenMenu(CPoint(cursor.x + 2, cursor.y + 2), true);
        return 1;
    }
    case kOpenPopup:
        OpenPopup(true);
        return 1;
    case kClose:
        DoOK();
        return 1;
    default:
        return 0;
    }
}

LRESULT GalleryDialog::OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == kMenuMessage) {
        ShowChoice((std::wstring(L"Menu: ") + MenuCommandName(lparam)).c_str());
        return 0;
    }
    return MDialog::OnWindowMessage(msg, wparam, lparam);
}

Kelvo::MenuWnd* GalleryDialog::OpenMenu(CPoint screen, bool activate) {
    auto* menu = new Kelvo::MenuWnd(this);
    if (!menu->Create(GetSafeHwnd(), screen, kMenuMessage, 220)) {
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

GalleryPopup* GalleryDialog::OpenPopup(bool activate) {
    if (m_popup->GetSafeHwnd()) return m_popup.get();
    Kelvo::MControl* opener = GetControl(kOpenPopup);
    if (!opener) return nullptr;
    POINT corner{opener->GetRect().left, opener->GetRect().bottom + 2};
    ClientToScreen(&corner);
    const CRect rect(CPoint(corner.x, corner.y), CSize(GalleryPopup::kWidth, GalleryPopup::kHeight));
    if (!m_popup->Create(GetSafeHwnd(), L"Popup", WS_POPUP, WS_EX_TOOLWINDOW, rect)) return nullptr;
    m_popup->ShowWindow(activate ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE);
    return m_popup.get();
}

void GalleryDialog::ShowChoice(const wchar_t* text) { SetMessage(text, kMessageBox, 15); }

}  // namespace gallery
