#include "ProgramSettingsPage.h"

#include <algorithm>

#include "CRadioButton.h"
#include "CUIMessageBox.h"
#include "CurrentLanguage.h"
#include "MButton.h"
#include "MComboBox.h"
#include "MPicture.h"
#include "MText.h"
#include "Preferences.h"
#include "Product.h"
#include "SettingsDatabase.h"

namespace {

constexpr int kContainer = 51;

enum ControlId : UINT {
    kSection = 284,  // the rows' background
    kAutorunTitle = 285,
    kAutorunOn = 286,
    kAutorunOff = 287,
    kLanguageTitle = 289,
    kLanguage = 290,
    kResetTitle = 292,
    kReset = 293,
    kLockTitle = 295,
    kLockOn = 296,
    kLockOff = 297,
};

enum TextId : int {
    kTextBluetooth = 56,
    kTextNoMouse = 57,
    kTextAutorun = 554,
    kTextOn = 555,
    kTextOff = 556,
    kTextLanguage = 557,
    kTextResetTitle = 558,
    kTextReset = 559,
    kTextResetQuestionTitle = 570,
    kTextResetQuestion = 571,
    kTextLock = 572,
    kTextLockOn = 573,
    kTextLockOff = 574,
    kTextUnlockQuestion = 575,
    kTextNotice = 576,
};

constexpr UINT kActivated = 2;
constexpr UINT kAnsweredNo = 2;
constexpr int kBluetoothMode = 2;

// Each language is named in its own words, so anyone can find theirs.
struct ShippedLanguage {
    int lcid;
    const wchar_t* name;
};
constexpr ShippedLanguage kLanguages[] = {
    {product::kEnglish, L"English"},
    {product::kSecondLanguage, L"\u7B80\u4F53\u4E2D\u6587"},
};

// The firmware block takes the top of the page (150 high at the design size).
constexpr int kTop = 75;
constexpr int kTitleFont = 16;
constexpr int kLabelFont = 14;
constexpr int kButtonFont = 14;
constexpr Gdiplus::ARGB kTitleColour = 0xFFFFFFFF;
constexpr Gdiplus::ARGB kLabelColour = 0xFFB4B4B4;
const wchar_t* const kLockKey = L"leftbtn_lock";

}  // namespace

// ---- creation -------------------------------------------------------------------------------

Kelvo::CRadioButton* ProgramSettingsPage::MakeRadio(UINT id, const wchar_t* group) {
    auto* radio = m_controls.Make<Kelvo::CRadioButton>(kContainer, L"CRadioButton", id);
    if (!radio) return nullptr;
    radio->SetImage(L"btn_radiobox.png", 8);
    radio->SetGroupName(group);
    return radio;
}

void ProgramSettingsPage::Create() {
    m_background = m_controls.Make<Kelvo::MPicture>(kContainer, L"MPicture", kSection);
    if (m_background) {
        m_background->SetImage(L"img_area2.png", 1);
        m_background->SetShowMode(Kelvo::SHOWMODE_FRAME, 10);
    }
    m_autorunTitle = m_controls.Make<Kelvo::MText>(kContainer, L"MText", kAutorunTitle);
    m_autorunOn = MakeRadio(kAutorunOn, L"AUTORUN");
    m_autorunOff = MakeRadio(kAutorunOff, L"AUTORUN");
    const bool autorun = Preferences(m_controls.Context().PreferenceRegistry()).IsAutorunEnabled();
    if (m_autorunOn) m_autorunOn->SetCheck(autorun ? 1 : 0);
    if (m_autorunOff) m_autorunOff->SetCheck(autorun ? 0 : 1);

    m_languageTitle = m_controls.Make<Kelvo::MText>(kContainer, L"MText", kLanguageTitle);
    m_language = m_controls.Make<Kelvo::MComboBox>(kContainer, L"MComboBox", kLanguage);
    if (m_language) {
        m_language->SetImage(L"img_combobox.png", 4);
        m_language->SetTextColorEx(0xFFFFFFFF, 0xFFFFFFFF);
        FillLanguages();
    }

    m_resetTitle = m_controls.Make<Kelvo::MText>(kContainer, L"MText", kResetTitle);
    m_reset = m_controls.Make<Kelvo::MButton>(kContainer, L"MButton", kReset);
    if (m_reset) {
        m_reset->SetImage(L"img_button.png", 4);
        m_reset->SetFrameSize(8);
    }

    m_lockTitle = m_controls.Make<Kelvo::MText>(kContainer, L"MText", kLockTitle);
    m_lockOn = MakeRadio(kLockOn, L"MOUSELEFT_LOCK");
    m_lockOff = MakeRadio(kLockOff, L"MOUSELEFT_LOCK");
    ShowLock(m_controls.Context().LeftLock() != 0);
    ApplyLanguage();
}

