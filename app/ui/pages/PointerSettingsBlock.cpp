#include "PointerSettingsBlock.h"

#include <algorithm>
#include <string>

#include "CCheckButton.h"
#include "CRadioButton.h"
#include "MPicture.h"
#include "MSlider.h"
#include "MText.h"
#include "NumberEdit2.h"
#include "TextNotifications.h"
#include "WindowsPointerSettings.h"

namespace {

constexpr int kContainer = 49;
constexpr int kSettingsPage = 6;

enum ControlId : UINT {
    kBackground = 246,
    kTitle = 247,
    kSpeedTitle = 248,
    kSpeed = 250,
    kSpeedEnds = 251,  // both ends of the speed scale
    kSpeedValue = 253,
    kPrecision = 254,
    kWheelTitle = 255,
    kWheelLines = 259,
    kOneScreen = 260,
    kByLines = 261,
    kDoubleClickTitle = 262,
    kDoubleClick = 263,
    kDoubleClickSlow = 264,
    kDoubleClickFast = 265,
    kDoubleClickValue = 252,
};

enum TextId : int {
    kTextTitle = 530,
    kTextSpeed = 531,
    kTextSlow = 532,
    kTextFast = 533,
    kTextPrecision = 534,
    kTextWheel = 535,
    kTextByLines = 536,
    kTextOneScreen = 537,
    kTextDoubleClick = 538,
};

constexpr UINT kActivated = 2;

// The block takes the right column of the page: 490 wide at the design size.
constexpr int kLeft = 510;
constexpr int kTop = 75;
constexpr int kTitleFont = 16;
constexpr int kLabelFont = 14;
constexpr Gdiplus::ARGB kTitleColour = 0xFFFFFFFF;
constexpr Gdiplus::ARGB kLabelColour = 0xFFB4B4B4;
constexpr COLORREF kEditorBackground = 0x333333;
const wchar_t* const kWheelGroup = L"WHEEL_MODE";

CString Number(long long value) { return CString(std::to_wstring(value).c_str()); }

}  // namespace

// ---- creation -------------------------------------------------------------------------------

Kelvo::MText* PointerSettingsBlock::MakeText(UINT id) { return m_controls.Make<Kelvo::MText>(kContainer, L"MText", id); }

Kelvo::MSlider* PointerSettingsBlock::MakeSlider(UINT id, int positions) {
    auto* slider = m_controls.Make<Kelvo::MSlider>(kContainer, L"MSlider", id);
    if (!slider) return nullptr;
    slider->SetThumbImage(L"img_slider_bar.png");
    slider->SetImage(L"img_slider_bar.png", 1);  // joins the ticks that follow a drag
    slider->SetMaxProgress(positions - 1);
    return slider;
}

void PointerSettingsBlock::Create() {
    m_background = m_controls.Make<Kelvo::MPicture>(kContainer, L"MPicture", kBackground);
    if (m_background) {
        m_background->SetImage(L"img_area2.png", 1);
        m_background->SetShowMode(Kelvo::SHOWMODE_FRAME, 10);
    }
    m_title = MakeText(kTitle);
    m_speedTitle = MakeText(kSpeedTitle);
    m_speed = MakeSlider(kSpeed, pointer::kMaxSpeed);
    m_speedSlow = MakeText(kSpeedEnds);
    m_speedFast = MakeText(kSpeedEnds);
    m_speedValue = MakeText(kSpeedValue);
    m_precision = m_controls.Make<Kelvo::CCheckButton>(kContainer, L"CCheckButton", kPrecision);
    if (m_precision) m_precision->SetImage(L"btn_checkbox.png", 8);
    m_wheelTitle = MakeText(kWheelTitle);
    m_wheelLines = m_controls.Make<Kelvo::NumberEdit2>(kContainer, L"NumberEdit2", kWheelLines);
    if (m_wheelLines) {
        m_wheelLines->SetImage(L"img_edit.png", 4);
        m_wheelLines->SetEditBKColor(kEditorBackground);
        m_wheelLines->SetValueRange(pointer::kMinWheelLines, pointer::kMaxWheelLines);
    }
    for (UINT id : {kOneScreen, kByLines}) {
        auto* radio = m_controls.Make<Kelvo::CRadioButton>(kContainer, L"CRadioButton", id);
        if (!radio) continue;
        radio->SetImage(L"btn_radiobox.png", 8);
        radio->SetGroupName(kWheelGroup);
        (id == kOneScreen ? m_oneScreen : m_byLines) = radio;
    }
    m_doubleClickTitle = MakeText(kDoubleClickTitle);
    m_doubleClick = MakeSlider(kDoubleClick, pointer::kDoubleClickPositions);
    m_doubleClickSlow = MakeText(kDoubleClickSlow);
    m_doubleClickFast = MakeText(kDoubleClickFast);
    m_doubleClickValue = MakeText(kDoubleClickValue);
    ApplyLanguage();
    ReloadPointerSettings();
}

