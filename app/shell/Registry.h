#pragma once
// The current user's registry as the preferences see it: keys opened by a path below
// HKEY_CURRENT_USER, string values read and written. Windows provides WinRegistry;
// tests provide a map.
#include <cstddef>
#include <memory>

#include "CString.h"

enum class KeyAccess { Query, All };
enum class KeyOpenResult { Opened, NotFound, Failed };

enum class ValueReadResult {
    Text,     // a string value that fitted the buffer
    Missing,  // no such value
    TooLong,  // the value exists but does not fit the buffer
    NotText,  // the value exists but is not a string
    Failed,
};

class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    // `bufferBytes` is the size of the caller's buffer; a longer value is TooLong.
    // The text ends at its first NUL whether or not the stored value had one.
    virtual ValueReadResult ReadText(const CString& name, std::size_t bufferBytes, CString& text) = 0;
    virtual bool WriteText(const CString& name, const CString& text) = 0;
    virtual bool DeleteValue(const CString& name) = 0;
};

class Registry {
public:
    virtual ~Registry() = default;
    // Null, with `result` saying why, when the key cannot be opened. Never creates it.
    virtual std::unique_ptr<RegistryKey> OpenKey(const CString& path, KeyAccess access, KeyOpenResult& result) = 0;
    virtual bool CreateKey(const CString& path) = 0;
};
