// Lists and combo boxes: the combo in its four looks and with the model selector's skin,
// the grouped combo's flat cells, the colour swatch, both list boxes with a selected and
// a hovered row, and live ones: a combo of 25 entries (its drop-down open in the
// picture), a grouped combo beside a button of its group, and lists that rename in place.
#include <string>

#include "CColorCombo.h"
#include "CComboBoxWnd.h"
#include "DListBox.h"
#include "MButton2.h"
#include "MComboBox.h"
#include "MComboBox2.h"
#include "MListBox.h"
#include "MText.h"

#include "GalleryPage.h"

namespace gallery {

namespace {

enum ControlId : UINT {
    kComboLooks = kFirstPageId,              // four looks and the device skin: 5 IDs
    kComboLive = kFirstPageId + 10,
    kGroupedLooks = kFirstPageId + 20,       // four looks: 4 IDs
    kGroupedLive = kFirstPageId + 30,
    kGroupButton,
    kSwatchLooks = kFirstPageId + 40,        // four looks: 4 IDs
    kListSample = kFirstPageId + 50,
    kProfileSample,
    kListLive,
    kProfileLive,
    kFirstCaption = kFirstPageId + 100,
};

const wchar_t* const kLookNames[] = {L"normal", L"hover", L"pressed", L"disabled"};
const wchar_t* const kModels[] = {L"Glide 7", L"Glide 7 Pro", L"Arc Mini", L"Arc Wireless", L"Pulse 2"};
constexpr int kComboWidth = 120, kComboHeight = 30, kStep = 135;

class ListPage : public GalleryPage {
public:
    const wchar_t* Name() const override { return L"lists"; }
    const wchar_t* Title() const override { return L"Lists"; }

    void Build(Kelvo::MDialog& dialog, CRect area) override {
        m_nextCaption = kFirstCaption;
        BuildCombos(dialog, area.left, area.top);
        BuildGrouped(dialog, area.left, area.top + 64);
        BuildSwatches(dialog, area.left + 470, area.top + 120);
        BuildLists(dialog, area.left, area.top + 180);
    }

    void ShowStates(Kelvo::MDialog& dialog) override {
        for (UINT base : {static_cast<UINT>(kComboLooks), static_cast<UINT>(kGroupedLooks),
                          static_cast<UINT>(kSwatchLooks)}) {
            if (Kelvo::MControl* hover = dialog.GetControl(base + 1))
                hover->OnControlMouseMove(0, hover->GetRect().CenterPoint());
            if (Kelvo::MControl* pressed = dialog.GetControl(base + 2))
                pressed->OnControlLButtonDown(MK_LBUTTON, pressed->GetRect().CenterPoint());
        }
        if (auto* checked = static_cast<Kelvo::MComboBox2*>(dialog.GetControl(kGroupedLooks + 2)))
            checked->SetControlCheck(1);
        for (UINT id : {static_cast<UINT>(kListSample), static_cast<UINT>(kProfileSample)}) {
            if (auto* list = static_cast<Kelvo::MListBox*>(dialog.GetControl(id))) {
                const CRect rect = list->GetRect();
                list->OnControlMouseMove(0, CPoint(rect.left + 20, rect.top + list->GetItemHeight() * 2 + 5));
            }
        }
    }

