// What each action on the lighting page does: the lighting record it changes for the
// active mode, and the task that sends that mode to the mouse.
#include "LightingPage.h"

#include <algorithm>
#include <cwctype>
#include <string>

#include "CArea.h"
#include "CColorButton.h"
#include "CUIMessageBox.h"
#include "LightSlider.h"
#include "MComboBox.h"
#include "MEdit.h"
#include "PaletteBar.h"
#include "PerformancePackets.h"
#include "SettingsDatabase.h"
#include "TextNotifications.h"

namespace {

constexpr UINT kActivated = 2;
constexpr UINT kAnswerNo = 2;

// The leading digits of `text` as a number (at most 1000, enough to see it is too big);
// text without digits reads as 0.
int LeadingNumber(const CString& text) {
    int value = 0;
    for (const wchar_t* p = text.GetString(); *p && std::iswdigit(*p); ++p) {
        value = std::min(value * 10 + (*p - L'0'), 1000);
    }
    return value;
}

int ColourByte(const CString& text) { return std::min(LeadingNumber(text), 255); }

}  // namespace

bool LightingPage::OnNotify(UINT id, UINT code, LRESULT& result) {
    result = 1;
    if (id >= kFirstSwatchId && id < kFirstSwatchId + kSwatches) {
        if (code == kActivated) ChooseSwatch(id);
        return true;
    }
    if (id >= kFirstColourFieldId && id < kFirstColourFieldId + 3) {
        if (code == Kelvo::kNotifyTextChanged) TypeColour(id);
        return true;
    }
    if (id < 186 || id > 214) return false;
    if (code != kActivated) return true;
    switch (id) {
    case 190: ChooseMode(); break;
    case 193: RestoreLighting(); break;
    case 195: SetBrightness(); break;
    case 197: SetSpeed(); break;
    case 208: case 211: ChooseHue(); break;
    default: break;
    }
    return true;
}

void LightingPage::ChooseMode() {
    if (!m_modes || m_modes->GetCurSel() < 0) return;
    m_nLightMode = static_cast<int>(m_modes->GetCurData());
    ShowLightMode();
    DeviceTask task{kTaskLighting};
    task.lightMode = m_nLightMode;
    m_c.Context().Queue(task);
}

void LightingPage::SetBrightness() {
    LightRecord light;
    if (!m_brightness || !ActiveRecord(light)) return;
    light.brightness = std::clamp(m_brightness->GetProgress(), 0, 255);
    StoreAndSend(light);
}

void LightingPage::SetSpeed() {
    LightRecord light;
    if (!m_speed || !ActiveRecord(light)) return;
    light.speed = std::clamp(m_speed->GetProgress(), m_speed->GetMinProgress(), m_speed->GetMaxProgress());
    StoreAndSend(light);
}

void LightingPage::ChooseSwatch(UINT id) {
    Kelvo::CColorButton* swatch = m_swatches[id - kFirstSwatchId];
    if (!swatch) return;
    const COLORREF colour = swatch->GetColor();
    const int bytes[] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
    for (int i = 0; i < 3; ++i) {
        if (m_fields[i]) m_fields[i]->SetTitle(std::to_wstring(bytes[i]).c_str());
    }
    ApplyLightColor(colour);
}

// The hue bar's colour carries 0xFF in its top byte, and is stored with it.
void LightingPage::ChooseHue() {
    if (!m_hue || !m_saturation) return;
    for (Kelvo::CColorButton* swatch : m_swatches) {
        if (swatch) swatch->SetControlCheck(0);
    }
    const DWORD colour = m_hue->PaletteHSLToRGB(std::clamp(m_saturation->GetProgress(), 0, 200));
    const int bytes[] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
    for (int i = 0; i < 3; ++i) {
        if (m_fields[i]) m_fields[i]->SetTitle(std::to_wstring(bytes[i]).c_str());
    }
    ApplyLightColor(colour);
}

void LightingPage::TypeColour(UINT id) {
    Kelvo::MEdit* typed = m_fields[id - kFirstColourFieldId];
    if (!typed) return;
    const CString text = typed->GetEditText();
    // Only a number beyond the range is written back: rewriting "" or "07" would move
    // the caret under the user's typing.
    if (LeadingNumber(text) > 255) typed->SetTitle(std::to_wstring(ColourByte(text)).c_str());
    int bytes[3] = {};
    for (int i = 0; i < 3; ++i) bytes[i] = m_fields[i] ? ColourByte(m_fields[i]->GetEditText()) : 0;
    ApplyLightColor(static_cast<DWORD>(bytes[0] + bytes[1] * 256 + bytes[2] * 65536));
}

void LightingPage::ApplyLightColor(DWORD colour) {
    if (m_preview) m_preview->SetTransparent(0, 0, colour);
    LightRecord light;
    if (!ActiveRecord(light)) return;
    light.color_value = static_cast<int>(colour);
    StoreAndSend(light);
}

void LightingPage::RestoreLighting() {
    if (m_c.Context().Ask(276, 275, CUIMessageBox::kQuestion) == kAnswerNo) return;
    // The worker resets the store's lighting and asks for this page's reload when done.
    DeviceTask task{kTaskResetParts};
    task.resetMask = codec::kResetLighting;
    m_c.Context().Queue(task);
}

bool LightingPage::ActiveRecord(LightRecord& record) {
    if (!HasLighting()) return false;
    return m_c.Context().Store().GetLight(Profile(), m_nLightMode, record);
}

void LightingPage::StoreAndSend(const LightRecord& record) {
    m_c.Context().Store().UpdateLight(Profile(), m_nLightMode, record);
    DeviceTask task{kTaskLighting};
    task.lightMode = m_nLightMode;
    m_c.Context().Queue(task);
}
