#include "RecordingControl.h"

#include <cstdio>
#include <cstdlib>

namespace harness {

EventLog::~EventLog() {
    if (m_writers == 0) return;
    std::fprintf(stderr, "EventLog: destroyed while %d recording control(s) still write to it; declare the log "
                         "before the window that owns them\n", m_writers);
    std::fflush(stderr);
    std::abort();
}

std::vector<std::string> EventLog::Starting(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& entry : entries)
        if (entry.compare(0, prefix.size(), prefix) == 0) found.push_back(entry);
    return found;
}

RecordingControl::RecordingControl(Kelvo::MObject* parent, EventLog& log, const std::string& name, UINT id,
                                   CRect rect, int visible, int enabled, int responsive)
    : MControlFont(parent, id, rect, nullptr, visible, enabled, responsive), m_log(log), m_name(name) {
    ++m_log.m_writers;
}

RecordingControl::~RecordingControl() {
    m_log.Add(m_name + ":destroyed");
    --m_log.m_writers;
}

void RecordingControl::Log(const std::string& event) {
    m_log.Add(m_name + ":" + event);
    if (onEvent) onEvent(*this, event);
}

void RecordingControl::LogAt(const std::string& event, CPoint point) {
    lastPoint = point;
    Log(event + "@" + std::to_string(point.x) + "," + std::to_string(point.y));
}

void RecordingControl::DrawControl(HDC dc, const CRect&) {
    const int width = m_rcControl.Width();
    const int height = m_rcControl.Height();
    if (width <= 0 || height <= 0) return;
    if (!m_bUpdate) {
        ++renders;
        HDC cache = UpdateMemDC(dc, width * 2, height);
        if (!cache) return;
        CopyBackgroundToCache(dc, 2);
        const COLORREF colours[] = {m_normal, m_hover};
        for (int frame = 0; frame < 2; ++frame) {
            RECT box{frame * width + 1, 1, frame * width + width - 1, height - 1};
            HBRUSH brush = CreateSolidBrush(colours[frame]);
            FillRect(cache, &box, brush);
            DeleteObject(brush);
            DrawTitle(cache, CRect(frame * width, 0, frame * width + width, height), GetControlTitle(), false);
        }
    }
    BlitCache(dc, m_hovered ? 1 : 0);
}

int RecordingControl::SetControlFocus(int focus) {
    Log(focus ? "focus" : "blur");
    return MControlFont::SetControlFocus(focus);
}

int RecordingControl::OnControlMouseMove(UINT, CPoint point) {
    ++moves;
    lastPoint = point;
    const bool inside = m_rcControl.PtInRect(point) != 0;
    if (inside != m_hovered) {
        m_hovered = inside;
        Log(inside ? "enter" : "leave");
        UpdateControl(0, 0);  // the hover frame is pre-rendered: no new render
    }
    return inside ? answer : 0;
}

int RecordingControl::OnControlLButtonDown(UINT, CPoint point) {
    LogAt("ldown", point);
    return answer;
}

int RecordingControl::OnControlLButtonUp(UINT, CPoint point) {
    LogAt("lup", point);
    return answer;
}

int RecordingControl::OnControlLButtonDblClk(UINT, CPoint point) {
    LogAt("ldbl", point);
    return answer;
}

int RecordingControl::OnControlRButtonDown(UINT, CPoint point) {
    LogAt("rdown", point);
    return answer;
}

int RecordingControl::OnControlRButtonUp(UINT, CPoint point) {
    LogAt("rup", point);
    return answer;
}

int RecordingControl::OnControlRButtonDblClk(UINT, CPoint point) {
    LogAt("rdbl", point);
    return answer;
}

int RecordingControl::OnControlScroll(int bar, int direction, CPoint point) {
    LogAt("scroll" + std::to_string(bar) + (direction ? "down" : "up"), point);
    return answer;
}

int RecordingControl::OnControlKeyDown(UINT key, UINT repeat, UINT modifiers) {
    Log("key" + std::to_string(key) + "/" + std::to_string(modifiers));
    return takesKeys ? 1 : MControlFont::OnControlKeyDown(key, repeat, modifiers);
}

int RecordingControl::OnControlTimer() {
    tickThreads.push_back(GetCurrentThreadId());
    tickTimes.push_back(GetTickCount());
    Log("tick");
    return 1;
}

int OffsetPanel::OnMousePointChange(CPoint& point) {
    point.x += offset.x;
    point.y += offset.y;
    return 1;
}

}  // namespace harness