    std::wstring Describe(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override {
        if ((id == kComboLive || id == kGroupedLive) && code == Kelvo::kNotifyActivated)
            return L"Combo entry chosen: " + std::to_wstring(static_cast<int>(wparam));
        if (id == kListLive && code == Kelvo::kNotifyPressed)
            return L"List row pressed: " + std::to_wstring(static_cast<int>(wparam));
        if (id == kProfileLive && code == Kelvo::kNotifyActivated) return L"Profile selected";
        if ((id == kListLive || id == kProfileLive) && code == 29)
            return L"Row renamed: " + std::to_wstring(static_cast<int>(lparam));
        if (id == kGroupButton && code == Kelvo::kNotifyActivated) {
            if (m_groupButton) m_groupButton->SetCheck(1);
            return L"Group button checked";
        }
        return {};
    }

    std::vector<HWND> BeforeScreenshot(Kelvo::MDialog& dialog) override {
        auto* live = static_cast<Kelvo::MComboBox*>(dialog.GetControl(kComboLive));
        if (!live || !live->OpenPopup() || !live->GetPopup()) return {};
        return {live->GetPopup()->GetSafeHwnd()};
    }

    void AfterScreenshot(Kelvo::MDialog& dialog) override {
        if (auto* live = static_cast<Kelvo::MComboBox*>(dialog.GetControl(kComboLive))) live->ClosePopup();
    }

    void Leave(Kelvo::MDialog& dialog) override {
        AfterScreenshot(dialog);
        m_groupButton = nullptr;
    }

    std::vector<PixelCheck> Checks(Kelvo::MDialog& dialog) override {
        std::vector<PixelCheck> checks;
        // The checked grouped combo is filled with the select colour.
        if (Kelvo::MControl* checked = dialog.GetControl(kGroupedLooks + 2))
            checks.push_back({L"the checked grouped combo", CPoint(checked->GetRect().left + 10, checked->GetRect().top + 5),
                              0x3768FA});
        return checks;
    }

private:
    Kelvo::MText* Caption(Kelvo::MDialog& dialog, CRect rect, const wchar_t* text) {
        auto* caption = static_cast<Kelvo::MText*>(dialog.CreateControl(L"MText", m_nextCaption++, rect, text, 1, 0));
        if (caption) {
            caption->SetTextColor(kCaptionColour);
            caption->SetFontWidth(13);
        }
        return caption;
    }

    // The program's combo look: a smaller face, the text kept clear of the arrow.
    static void Dress(Kelvo::MComboBox* combo, int arrowRoom) {
        combo->SetFontWidth(14);
        const CRect rect = combo->GetRect();
        combo->SetTextRect(CRect(8, 3, rect.Width() - arrowRoom, rect.Height() - 3));
    }

    static void FillCombo(Kelvo::MComboBox* combo, int count) {
        for (int i = 0; i < count; ++i) {
            const std::wstring name = i < 5 ? kModels[i] : L"Profile " + std::to_wstring(i + 1);
            combo->AddItem(name.c_str(), static_cast<DWORD>(i), nullptr, 0xFF000000);
        }
    }

    void BuildCombos(Kelvo::MDialog& dialog, int left, int top) {
        const wchar_t* const names[] = {L"normal", L"hover", L"pressed", L"disabled", L"device skin"};
        for (int i = 0; i < 5; ++i) {
            const CRect rect(left + i * kStep, top, left + i * kStep + kComboWidth, top + kComboHeight);
            auto* combo = static_cast<Kelvo::MComboBox*>(
                dialog.CreateControl(L"MComboBox", kComboLooks + i, rect, L"", 1, i == 3 ? 0 : 1));
            if (!combo) continue;
            combo->SetImage(i == 4 ? L"img_combobox_device.png" : L"img_combobox.png", 4);
            Dress(combo, 34);
            FillCombo(combo, 5);
            combo->SetCurSel(i);
            combo->SetRresponse(0);  // samples: the pointer leaves them alone
            Caption(dialog, CRect(rect.left, rect.bottom + 2, rect.right, rect.bottom + 20), names[i]);
        }
        const CRect liveRect(left + 5 * kStep + 20, top, left + 5 * kStep + 220, top + kComboHeight);
        auto* live = static_cast<Kelvo::MComboBox*>(dialog.CreateControl(L"MComboBox", kComboLive, liveRect, L"", 1, 1));
        if (!live) return;
        live->SetImage(L"img_combobox.png", 4);
        Dress(live, 34);
        FillCombo(live, 25);
        live->SetCurSel(0);
        Caption(dialog, CRect(liveRect.left, liveRect.bottom + 2, liveRect.right, liveRect.bottom + 20),
                L"live, 25 entries");
    }

    void BuildGrouped(Kelvo::MDialog& dialog, int left, int top) {
        // The grouped combo lives in panels (the key page's function panel); a window
        // makes it directly.
        for (int i = 0; i < 4; ++i) {
            const CRect rect(left + i * kStep, top, left + i * kStep + kComboWidth, top + kComboHeight);
            auto* combo = new Kelvo::MComboBox2(&dialog, kGroupedLooks + i, rect, 1, i == 3 ? 0 : 1);
            dialog.GetPaintManager().AttachControl(1, combo);
            combo->SetImage(L"img_combobox_drop.png", 4);
            Dress(combo, 30);
            combo->SetGroupName(L"Samples");
            FillCombo(combo, 5);
            combo->SetCurSel(i);
            combo->SetRresponse(0);
            Caption(dialog, CRect(rect.left, rect.bottom + 2, rect.right, rect.bottom + 20),
                    i == 2 ? L"checked" : kLookNames[i]);
        }
        const int liveLeft = left, liveTop = top + 56;
        auto* live = new Kelvo::MComboBox2(&dialog, kGroupedLive,
                                           CRect(liveLeft, liveTop, liveLeft + kComboWidth, liveTop + kComboHeight), 1, 1);
        dialog.GetPaintManager().AttachControl(1, live);
        live->SetImage(L"img_combobox_drop.png", 4);
        Dress(live, 30);
        FillCombo(live, 5);
        live->SetCurSel(1);
        m_groupButton = new Kelvo::MButton2(&dialog, kGroupButton,
                                            CRect(liveLeft + kStep, liveTop, liveLeft + kStep + 90, liveTop + kComboHeight), 1, 1);
        dialog.GetPaintManager().AttachControl(1, m_groupButton);
        m_groupButton->SetTitle(L"Button");
        m_groupButton->SetControlCheck(1);
        Caption(dialog, CRect(liveLeft + kStep + 100, liveTop + 6, liveLeft + kStep + 330, liveTop + 24),
                L"live, group \"MouseFunction\"");
    }

    void BuildSwatches(Kelvo::MDialog& dialog, int left, int top) {
        for (int i = 0; i < 4; ++i) {
            const CRect rect(left + i * 55, top, left + i * 55 + 40, top + kComboHeight);
            auto* swatch = new Kelvo::CColorCombo(&dialog, kSwatchLooks + i, rect, 1, i == 3 ? 0 : 1);
            dialog.GetPaintManager().AttachControl(1, swatch);
            swatch->SetAreaColor(0xFE3768FA);
            swatch->SetRresponse(0);
            Caption(dialog, CRect(rect.left - 10, rect.bottom + 2, rect.right + 14, rect.bottom + 20), kLookNames[i]);
        }
    }

    void BuildLists(Kelvo::MDialog& dialog, int left, int top) {
        const struct {
            UINT id;
            const wchar_t* className;
            const wchar_t* caption;
            bool live;
        } lists[] = {
            {kListSample, L"MListBox", L"MListBox: selected, hovered", false},
            {kProfileSample, L"DListBox", L"DListBox: selected, hovered", false},
            {kListLive, L"MListBox", L"live: double-click renames", true},
            {kProfileLive, L"DListBox", L"live: right-click renames", true},
        };
        for (int i = 0; i < 4; ++i) {
            const CRect rect(left + i * 225, top, left + i * 225 + 205, top + 270);
            auto* list = static_cast<Kelvo::MListBox*>(dialog.CreateControl(lists[i].className, lists[i].id, rect, L"", 1, 1));
            if (!list) continue;
            for (int row = 0; row < 12; ++row)
                list->AddString((L"Profile " + std::to_wstring(row + 1)).c_str(), static_cast<DWORD>(row), -1);
            list->SetImage(L"img_list_edit.png", 1);
            if (auto* profiles = dynamic_cast<Kelvo::DListBox*>(list)) profiles->SetEditImage(L"img_list_edit.png", 1);
            list->SetCurSel(lists[i].live ? -1 : 0);
            list->EnableShowEdit(lists[i].live ? 1 : 0);
            if (!lists[i].live) list->SetRresponse(0);
            Caption(dialog, CRect(rect.left, rect.bottom + 2, rect.right, rect.bottom + 20), lists[i].caption);
        }
    }

    UINT m_nextCaption = kFirstCaption;
    Kelvo::MButton2* m_groupButton = nullptr;
};

}  // namespace

GALLERY_PAGE(ListPage, 80);

}  // namespace gallery
