#pragma once
// What Windows hands a window registered for HID interface notifications: the
// device-interface record of one interface path, as WM_DEVICECHANGE's lparam points at it.
#include <windows.h>
#include <dbt.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

inline std::vector<unsigned char> InterfaceRecord(const std::string& path) {
    std::wstring name(path.begin(), path.end());
    const std::size_t nameAt = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    DEV_BROADCAST_DEVICEINTERFACE_W header{};
    header.dbcc_size = static_cast<DWORD>(nameAt + (name.size() + 1) * sizeof(wchar_t));
    header.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    std::vector<unsigned char> bytes(header.dbcc_size, 0);
    std::memcpy(bytes.data(), &header, nameAt);
    std::memcpy(bytes.data() + nameAt, name.c_str(), (name.size() + 1) * sizeof(wchar_t));
    return bytes;
}