void ProgramSettingsPage::FillLanguages() {
    for (const ShippedLanguage& language : kLanguages) {
        m_language->AddItem(language.name, static_cast<DWORD>(language.lcid), nullptr, 0xFFFFFFFF);
    }
    m_language->SelectData(static_cast<DWORD>(CurrentLanguage.load()));
}

void ProgramSettingsPage::ApplyLanguage() {
    const PageContext& context = m_controls.Context();
    auto title = [&context](Kelvo::MControlFont* control, int textId) {
        if (control) control->SetTitle(context.Text(textId).GetString());
    };
    title(m_autorunTitle, kTextAutorun);
    title(m_autorunOn, kTextOn);
    title(m_autorunOff, kTextOff);
    title(m_languageTitle, kTextLanguage);
    title(m_resetTitle, kTextResetTitle);
    title(m_reset, kTextReset);
    title(m_lockTitle, kTextLock);
    title(m_lockOn, kTextLockOn);
    title(m_lockOff, kTextLockOff);
    // Another process may have changed the language.
    if (m_language) m_language->SelectData(static_cast<DWORD>(CurrentLanguage.load()));
}

// ---- layout ---------------------------------------------------------------------------------

// Four rows about 50 apart under the firmware block: a title at the left, its choices
// at one column to the right.
void ProgramSettingsPage::Place() {
    auto at = [this](int l, int t, int r, int b) {
        return CRect(100 + m_controls.S(l), kTop + m_controls.S(t), 100 + m_controls.S(r), kTop + m_controls.S(b));
    };
    PageControls::Place(m_background, at(0, 160, 1000, 390));
    PageControls::Place(m_autorunTitle, at(24, 180, 300, 206));
    PageControls::Place(m_autorunOn, at(320, 182, 440, 206));
    PageControls::Place(m_autorunOff, at(460, 182, 580, 206));
    PageControls::Place(m_languageTitle, at(24, 232, 300, 258));
    PageControls::Place(m_language, at(320, 230, 540, 260));
    PageControls::Place(m_resetTitle, at(24, 284, 300, 310));
    PageControls::Place(m_reset, at(320, 281, 440, 313));
    PageControls::Place(m_lockTitle, at(24, 336, 300, 362));
    PageControls::Place(m_lockOn, at(320, 338, 440, 362));
    PageControls::Place(m_lockOff, at(460, 338, 580, 362));
    if (m_language) {
        // The text keeps clear of the arrow at the right end.
        const CRect box = m_language->GetRect();
        m_language->SetTextRect(CRect(10, 2, std::max(10, box.Width() - box.Height()), std::max(2, box.Height() - 2)));
    }
    StyleTexts();
}

void ProgramSettingsPage::StyleTexts() {
    const CString& face = m_controls.Context().FontName();
    auto style = [&](Kelvo::MControlFont* control, int size, Gdiplus::ARGB colour) {
        if (!control) return;
        control->SetFont(face.GetString(), m_controls.S(size), 0);
        control->SetTextColor(colour);
    };
    for (Kelvo::MControlFont* title : {static_cast<Kelvo::MControlFont*>(m_autorunTitle),
                                       static_cast<Kelvo::MControlFont*>(m_languageTitle),
                                       static_cast<Kelvo::MControlFont*>(m_resetTitle),
                                       static_cast<Kelvo::MControlFont*>(m_lockTitle)}) {
        style(title, kTitleFont, kTitleColour);
        if (title) title->SetAlignment(DT_LEFT, DT_VCENTER);
    }
    for (Kelvo::MControlFont* radio : {m_autorunOn, m_autorunOff, m_lockOn, m_lockOff}) style(radio, kLabelFont, kLabelColour);
    style(m_language, kLabelFont, kTitleColour);
    style(m_reset, kButtonFont, kTitleColour);
}

