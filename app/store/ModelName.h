#pragma once
// The model name (device_attr) becomes part of a file name in the user's data
// folder. Catalogue files come from outside, so a name must stay one plain
// file-name part before it goes anywhere near the file system.
#include "CString.h"

// False for a name holding a path separator, "..", ':', a character Windows
// refuses in file names, or a reserved device name (CON, PRN, AUX, NUL,
// COM1-COM9, LPT1-LPT9, with or without an extension). The empty name is safe:
// a device type no model matches uses the file "_data7.db".
bool IsSafeModelName(const CString& name);
