#pragma once
// Paths of the files in tests/shell/fixtures, as this platform's programs open them.
#include "CString.h"

// The fixture `relative` (written with '/'); under Wine the source tree is reached
// through drive Z:.
CString FixturePath(const wchar_t* relative);
