#pragma once
// Registry over HKEY_CURRENT_USER.
#include "Registry.h"

class WinRegistry : public Registry {
public:
    std::unique_ptr<RegistryKey> OpenKey(const CString& path, KeyAccess access, KeyOpenResult& result) override;
    bool CreateKey(const CString& path) override;
};