void PointerSettingsBlock::ApplyLanguage() {
    const PageContext& context = m_controls.Context();
    auto title = [&context](Kelvo::MControlFont* control, int textId) {
        if (control) control->SetTitle(context.Text(textId).GetString());
    };
    title(m_title, kTextTitle);
    title(m_speedTitle, kTextSpeed);
    title(m_speedSlow, kTextSlow);
    title(m_speedFast, kTextFast);
    title(m_precision, kTextPrecision);
    title(m_wheelTitle, kTextWheel);
    title(m_oneScreen, kTextOneScreen);
    title(m_byLines, kTextByLines);
    title(m_doubleClickTitle, kTextDoubleClick);
    title(m_doubleClickSlow, kTextSlow);
    title(m_doubleClickFast, kTextFast);
}

// ---- layout ---------------------------------------------------------------------------------

// Rows about 40 apart at the design size: speed, precision, wheel (two choices), and
// double-click speed, each scale between its slow and fast ends with its value above it.
void PointerSettingsBlock::Place() {
    const int left = 100 + m_controls.S(kLeft);
    auto at = [&](int l, int t, int r, int b) {
        return CRect(left + m_controls.S(l), kTop + m_controls.S(t), left + m_controls.S(r), kTop + m_controls.S(b));
    };
    PageControls::Place(m_background, at(0, 0, 490, 420));
    PageControls::Place(m_title, at(24, 16, 466, 44));
    PageControls::Place(m_speedTitle, at(24, 64, 380, 88));
    PageControls::Place(m_speedValue, at(380, 64, 466, 88));
    PageControls::Place(m_speedSlow, at(24, 100, 84, 124));
    PageControls::Place(m_speed, at(90, 102, 400, 122));
    PageControls::Place(m_speedFast, at(406, 100, 466, 124));
    PageControls::Place(m_precision, at(24, 144, 466, 168));
    PageControls::Place(m_wheelTitle, at(24, 196, 466, 220));
    PageControls::Place(m_byLines, at(24, 236, 340, 260));
    PageControls::Place(m_wheelLines, at(350, 232, 430, 264));
    PageControls::Place(m_oneScreen, at(24, 276, 466, 300));
    PageControls::Place(m_doubleClickTitle, at(24, 324, 380, 348));
    PageControls::Place(m_doubleClickValue, at(380, 324, 466, 348));
    PageControls::Place(m_doubleClickSlow, at(24, 360, 84, 384));
    PageControls::Place(m_doubleClick, at(90, 362, 400, 382));
    PageControls::Place(m_doubleClickFast, at(406, 360, 466, 384));
    StyleTexts();
}

void PointerSettingsBlock::StyleTexts() {
    const CString& face = m_controls.Context().FontName();
    const int titleSize = m_controls.S(kTitleFont);
    const int labelSize = m_controls.S(kLabelFont);
    auto style = [&](Kelvo::MControlFont* control, int size, Gdiplus::ARGB colour, int alignment) {
        if (!control) return;
        control->SetFont(face.GetString(), size, 0);
        control->SetTextColor(colour);
        control->SetAlignment(alignment, DT_VCENTER);
    };
    for (Kelvo::MControlFont* title : {static_cast<Kelvo::MControlFont*>(m_title), static_cast<Kelvo::MControlFont*>(m_speedTitle),
                                       static_cast<Kelvo::MControlFont*>(m_wheelTitle),
                                       static_cast<Kelvo::MControlFont*>(m_doubleClickTitle)}) {
        style(title, titleSize, kTitleColour, DT_LEFT);
    }
    style(m_speedValue, labelSize, kTitleColour, DT_RIGHT);
    style(m_doubleClickValue, labelSize, kTitleColour, DT_RIGHT);
    style(m_speedSlow, labelSize, kLabelColour, DT_LEFT);
    style(m_doubleClickSlow, labelSize, kLabelColour, DT_LEFT);
    style(m_speedFast, labelSize, kLabelColour, DT_RIGHT);
    style(m_doubleClickFast, labelSize, kLabelColour, DT_RIGHT);
    style(m_precision, labelSize, kLabelColour, DT_LEFT);
    style(m_oneScreen, labelSize, kLabelColour, DT_LEFT);
    style(m_byLines, labelSize, kLabelColour, DT_LEFT);
    if (m_wheelLines) {
        m_wheelLines->SetFont(face.GetString(), labelSize, 0);
        m_wheelLines->SetTextColor(kTitleColour);
    }
}

// ---- what Windows holds ---------------------------------------------------------------------

