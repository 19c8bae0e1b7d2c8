// Push buttons: every class in its four looks (normal, hover, pressed, disabled), the
// upgrade, download and countdown states, the flat group buttons with one checked, and a
// column of live buttons that report what they send.
#include <string>

#include "CIconButton.h"
#include "CTimerButton.h"
#include "ControlFactory.h"
#include "DownloadButton.h"
#include "MButton.h"
#include "MButton2.h"
#include "MButton3.h"
#include "MControlFont.h"
#include "UpgradeButton.h"

#include "GalleryPage.h"

namespace gallery {

namespace {

constexpr int kLooks = 4;
constexpr int kRowHeight = 42;
constexpr int kLabelWidth = 150;
constexpr int kCellWidth = 124;

// One row of samples: a class in its four looks, skinned the way the program skins it.
struct SampleRow {
    const wchar_t* label;
    const wchar_t* className;
    const wchar_t* skin;  // null: the class draws no image
    int frames;
    CSize size;
    const wchar_t* title;
};

const SampleRow kRows[] = {
    {L"MButton", L"MButton", L"img_button.png", 4, CSize(110, 32), L"Apply"},
    {L"CImageButton", L"CImageButton", L"sysbtn_close.png", 4, CSize(20, 20), L""},
    {L"LongPressButton", L"LongPressButton", L"btn_reset.png", 4, CSize(13, 13), L""},
    {L"CTextButton", L"CTextButton", nullptr, 4, CSize(110, 28), L"Restore"},
    {L"UpgradeButton", L"UpgradeButton", L"img_btn_upgrade.png", 4, CSize(80, 28), L"Upgrade"},
    {L"DownloadButton", L"DownloadButton", L"img_button.png", 4, CSize(110, 32), L"Download"},
    {L"CIconButton", L"CIconButton", L"img_button.png", 4, CSize(110, 32), L"Record"},
    {L"CTimerButton", L"CTimerButton", L"img_button.png", 4, CSize(110, 32), L"Wait"},
    {L"CHelpButton", L"CHelpButton", L"img_help.png", 4, CSize(15, 15), L"A help text in a balloon"},
    {L"MButton3", L"MButton3", L"img_button2.png", 4, CSize(110, 32), L"Toggle"},
};
constexpr int kRowCount = static_cast<int>(sizeof kRows / sizeof kRows[0]);

enum ControlId : UINT {
    kLabelFirst = kFirstPageId,               // one label per row, then the state headings
    kSampleFirst = kFirstPageId + 100,        // row r, look l: kSampleFirst + 4 r + l
    kUpgrading = kFirstPageId + 200,
    kDownloading,
    kCountingDown,
    kToggled,
    kFlatFirst = kFirstPageId + 220,          // four flat group buttons
    kLiveButton = kFirstPageId + 300,
    kLiveLongPress,
    kLiveTimer,
    kLiveText,
};

// A button by class name: from the dialog's table, or, for the classes only panels make,
// from the panel table with the dialog as its parent.
Kelvo::MControl* Make(Kelvo::MDialog& dialog, const wchar_t* className, UINT id, CRect rect, const wchar_t* title) {
    if (Kelvo::MControl* made = dialog.CreateControl(className, id, rect, title, 1, 1)) return made;
    Kelvo::MControl* made = Kelvo::CreatePanelControl(className, &dialog, id, rect, title, 1, 1);
    if (!made) return nullptr;
    dialog.GetPaintManager().AttachControl(1, made);
    // Some of these are made without a title; the program gives them theirs afterwards.
    if (auto* font = dynamic_cast<Kelvo::MControlFont*>(made)) font->SetControlTitle(title);
    return made;
}

Kelvo::MControl* MakeSkinned(Kelvo::MDialog& dialog, const SampleRow& row, UINT id, CPoint at) {
    Kelvo::MControl* button = Make(dialog, row.className, id, CRect(at, row.size), row.title);
    auto* font = dynamic_cast<Kelvo::MControlFont*>(button);
    if (font && row.skin) font->SetImage(row.skin, row.frames);
    if (auto* icon = dynamic_cast<Kelvo::MButton*>(button); icon && std::wstring(row.className) == L"MButton")
        icon->SetFrameSize(8);
    return button;
}

void Label(Kelvo::MDialog& dialog, UINT id, CRect rect, const wchar_t* text) {
    if (auto* label = dynamic_cast<Kelvo::MControlFont*>(dialog.CreateControl(L"MText", id, rect, text, 1, 0))) {
        label->SetTextColor(0xFF969696);
        label->SetFont(nullptr, 13, 0);
    }
}

void ShowLook(Kelvo::MControl* control, int look) {
    if (!control) return;
    control->SetRresponse(0);  // samples: the pointer leaves their look alone
    const CPoint inside = control->GetRect().CenterPoint();
    if (look == 1 || look == 2) control->OnControlMouseMove(0, inside);
    if (look == 2) control->OnControlLButtonDown(MK_LBUTTON, inside);
    if (look == 3) control->SetEnabled(0);
}

class ButtonPage : public GalleryPage {
public:
    const wchar_t* Name() const override { return L"buttons"; }
    const wchar_t* Title() const override { return L"Buttons"; }

