#pragma once
// GDI+ for our builds: its headers need the COM declarations that WIN32_LEAN_AND_MEAN
// leaves out, and the min/max names that NOMINMAX removes.
#include <windows.h>
#include <objidl.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>
