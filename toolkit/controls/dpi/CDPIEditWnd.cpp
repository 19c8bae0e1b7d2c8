#include "CDPIEditWnd.h"

namespace Kelvo {

const wchar_t* CDPIEditWnd::GetWindowClassName() { return L"DPIEditWindow"; }

}  // namespace Kelvo
