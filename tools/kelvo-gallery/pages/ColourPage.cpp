// Colour pickers: hue bars at three hues, disabled and too narrow for a range; colour
// fields as made, showing a chosen colour and disabled; swatch columns with and without
// a check; and live ones: a hue bar with a preview of its colour, a colour chooser panel
// and a swatch column.
#include <string>

#include "CArea.h"
#include "CColorPalette.h"
#include "CColorSelect.h"
#include "ControlFactory.h"
#include "ColourNotifications.h"
#include "MPalette.h"
#include "MText.h"
#include "PaletteBar.h"

#include "GalleryPage.h"

namespace gallery {

namespace {

enum ControlId : UINT {
    kHueFirst = kFirstPageId,  // hue 0, 120, 240, disabled, narrow
    kHueLive = kFirstPageId + 9,
    kPreview = kFirstPageId + 10,
    kFieldFirst = kFirstPageId + 20,  // as made, a chosen colour, disabled
    kPanelLive = kFirstPageId + 30,
    kSelectFirst = kFirstPageId + 40,  // none checked, the third checked
    kSelectLive = kFirstPageId + 49,
    kFirstCaption = kFirstPageId + 100,
};

constexpr int kHueRow = 0;
constexpr int kFieldRow = 110;
constexpr int kPanelRow = 300;
// The lighting page's hue bar at scale 1: 200 x 17, a hue range of 190 pixels.
constexpr int kHueWidth = 200;
constexpr int kHueHeight = 17;
constexpr const wchar_t* kHueThumb = L"img_lightslider_bar.png";
constexpr COLORREF kChosen = 0xFA6837;  // the skin's blue as a colour reference

std::wstring Rgb(DWORD colour) {
    return std::to_wstring(colour & 0xFF) + L", " + std::to_wstring(colour >> 8 & 0xFF) + L", " +
           std::to_wstring(colour >> 16 & 0xFF);
}

class ColourPage : public GalleryPage {
public:
    const wchar_t* Name() const override { return L"colours"; }
    const wchar_t* Title() const override { return L"Colours"; }

    void Build(Kelvo::MDialog& dialog, CRect area) override {
        m_area = area;
        m_nextCaption = kFirstCaption;
        BuildHueBars(dialog, area.left, area.top + kHueRow);
        BuildFields(dialog, area.left, area.top + kFieldRow);
        BuildPanels(dialog, area.left, area.top + kPanelRow);
    }

    void ShowStates(Kelvo::MDialog& dialog) override {
        // Hue positions of a 190-pixel range: 0, 63 and 127 are 0, 119 and 240 degrees.
        const int positions[] = {0, 63, 127, 95};
        for (int i = 0; i < 4; ++i) {
            auto* bar = static_cast<Kelvo::PaletteBar*>(dialog.GetControl(kHueFirst + i));
            if (!bar) continue;
            const CRect rect = bar->GetRect();
            const CPoint at(rect.left + positions[i] + 5, rect.top + 8);
            bar->OnControlLButtonDown(MK_LBUTTON, at);
            bar->OnControlLButtonUp(0, at);
        }
        if (Kelvo::MControl* disabled = dialog.GetControl(kHueFirst + 3)) disabled->SetEnabled(0);
        if (auto* chosen = static_cast<Kelvo::MPalette*>(dialog.GetControl(kFieldFirst + 1))) chosen->SetSelectColor(kChosen);
        if (auto* disabled = static_cast<Kelvo::MPalette*>(dialog.GetControl(kFieldFirst + 2))) {
            disabled->SetSelectColor(0x2F9F2F);
            disabled->SetEnabled(0);
        }
        if (auto* checked = static_cast<Kelvo::CColorSelect*>(dialog.GetControl(kSelectFirst + 1))) checked->SetColorIndex(2);
        ShowPreview();
    }

