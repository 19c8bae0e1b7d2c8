#pragma once
// A skinned push button with a ten-second countdown: once started (SetRun(1)) its title
// shows the seconds left, and when they are up it sends 2 and stops.
#include <cstdint>

#include "PushButtonBase.h"

namespace Kelvo {

class KELVO_API CTimerButton : public PushButtonBase {
public:
    CTimerButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled);

    const wchar_t* GetClassNameW() override;
    void InitControl(PaintManager* manager) override;
    void DrawControl(HDC dc, const CRect& clip) override;
    int SetControlFocus(int focus) override;
    int OnControlTimer() override;

    // Starts (non-zero) or stops the countdown; returns the argument. While disabled it
    // changes nothing and returns the running flag.
    int SetRun(int run);
    int IsRun() const { return m_bRun; }
    void SetFrameSize(int corner);
    int GetState() const { return m_bEnabled ? m_press.State() : 3; }
    // What the title shows now: while running, the title and the seconds left.
    CString GetShownText();

private:
    int SecondsLeft() const;

    int m_bRun = 0;
    std::uint64_t m_startTime = 0;
    int m_nShownSeconds = -1;  // the seconds the cached picture shows
    int m_nFrameSize = 4;
};

}  // namespace Kelvo
