#include "PerformanceReadBack.h"

#include "PerformancePackets.h"

namespace codec {
namespace {

constexpr std::uint8_t kReadPerformanceCommand = 0x07;
constexpr std::uint8_t kReadStateCommand = 0x06;
constexpr int kSleepCodes[] = {1, 5, 10, 20, 25, 30, 35, 40};
constexpr int kMaxBattery = 100;

std::size_t ConnectionByte(Link link) {
    switch (link) {
    case Link::kWired: return 3;
    case Link::kReceiver: return 4;
    case Link::kBluetooth: return 5;
    }
    return 3;
}

// Keeps `value` when `valid`, else notes it as rejected.
std::optional<int> Checked(bool valid, std::string_view field, int value, Rejections& rejected) {
    if (valid) return value;
    rejected.push_back({field, value});
    return std::nullopt;
}

}  // namespace

bool IsSleepCode(int code) {
    for (int c : kSleepCodes) {
        if (c == code) return true;
    }
    return false;
}

Packet ReadPerformanceRequest(Dialect d) {
    if (d == Dialect::kOutput) return BulkPacket(d, kReadStateCommand);
    return SettingsPacket(d, kReadPerformanceCommand);
}

std::optional<PerformanceReadBack> DecodePerformance(Dialect d, Bytes answer, int workMode, int levelCount) {
    bool output = d == Dialect::kOutput;
    if (!IsAnswer(d, answer, kFeatureSettingsId, output ? 21 : 19)) return std::nullopt;

    PerformanceReadBack r;
    Rejections& rejected = r.rejected;
    if (output) {
        int profile = answer[2] + 1;
        r.profile = Checked(profile <= 5, "profile", profile, rejected);
    }
    if (std::optional<Link> link = LinkOfMode(workMode)) {
        int byte = answer[ConnectionByte(*link)];
        int level = byte & 0x0F;
        int rate = (byte >> 4) & 0x07;
        r.dpiIndex = Checked(level < ClampedLevelCount(levelCount), "dpi_index", level, rejected);
        r.reportRate = Checked(rate <= kMaxRateCode, "report_rate", rate, rejected);
    }
    for (std::size_t i = 0; i < kDpiLevels; ++i) {
        int value = Le16(answer, 6 + 2 * i);
        r.dpi[i] = Checked(value > 0, "dpi_value", value, rejected);
    }
    int sensor = answer[16];
    r.sensorFlag = sensor;
    int liftoff = sensor & 3;
    r.liftoffHeight = Checked(liftoff == 1 || liftoff == 2, "liftoff_height", liftoff, rejected);
    r.scrollFlag = (sensor & 0x40) ? 2 : 1;
    r.dpiFlag = answer[17];
    r.responseTime = Checked(answer[18] <= kMaxResponseTime, "button_respondtime", answer[18], rejected);
    if (output) {
        r.sleepLight = Checked(IsSleepCode(answer[19]), "sleep_light", answer[19], rejected);
        int level = answer[20] & 0x7F;
        if (level <= kMaxBattery) {
            r.battery = BatteryState{level, (answer[20] & 0x80) != 0};
        } else {
            rejected.push_back({"battery", level});
        }
    }
    return r;
}

}  // namespace codec
