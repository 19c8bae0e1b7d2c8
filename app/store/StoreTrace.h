#pragma once
// Where the store's diagnostic notes go when no one asked for them: the
// debugger's output on Windows, nowhere elsewhere. Internal to the store.
#include "CString.h"

void DefaultStoreTrace(const CString& note);