    void Build(Kelvo::MDialog& dialog, CRect area) override {
        const wchar_t* headings[kLooks] = {L"normal", L"hover", L"pressed", L"disabled"};
        const int columns = area.left + kLabelWidth;
        for (int look = 0; look < kLooks; ++look)
            Label(dialog, kLabelFirst + 50 + look,
                  CRect(columns + look * kCellWidth, area.top, columns + (look + 1) * kCellWidth - 8, area.top + 18),
                  headings[look]);
        Label(dialog, kLabelFirst + 60, CRect(columns + 4 * kCellWidth, area.top, columns + 5 * kCellWidth, area.top + 18),
              L"state");
        int y = area.top + 24;
        for (int r = 0; r < kRowCount; ++r) {
            const SampleRow& row = kRows[r];
            Label(dialog, kLabelFirst + r, CRect(area.left, y, columns - 8, y + 32), row.label);
            for (int look = 0; look < kLooks; ++look) {
                const CPoint at(columns + look * kCellWidth, y + (32 - row.size.cy) / 2);
                Kelvo::MControl* sample = MakeSkinned(dialog, row, kSampleFirst + 4 * r + look, at);
                if (auto* icon = dynamic_cast<Kelvo::CIconButton*>(sample)) {
                    icon->SetIconImage(L"icon\\icon_rec.png", 4);
                    icon->SetTextRect(CRect(0, 0, 0, 0), CRect(12, 0, 30, row.size.cy));  // within the button
                }
            }
            y += kRowHeight;
        }
        // The states each class adds, in the last column.
        const int states = columns + 4 * kCellWidth;
        const int upgradeRow = 4, downloadRow = 5, timerRow = 7, toggleRow = 9;
        auto rowTop = [&](int r) { return area.top + 24 + r * kRowHeight; };
        if (auto* upgrading = dynamic_cast<Kelvo::UpgradeButton*>(
                MakeSkinned(dialog, kRows[upgradeRow], kUpgrading, CPoint(states, rowTop(upgradeRow) + 2))))
            upgrading->SetUpgradeStatus(1);
        if (auto* downloading = dynamic_cast<Kelvo::DownloadButton*>(
                MakeSkinned(dialog, kRows[downloadRow], kDownloading, CPoint(states, rowTop(downloadRow)))))
            downloading->SetDownloadProcess(60);
        m_timer = kCountingDown;
        MakeSkinned(dialog, kRows[timerRow], kCountingDown, CPoint(states, rowTop(timerRow)));
        if (auto* toggled = dynamic_cast<Kelvo::MButton3*>(
                MakeSkinned(dialog, kRows[toggleRow], kToggled, CPoint(states, rowTop(toggleRow)))))
            toggled->SetCheck(1);

        // The flat buttons of one group, the second checked, the last disabled.
        y = rowTop(kRowCount);
        Label(dialog, kLabelFirst + 70, CRect(area.left, y, columns - 8, y + 32), L"MButton2 group");
        const wchar_t* flat[] = {L"Left", L"Right", L"Middle", L"Off"};
        for (int i = 0; i < 4; ++i)
            Make(dialog, L"MButton2", kFlatFirst + i, CRect(CPoint(columns + i * kCellWidth, y), CSize(110, 32)),
                 flat[i]);

        // Live buttons.
        const int live = area.right - 150;
        Label(dialog, kLabelFirst + 80, CRect(live, area.top, area.right, area.top + 18), L"try them");
        const struct {
            UINT id;
            const wchar_t* className;
            const wchar_t* title;
        } lives[] = {{kLiveButton, L"MButton", L"Click"},
                     {kLiveLongPress, L"LongPressButton", L"Hold"},
                     {kLiveTimer, L"CTimerButton", L"Count down"},
                     {kLiveText, L"CTextButton", L"Text button"}};
        y = area.top + 24;
        for (const auto& l : lives) {
            // The long-press button draws its strip at its natural size, like an image button.
            const CSize size = l.id == kLiveLongPress ? CSize(64, 32) : CSize(140, 32);
            Kelvo::MControl* button = Make(dialog, l.className, l.id, CRect(CPoint(live, y), size), l.title);
            if (auto* font = dynamic_cast<Kelvo::MControlFont*>(button); font && l.id != kLiveText)
                font->SetImage(L"img_button.png", 4);
            y += kRowHeight;
        }
    }

