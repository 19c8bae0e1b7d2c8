// Mouse-button and macro widgets: the button list with a chosen button, the mouse picture
// with its call-outs (one chosen), the macro list with a selected row, and the event list
// of a recorded macro with one key's press and release selected together. All are live:
// choose buttons, select, rename with a double click, press the "more" buttons.
#include <string>

#include "CRecordList.h"
#include "ControlFactory.h"
#include "MText.h"
#include "MacroList.h"
#include "Manager.h"
#include "MouseCtrl.h"
#include "MouseKeyCtrl.h"

#include "GalleryPage.h"

namespace gallery {

namespace {

enum ControlId : UINT {
    kButtonList = kFirstPageId,
    kPicture = kFirstPageId + 1,
    kMouseCall = kFirstPageId + 2,
    kMacros = kFirstPageId + 3,
    kEvents = kFirstPageId + 4,
    kFirstCaption = kFirstPageId + 100,
};

constexpr int kChosenButton = 1;
constexpr int kPitch = Kelvo::MouseKeyCtrl::kRowHeight + Kelvo::MouseKeyCtrl::kRowGap;

const struct {
    const wchar_t* name;
    const wchar_t* function;
    int direction;
    CPoint point1, point2;
} kButtons[] = {
    {L"Left", L"Left click", 0, {75, 70}, {125, 70}},
    {L"Right", L"Right click", 1, {150, 70}, {200, 70}},
    {L"Wheel", L"Middle click", 1, {138, 110}, {200, 110}},
    {L"Side", L"Forward", 0, {75, 170}, {110, 170}},
    {L"Back", L"Back", 0, {75, 210}, {110, 210}},
};

const struct {
    const wchar_t* text;
    int type, value, stamp;
} kSteps[] = {
    {L"A", 2, 65, 1}, {L"50 ms", 1, 50, 2}, {L"A", 3, 65, 1}, {L"Left button", 4, 1, 3},
    {L"80 ms", 1, 80, 4}, {L"Left button", 5, 1, 3}, {L"Move", 8, 0, 5}, {L"Wheel down", 7, 0, 6},
};

class MousePage : public GalleryPage {
public:
    const wchar_t* Name() const override { return L"mouse"; }
    const wchar_t* Title() const override { return L"Mouse"; }

    void Build(Kelvo::MDialog& dialog, CRect area) override {
        m_area = area;
        m_nextCaption = kFirstCaption;
        BuildButtonList(dialog, area.left, area.top);
        BuildPicture(dialog, area.left + 270, area.top);
        BuildMacroLists(dialog, area.left + 560, area.top);
    }

    void ShowStates(Kelvo::MDialog& dialog) override {
        if (auto* list = static_cast<Kelvo::MouseKeyCtrl*>(dialog.GetControl(kButtonList))) list->SetSelectItem(kChosenButton);
        if (auto* call = static_cast<Kelvo::MouseCtrl*>(dialog.GetControl(kMouseCall))) call->SetSelectItem(kChosenButton);
        if (auto* macros = static_cast<Kelvo::MacroList*>(dialog.GetControl(kMacros))) macros->SetCurSel(1);
        if (auto* events = static_cast<Kelvo::CRecordList*>(dialog.GetControl(kEvents))) {
            events->SetCurSel(3);
            events->SetTimeStampSelect(3);
        }
    }

