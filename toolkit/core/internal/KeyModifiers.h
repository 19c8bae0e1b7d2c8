#pragma once
// The modifier code that key routing hands to controls and that hot keys are stored
// with: 18 while Alt is down, otherwise 16 while Shift is down, otherwise 0; or-ed with
// 17 while Ctrl is down. So Ctrl alone gives 17, Ctrl+Alt 19, and Ctrl+Shift 17 too
// (16 | 17), which is why a hot key cannot tell Ctrl+Shift from Ctrl.

namespace Kelvo {

constexpr int kModifierNone = 0;
constexpr int kModifierShift = 16;
constexpr int kModifierCtrl = 17;
constexpr int kModifierAlt = 18;

int MakeModifierCode(bool alt, bool shift, bool ctrl);

}  // namespace Kelvo
