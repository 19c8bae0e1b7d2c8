#pragma once
// Raw keyboard and mouse input for the macro page: a recording takes every key and
// button event, the step value field takes key presses. The input arrives at a hidden
// window of the page's own, so it comes while another program has the focus too.
#include <windows.h>

#include <functional>

#include "RawInputRecorder.h"

class MacroEventCapture {
public:
    using EventArrived = std::function<void(const InputEvent& event)>;

    MacroEventCapture() = default;
    ~MacroEventCapture();
    MacroEventCapture(const MacroEventCapture&) = delete;
    MacroEventCapture& operator=(const MacroEventCapture&) = delete;

    // Starts a capture, ending the one that runs; false when no input can arrive.
    bool Start(EventArrived arrived);
    void Stop();
    bool Running() const { return m_recorder.IsStarted(); }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool MakeWindow();
    void OnInput(HRAWINPUT input);

    HWND m_window = nullptr;
    RawInputRecorder m_recorder;
    EventArrived m_arrived;
};
