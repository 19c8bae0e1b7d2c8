#pragma once
// Notification code of the colour pickers (the common ones are in MControl.h).
#include <windows.h>

namespace Kelvo {

constexpr UINT kNotifyColourChanged = 27;  // a palette's or colour panel's colour changed

}  // namespace Kelvo
