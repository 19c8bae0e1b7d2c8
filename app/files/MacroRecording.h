#pragma once
// A macro recording in progress: key and button events, with the delays
// between them when those are recorded, become the rows of the macro's step
// list, appended after the rows it already has.
//
// Each row has a group number (its MacroStep delay_time): numbers count up from
// the recording's first one, and a release gives its press the release's number,
// so that a key's or button's two rows stay one group when edited. A release
// whose press this recording did not see is not recorded.
#include <cstdint>
#include <optional>
#include <vector>

#include "Geometry.h"
#include "InputEvent.h"
#include "MacroRecords.h"

enum class DelayMode {
    kNone = 0,      // no delay rows
    kRecorded = 1,  // the time between events becomes a delay row
    kFixed = 2,     // no delay rows: the macro's fixed delay applies when it plays
};

inline constexpr int kRecordLimit = 200;
inline constexpr std::uint32_t kMaxRecordedDelay = 31000;

struct RecordingSettings {
    DelayMode delayMode = DelayMode::kRecorded;
    int limit = kRecordLimit;
    // Count only key and button rows towards the limit (the second chip family's
    // macros are limited in events); otherwise every row counts.
    bool countEventsOnly = false;
    // Group number of the first row recorded (the tick the recording started at).
    std::uint32_t firstStamp = 0;
    // Screen area whose button clicks are not recorded: the record button, so
    // the click that stops a recording is not part of it.
    CRect ignoredArea;
};

// The settings for a model: second-family models count events only.
RecordingSettings SettingsForModel(int deviceType, DelayMode delayMode, std::uint32_t firstStamp, const CRect& ignoredArea);

class MacroRecording {
public:
    MacroRecording(std::vector<MacroStep> existingRows, const RecordingSettings& settings);

    enum class Result {
        kIgnored,  // nothing added
        kAdded,
        kFull,     // rows were added and the list is at its limit: stop recording
    };

    // Adds an event that happened at `tick` (milliseconds) with the cursor at
    // `cursor` (screen coordinates, used for button events).
    Result Add(const InputEvent& event, std::uint32_t tick, const CPoint& cursor);

    // Every row, the macro's own first; record_index is the row's position.
    const std::vector<MacroStep>& Rows() const { return m_rows; }
    bool IsFull() const;

private:
    void Append(const CString& text, int type, int value);
    std::optional<std::size_t> OpenPress(int releaseType, int value) const;

    std::vector<MacroStep> m_rows;
    std::size_t m_firstRecorded;  // rows before it are the macro's own
    RecordingSettings m_settings;
    std::uint32_t m_nextStamp;
    std::uint32_t m_lastTick = 0;
    bool m_recordedOne = false;
};
