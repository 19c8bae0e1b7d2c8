#include "DeviceInterfaceChange.h"

#include <cstring>
#include <string>

#include "Utf.h"

namespace {

std::uint32_t ReadU32(const unsigned char* bytes) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes, sizeof value);  // the record's own (little-endian) order
    return value;
}

std::optional<DeviceChange> ChangeOf(std::uintptr_t event) {
    if (event == kDeviceArrivalEvent) return DeviceChange::kArrival;
    if (event == kDeviceRemoveCompleteEvent) return DeviceChange::kRemoval;
    return std::nullopt;
}

}  // namespace

std::optional<DeviceInterfaceChange> ReadDeviceInterfaceChange(std::uintptr_t event, const void* record) {
    std::optional<DeviceChange> change = ChangeOf(event);
    if (!change || !record) return std::nullopt;
    const auto* bytes = static_cast<const unsigned char*>(record);
    // Every broadcast starts with size and type, so those two may be read before
    // the type says which record this is; nothing past `size` is ever read.
    std::uint32_t size = ReadU32(bytes);
    if (size < 8 || ReadU32(bytes + 4) != kDeviceInterfaceRecordType) return std::nullopt;
    std::u16string name;
    for (std::size_t at = kDeviceInterfaceNameOffset; at + 2 <= size; at += 2) {
        char16_t unit = static_cast<char16_t>(bytes[at] | (bytes[at + 1] << 8));
        if (unit == 0) {
            if (name.empty()) return std::nullopt;
            return DeviceInterfaceChange{CString(utf::Utf16ToWide(name)), *change};
        }
        name.push_back(unit);
    }
    return std::nullopt;  // the path runs past the record: a truncated record
}
