// The WM_DEVICECHANGE record as Windows lays it out, built byte by byte, so the
// same cases run natively and under Wine.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "DeviceInterfaceChange.h"
#include "Utf.h"

namespace {

const char kPath[] = "\\\\?\\hid#vid_248a&pid_5a01&mi_01#7&1a2b0001&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";

void PutU32(std::vector<unsigned char>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

// A DEV_BROADCAST_DEVICEINTERFACE_W with `name` and its NUL; `size` overrides the
// size field (0: the true size).
std::vector<unsigned char> Record(std::uint32_t type, const std::string& name, std::uint32_t size = 0) {
    std::vector<unsigned char> bytes(kDeviceInterfaceNameOffset + 2 * (name.size() + 1), 0);
    PutU32(bytes, 0, size ? size : static_cast<std::uint32_t>(bytes.size()));
    PutU32(bytes, 4, type);
    for (std::size_t i = 0; i < name.size(); ++i) bytes[kDeviceInterfaceNameOffset + 2 * i] = static_cast<unsigned char>(name[i]);
    return bytes;
}

struct Case {
    const char* what;
    std::uintptr_t event;
    std::vector<unsigned char> record;
    bool read;
    DeviceChange change;
};

TEST(DeviceInterfaceChangeTest, ReadsArrivalAndRemovalAndIgnoresEverythingElse) {
    const std::uint32_t full = static_cast<std::uint32_t>(Record(5, kPath).size());
    const Case cases[] = {
        {"arrival", 0x8000, Record(5, kPath), true, DeviceChange::kArrival},
        {"removal complete", 0x8004, Record(5, kPath), true, DeviceChange::kRemoval},
        {"query remove", 0x8001, Record(5, kPath), false, {}},
        {"remove pending", 0x8003, Record(5, kPath), false, {}},
        {"devnodes changed", 0x0007, Record(5, kPath), false, {}},
        {"a volume", 0x8000, Record(2, kPath), false, {}},
        {"a device handle", 0x8004, Record(6, kPath), false, {}},
        {"size ends before the NUL", 0x8000, Record(5, kPath, full - 2), false, {}},
        {"size ends inside the header", 0x8000, Record(5, kPath, 6), false, {}},
        {"size ends inside the GUID", 0x8000, Record(5, kPath, 20), false, {}},
        {"empty name", 0x8000, Record(5, ""), false, {}},
    };
    for (const Case& c : cases) {
        std::optional<DeviceInterfaceChange> read = ReadDeviceInterfaceChange(c.event, c.record.data());
        ASSERT_EQ(read.has_value(), c.read) << c.what;
        if (!read) continue;
        EXPECT_EQ(read->change, c.change) << c.what;
        EXPECT_EQ(utf::WideToUtf8(read->path.GetString()), kPath) << c.what;
    }
    EXPECT_FALSE(ReadDeviceInterfaceChange(0x8000, nullptr));
    EXPECT_FALSE(ReadDeviceInterfaceChange(0x8004, nullptr));
}

// The path is UTF-16 in the record whatever wchar_t is here.
TEST(DeviceInterfaceChangeTest, ThePathIsReadAsUtf16) {
    std::vector<unsigned char> record = Record(5, "ab");
    record[kDeviceInterfaceNameOffset + 2] = 0xE9;  // U+00E9 as the second unit
    std::optional<DeviceInterfaceChange> read = ReadDeviceInterfaceChange(0x8000, record.data());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->path.GetString(), std::wstring(L"a\u00E9"));
}

}  // namespace
