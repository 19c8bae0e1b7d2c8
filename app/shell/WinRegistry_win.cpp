#include "WinRegistry.h"

#include <windows.h>

#include <vector>

namespace {

class WinRegistryKey : public RegistryKey {
public:
    explicit WinRegistryKey(HKEY key) : m_key(key) {}
    ~WinRegistryKey() override { RegCloseKey(m_key); }
    WinRegistryKey(const WinRegistryKey&) = delete;
    WinRegistryKey& operator=(const WinRegistryKey&) = delete;

    ValueReadResult ReadText(const CString& name, std::size_t bufferBytes, CString& text) override {
        text.Empty();
        // One spare zero character: a stored string need not end with a NUL.
        std::vector<wchar_t> buffer(bufferBytes / sizeof(wchar_t) + 2, L'\0');
        DWORD type = 0;
        DWORD size = static_cast<DWORD>(bufferBytes);
        LONG status = RegQueryValueExW(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (status == ERROR_FILE_NOT_FOUND) return ValueReadResult::Missing;
        if (status == ERROR_MORE_DATA) return ValueReadResult::TooLong;
        if (status != ERROR_SUCCESS) return ValueReadResult::Failed;
        if (type != REG_SZ && type != REG_EXPAND_SZ) return ValueReadResult::NotText;
        text = CString(buffer.data(), size / sizeof(wchar_t));
        int nul = text.Find(L'\0');
        if (nul >= 0) text = text.Left(nul);
        return ValueReadResult::Text;
    }

    bool WriteText(const CString& name, const CString& text) override {
        DWORD bytes = static_cast<DWORD>((text.GetLength() + 1) * sizeof(wchar_t));
        return RegSetValueExW(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.GetString()), bytes) ==
               ERROR_SUCCESS;
    }

    bool DeleteValue(const CString& name) override { return RegDeleteValueW(m_key, name) == ERROR_SUCCESS; }

private:
    HKEY m_key;
};

}  // namespace

std::unique_ptr<RegistryKey> WinRegistry::OpenKey(const CString& path, KeyAccess access, KeyOpenResult& result) {
    HKEY key = nullptr;
    REGSAM sam = access == KeyAccess::All ? KEY_ALL_ACCESS : KEY_QUERY_VALUE;
    LONG status = RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, sam, &key);
    if (status != ERROR_SUCCESS) {
        result = status == ERROR_FILE_NOT_FOUND ? KeyOpenResult::NotFound : KeyOpenResult::Failed;
        return nullptr;
    }
    result = KeyOpenResult::Opened;
    return std::make_unique<WinRegistryKey>(key);
}

bool WinRegistry::CreateKey(const CString& path) {
    HKEY key = nullptr;
    LONG status = RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}
