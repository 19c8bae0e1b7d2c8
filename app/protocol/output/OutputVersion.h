#pragma once
// Firmware versions in the output dialect: 0xB5 0x04, answered with a 64-byte report
// holding three texts, each a length byte and the text in the system's ANSI code page,
// at bytes 2, 22 and 42: over a receiver the receiver's version first and the mouse's
// last, on the cable the mouse's first.
#include <array>
#include <cstdint>
#include <span>

#include "FirmwareVersion.h"
#include "OutputDialect.h"

// The three texts of an answer, each length clamped to its field; empty where the
// answer is too short.
std::array<CString, 3> DecodeOutputVersions(std::span<const std::uint8_t> answer);

// The labels for `connectMode` (1, 3 and 4 are receivers); nothing is compared, so
// neither upgrade button is marked. "0.0" in both when the mouse did not answer.
FirmwareVersions ShowOutputVersions(OutputDialect& dialect, int connectMode);
