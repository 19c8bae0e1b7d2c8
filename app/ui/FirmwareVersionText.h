#pragma once
// The mouse's firmware release as the About dialog writes it: the number in hexadecimal,
// at least three digits, the last two after the point ("v1.05" for 0x105, "v2.0a" for
// 0x20A, "v12.34" for 0x1234).
#include "CString.h"

CString FirmwareVersionText(int release);
