// Check boxes, radio and select buttons, colour swatches and switches: each in every look
// (unchecked and checked, normal, hover, pressed, disabled, focused), and a row of live
// ones that report their notifications with the check.
#include <string>

#include "CCheckButton.h"
#include "CColorButton.h"
#include "CRadioButton.h"
#include "CSelectButton.h"
#include "CSwitchButton.h"
#include "TextCheckButton.h"

#include "GalleryPage.h"

namespace gallery {

namespace {

enum ControlId : UINT {
    kBoxFirst = kFirstPageId,  // eight check boxes: unchecked then checked, four looks each
    kBoxFocused = kFirstPageId + 8,
    kTextFirst = kFirstPageId + 10,    // text check boxes: unchecked, checked, disabled
    kRadioFirst = kFirstPageId + 20,   // a group of three, the second checked
    kRadioHover = kFirstPageId + 23,
    kRadioPressed,
    kRadioDisabledChecked,
    kRadioDisabled,
    kSelectFirst = kFirstPageId + 30,  // normal, hover, checked, disabled
    kSwatchFirst = kFirstPageId + 40,  // normal, checked, hover, disabled, normal, normal
    kSwitchFirst = kFirstPageId + 50,  // off, off hover, on, on hover, on disabled, off disabled
    kLiveBox = kFirstPageId + 100,
    kLiveRadioFirst,                   // two
    kLiveSelectFirst = kLiveRadioFirst + 2,  // two
    kLiveSwatchFirst = kLiveSelectFirst + 2,  // four
    kLiveSwitch = kLiveSwatchFirst + 4,
};

constexpr int kRow = 30;
const COLORREF kSwatches[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00};

enum class Look { kNormal, kHover, kPressed, kDisabled };

void Show(Kelvo::MControl* control, Look look) {
    if (!control) return;
    const CPoint inside = control->GetRect().CenterPoint();
    if (look == Look::kHover || look == Look::kPressed) control->OnControlMouseMove(0, inside);
    if (look == Look::kPressed) control->OnControlLButtonDown(MK_LBUTTON, inside);
    if (look == Look::kDisabled) control->SetEnabled(0);
}

int CheckOf(Kelvo::MControl* control) {
    if (auto* c = dynamic_cast<Kelvo::CCheckButton*>(control)) return c->GetCheck();
    if (auto* c = dynamic_cast<Kelvo::CSelectButton*>(control)) return c->GetCheck();
    if (auto* c = dynamic_cast<Kelvo::CColorButton*>(control)) return c->GetCheck();
    if (auto* c = dynamic_cast<Kelvo::CSwitchButton*>(control)) return c->GetCheck();
    return 0;
}

class CheckPage : public GalleryPage {
public:
    const wchar_t* Name() const override { return L"checks"; }
    const wchar_t* Title() const override { return L"Checks"; }

    void Build(Kelvo::MDialog& dialog, CRect area) override {
        m_dialog = &dialog;
        BuildBoxes(dialog, area.left, area.top);
        BuildRadios(dialog, area.left + 300, area.top);
        BuildSwatchesAndSwitches(dialog, area.left + 600, area.top);
        BuildLive(dialog, area.left, area.bottom - 110);
    }

    void ShowStates(Kelvo::MDialog& dialog) override {
        const Look looks[] = {Look::kNormal, Look::kHover, Look::kPressed, Look::kDisabled};
        for (int i = 0; i < 8; ++i) Show(dialog.GetControl(kBoxFirst + i), looks[i % 4]);
        if (auto* focused = dialog.GetControl(kBoxFocused)) focused->SetControlFocus(1);
        Show(dialog.GetControl(kTextFirst + 2), Look::kDisabled);
        Show(dialog.GetControl(kRadioHover), Look::kHover);
        Show(dialog.GetControl(kRadioPressed), Look::kPressed);
        Show(dialog.GetControl(kRadioDisabledChecked), Look::kDisabled);
        Show(dialog.GetControl(kRadioDisabled), Look::kDisabled);
        Show(dialog.GetControl(kSelectFirst + 1), Look::kHover);
        Show(dialog.GetControl(kSelectFirst + 3), Look::kDisabled);
        Show(dialog.GetControl(kSwatchFirst + 2), Look::kHover);
        Show(dialog.GetControl(kSwatchFirst + 3), Look::kDisabled);
        Show(dialog.GetControl(kSwitchFirst + 1), Look::kHover);
        Show(dialog.GetControl(kSwitchFirst + 3), Look::kHover);
        Show(dialog.GetControl(kSwitchFirst + 4), Look::kDisabled);
        Show(dialog.GetControl(kSwitchFirst + 5), Look::kDisabled);
    }