void PointerSettingsBlock::OnWindowActivated(int shownPage) {
    // Another program may have changed the settings while the window was in the back.
    if (shownPage == kSettingsPage) ReloadPointerSettings();
}

void PointerSettingsBlock::ReloadPointerSettings() {
    const int shownSpeed = m_speed ? m_speed->GetProgress() + 1 : pointer::kMinSpeed;
    ShowSpeed(pointer::ReadSpeed(shownSpeed));
    if (m_precision) m_precision->SetCheck(pointer::ReadPrecision(m_precision->GetCheck() != 0) ? 1 : 0);
    ShowWheelLines(pointer::ReadWheelLines(pointer::kDefaultWheelLines));
    ShowDoubleClickTime(pointer::ReadDoubleClickTime());
}

void PointerSettingsBlock::ShowSpeed(int speed) {
    const int clamped = std::clamp(speed, pointer::kMinSpeed, pointer::kMaxSpeed);
    if (m_speed) m_speed->SetProgress(clamped - 1);
    if (m_speedValue) m_speedValue->SetTitle(Number(clamped).GetString());
}

void PointerSettingsBlock::ShowWheelLines(UINT lines) {
    const bool oneScreen = lines > static_cast<UINT>(pointer::kMaxWheelLines);
    if (m_oneScreen) m_oneScreen->SetControlCheck(oneScreen ? 1 : 0);
    if (m_byLines) m_byLines->SetControlCheck(oneScreen ? 0 : 1);
    if (!m_wheelLines) return;
    m_wheelLines->SetEnabled(oneScreen ? 0 : 1);
    const int shown = oneScreen ? 0 : std::max(static_cast<int>(lines), pointer::kMinWheelLines);
    m_wheelLines->SetEditText(Number(shown).GetString());
    m_wheelLines->UpdateControl(1, 0);
}

void PointerSettingsBlock::ShowDoubleClickTime(UINT milliseconds) {
    if (m_doubleClick) m_doubleClick->SetProgress(pointer::DoubleClickPositionOf(milliseconds));
    if (m_doubleClickValue) m_doubleClickValue->SetTitle(Number(milliseconds).GetString());
}

// ---- the user's changes ---------------------------------------------------------------------

bool PointerSettingsBlock::OnNotify(UINT id, UINT code, LRESULT& result) {
    switch (id) {
    case kSpeed: OnPointerSpeed(code); break;
    case kPrecision: OnPointerPrecision(); break;
    case kOneScreen:
    case kByLines: OnWheelMode(); break;
    case kWheelLines: OnWheelLines(code); break;
    case kDoubleClick:
        if (code == kActivated) OnDoubleClickSpeed();
        break;
    default: return false;
    }
    result = 0;
    return true;
}

// The label follows the thumb; Windows hears the speed when the thumb is let go.
void PointerSettingsBlock::OnPointerSpeed(UINT code) {
    if (!m_speed) return;
    const int speed = m_speed->GetProgress() + 1;
    ShowSpeed(speed);
    if (code == kActivated) pointer::WriteSpeed(speed);
}

void PointerSettingsBlock::OnPointerPrecision() {
    if (m_precision) pointer::WritePrecision(m_precision->GetCheck() != 0);
}

void PointerSettingsBlock::OnWheelMode() {
    if (!m_oneScreen) return;
    const bool oneScreen = m_oneScreen->GetCheck() != 0;
    const UINT lines = oneScreen ? pointer::kWheelOneScreen : pointer::kDefaultWheelLines;
    pointer::WriteWheelLines(lines);
    ShowWheelLines(lines);
}

// Code 2: a step of the arrows or keys; code 29: the typed text was committed. Either way
// Windows gets a number in range, never 0 (which would turn the wheel off).
void PointerSettingsBlock::OnWheelLines(UINT code) {
    if (!m_wheelLines || (code != kActivated && code != Kelvo::kNotifyEditorClosed)) return;
    // Disabling the field for one-screen scrolling closes its editor too.
    if (!m_byLines || !m_byLines->GetCheck()) return;
    const CString typed = m_wheelLines->GetEditText();
    const int lines = std::clamp(m_wheelLines->GetValue(), pointer::kMinWheelLines, pointer::kMaxWheelLines);
    if (Number(lines) != typed) {
        m_wheelLines->SetEditText(Number(lines).GetString());
        m_wheelLines->UpdateControl(1, 0);
    }
    pointer::WriteWheelLines(static_cast<UINT>(lines));
}

void PointerSettingsBlock::OnDoubleClickSpeed() {
    if (!m_doubleClick) return;
    const UINT milliseconds = pointer::DoubleClickTimeAt(m_doubleClick->GetProgress());
    pointer::WriteDoubleClickTime(milliseconds);
    ShowDoubleClickTime(milliseconds);
}