    std::wstring Describe(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override {
        if (id == kHueLive && code == Kelvo::kNotifyActivated && m_liveBar) {
            ShowPreview();
            return L"Hue bar: position " + std::to_wstring(m_liveBar->GetCurrentHue()) + L", colour " +
                   Rgb(m_liveBar->PaletteHSLToRGB(200));
        }
        if (id == kPanelLive && code == Kelvo::kNotifyColourChanged)
            return L"Colour panel: " + Rgb(static_cast<DWORD>(lparam));
        if (id == kSelectLive && code == Kelvo::kNotifyColourChanged)
            return L"Swatch " + std::to_wstring(static_cast<int>(wparam)) + L": " + Rgb(static_cast<DWORD>(lparam));
        return {};
    }

    std::vector<PixelCheck> Checks(Kelvo::MDialog&) override {
        // The first hue bar's strip starts with hue 0: red on the screen.
        return {{L"the start of the hue strip", CPoint(m_area.left + 5, m_area.top + kHueRow + 2), 0xFF0000}};
    }

private:
    void Caption(Kelvo::MDialog& dialog, CRect rect, const wchar_t* text) {
        auto* caption = static_cast<Kelvo::MText*>(dialog.CreateControl(L"MText", m_nextCaption++, rect, text, 1, 0));
        if (!caption) return;
        caption->SetTextColor(kCaptionColour);
        caption->SetFontWidth(13);
    }

    // The hue bar is a panel's control; here the dialog holds it directly.
    Kelvo::PaletteBar* MakeHueBar(Kelvo::MDialog& dialog, UINT id, CRect rect) {
        auto* bar = static_cast<Kelvo::PaletteBar*>(Kelvo::CreatePanelControl(L"PaletteBar", &dialog, id, rect, L"", 1, 1));
        if (!bar) return nullptr;
        dialog.GetPaintManager().AttachControl(1, bar);
        bar->SetRect(rect);
        bar->SetImage(kHueThumb, 1);
        return bar;
    }

    void BuildHueBars(Kelvo::MDialog& dialog, int left, int top) {
        const wchar_t* const captions[] = {L"hue 0", L"hue 119", L"hue 240", L"disabled"};
        for (int i = 0; i < 4; ++i) {
            const int x = left + i * 230;
            if (auto* bar = MakeHueBar(dialog, kHueFirst + i, CRect(x, top, x + kHueWidth, top + kHueHeight)))
                bar->SetRresponse(0);  // samples: the pointer leaves them alone
            Caption(dialog, CRect(x, top + 20, x + 220, top + 38), captions[i]);
        }
        const int liveTop = top + 50;
        if (auto* narrow = MakeHueBar(dialog, kHueFirst + 4, CRect(left, liveTop, left + 10, liveTop + kHueHeight)))
            narrow->SetRresponse(0);
        Caption(dialog, CRect(left + 16, liveTop, left + 200, liveTop + 18), L"10 wide: no range");
        m_liveBar = MakeHueBar(dialog, kHueLive, CRect(left + 230, liveTop, left + 230 + 370, liveTop + kHueHeight));
        m_preview = static_cast<Kelvo::CArea*>(
            dialog.CreateControl(L"CArea", kPreview, CRect(left + 610, liveTop - 8, left + 642, liveTop + 24), L"", 1, 1));
        Caption(dialog, CRect(left + 650, liveTop, left + 900, liveTop + 18), L"live: 370 wide, a degree a pixel");
    }

    void ShowPreview() {
        if (!m_preview || !m_liveBar) return;
        m_preview->SetTransparent(0, 0, m_liveBar->PaletteHSLToRGB(200) & 0xFFFFFF);
        m_preview->UpdateControl(1, 0);
    }

    void BuildFields(Kelvo::MDialog& dialog, int left, int top) {
        const wchar_t* const captions[] = {L"as made", L"showing the skin's blue", L"disabled"};
        for (int i = 0; i < 3; ++i) {
            const int x = left + i * 300;
            const CRect rect(x, top, x + 233, top + 152);
            auto* field = static_cast<Kelvo::MPalette*>(dialog.CreateControl(L"MPalette", kFieldFirst + i, rect, L"", 1, 1));
            if (field) {
                field->SetThumbImage(L"img_palette_thumb.png");
                field->SetPalletHeight(150);
                field->SetRect(rect);
                field->SetRresponse(0);
            }
            Caption(dialog, CRect(x, top + 156, x + 280, top + 174), captions[i]);
        }
    }

    void BuildPanels(Kelvo::MDialog& dialog, int left, int top) {
        const CRect panelRect(left, top, left + 330, top + 190);
        if (auto* panel = static_cast<Kelvo::CColorPalette*>(
                dialog.CreateControl(L"CColorPalette", kPanelLive, panelRect, L"", 1, 1))) {
            panel->SetEnableScroll(0);
            panel->SetRect(panelRect);
            panel->SetImage(L"img_edit.png", 4);
            panel->SetTextColor(0xFFE0E0E0);
        }
        Caption(dialog, CRect(left, top + 194, left + 330, top + 212), L"live: colour panel");
        const wchar_t* const captions[] = {L"none checked", L"third checked", L"live"};
        for (int i = 0; i < 3; ++i) {
            const int x = left + 400 + i * 120;
            const UINT id = i == 2 ? kSelectLive : kSelectFirst + i;
            const CRect rect(x, top, x + 24, top + 185);
            if (auto* column = static_cast<Kelvo::CColorSelect*>(dialog.CreateControl(L"CColorSelect", id, rect, L"", 1, 1))) {
                column->SetEnableScroll(0);
                if (id != kSelectLive) column->SetRresponse(0);
            }
            Caption(dialog, CRect(x + 28, top + 80, x + 118, top + 98), captions[i]);
        }
    }

    CRect m_area;
    UINT m_nextCaption = kFirstCaption;
    Kelvo::PaletteBar* m_liveBar = nullptr;
    Kelvo::CArea* m_preview = nullptr;
};

}  // namespace

GALLERY_PAGE(ColourPage, 110);

}  // namespace gallery
