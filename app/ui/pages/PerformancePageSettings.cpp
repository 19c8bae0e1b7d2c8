// The mouse's device settings on the settings page (its left column): lift-off distance,
// sensor switches, scroll direction, e-sports mode, button response time, lighting sleep
// time and angle snapping. They edit the performance values, so the performance page
// owns them and reloads them with its own.
#include "PerformancePage.h"

#include <algorithm>

#include "CCheckButton.h"
#include "CHelpButton.h"
#include "CRadioButton.h"
#include "CSwitchButton.h"
#include "DeviceTypeRanges.h"
#include "MAngletunability.h"
#include "MComboBox.h"
#include "MPicture.h"
#include "MText.h"
#include "NumberEdit.h"
#include "SettingsDatabase.h"

namespace {

constexpr int kContainer = 49;
constexpr UINT kActivated = 2;
constexpr UINT kEditorClosed = 29;
constexpr Gdiplus::ARGB kWhite = 0xFFFFFFFF;
constexpr int kResponseMax = 20;
constexpr int kSensorBits[] = {4, 8, 16};
constexpr int kSensorTitles[] = {506, 507, 508};
// The rows of the left column, top to bottom: their caption's control ID and text.
struct Row {
    UINT captionId;
    int textId;
};
constexpr Row kRows[] = {{222, 501}, {225, 505}, {232, 515}, {237, 520}, {241, 525}, {244, 527}, {266, 511}};
enum RowIndex { kLiftOffRow, kSensorRow, kScrollRow, kEsportsRow, kResponseRow, kSleepRow, kAngleRow };
// Where each row starts below the column's body, in design pixels (the sensor row holds
// three boxes, the angle row its picture and slider).
constexpr int kRowTop[] = {14, 58, 166, 210, 254, 298, 342};
constexpr int kValueX = 230;
constexpr int kSleepMinutes[] = {1, 5, 10, 20, 25, 30, 35, 40};

template <class Radio, std::size_t N>
void CheckOnly(const std::array<Radio*, N>& radios, std::size_t index) {
    for (std::size_t i = 0; i < N; ++i) {
        if (radios[i]) radios[i]->SetControlCheck(i == index ? 1 : 0);
    }
}

}  // namespace