// ---- the store's lock -----------------------------------------------------------------------

void ProgramSettingsPage::Reload() {
    // The key page's guard reads the window's lock: it follows what the radios show.
    const bool locked = StoredLock(m_controls.Context().LeftLock() != 0);
    ShowLock(locked);
    m_controls.Context().SetLeftLock(locked ? 1 : 0);
}

bool ProgramSettingsPage::StoredLock(bool fallback) {
    PageContext& context = m_controls.Context();
    SettingsDatabase& store = context.Store();
    CString value;
    if (!store.IsOpen() || !store.GetConfigValue(context.CurrentProfile(), kLockKey, value)) return fallback;
    return value == L"1";
}

void ProgramSettingsPage::ShowLock(bool locked) {
    if (m_lockOn) m_lockOn->SetControlCheck(locked ? 1 : 0);
    if (m_lockOff) m_lockOff->SetControlCheck(locked ? 0 : 1);
}

// ---- the user's changes ---------------------------------------------------------------------

bool ProgramSettingsPage::OnNotify(UINT id, UINT code, LRESULT& result) {
    switch (id) {
    case kAutorunOn:
    case kAutorunOff: result = OnAutorun(); return true;
    case kLanguage: result = OnLanguage(); return true;
    case kReset:
        // The button also reports the press; the reset waits for the click.
        result = code == kActivated ? OnFactoryReset() : 0;
        return true;
    case kLockOn:
    case kLockOff: result = OnLeftLock(id); return true;
    default: return false;
    }
}

LRESULT ProgramSettingsPage::OnAutorun() {
    if (!m_autorunOn) return 0;
    PageContext& context = m_controls.Context();
    Preferences(context.PreferenceRegistry()).SetAutorun(m_autorunOn->GetCheck() != 0, context.ProgramFolder());
    return 1;
}

bool ProgramSettingsPage::DeviceAllows(const std::function<void()>& putBack) {
    PageContext& context = m_controls.Context();
    int refusal = 0;
    // A mouse over Bluetooth is there but cannot be configured: say that rather than
    // that no mouse is connected.
    if (context.Bluetooth() || context.ConnectionMode() == kBluetoothMode) {
        refusal = kTextBluetooth;
    } else if (!context.DeviceOnline()) {
        refusal = kTextNoMouse;
    }
    if (refusal == 0) return true;
    putBack();
    context.Ask(kTextNotice, refusal, CUIMessageBox::kNotice);
    return false;
}

LRESULT ProgramSettingsPage::OnLanguage() {
    if (!m_language) return 0;
    auto reselect = [this] { m_language->SelectData(static_cast<DWORD>(CurrentLanguage.load())); };
    if (!DeviceAllows(reselect)) return 0;
    m_controls.Context().ChangeLanguage(static_cast<int>(m_language->GetCurData()));
    return 1;
}

LRESULT ProgramSettingsPage::OnFactoryReset() {
    PageContext& context = m_controls.Context();
    if (!DeviceAllows([] {})) return 0;
    if (context.Ask(kTextResetQuestionTitle, kTextResetQuestion, CUIMessageBox::kQuestion) == kAnsweredNo) return 0;
    // One worker task resets the mouse and the store and reads the mouse again; the
    // window shows the busy dialog until that read has ended.
    context.FactoryReset();
    return 1;
}

LRESULT ProgramSettingsPage::OnLeftLock(UINT id) {
    PageContext& context = m_controls.Context();
    auto putBack = [this, &context] {
        const bool bluetooth = context.Bluetooth() || context.ConnectionMode() == kBluetoothMode;
        ShowLock(bluetooth ? StoredLock(true) : true);
    };
    if (!DeviceAllows(putBack)) return 0;
    if (id == kLockOff && context.LeftLock() &&
        context.Ask(kTextNotice, kTextUnlockQuestion, CUIMessageBox::kQuestion) == kAnsweredNo) {
        ShowLock(true);
        return 0;
    }
    const bool locked = m_lockOn && m_lockOn->GetCheck();
    context.SetLeftLock(locked ? 1 : 0);
    context.Store().SetConfigValue(context.CurrentProfile(), kLockKey, locked ? L"1" : L"0");
    return 1;
}
