#pragma once
// A control that writes down every event it receives ("name:event" entries in a shared
// log), counts how often it renders into its cache, and notes the thread of each tick.
// It pre-renders two frames side by side, normal and hover, so that hovering only moves
// the source of the copy: a render happens only when the cache was marked stale.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "MControlFont.h"

namespace harness {

// The log must outlive every control that writes to it (they write as they are
// destroyed): declare it before the window. A log that goes first would be written
// after its end, so it stops the program at once and says why.
class EventLog {
public:
    EventLog() = default;
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;
    ~EventLog();
    void Add(const std::string& entry) { entries.push_back(entry); }
    void Clear() { entries.clear(); }
    // Entries that start with `prefix` (for instance "a:" for one control).
    std::vector<std::string> Starting(const std::string& prefix) const;
    std::vector<std::string> entries;

private:
    friend class RecordingControl;
    int m_writers = 0;
};

class RecordingControl : public Kelvo::MControlFont {
public:
    RecordingControl(Kelvo::MObject* parent, EventLog& log, const std::string& name, UINT id, CRect rect,
                     int visible = 1, int enabled = 1, int responsive = 1);
    ~RecordingControl() override;

    const wchar_t* GetClassNameW() override { return L"RecordingControl"; }

    void DrawControl(HDC dc, const CRect& clip) override;
    int SetControlFocus(int focus) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;
    int OnControlLButtonDblClk(UINT flags, CPoint point) override;
    int OnControlRButtonDown(UINT flags, CPoint point) override;
    int OnControlRButtonUp(UINT flags, CPoint point) override;
    int OnControlRButtonDblClk(UINT flags, CPoint point) override;
    int OnControlScroll(int bar, int direction, CPoint point) override;
    int OnControlKeyDown(UINT key, UINT repeat, UINT modifiers) override;
    int OnControlTimer() override;

    void AcceptDoubleClicks(bool accept) { m_bDblClk = accept ? 1 : 0; }
    void NotifyDoubleClicks(bool notify) { m_bNotifyDblClk = notify ? 1 : 0; }
    void NotifyKeys(bool notify) { m_bNotifyHotKey = notify ? 1 : 0; }
    void TrackOutside(bool track) { m_bTrackOutside = track ? 1 : 0; }
    void SetColors(COLORREF normal, COLORREF hover) {
        m_normal = normal;
        m_hover = hover;
    }
    bool IsHovered() const { return m_hovered; }
    const std::string& Name() const { return m_name; }

    // What the handlers answer: 1 (handled) unless told otherwise.
    int answer = 1;
    // Keys are handled only when this is set (or the control's hot key matches).
    bool takesKeys = false;
    // Runs after each logged event, with the event's name (for example "tick").
    std::function<void(RecordingControl&, const std::string&)> onEvent;

    int renders = 0;
    int moves = 0;
    CPoint lastPoint;
    std::vector<DWORD> tickThreads;
    std::vector<DWORD> tickTimes;

private:
    void Log(const std::string& event);
    void LogAt(const std::string& event, CPoint point);

    EventLog& m_log;
    std::string m_name;
    COLORREF m_normal = RGB(0x20, 0x40, 0x80);
    COLORREF m_hover = RGB(0x80, 0x40, 0x20);
    bool m_hovered = false;
};

// A container whose children live in content coordinates shifted by `offset`, the way a
// scrolled panel's do; its scroll bars (IDs 1 and 2) stay in window coordinates.
class OffsetPanel : public RecordingControl {
public:
    using RecordingControl::RecordingControl;
    int OnMousePointChange(CPoint& point) override;
    CPoint offset;
};

}  // namespace harness
