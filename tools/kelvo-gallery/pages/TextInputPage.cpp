// Text input: edit boxes in each look (with text, with only their tip, hovered, editing,
// disabled, masked), number edits of both kinds at ordinary values, at the top of their
// range and disabled, number spinners, and live rich edits (multi-line, single-line,
// log-on field and numeric spinner) to type into.
#include <string>

#include "CLogonEdit.h"
#include "CSpinButton.h"
#include "MEdit.h"
#include "MEditEx.h"
#include "MPanel.h"
#include "MRichEdit.h"
#include "MSpinButton.h"
#include "NumberEditBase.h"

#include "GalleryPage.h"

namespace gallery {

namespace {

enum ControlId : UINT {
    kEditText = kFirstPageId,
    kEditTip,
    kEditHover,
    kEditEditing,
    kEditDisabled,
    kEditPassword,
    kNumberPanel,
    kNumber,
    kNumberTop,
    kNumberDisabled,
    kNumber2,
    kNumber2Top,
    kNumber2Disabled,
    kSpin,
    kSpinDisabled,
    kRich,
    kRichSingle,
    kLogon,
    kRichSpin,
    kFirstCaption = kFirstPageId + 100,
};

constexpr Gdiplus::ARGB kTextColour = 0xFFE0E4EA;
constexpr COLORREF kEditorBack = RGB(0x14, 0x1A, 0x24);  // the editing cell's face
constexpr int kEditWidth = 135;
constexpr int kEditHeight = 32;
constexpr int kGap = 20;

class TextInputPage : public GalleryPage {
public:
    const wchar_t* Name() const override { return L"text"; }
    const wchar_t* Title() const override { return L"Text"; }

    void Build(Kelvo::MDialog& dialog, CRect area) override {
        m_area = area;
        m_caption = kFirstCaption;
        BuildEdits(dialog, area.left, area.top + 20);
        BuildNumbers(dialog, area.left, area.top + 100);
        BuildRichEdits(dialog, area.left, area.top + 240);
    }

    void ShowStates(Kelvo::MDialog& dialog) override {
        if (Kelvo::MControl* hover = dialog.GetControl(kEditHover))
            hover->OnControlMouseMove(0, hover->GetRect().CenterPoint());
        if (auto* editing = static_cast<Kelvo::MEdit*>(dialog.GetControl(kEditEditing))) {
            editing->OnControlLButtonDown(0, editing->GetRect().CenterPoint());
            editing->OnControlLButtonUp(0, editing->GetRect().CenterPoint());
        }
        for (UINT id : {kEditDisabled, kNumberDisabled, kNumber2Disabled, kSpinDisabled})
            if (Kelvo::MControl* disabled = dialog.GetControl(id)) disabled->SetEnabled(0);
    }

    std::wstring Describe(UINT id, UINT code, WPARAM wparam, LPARAM) override {
        if (id < kEditText || id > kRichSpin) return {};
        const std::wstring control = L"Control " + std::to_wstring(id - kFirstPageId);
        switch (code) {
        case Kelvo::kNotifyTextChanged: return control + L": text changed";
        case Kelvo::kNotifyEditorClosed: return control + L": editor closed";
        case Kelvo::kNotifyEditorShown: return control + L": editor opened";
        case Kelvo::kNotifyValueChanged: return control + L": value " + std::to_wstring(static_cast<int>(wparam));
        case 2: return control + L": changed or clicked";
        default: return {};
        }
    }

private:
    void Caption(Kelvo::MDialog& dialog, CRect rect, const wchar_t* text) {
        if (auto* caption = static_cast<Kelvo::MControlFont*>(dialog.CreateControl(L"MText", m_caption++, rect, text, 1, 0)))
            caption->SetTextColor(kCaptionColour);
    }

    void BuildEdits(Kelvo::MDialog& dialog, int x, int y) {
        const struct {
            UINT id;
            const wchar_t* caption;
            const wchar_t* text;
        } edits[] = {
            {kEditText, L"Text", L"Left button"}, {kEditTip, L"Tip only", L""},
            {kEditHover, L"Hover", L"Pointer over"}, {kEditEditing, L"Editing (live)", L"Type here"},
            {kEditDisabled, L"Disabled", L"Greyed out"}, {kEditPassword, L"Password", L"secret"},
        };
        for (const auto& e : edits) {
            Caption(dialog, CRect(x, y - 20, x + kEditWidth, y - 2), e.caption);
            auto* edit = static_cast<Kelvo::MEdit*>(
                dialog.CreateControl(L"MEdit", e.id, CRect(x, y, x + kEditWidth, y + kEditHeight), L"Type a name", 1, 1));
            x += kEditWidth + kGap;
            if (!edit) continue;
            edit->SetImage(L"img_edit.png", 4);
            edit->SetTextColor(kTextColour);
            edit->SetEditBKColor(kEditorBack);
            edit->SetTitle(e.text);
            if (e.id == kEditPassword) edit->EnablePassWord(1);
        }
    }

