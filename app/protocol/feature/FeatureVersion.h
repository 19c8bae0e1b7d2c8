#pragma once
// Firmware versions in the feature dialect: 0x51 0x04 with a selector in byte 2, the
// answer read back as feature report 0x51 with the text's length in byte 2 and the
// text, in the system's ANSI code page, from byte 3.
#include <cstdint>
#include <span>

#include "FeatureDialect.h"
#include "FirmwareVersion.h"

// Selectors of ReadFeatureVersion: the mouse, or the receiver (1 and 3 ask the same).
enum FeatureVersionSelector { kVersionOfMouse = 0, kVersionOfReceiver = 1, kVersionOfReceiverAgain = 3 };

// The text of an answer; "0.0" when byte 2 is 0. The length is clamped to the report.
CString DecodeFeatureVersion(std::span<const std::uint8_t> answer);

// "0.0" when the mouse could not be asked or did not answer.
CString ReadFeatureVersion(FeatureDialect& dialect, int selector);
// The receiver's second version text (selector byte 0xBB).
CString ReadFeatureSecondText(FeatureDialect& dialect);

// The labels and the upgrade marks for `connectMode`: the mouse always; over a
// receiver in mode 1 or 3 the receiver too, compared with the shipped receiver version;
// in mode 4 the receiver's two texts on two lines, not compared.
FirmwareVersions CheckFirmwareVersions(FeatureDialect& dialect, int connectMode, const ShippedFirmware& shipped);
