#pragma once
// Raw keyboard and mouse input for a window, turned into InputEvents (Windows
// only). Raw input arrives while the window is not in the foreground, so a
// macro can be recorded in another program and a key typed anywhere captured.
#include <windows.h>

#include <vector>

#include "InputDecoder.h"

class RawInputRecorder {
public:
    RawInputRecorder();
    ~RawInputRecorder();
    RawInputRecorder(const RawInputRecorder&) = delete;
    RawInputRecorder& operator=(const RawInputRecorder&) = delete;

    // Asks for the raw input of every mouse and keyboard for `window`, in the
    // background too; a refused registration is tried once more. False when
    // both attempts failed: then nothing will arrive.
    bool Start(HWND window);
    // Ends the registration (also done by the destructor).
    void Stop();
    bool IsStarted() const { return m_started; }

    // The events of one WM_INPUT message (its lParam). Empty when the data
    // cannot be read or carries nothing to record (movement, wheel).
    std::vector<InputEvent> Read(HRAWINPUT input);
    // The events of raw input already read: one per button change of a mouse
    // report, one per key report (kIgnore for auto-repeat), kOther for any
    // other device.
    std::vector<InputEvent> Decode(const RAWINPUT& input);

private:
    InputDecoder m_decoder;
    bool m_started = false;
};
