#include "StatusCodec.h"

#include "LightingCodec.h"
#include "PerformancePackets.h"

namespace codec {
namespace {

constexpr std::uint8_t kReadStateCommand = 0x06;
constexpr std::size_t kNotificationSize = 13;  // through the last byte of the lighting record
constexpr int kMaxBattery = 100;

std::optional<BatteryState> CheckedBattery(int level, int charging, Rejections& rejected) {
    bool ok = true;
    if (level > kMaxBattery) {
        rejected.push_back({"battery", level});
        ok = false;
    }
    if (charging > 1) {
        rejected.push_back({"charging", charging});
        ok = false;
    }
    if (!ok) return std::nullopt;
    return BatteryState{level, charging == 1};
}

bool DecodeLighting(Bytes report, Notification& n) {
    if (report[2] > kMaxLightMode) return false;
    for (std::size_t i = 0; i < n.lighting.record.size(); ++i) n.lighting.record[i] = report[2 + i];
    n.lighting.mode = report[2];
    n.lighting.speed = report[4];
    n.lighting.brightness = report[5];
    n.lighting.colour = report[6] | (report[7] << 8) | (report[8] << 16);
    return true;
}

bool DecodeState(Bytes report, int levelCount, Notification& n) {
    MouseStateReport& s = n.state;
    if (report[2] > kMaxWorkMode || report[3] > 1) return false;
    s.workMode = report[2];
    s.connected = report[3] == 1;
    s.battery = CheckedBattery(report[5], report[4], n.rejected);
    if (report[6] < ClampedLevelCount(levelCount)) {
        s.dpiLevel = report[6];
    } else {
        n.rejected.push_back({"dpi_index", report[6]});
    }
    if (report[7] <= kMaxRateCode) {
        s.rateCode = report[7];
    } else {
        n.rejected.push_back({"report_rate", report[7]});
    }
    s.deviceId = Le16(report, 8);
    return true;
}

}  // namespace

Packet ReadDeviceStateRequest() { return SettingsPacket(Dialect::kFeature, kReadStateCommand); }

std::optional<DeviceState> DecodeDeviceState(Bytes answer) {
    if (!IsAnswer(Dialect::kFeature, answer, kFeatureSettingsId, 15)) return std::nullopt;
    DeviceState state;
    for (std::size_t i = 0; i < state.info.size(); ++i) state.info[i] = answer[2 + i];
    int mode = answer[10] & 0x07;
    if (mode <= kMaxWorkMode) {
        state.workMode = mode;
    } else {
        state.rejected.push_back({"work_mode", mode});
    }
    state.connected = (answer[10] & 0x08) != 0;
    state.battery = CheckedBattery(answer[11], answer[12], state.rejected);
    state.optionalSwitch = (answer[14] & 0x01) != 0;
    return state;
}

std::optional<Notification> DecodeNotification(Dialect d, Bytes report, int levelCount) {
    std::uint8_t id = d == Dialect::kOutput ? kOutputNotifyId : kFeatureNotifyId;
    if (report.size() < kNotificationSize || report[0] != id) return std::nullopt;
    Notification n;
    switch (report[1]) {
    case 0xE0:
    case 0xE3:
    case 0xE4:
    case 0xE6:
        n.code = static_cast<NotificationCode>(report[1]);
        return n;
    case 0xE1:
        n.code = NotificationCode::kLighting;
        if (!DecodeLighting(report, n)) return std::nullopt;
        return n;
    case 0xE2:
        n.code = NotificationCode::kState;
        if (!DecodeState(report, levelCount, n)) return std::nullopt;
        return n;
    default:
        return std::nullopt;
    }
}

}  // namespace codec
