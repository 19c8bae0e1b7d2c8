#include "SettingRanges.h"

#include <vector>

#include "Performance.h"
#include "ProtocolFamily.h"

namespace {

// The DPI sliders run from 1 hundred to 260, or to 300 once a second-family
// mouse was read; applying keeps multiples of 50.
constexpr int kMinDpi = 100;
constexpr int kMaxDpi = 26000;
constexpr int kMaxSecondFamilyDpi = 30000;
constexpr int kDpiStep = 50;
constexpr int kMaxLevels = 5;
constexpr int kMaxBrightness = 255;
constexpr int kMaxSpeed = 255;
constexpr int kMaxSecondFamilySpeed = 4;  // that family's speed slider has five steps
constexpr int kSensorSwitches = 4 | 8 | 16;

// The sleep-time list's item values: the second family numbers its items 3 to 10,
// the output dialect by minutes; the feature dialect keeps no sleep time.
const std::vector<int> kSecondFamilySleep = {3, 4, 5, 6, 7, 8, 9, 10};
const std::vector<int> kOutputSleep = {1, 5, 10, 20, 25, 30, 35, 40};

std::string Between(int value, int low, int high) {
    if (value >= low && value <= high) return {};
    return "this model takes " + std::to_string(low) + " to " + std::to_string(high);
}

std::string OneOf(int value, const std::vector<int>& choices) {
    std::string list;
    for (int choice : choices) {
        if (choice == value) return {};
        list += (list.empty() ? "" : ", ") + std::to_string(choice);
    }
    return "this model takes one of " + list;
}

bool IsDpiLevel(const std::string& name) {
    return name.size() == 4 && name.rfind("dpi", 0) == 0 && name[3] >= '1' && name[3] <= '5';
}

std::string SleepError(int value, int deviceType) {
    if (IsSecondFamilyOnPages(deviceType)) return OneOf(value, kSecondFamilySleep);
    if (IsOutputDialectOnPages(deviceType)) return OneOf(value, kOutputSleep);
    return "this model keeps no lighting sleep time";
}

}  // namespace

std::string RangeError(const std::string& name, int value, int deviceType) {
    if (IsDpiLevel(name)) {
        bool second = FamilyOf(deviceType) == ProtocolFamily::kSecondFamily;
        return Between(value, kMinDpi, second ? kMaxSecondFamilyDpi : kMaxDpi);
    }
    if (name == "dpi-count" || name == "dpi-level") return Between(value, 1, kMaxLevels);
    if (name == "response") return Between(value, 0, codec::kMaxResponseTime);
    if (name == "sleep") return SleepError(value, deviceType);
    if (name == "light-brightness") return Between(value, 0, kMaxBrightness);
    if (name == "light-speed")
        return Between(value, 0, IsSecondFamilyOnPages(deviceType) ? kMaxSecondFamilySpeed : kMaxSpeed);
    if (name == "sensor" && (value & ~kSensorSwitches) != 0)
        return "this model takes the sum of its switches 4, 8 and 16 (0 to 28)";
    return {};
}

int OnDeviceStep(const std::string& name, int value) { return IsDpiLevel(name) ? value - value % kDpiStep : value; }