void PerformancePage::CreateDeviceSettings() {
    auto section = [this](UINT id) {
        auto* picture = m_c.Make<Kelvo::MPicture>(kContainer, L"MPicture", id);
        if (picture) {
            picture->SetImage(L"img_area2.png", 1);
            picture->SetShowMode(Kelvo::SHOWMODE_FRAME, 10);
        }
        return picture;
    };
    m_settingsHeader = section(218);
    m_captions[0] = {m_c.Make<Kelvo::MText>(kContainer, L"MText", 219), 500};
    m_settingsBody = section(220);
    for (std::size_t i = 0; i < std::size(kRows); ++i)
        m_captions[i + 1] = {m_c.Make<Kelvo::MText>(kContainer, L"MText", kRows[i].captionId), kRows[i].textId};
    for (const Caption& caption : m_captions) {
        if (caption.text) caption.text->SetFontName(m_c.Context().FontName().GetString());
    }
    auto radio = [this](UINT id, const wchar_t* group) {
        auto* button = m_c.Make<Kelvo::CRadioButton>(kContainer, L"CRadioButton", id);
        if (button) {
            button->SetImage(L"btn_radiobox.png", 8);
            button->SetGroupName(group);
        }
        return button;
    };
    m_liftOff = {radio(223, L"IDC_PER_STC_LOD"), radio(224, L"IDC_PER_STC_LOD")};
    CheckOnly(m_liftOff, 0);
    for (auto& box : m_sensor) {
        box = m_c.Make<Kelvo::CCheckButton>(kContainer, L"CCheckButton", 228);
        if (box) box->SetImage(L"btn_radiobox.png", 8);
    }
    if (m_sensor[2]) m_sensor[2]->SetCheck(1);
    m_scroll = {radio(233, L"IDC_SYS_STC_SROLL"), radio(234, L"IDC_SYS_STC_SROLL")};
    m_esports = {radio(238, L"IDC_SYS_STC_GAMEMODE"), radio(239, L"IDC_SYS_STC_GAMEMODE")};
    if ((m_response = m_c.Make<Kelvo::NumberEdit>(kContainer, L"NumberEdit", 242))) {
        m_response->SetImage(L"img_edit.png", 1);
        m_response->SetValueRange(0, kResponseMax);
    }
    if ((m_sleep = m_c.Make<Kelvo::MComboBox>(kContainer, L"MComboBox", 245))) {
        m_sleep->SetImage(L"img_combobox.png", 4);
        m_sleep->SetTextColorEx(kWhite, kWhite);
        m_sleep->SetAlignment(DT_CENTER);
        m_sleep->SetFontName(m_c.Context().FontName2().GetString());
    }
    if ((m_angleSwitch = m_c.Make<Kelvo::CSwitchButton>(kContainer, L"CSwitchButton", 269))) {
        m_angleSwitch->SetImage(L"img_switch_btn_on.png", L"img_switch_btn_off.png", 4);
        m_angleSwitch->SetCheck(1);
    }
    if ((m_anglePicture = m_c.Make<Kelvo::MPicture>(kContainer, L"MPicture", 271)))
        m_anglePicture->SetImage(L"img_angletunability.png", 1);
    m_angle = m_c.Make<Kelvo::MAngletunability>(kContainer, L"MAngletunability", 272);
    // The help of the rows that need one: sensor, e-sports mode, response time, angle snapping.
    const UINT helpIds[] = {227, 240, 243, 267};
    for (std::size_t i = 0; i < m_settingsHelp.size(); ++i) {
        if (auto* help = m_c.Make<Kelvo::CHelpButton>(kContainer, L"CHelpButton", helpIds[i])) {
            help->SetImage(L"img_help.png", 4);
            m_settingsHelp[i] = help;
        }
    }
}

void PerformancePage::PlaceDeviceSettings() {
    auto S = [this](double v) { return m_c.S(v); };
    const CString& font = m_c.Context().FontName();
    const int left = 100;
    const int right = 100 + S(490);
    PageControls::Place(m_settingsHeader, CRect(left, 75, left + S(200), 75 + S(40)));
    if (m_captions[0].text) {
        PageControls::Place(m_captions[0].text, CRect(left + S(10), 75, left + S(200), 75 + S(40)));
        m_captions[0].text->SetFont(font.GetString(), S(18), 0);
    }
    const int body = 75 + S(50);
    PageControls::Place(m_settingsBody, CRect(left, body, right, body + S(560)));
    auto rowTop = [&](int row) { return body + S(kRowTop[row]); };
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        Kelvo::MText* caption = m_captions[i + 1].text;
        const int top = rowTop(static_cast<int>(i));
        PageControls::Place(caption, CRect(left + S(10), top, left + S(kValueX - 30), top + S(30)));
        if (caption) caption->SetFont(font.GetString(), S(16), 0);
    }
    auto pair = [&](auto& radios, int row) {
        const int top = rowTop(row);
        for (std::size_t i = 0; i < radios.size(); ++i) {
            const int x = left + S(kValueX + 130 * static_cast<int>(i));
            PageControls::Place(radios[i], CRect(x, top, x + S(120), top + S(30)));
            if (radios[i]) radios[i]->SetFont(font.GetString(), S(14), 0);
        }
    };
    pair(m_liftOff, kLiftOffRow);
    for (std::size_t i = 0; i < m_sensor.size(); ++i) {
        const int top = rowTop(kSensorRow) + S(34 * static_cast<int>(i));
        PageControls::Place(m_sensor[i], CRect(left + S(kValueX), top, right - S(10), top + S(30)));
        if (m_sensor[i]) m_sensor[i]->SetFont(font.GetString(), S(14), 0);
    }
    pair(m_scroll, kScrollRow);
    pair(m_esports, kEsportsRow);
    const int response = rowTop(kResponseRow);
    PageControls::Place(m_response, CRect(left + S(kValueX), response, left + S(kValueX + 110), response + S(30)));
    if (m_response) m_response->SetFont(font.GetString(), S(14), 0);
    const int sleep = rowTop(kSleepRow);
    PageControls::Place(m_sleep, CRect(left + S(kValueX), sleep, left + S(kValueX + 120), sleep + S(28)));
    if (m_sleep) {
        m_sleep->SetFontWidth(S(14));
        m_sleep->SetTextRect(CRect(3, 2, std::max(3, S(120) - S(28)), std::max(2, S(28) - 2)));
    }
    const int angle = rowTop(kAngleRow);
    PageControls::Place(m_angleSwitch, CRect(left + S(kValueX), angle, left + S(kValueX + 60), angle + S(30)));
    PageControls::Place(m_anglePicture, CRect(left + S(10), angle + S(44), left + S(190), angle + S(116)));
    PageControls::Place(m_angle, CRect(left + S(200), angle + S(40), right - S(20), angle + S(120)));
    // Each help icon follows its row's caption.
    const int helpRows[] = {kSensorRow, kEsportsRow, kResponseRow, kAngleRow};
    for (std::size_t i = 0; i < m_settingsHelp.size(); ++i) {
        const int top = rowTop(helpRows[i]) + (S(30) - 15) / 2;
        PageControls::Place(m_settingsHelp[i], CRect(left + S(kValueX - 26), top, left + S(kValueX - 26) + 15, top + 15));
    }
}

