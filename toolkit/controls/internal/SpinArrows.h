#pragma once
// What the two number spinners share: their up and down arrows (two four-frame image
// buttons stacked at the control's right edge, above and below its middle) and the rule
// by which a value that leaves the range comes back in at the other end.
#include <windows.h>

#include "Geometry.h"

namespace Kelvo {

class CImageButton;
class MControl;

// Makes both arrows as children of `owner` with the ids given, once: an owner that already
// has them keeps them.
void AttachSpinArrows(MControl& owner, UINT upId, UINT downId, int enabled, CImageButton*& up, CImageButton*& down);
// Places the arrows for a control at `control`; does nothing before they exist.
void LayOutSpinArrows(CImageButton* up, CImageButton* down, const CRect& control);
// The width the arrows take at the right edge, with their inset (0 before they exist).
int SpinArrowsWidth(CImageButton* up);
// Above the maximum is the minimum, below the minimum the maximum.
int WrapIntoRange(int value, int minimum, int maximum);

}  // namespace Kelvo
