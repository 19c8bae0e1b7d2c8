#pragma once
// Notification codes of the text input controls (the common ones are in MControl.h).
#include <windows.h>

namespace Kelvo {

constexpr UINT kNotifyIconPressed = 9;     // MEdit: left button pressed on the icon
constexpr UINT kNotifyTextChanged = 26;    // the user changed the text; it is stored already
constexpr UINT kNotifyValueChanged = 28;   // spinners: the value changed or a value key was handled
constexpr UINT kNotifyEditorClosed = 29;   // the native editor closed
constexpr UINT kNotifyEditorShown = 30;    // MEdit: the native editor opened
constexpr UINT kNotifyIconReleased = 31;   // MEdit: left button released on the icon

}  // namespace Kelvo
