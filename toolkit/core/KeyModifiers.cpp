#include "KeyModifiers.h"

namespace Kelvo {

int MakeModifierCode(bool alt, bool shift, bool ctrl) {
    int code = alt ? kModifierAlt : shift ? kModifierShift : kModifierNone;
    if (ctrl) code |= kModifierCtrl;
    return code;
}

}  // namespace Kelvo