    std::wstring Describe(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override {
        const int index = static_cast<int>(wparam);
        if ((id == kButtonList || id == kMouseCall) && code == Kelvo::kNotifyPressed)
            return std::wstring(id == kButtonList ? L"Button list" : L"Mouse picture") + L": chose button " +
                   std::to_wstring(index);
        const wchar_t* what = id == kMacros ? L"Macro list" : id == kEvents ? L"Event list" : nullptr;
        if (!what) return {};
        switch (code) {
        case Kelvo::kNotifyPressed: return std::wstring(what) + L": pressed row " + std::to_wstring(index);
        case Kelvo::kNotifyActivated: return std::wstring(what) + L": released on a row";
        case Kelvo::kNotifyRightReleased: return std::wstring(what) + L": menu for row " + std::to_wstring(index);
        case 9: return std::wstring(what) + L": \"more\" pressed";
        case 30: return std::wstring(what) + L": renaming";
        case 29: return std::wstring(what) + L": row " + std::to_wstring(static_cast<int>(lparam)) + L" renamed";
        default: return {};
        }
    }

    std::vector<PixelCheck> Checks(Kelvo::MDialog&) override {
        // The chosen row of the button list is filled with the highlight colour.
        const CPoint row(m_area.left + 3, m_area.top + kChosenButton * kPitch + 3);
        return {{L"the chosen button's row", row, Kelvo::Manager::GetSelectColor() & 0xFFFFFF}};
    }

private:
    void Caption(Kelvo::MDialog& dialog, CRect rect, const wchar_t* text) {
        auto* caption = static_cast<Kelvo::MText*>(dialog.CreateControl(L"MText", m_nextCaption++, rect, text, 1, 0));
        if (!caption) return;
        caption->SetTextColor(kCaptionColour);
        caption->SetFontWidth(13);
    }

    // These are a panel's controls; here the dialog holds them directly.
    template <class Control>
    Control* Make(Kelvo::MDialog& dialog, const wchar_t* name, UINT id, CRect rect) {
        auto* made = static_cast<Control*>(Kelvo::CreatePanelControl(name, &dialog, id, rect, L"", 1, 1));
        if (!made) return nullptr;
        dialog.GetPaintManager().AttachControl(1, made);
        made->SetRect(rect);
        return made;
    }

    void BuildButtonList(Kelvo::MDialog& dialog, int left, int top) {
        const CRect rect(left, top, left + 250, top + 5 * kPitch);
        if (auto* list = Make<Kelvo::MouseKeyCtrl>(dialog, L"MouseKeyCtrl", kButtonList, rect)) {
            int key = 0;
            for (const auto& button : kButtons) list->AddItem(button.name, button.function, ++key);
        }
        Caption(dialog, CRect(left, rect.bottom + 6, left + 250, rect.bottom + 24), L"button list, one chosen");
    }

    void BuildPicture(Kelvo::MDialog& dialog, int left, int top) {
        const CRect rect(left, top, left + 280, top + 360);
        if (auto* picture = dialog.CreateControl(L"MPicture", kPicture, CRect(left + 10, top, left + 270, top + 360), L"", 1, 1))
            static_cast<Kelvo::MControlFont*>(picture)->SetImage(L"device_mouse.png", 1);
        if (auto* call = Make<Kelvo::MouseCtrl>(dialog, L"MouseCtrl", kMouseCall, rect)) {
            call->SetImage(L"img_key_bkg.png", 2);
            int key = 0;
            for (const auto& button : kButtons) call->AddItem(button.name, ++key, button.direction, button.point1, button.point2);
        }
        Caption(dialog, CRect(left, rect.bottom + 6, left + 280, rect.bottom + 24), L"mouse picture, one chosen");
    }

    void BuildMacroLists(Kelvo::MDialog& dialog, int left, int top) {
        const CRect macrosRect(left, top, left + 360, top + 150);
        if (auto* macros = Make<Kelvo::MacroList>(dialog, L"MacroList", kMacros, macrosRect)) {
            macros->SetImage(L"btn_more.png", 4);
            macros->EnableShowEdit(1);
            DWORD id = 0;
            for (const wchar_t* name : {L"Rapid fire", L"Copy and paste", L"Sprint", L"Build order", L"Reload"})
                macros->AddString(name, ++id, -1);
        }
        Caption(dialog, CRect(left, macrosRect.bottom + 4, left + 360, macrosRect.bottom + 22),
                L"macros: double click renames, wheel scrolls");
        const CRect eventsRect(left, top + 180, left + 360, top + 180 + 270);
        if (auto* events = Make<Kelvo::CRecordList>(dialog, L"CRecordList", kEvents, eventsRect)) {
            events->SetImageList(L"icon\\icon_record.png", 8);
            events->SetMoreImage(L"btn_more.png", 4);
            events->EnableShowEdit(1);
            for (const auto& step : kSteps) events->AddString(step.text, step.type, step.value, step.stamp);
        }
        Caption(dialog, CRect(left, eventsRect.bottom + 4, left + 360, eventsRect.bottom + 22),
                L"events: a button's press and release selected together");
    }

    CRect m_area;
    UINT m_nextCaption = kFirstCaption;
};

}  // namespace

GALLERY_PAGE(MousePage, 120);

}  // namespace gallery
