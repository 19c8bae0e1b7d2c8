#pragma once
// A registry in memory: keys by path, string values, and switches for the failures
// the preferences must survive. Like the real registry it may be used from several
// threads at once (the window reads preferences while the device worker records the
// model it switched to).
#include <map>
#include <mutex>
#include <set>

#include "Registry.h"

class FakeRegistry : public Registry {
public:
    struct Value {
        CString text;
        bool isText = true;
    };
    using Values = std::map<CString, Value>;

    std::unique_ptr<RegistryKey> OpenKey(const CString& path, KeyAccess access, KeyOpenResult& result) override;
    bool CreateKey(const CString& path) override;

    bool HasKey(const CString& path) const {
        std::lock_guard<std::recursive_mutex> guard(lock);
        return keys.count(path) != 0;
    }
    // The text of a value, or "<none>".
    CString Text(const CString& path, const CString& name) const;

    std::map<CString, Values> keys;
    std::set<CString> deniedKeys;  // open fails with an error other than "not found"
    bool createFails = false;
    int writes = 0;
    // Held by every operation above and by the opened keys' reads and writes.
    mutable std::recursive_mutex lock;
};
