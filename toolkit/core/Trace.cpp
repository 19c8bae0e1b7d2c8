#include "Manager.h"

namespace Kelvo {

void M_Trace(const wchar_t*, ...) {}

}  // namespace Kelvo
