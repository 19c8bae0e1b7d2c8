#pragma once
// Text that came from a file, the settings store or the mouse, made safe to
// print: a control character in it would act on the terminal (retitle the
// window, clear the screen, move the cursor) instead of being shown.
#include <string>

#include "CString.h"

// The text with every control character (C0, DEL and C1) written as \xNN.
CString EscapeControls(const CString& text);
// The same as UTF-8, ready to print.
std::string TerminalText(const CString& text);
// A quoted JSON string: quote and backslash escaped, control characters as \u00NN.
std::string JsonText(const CString& text);
