#pragma once
// One raw keyboard or mouse-button event, as the recorder and the key editors
// receive it.
#include "CString.h"

enum class InputKind {
    kIgnore = 0,       // nothing to act on (a key's auto-repeat)
    kMouseButton = 1,
    kKey = 2,
    kOther = 3,        // raw input of another device
};

// Button codes of mouse events, as macro steps store them.
inline constexpr int kLeftButtonCode = 1;
inline constexpr int kRightButtonCode = 2;
inline constexpr int kMiddleButtonCode = 4;
inline constexpr int kBackButtonCode = 8;
inline constexpr int kForwardButtonCode = 16;

struct InputEvent {
    InputKind kind = InputKind::kIgnore;
    bool released = false;
    int code = 0;  // button code, or the virtual key (Shift, Ctrl, Alt as their left-hand keys)
    CString text;  // name of the button or key; empty for events that go no further

    friend bool operator==(const InputEvent&, const InputEvent&) = default;
};

// What the main window captures raw input for.
enum CaptureMode {
    kCaptureNone = 0,
    kCaptureMacro = 1,        // recording a macro
    kCaptureKeyEditor = 10,   // the key page's key editor
    kCaptureKeyEditor2 = 11,  // its second key editor
    kCaptureStepKey = 12,     // the macro page's step value field
};

// Whether a key capture (modes 10 to 12) takes this event: key presses only,
// and in mode 10 not the Shift, Ctrl and Alt keys, which that editor sets
// through its modifier boxes instead.
bool CapturesKey(int captureMode, const InputEvent& event);
