#pragma once
// Lets GoogleTest show a CString as text in failure messages.
#include <ostream>

#include "CString.h"
#include "Utf.h"

inline void PrintTo(const CString& text, std::ostream* out) { *out << '"' << utf::WideToUtf8(text.str()) << '"'; }
