#include "MacroRecording.h"

#include <algorithm>
#include <optional>

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
    : m_rows(std::move(existingRows)), m_firstRecorded(m_rows.size()), m_settings(settings), m_nextStamp(settings.firstStamp) {}

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
    int type = key ? (event.released ? kKeyUpStep : kKeyDownStep) : (event.released ? kButtonUpStep : kButtonDownStep);
    // A key or button already held when the recording started: its release
    // alone would play as a release of something never pressed.
    std::optional<std::size_t> press = event.released ? OpenPress(type, event.code) : std::nullopt;
    if (event.released && !press) return Result::kIgnored;

    if (m_settings.delayMode == DelayMode::kRecorded) {
        std::uint32_t delay = m_recordedOne ? std::min(tick - m_lastTick, kMaxRecordedDelay) : 0;
        m_lastTick = tick;
        m_recordedOne = true;
        if (delay > 0) {
            Append(FormatText(L" -   %d ms", {static_cast<int>(delay)}), kDelayStep, static_cast<int>(delay));
            if (IsFull()) return Result::kFull;
        }
    }
    Append((event.released ? L"\u2191  " : L"\u2193  ") + event.text, type, event.code);
    if (press) m_rows[*press].delay_time = m_rows.back().delay_time;
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

// The row of the press a release of `releaseType` ends: the last press of that
// key or button in this recording, unless a release already ended it.
std::optional<std::size_t> MacroRecording::OpenPress(int releaseType, int value) const {
    for (std::size_t i = m_rows.size(); i-- > m_firstRecorded;) {
        const MacroStep& row = m_rows[i];
        if (row.value != value) continue;
        if (row.type == releaseType) return std::nullopt;
        if (row.type == releaseType - 1) return i;
    }
    return std::nullopt;
}