    std::wstring Describe(UINT id, UINT code, WPARAM, LPARAM lparam) override {
        if (id < kLiveBox || id > kLiveSwitch || !m_dialog) return {};
        const wchar_t* what = code == Kelvo::kNotifyPressed          ? L"pressed (1)"
                              : code == Kelvo::kNotifyActivated      ? L"clicked (2)"
                              : code == Kelvo::kNotifyKeyboardCheck  ? L"from the keyboard (7)"
                                                                     : nullptr;
        if (!what) return {};
        // Switches and keyboard notifications carry the new check; the others are read.
        const int check = (id == kLiveSwitch && code == Kelvo::kNotifyActivated) || code == Kelvo::kNotifyKeyboardCheck
                              ? static_cast<int>(lparam)
                              : CheckOf(m_dialog->GetControl(id));
        return std::wstring(NameOf(id)) + L" " + what + L", check " + std::to_wstring(check);
    }

    std::vector<PixelCheck> Checks(Kelvo::MDialog& dialog) override {
        std::vector<PixelCheck> checks;
        auto at = [&](UINT id, int dx, int dy) {
            Kelvo::MControl* control = dialog.GetControl(id);
            return control ? CPoint(control->GetRect().left + dx, control->GetRect().top + dy) : CPoint(-1, -1);
        };
        checks.push_back({L"a swatch of colour reference 0x0000FF is red", at(kSwatchFirst, 15, 15), 0xFF0000});
        checks.push_back({L"a swatch's plain edge", at(kSwatchFirst, 0, 0), 0xFF0000});
        checks.push_back({L"the checked swatch's white outline", at(kSwatchFirst + 1, 1, 1), 0xFFFFFF});
        checks.push_back({L"the checked swatch's colour inside", at(kSwatchFirst + 1, 15, 15), 0x00FF00});
        checks.push_back({L"the hovered swatch's white outline", at(kSwatchFirst + 2, 0, 29), 0xFFFFFF});
        checks.push_back({L"the disabled swatch's grey outline", at(kSwatchFirst + 3, 29, 0), 0x808080});
        return checks;
    }

private:
    template <class Control>
    Control* Make(Kelvo::MDialog& dialog, const wchar_t* className, UINT id, CRect rect, const wchar_t* title,
                  bool sample = true) {
        auto* control = dynamic_cast<Control*>(dialog.CreateControl(className, id, rect, title, 1, 1));
        if (control && sample) control->SetRresponse(0);  // samples: the pointer leaves their look alone
        return control;
    }

    void BuildBoxes(Kelvo::MDialog& dialog, int left, int top) {
        const wchar_t* titles[] = {L"Unchecked",        L"Unchecked, hover", L"Unchecked, pressed",
                                   L"Unchecked, disabled", L"Checked",       L"Checked, hover",
                                   L"Checked, pressed", L"Checked, disabled"};
        int y = top;
        for (int i = 0; i < 8; ++i, y += kRow) {
            auto* box = Make<Kelvo::CCheckButton>(dialog, L"CCheckButton", kBoxFirst + i,
                                                  CRect(left, y, left + 270, y + 24), titles[i]);
            if (!box) continue;
            box->SetImage(L"btn_checkbox.png", 8);
            if (i >= 4) box->SetCheck(1);
        }
        if (auto* box = Make<Kelvo::CCheckButton>(dialog, L"CCheckButton", kBoxFocused,
                                                  CRect(left, y, left + 270, y + 24), L"Focused")) {
            box->SetImage(L"btn_checkbox.png", 8);
            box->SetCheck(1);
        }
        y += kRow + 10;
        const wchar_t* texts[] = {L"Text check box", L"Text check box, checked", L"Text check box, disabled"};
        for (int i = 0; i < 3; ++i, y += kRow) {
            auto* box = Make<Kelvo::TextCheckButton>(dialog, L"TextCheckButton", kTextFirst + i,
                                                     CRect(left, y, left + 270, y + 24), texts[i]);
            if (!box) continue;
            box->SetImage(L"btn_checkbox.png", 8);
            box->SetFontWidth(14);
            if (i == 1) box->SetCheck(1);
        }
    }

