#pragma once
#include "CString.h"

// The folder of the running executable; empty when it cannot be found.
CString ProgramFolder();