    void ShowStates(Kelvo::MDialog& dialog) override {
        for (int r = 0; r < kRowCount; ++r)
            for (int look = 0; look < kLooks; ++look) ShowLook(dialog.GetControl(kSampleFirst + 4 * r + look), look);
        for (UINT id : {kUpgrading, kDownloading, kCountingDown, kToggled}) ShowLook(dialog.GetControl(id), 0);
        if (auto* timer = dynamic_cast<Kelvo::CTimerButton*>(dialog.GetControl(m_timer))) {
            timer->SetRunTimer(1);
            timer->SetRun(1);
        }
        if (auto* checked = dynamic_cast<Kelvo::MButton2*>(dialog.GetControl(kFlatFirst + 1))) checked->SetCheck(1);
        if (Kelvo::MControl* off = dialog.GetControl(kFlatFirst + 3)) off->SetEnabled(0);
        if (m_tick == 0) m_tick = dialog.SetMTimer(10);
        m_dialog = &dialog;
    }

    void Leave(Kelvo::MDialog& dialog) override {
        if (m_tick) dialog.KillMTimer(m_tick);
        m_tick = 0;
    }

    std::wstring Describe(UINT id, UINT code, WPARAM, LPARAM) override {
        const wchar_t* who = id == kLiveButton     ? L"MButton"
                             : id == kLiveLongPress ? L"LongPressButton"
                             : id == kLiveTimer     ? L"CTimerButton"
                             : id == kLiveText      ? L"CTextButton"
                             : id >= kFlatFirst && id < kFlatFirst + 4 ? L"MButton2"
                                                                        : nullptr;
        if (!who) return {};
        if (id == kLiveTimer && code == Kelvo::kNotifyActivated && m_dialog) {
            if (auto* timer = dynamic_cast<Kelvo::CTimerButton*>(m_dialog->GetControl(kLiveTimer));
                timer && !timer->IsRun()) {
                timer->SetRun(1);
                return L"CTimerButton: counting down from 10 s";
            }
        }
        // The flat buttons leave the choice to the page, which takes every one.
        if (id >= kFlatFirst && id < kFlatFirst + 3 && code == Kelvo::kNotifyActivated && m_dialog)
            if (auto* flat = dynamic_cast<Kelvo::MButton2*>(m_dialog->GetControl(id))) flat->SetCheck(1);
        const wchar_t* what = code == Kelvo::kNotifyPressed     ? L"1 (pressed)"
                              : code == Kelvo::kNotifyActivated ? L"2 (clicked)"
                              : code == 32                       ? L"32 (held: repeat)"
                                                                 : L"another code";
        return std::wstring(who) + L" sent " + what;
    }

    std::vector<PixelCheck> Checks(Kelvo::MDialog& dialog) override {
        std::vector<PixelCheck> checks;
        // The flat group: the checked one filled with the selection colour, the others flat grey.
        if (Kelvo::MControl* checked = dialog.GetControl(kFlatFirst + 1))
            checks.push_back({L"the checked flat button's fill", CPoint(checked->GetRect().left + 4, checked->GetRect().top + 4),
                              0x3768FA});
        if (Kelvo::MControl* flat = dialog.GetControl(kFlatFirst))
            checks.push_back({L"an unchecked flat button's fill", CPoint(flat->GetRect().left + 4, flat->GetRect().top + 4),
                              0x333333});
        return checks;
    }

private:
    Kelvo::MDialog* m_dialog = nullptr;
    UINT m_timer = 0;
    UINT m_tick = 0;
};

}  // namespace

GALLERY_PAGE(ButtonPage, 20);

}  // namespace gallery
