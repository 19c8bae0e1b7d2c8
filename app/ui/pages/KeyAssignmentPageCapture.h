#pragma once
// One key capture of the key page's key fields: raw keyboard input taken for a hidden
// window of the page's own, so the key the user presses is known by its virtual key
// whatever the keyboard layout would type, and wherever the focus is.
#include <windows.h>

#include <functional>

#include "RawInputRecorder.h"

class KeyCapture {
public:
    // Receives the virtual key of every key press (Shift, Ctrl and Alt as their
    // left-hand keys); auto-repeat is left out.
    using KeyPressed = std::function<void(int virtualKey)>;

    KeyCapture() = default;
    ~KeyCapture();
    KeyCapture(const KeyCapture&) = delete;
    KeyCapture& operator=(const KeyCapture&) = delete;

    // Starts a capture, ending the one that runs; false when no input can arrive.
    bool Start(KeyPressed pressed);
    void Stop();
    bool Running() const { return m_recorder.IsStarted(); }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool MakeWindow();
    void OnInput(HRAWINPUT input);

    HWND m_window = nullptr;
    RawInputRecorder m_recorder;
    KeyPressed m_pressed;
};