    void BuildNumbers(Kelvo::MDialog& dialog, int x, int y) {
        // Number edits exist only inside panels, as on the program's pages.
        auto* panel = new Kelvo::MPanel(&dialog, kNumberPanel, CRect(), 1);
        dialog.GetPaintManager().AttachControl(1, panel);
        const struct {
            UINT id;
            const wchar_t* kind;
            const wchar_t* caption;
            const wchar_t* value;
        } numbers[] = {
            {kNumber, L"NumberEdit", L"Number (live)", L"5"},  {kNumberTop, L"NumberEdit", L"At 20", L"20"},
            {kNumberDisabled, L"NumberEdit", L"Disabled", L"3"}, {kNumber2, L"NumberEdit2", L"Small (live)", L"12"},
            {kNumber2Top, L"NumberEdit2", L"At 20", L"20"},      {kNumber2Disabled, L"NumberEdit2", L"Disabled", L"7"},
        };
        const int width = 100;
        int left = x;
        for (const auto& n : numbers) {
            Caption(dialog, CRect(left, y - 20, left + width + kGap, y - 2), n.caption);
            auto* number = static_cast<Kelvo::NumberEditBase*>(
                panel->CreateControl(n.kind, n.id, CRect(left, y, left + width, y + 26), L"", 1, 1));
            left += width + kGap;
            if (!number) continue;
            number->SetTextColor(kTextColour);
            number->SetEditBKColor(kEditorBack);
            number->SetEditText(n.value);
        }
        panel->SetControlRect(CRect(x, y, left, y + 26));

        y += 60;
        Caption(dialog, CRect(x, y - 20, x + 200, y - 2), L"Spinner (live, 1 to 100)");
        Caption(dialog, CRect(x + 200, y - 20, x + 360, y - 2), L"Disabled");
        const UINT spins[] = {kSpin, kSpinDisabled};
        for (int i = 0; i < 2; ++i) {
            auto* spin = static_cast<Kelvo::MSpinButton*>(
                dialog.CreateControl(L"MSpinButton", spins[i], CRect(x + 200 * i, y, x + 200 * i + 70, y + 24), L"", 1, 1));
            if (!spin) continue;
            spin->SetTextColor(kTextColour);
            spin->SetCurValue(i == 0 ? 42 : 100);
        }
    }

    void BuildRichEdits(Kelvo::MDialog& dialog, int x, int y) {
        Caption(dialog, CRect(x, y - 20, x + 300, y - 2), L"Rich edit (live, multi-line)");
        if (auto* rich = static_cast<Kelvo::MRichEdit*>(
                dialog.CreateControl(L"MRichEdit", kRich, CRect(x, y, x + 300, y + 90), L"Notes", 1, 1))) {
            Style(*rich);
            rich->SetWordWrap(1);
            rich->SetTitle(L"A windowless rich edit.\r\nRight-click for Undo, Cut, Copy, Paste.");
        }
        const int right = x + 320;
        Caption(dialog, CRect(right, y - 20, right + 240, y - 2), L"Single line (live)");
        if (auto* single = static_cast<Kelvo::MRichEdit*>(
                dialog.CreateControl(L"MEditEx", kRichSingle, CRect(right, y, right + 240, y + 32), L"Profile name", 1, 1)))
            Style(*single);
        Caption(dialog, CRect(right, y + 44, right + 360, y + 62), L"Log-on field and numeric spinner");
        auto* logon = new Kelvo::CLogonEdit(&dialog, kLogon, CRect(right, y + 64, right + 240, y + 108), L"User name", 1, 1);
        dialog.GetPaintManager().AttachControl(1, logon);
        Style(*logon);
        if (auto* spin = static_cast<Kelvo::CSpinButton*>(
                dialog.CreateControl(L"CSpinButton", kRichSpin, CRect(right + 260, y + 64, right + 340, y + 96), L"", 1, 1))) {
            Style(*spin);
            spin->SetCurValue(50);
        }
    }

    static void Style(Kelvo::MRichEdit& rich) {
        rich.SetImage(L"img_edit.png", 4);
        rich.SetTextColor(kTextColour);
        rich.SetFont();
    }

    CRect m_area;
    UINT m_caption = kFirstCaption;
};

}  // namespace

GALLERY_PAGE(TextInputPage, 70);

}  // namespace gallery
