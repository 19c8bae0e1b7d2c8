#pragma once
// Firmware version answers (object 0): the version in bytes 9 and 8 and, when the
// answer carries one, a second version in bytes 21 and 20.
#include <optional>

#include "CString.h"
#include "NodicData.h"

namespace nodic {

// The text shown while no version was read.
inline constexpr const wchar_t* kNoVersion = L"0.0";

// "%x%02x" of the high and low byte with a "." between every two characters:
// 0x01, 0x23 -> "1.2.3"; 0x10, 0x05 -> "1.0.0.5".
CString FormatVersion(int high, int low);

// Empty unless the answer is valid with at least 6 data bytes. With at least 18
// and one of bytes 16-19 not zero, " -- " and the second version follow.
std::optional<CString> DecodeVersion(const Answer& answer);

}  // namespace nodic
