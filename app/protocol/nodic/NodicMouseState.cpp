#include "NodicMouseState.h"

#include <algorithm>

#include "NodicCommands.h"
#include "NodicLighting.h"
#include "NodicSensorBlock.h"
#include "NodicSystemBlock.h"

namespace nodic {
namespace {

constexpr std::uint8_t kStatusObject = 1;
constexpr std::uint8_t kReceiverStatusByte = 0x01;
constexpr std::uint8_t kRoutedStatusByte = 0x41;
constexpr std::uint8_t kObjectMask = 0x3F;
constexpr int kNotificationLength = 23;
constexpr int kMaxBattery = 100;

// The index if it is at most `max`; otherwise it is listed as rejected.
std::optional<int> Checked(int value, int max, std::string_view field, codec::Rejections& rejected) {
    if (value >= 0 && value <= max) return value;
    rejected.push_back({field, value});
    return std::nullopt;
}

// The frame byte after `byte` is the first the answer does not reach.
bool Reaches(const Answer& a, std::size_t byte) { return a.length > static_cast<int>(At(byte)); }

}  // namespace

std::optional<MouseState> DecodeStatusBlock(const Answer& a) {
    if (!a.Valid(command::kStatus.minAnswer)) return std::nullopt;
    MouseState s;
    s.battery = std::min(static_cast<int>(a.Byte(11)), kMaxBattery);
    s.charging = a.Byte(10) == 1;
    s.highestRate = Checked(a.Byte(5), kMaxRateCode, "highest_rate", s.rejected);
    std::optional<int> profileIndex = Checked(a.Byte(12), kProfiles - 1, "profile", s.rejected);
    if (profileIndex) s.profile = *profileIndex + 1;
    s.dpiLevel = Checked(a.Byte(13), kMaxDpiIndex, "dpi_index", s.rejected);
    s.rateCode = Checked(a.Byte(20), kMaxRateCode, "report_rate", s.rejected);
    if (Reaches(a, 21)) s.lightMode = LightModeOfCode(a.Byte(21));
    if (Reaches(a, 23)) s.lightSpeed = Checked(a.Byte(23), kMaxLightSpeed, "light_speed", s.rejected);
    if (Reaches(a, 24)) {
        std::optional<int> level = Checked(a.Byte(24), kMaxLightLevel, "light_brightness", s.rejected);
        if (level) s.lightBrightness = *level * kLightLevelScale;
    }
    return s;
}

std::optional<bool> DecodeReceiverStatus(const Answer& a) {
    if (!a.Valid(command::kReceiverStatus.minAnswer)) return std::nullopt;
    return a.Byte(4) == 1;
}

Notification DecodeNotification(Bytes frame, bool viaReceiver) {
    Notification n;
    if (frame.empty()) return n;
    const std::uint8_t object = frame[0];
    const Answer a = AnswerOf(frame);
    if (viaReceiver && object == kReceiverStatusByte) {
        n.receiverConnected = DecodeReceiverStatus(a);
        return n;
    }
    bool mouseFrame = viaReceiver ? object == kRoutedStatusByte : (object & kObjectMask) == kStatusObject;
    if (!mouseFrame || !a.Valid(kNotificationLength) || a.Byte(11) == 0) return n;
    n.state = DecodeStatusBlock(a);
    return n;
}

}  // namespace nodic
