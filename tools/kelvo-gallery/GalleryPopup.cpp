#include "GalleryPopup.h"

#include "MenuItem.h"

namespace gallery {

void GalleryPopup::InitUI(CRect client) {
    GetPaintManager().SetBackColor(RGB(0x26, 0x2A, 0x33), RGB(0x6D, 0x6D, 0x6D));
    const struct {
        UINT id;
        const wchar_t* title;
        Gdiplus::ARGB highlight;
    } choices[] = {
        {kPopupRed, L"Red", 0xFFC0392B},
        {kPopupGreen, L"Green", 0xFF27AE60},
        {kPopupBlue, L"Blue", 0xFF3768FA},
    };
    int y = 6;
    for (const auto& choice : choices) {
        auto* item = static_cast<Kelvo::MenuItem*>(
            CreateControl(L"MenuItem", choice.id, CRect(4, y, client.right - 4, y + 30), choice.title, 1, 1));
        if (item) item->SetHighlightColor(choice.highlight);
        y += 31;
    }
}

LRESULT GalleryPopup::OnMessage(UINT id, UINT code, WPARAM, LPARAM) {
    if (code != Kelvo::kNotifyActivated) return 0;
    SendMessageToParent(code, id, 0);
    CloseWindow();
    return 1;
}

}  // namespace gallery