    void BuildRadios(Kelvo::MDialog& dialog, int left, int top) {
        struct Row {
            UINT id;
            const wchar_t* title;
            const wchar_t* group;
            int check;
        };
        const Row rows[] = {
            {kRadioFirst, L"Radio group: one", L"", 0},
            {kRadioFirst + 1, L"Radio group: two (checked)", L"", 1},
            {kRadioFirst + 2, L"Radio group: three", L"", 0},
            {kRadioHover, L"Radio, hover", L"hover", 0},
            {kRadioPressed, L"Radio, pressed", L"pressed", 0},
            {kRadioDisabledChecked, L"Radio, checked, disabled", L"disabled checked", 1},
            {kRadioDisabled, L"Radio, disabled", L"disabled", 0},
        };
        int y = top;
        for (const Row& row : rows) {
            if (auto* radio = Make<Kelvo::CRadioButton>(dialog, L"CRadioButton", row.id,
                                                        CRect(left, y, left + 270, y + 24), row.title)) {
                radio->SetImage(L"btn_radiobox.png", 8);
                radio->SetGroupName(row.group);
                if (row.check) radio->SetCheck(1);
            }
            y += kRow;
        }
        // Select buttons have no skin of their own in this theme: the radio marks' first
        // four frames (normal, hover, pressed, disabled) stand in for theirs.
        y += 10;
        const wchar_t* selects[] = {L"Select", L"Select, hover", L"Select, checked", L"Select, disabled"};
        for (int i = 0; i < 4; ++i, y += kRow) {
            auto* select = Make<Kelvo::CSelectButton>(dialog, L"CSelectButton", kSelectFirst + i,
                                                      CRect(left, y, left + 270, y + 24), selects[i]);
            if (!select) continue;
            select->SetImage(L"btn_radiobox.png", 8);
            select->SetGroupName(i == 3 ? L"disabled" : L"select");
            if (i == 2) select->SetCheck(1);
        }
    }

    void BuildSwatchesAndSwitches(Kelvo::MDialog& dialog, int left, int top) {
        for (int i = 0; i < 6; ++i) {
            const int x = left + i * 40;
            auto* swatch = Make<Kelvo::CColorButton>(dialog, L"CColorButton", kSwatchFirst + i,
                                                     CRect(x, top, x + 30, top + 30), nullptr);
            if (!swatch) continue;
            swatch->SetColor(kSwatches[i]);
            swatch->SetGroupName(i == 2 ? L"hover" : i == 3 ? L"disabled" : L"swatches");
            if (i == 1) swatch->SetCheck(1);
        }
        const int checks[] = {0, 0, 1, 1, 1, 0};
        int y = top + 50;
        for (int i = 0; i < 6; ++i, y += kRow) {
            auto* toggle = Make<Kelvo::CSwitchButton>(dialog, L"CSwitchButton", kSwitchFirst + i,
                                                      CRect(left, y, left + 80, y + 24), nullptr);
            if (!toggle) continue;
            toggle->SetImage(L"img_switch_btn_on.png", L"img_switch_btn_off.png", 4);
            toggle->SetCheck(checks[i]);
        }
    }

    void BuildLive(Kelvo::MDialog& dialog, int left, int top) {
        if (auto* box = Make<Kelvo::CCheckButton>(dialog, L"CCheckButton", kLiveBox,
                                                  CRect(left, top, left + 200, top + 24), L"Try me", false))
            box->SetImage(L"btn_checkbox.png", 8);
        for (int i = 0; i < 2; ++i) {
            const int x = left + 300 + i * 140;
            if (auto* radio = Make<Kelvo::CRadioButton>(dialog, L"CRadioButton", kLiveRadioFirst + i,
                                                        CRect(x, top, x + 130, top + 24),
                                                        i ? L"Radio B" : L"Radio A", false)) {
                radio->SetImage(L"btn_radiobox.png", 8);
                radio->SetGroupName(L"live");
            }
        }
        for (int i = 0; i < 2; ++i) {
            const int x = left + 300 + i * 140;
            if (auto* select = Make<Kelvo::CSelectButton>(dialog, L"CSelectButton", kLiveSelectFirst + i,
                                                          CRect(x, top + 40, x + 130, top + 64),
                                                          i ? L"Select B" : L"Select A", false)) {
                select->SetImage(L"btn_radiobox.png", 8);
                select->SetGroupName(L"live");
            }
        }
        for (int i = 0; i < 4; ++i) {
            const int x = left + 600 + i * 40;
            if (auto* swatch = Make<Kelvo::CColorButton>(dialog, L"CColorButton", kLiveSwatchFirst + i,
                                                         CRect(x, top, x + 30, top + 30), nullptr, false)) {
                swatch->SetColor(kSwatches[i + 2]);
                swatch->SetGroupName(L"live");
            }
        }
        if (auto* toggle = Make<Kelvo::CSwitchButton>(dialog, L"CSwitchButton", kLiveSwitch,
                                                      CRect(left + 600, top + 45, left + 700, top + 69), nullptr,
                                                      false))
            toggle->SetImage(L"img_switch_btn_on.png", L"img_switch_btn_off.png", 4);
    }

    static std::wstring NameOf(UINT id) {
        if (id == kLiveBox) return L"Check box";
        if (id == kLiveSwitch) return L"Switch";
        if (id >= kLiveSwatchFirst) return L"Swatch " + std::to_wstring(id - kLiveSwatchFirst + 1);
        if (id >= kLiveSelectFirst) return id == kLiveSelectFirst ? L"Select A" : L"Select B";
        return id == kLiveRadioFirst ? L"Radio A" : L"Radio B";
    }

    Kelvo::MDialog* m_dialog = nullptr;
};

}  // namespace

GALLERY_PAGE(CheckPage, 30);

}  // namespace gallery