void PerformancePage::ApplySettingsLanguage() {
    PageContext& context = m_c.Context();
    auto title = [&](Kelvo::MControlFont* control, int textId) {
        if (control) control->SetTitle(context.Text(textId).GetString());
    };
    title(m_liftOff[0], 502);
    title(m_liftOff[1], 503);
    for (std::size_t i = 0; i < m_sensor.size(); ++i) title(m_sensor[i], kSensorTitles[i]);
    title(m_scroll[0], 516);
    title(m_scroll[1], 517);
    title(m_esports[0], 521);
    title(m_esports[1], 522);
    const int helpTexts[] = {509, 529, 526, 512};
    for (std::size_t i = 0; i < m_settingsHelp.size(); ++i)
        title(dynamic_cast<Kelvo::MControlFont*>(m_settingsHelp[i]), helpTexts[i]);
    m_sleepListFamily = -1;  // the minutes' suffix is a text
    ShowSleepList();
}

bool PerformancePage::OnSettingsNotify(UINT id, UINT code, LRESULT& result) {
    result = 1;
    switch (id) {
    case 223: case 224:
        if (code != kActivated) return true;
        Store(L"liftoff_height", id == 223 ? 1 : 2);
        m_c.Context().Queue(kTaskSensor);
        return true;
    case 228:
        if (code == kActivated) StoreSensorFlags();
        return true;
    case 233: case 234:
        if (code != kActivated) return true;
        Store(L"scroll_flag", id == 233 ? 1 : 2);
        m_c.Context().Queue(kTaskSensor);
        return true;
    case 238: case 239: return true;  // shown, never chosen here
    case 242: ChangeResponseTime(code); return true;
    case 245: if (code == kActivated) ChooseSleepTime(); return true;
    case 269: if (code == kActivated) SwitchAngleSnapping(); return true;
    case 272:
        if (code != kActivated || !m_angle) return true;
        Store(L"angle_tunability", m_angle->GetAngleValue());
        m_c.Context().Queue(kTaskSensor);
        return true;
    default: return false;
    }
}

// The three boxes own their bits; the flag's other bits (settings this page does not
// show) stay as the mouse has them.
void PerformancePage::StoreSensorFlags() {
    int flags = Stored(L"sensor_flag") & ~(kSensorBits[0] | kSensorBits[1] | kSensorBits[2]);
    for (std::size_t i = 0; i < m_sensor.size(); ++i) {
        if (m_sensor[i] && m_sensor[i]->GetCheck()) flags |= kSensorBits[i];
    }
    Store(L"sensor_flag", flags);
    m_c.Context().Queue(kTaskSensor);
}

