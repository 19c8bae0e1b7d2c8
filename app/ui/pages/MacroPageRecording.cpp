// Recording a macro from the real keyboard and mouse: the events are appended after the
// rows the macro has, and stored when the recording stops (by the record button, at the
// limit, or when the window is hidden). While it runs only the record button works.
#include "MacroPage.h"

#include <algorithm>

#include "CIconButton.h"
#include "CRadioButton.h"
#include "CRecordList.h"
#include "MEdit.h"
#include "MacroList.h"

namespace {

constexpr int kTabControl = 44;
constexpr int kProfileButton = 56;
constexpr int kMacroPageNumber = 4;
constexpr UINT kLockedIds[] = {141, 142, 143, 144, 152, 153, 154, 155, 156, 159, 160, 161, 163,
                               166, 167, 168, 170, 172, 175, 173, 174, 176, 177};

// A first stamp from which a whole recording's numbers are free: recorded groups never
// join the groups the macro already has.
int FreeStampRange(const std::vector<MacroStep>& rows, int wanted, int span) {
    int first = wanted;
    for (bool moved = true; moved;) {
        moved = false;
        for (const MacroStep& row : rows) {
            if (row.delay_time >= first && row.delay_time - first < span) {
                first = row.delay_time + 1;
                moved = true;
            }
        }
    }
    return first;
}

}  // namespace

void MacroPage::ToggleRecording() {
    if (SelectedMacro() <= 0) {
        m_c.Context().Ask(358, 387, 0);
        return;
    }
    m_nRecordLimit = kRecordLimit;
    if (m_bRecording) StopRecording();
    else StartRecording();
}

void MacroPage::StartRecording() {
    m_capture.Stop();
    if (!m_events || !m_record) return;
    std::vector<MacroStep> rows;
    for (const Kelvo::RecordItem& item : m_events->GetRecordItems()) {
        MacroStep row;
        row.desc = item.text;
        row.type = item.type;
        row.value = item.value;
        row.delay_time = item.timeStamp;
        row.record_index = static_cast<int>(rows.size());
        rows.push_back(row);
    }
    int delayMode = 1;
    for (size_t i = 0; i < m_delayOptions.size(); ++i) {
        if (m_delayOptions[i] && m_delayOptions[i]->GetCheck()) delayMode = static_cast<int>(i);
    }
    if (delayMode == 2 && m_fixedDelay && m_fixedDelay->GetControlTitle().IsEmpty()) m_fixedDelay->SetTitle(L"10");
    m_nRecordDelayMode = delayMode;
    // The click that stops the recording lands on the record button: it is not recorded.
    CRect button = m_record->GetRect();
    POINT corners[2] = {{button.left, button.top}, {button.right, button.bottom}};
    MapWindowPoints(m_c.Window().GetSafeHwnd(), nullptr, corners, 2);
    const CRect screen(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
    const int first = FreeStampRange(rows, static_cast<int>(GetTickCount()), 2 * m_nRecordLimit + 1);
    RecordingSettings settings = SettingsForModel(m_c.Context().DeviceType(), static_cast<DelayMode>(delayMode),
                                                  static_cast<std::uint32_t>(first), screen);
    settings.limit = m_nRecordLimit;
    m_recording = std::make_unique<MacroRecording>(std::move(rows), settings);
    m_nCaptureMode = kCaptureMacro;
    m_capture.Start([this](const InputEvent& event) { OnRecordedEvent(event); });
    m_record->SetTitle(m_c.Context().Text(359).GetString());
    m_record->SetIconImage(L"icon\\icon_stop_rec.png", 4);
    SetRecordingLock(true);
    m_bRecording = true;
}

void MacroPage::StopRecording() {
    m_capture.Stop();
    m_nCaptureMode = kCaptureNone;
    m_recording.reset();
    SaveMacroEvents();
    if (m_record) {
        m_record->SetTitle(m_c.Context().Text(358).GetString());
        m_record->SetIconImage(L"icon\\icon_rec.png", 4);
    }
    SetRecordingLock(false);
    ApplyOptionRules();
    m_bRecording = false;
    if (m_reloadWaiting) ReloadMacroPage();
}

// The list follows the recording: new rows are appended, and a release gives its press
// row the group's stamp.
void MacroPage::OnRecordedEvent(const InputEvent& event) {
    if (!m_recording || !m_events) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    const MacroRecording::Result result = m_recording->Add(event, GetTickCount(), CPoint(cursor.x, cursor.y));
    if (result == MacroRecording::Result::kIgnored) return;
    const std::vector<MacroStep>& rows = m_recording->Rows();
    const int shown = m_events->GetItemCount();
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const MacroStep& row = rows[static_cast<size_t>(i)];
        if (i >= shown) {
            m_events->AddString(row.desc.GetString(), row.type, row.value, row.delay_time);
        } else if (m_events->GetRecrodTimeStamp(i) != row.delay_time) {
            m_events->SetRecordInfo(i, row.desc.GetString(), row.type, row.value, row.delay_time);
        }
    }
    if (result == MacroRecording::Result::kFull) ToggleRecording();
}

// Disables the page (and the window's tab control and profile button) for a recording,
// and afterwards enables again exactly what it disabled.
void MacroPage::SetRecordingLock(bool recording) {
    if (!recording) {
        for (Kelvo::MControl* control : m_lockedByRecording) control->SetEnabled(1);
        m_lockedByRecording.clear();
        return;
    }
    m_lockedByRecording.clear();
    auto lock = [this](Kelvo::MControl* control) {
        if (!control || !control->IsEnabled()) return;
        control->SetEnabled(0);
        m_lockedByRecording.push_back(control);
    };
    lock(m_c.Window().GetControl(kTabControl));
    lock(m_c.Window().GetControl(kProfileButton));
    for (UINT id : kLockedIds) lock(m_c.Window().GetControl(id));
}

// Leaving the page or hiding the window ends a recording (it is stored) and a key
// capture of the value field.
void MacroPage::OnShownPageChanged(int shownPage) {
    if (shownPage == kMacroPageNumber) return;
    if (m_bRecording) StopRecording();
    if (m_nCaptureMode == kCaptureStepKey) {
        m_capture.Stop();
        m_nCaptureMode = kCaptureNone;
    }
}
