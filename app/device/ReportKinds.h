#pragma once
// How the first family's input reports are told apart. Answers are recognised by
// their report id alone; byte 1 is never required to repeat the command.
#include <cstdint>

// Unsolicited reports share their first byte with answers: 0x54 (feature dialect) or
// 0xB6 (output dialect), followed by a code 0xE0..0xE6. Code 0xE4 is the acknowledgement.
inline bool IsNotificationReport(const std::uint8_t* report, int length, std::uint8_t reportId) {
    return length >= 2 && report[0] == reportId && report[1] >= 0xE0 && report[1] <= 0xE6;
}

constexpr std::uint8_t kOutputAnswerId = 0xB4;
constexpr std::uint8_t kOutputNotificationId = 0xB6;

// Output dialect: an input report 0xB4 or 0xB6 answers a read, unless it is a notification.
inline bool IsOutputAnswer(const std::uint8_t* report, int length) {
    if (length < 1) return false;
    if (report[0] == kOutputAnswerId) return true;
    return report[0] == kOutputNotificationId && !IsNotificationReport(report, length, kOutputNotificationId);
}

// Output dialect: what ends the wait for a write's confirmation: an answer-form report
// or the 0xE4 acknowledgement.
inline bool IsOutputAcknowledgement(const std::uint8_t* report, int length) {
    return IsOutputAnswer(report, length) || (length >= 2 && report[0] == kOutputNotificationId && report[1] == 0xE4);
}
