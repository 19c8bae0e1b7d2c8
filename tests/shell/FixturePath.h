#pragma once
// Paths of the files the shell tests read, as this platform's programs open them.
#include "CString.h"

// The fixture `relative` (written with '/') in tests/shell/fixtures; under Wine the
// source tree is reached through drive Z:.
CString FixturePath(const wchar_t* relative);

// The build's shipped folder (Mirevo.exe, language/, skins/ ...), ending with a
// separator. Test programs build elsewhere, so this is never their own folder.
CString ShippedFolder();
