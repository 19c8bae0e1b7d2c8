#include "MacroRecording.h"

#include <algorithm>

#include "DeviceTypeRanges.h"
#include "TextFormat.h"

namespace {

// Step types of recorded rows.
constexpr int kDelayStep = 1;
constexpr int kKeyDownStep = 2;
constexpr int kKeyUpStep = 3;
constexpr int kButtonDownStep = 4;
constexpr int kButtonUpStep = 5;

bool IsEventRow(const MacroStep& row) { return row.type >= kKeyDownStep && row.type <= kButtonUpStep; }

bool Contains(const CRect& area, const CPoint& p) { return p.x >= area.left && p.x < area.right && p.y >= area.top && p.y < area.bottom; }

}  // namespace

RecordingSettings SettingsForModel(int deviceType, DelayMode delayMode, std::uint32_t firstStamp, const CRect& ignoredArea) {
    RecordingSettings settings;
    settings.delayMode = delayMode;
    settings.countEventsOnly = IsSecondFamilyOnPages(deviceType);
    settings.firstStamp = firstStamp;
    settings.ignoredArea = ignoredArea;
    return settings;
}

MacroRecording::MacroRecording(std::vector<MacroStep> existingRows, const RecordingSettings& settings)
    : m_rows(std::move(existingRows)), m_settings(settings), m_nextStamp(settings.firstStamp) {}

bool MacroRecording::IsFull() const {
    std::size_t count = m_settings.countEventsOnly ? static_cast<std::size_t>(std::count_if(m_rows.begin(), m_rows.end(), IsEventRow))
                                                   : m_rows.size();
    return count >= static_cast<std::size_t>(std::max(m_settings.limit, 0));
}

MacroRecording::Result MacroRecording::Add(const InputEvent& event, std::uint32_t tick, const CPoint& cursor) {
    if (IsFull() || event.text.IsEmpty()) return Result::kIgnored;
    bool key = event.kind == InputKind::kKey;
    if (!key && event.kind != InputKind::kMouseButton) return Result::kIgnored;
    if (!key && Contains(m_settings.ignoredArea, cursor)) return Result::kIgnored;

    if (m_settings.delayMode == DelayMode::kRecorded) {
        std::uint32_t delay = m_recordedOne ? std::min(tick - m_lastTick, kMaxRecordedDelay) : 0;
        m_lastTick = tick;
        m_recordedOne = true;
        if (delay > 0) {
            Append(FormatText(L" -   %d ms", {static_cast<int>(delay)}), kDelayStep, static_cast<int>(delay));
            if (IsFull()) return Result::kFull;
        }
    }
    int type = key ? (event.released ? kKeyUpStep : kKeyDownStep) : (event.released ? kButtonUpStep : kButtonDownStep);
    Append((event.released ? L"\u2191  " : L"\u2193  ") + event.text, type, event.code);
    if (event.released) GroupWithPress(type, event.code);
    return IsFull() ? Result::kFull : Result::kAdded;
}

void MacroRecording::Append(const CString& text, int type, int value) {
    MacroStep row;
    row.desc = text;
    row.type = type;
    row.value = value;
    row.delay_time = static_cast<int>(m_nextStamp++);
    row.record_index = static_cast<int>(m_rows.size());
    m_rows.push_back(row);
}

// From the last row back: the release's rows share its number, down to and
// including the press it ends.
void MacroRecording::GroupWithPress(int releaseType, int value) {
    int stamp = m_rows.back().delay_time;
    for (auto row = m_rows.rbegin(); row != m_rows.rend(); ++row) {
        if (row->value != value) continue;
        if (row->type == releaseType) {
            row->delay_time = stamp;
        } else if (row->type == releaseType - 1) {
            row->delay_time = stamp;
            return;
        }
    }
}