// What the field shows is clamped to 0 … 20 before it is stored or sent, and only a
// committed value (the editor closed, or a button of the field) goes to the mouse.
void PerformancePage::ChangeResponseTime(UINT code) {
    if (!m_response || (code != kEditorClosed && code != kActivated)) return;
    const int value = std::clamp(m_response->GetValue(), 0, kResponseMax);
    const CString text(std::to_wstring(value).c_str());
    if (m_response->GetEditText() != text) m_response->SetEditText(text.GetString());
    Store(L"button_respondtime", value);
    m_c.Context().Queue(kTaskResponseTime);
}

void PerformancePage::ChooseSleepTime() {
    if (!m_sleep || m_sleep->GetCurSel() < 0) return;
    Store(L"sleep_light", static_cast<int>(m_sleep->GetCurData()));
    m_c.Context().Queue(IsSecondFamilyOnWire(m_c.Context().DeviceType()) ? kTaskSensor : kTaskSleepTime);
}

void PerformancePage::SwitchAngleSnapping() {
    if (!m_angleSwitch) return;
    const bool on = m_angleSwitch->GetCheck() != 0;
    if (!on && m_angle) m_angle->SetAngleValue(0);
    Store(L"angle_tunability_switch", on ? 1 : 0);
    Store(L"angle_tunability", 0);
    m_c.Context().Queue(kTaskSensor);
}

// The sleep times the model offers: the second family codes them 3 … 10, the output
// dialect in minutes; the feature dialect has none.
void PerformancePage::ShowSleepList() {
    const int type = m_c.Context().DeviceType();
    const int family = IsSecondFamilyOnWire(type) ? 2 : IsOutputDialectOnWire(type) ? 3 : 1;
    m_sleepShown = family != 1;
    for (Kelvo::MControl* control : {static_cast<Kelvo::MControl*>(m_sleep), static_cast<Kelvo::MControl*>(m_captions[1 + kSleepRow].text)}) {
        if (control) control->SetVisible(m_sleepShown ? 1 : 0);
    }
    if (!m_sleep || family == m_sleepListFamily) return;
    m_sleepListFamily = family;
    m_sleep->DelAllItems();
    if (!m_sleepShown) return;
    const CString suffix = m_c.Context().Text(545);
    for (std::size_t i = 0; i < std::size(kSleepMinutes); ++i) {
        const DWORD data = family == 2 ? static_cast<DWORD>(3 + i) : static_cast<DWORD>(kSleepMinutes[i]);
        const CString text = CString(std::to_wstring(kSleepMinutes[i]).c_str()) + suffix;
        m_sleep->AddItem(text.GetString(), data, nullptr, kWhite);
    }
}

void PerformancePage::ShowDeviceSettings() {
    if (m_response) m_response->SetEditText(std::to_wstring(std::clamp(Stored(L"button_respondtime"), 0, kResponseMax)).c_str());
    // The radio shown is the stored flag: 2 is on, anything else off.
    CheckOnly(m_esports, Stored(L"e-sports_flag") == 2 ? 0 : 1);
    const int sensor = Stored(L"sensor_flag");
    for (std::size_t i = 0; i < m_sensor.size(); ++i) {
        if (m_sensor[i]) m_sensor[i]->SetCheck((sensor & kSensorBits[i]) ? 1 : 0);
    }
    CheckOnly(m_liftOff, Stored(L"liftoff_height") == 2 ? 1 : 0);
    CheckOnly(m_scroll, Stored(L"scroll_flag") == 1 ? 0 : 1);
    ShowSleepList();
    if (m_sleep && m_sleepShown && !m_sleep->SelectData(static_cast<DWORD>(Stored(L"sleep_light"))))
        m_sleep->SetCurSel(-1);
    if (m_angle) m_angle->SetAngleValue(Stored(L"angle_tunability"));
    if (m_angleSwitch) m_angleSwitch->SetCheck(Stored(L"angle_tunability_switch") == 1 ? 1 : 0);
}
