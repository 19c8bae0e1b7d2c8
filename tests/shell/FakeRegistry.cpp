#include "FakeRegistry.h"

namespace {

class FakeKey : public RegistryKey {
public:
    FakeKey(FakeRegistry& owner, FakeRegistry::Values& values) : m_owner(owner), m_values(values) {}

    ValueReadResult ReadText(const CString& name, std::size_t bufferBytes, CString& text) override {
        std::lock_guard<std::recursive_mutex> guard(m_owner.lock);
        text.Empty();
        auto found = m_values.find(name);
        if (found == m_values.end()) return ValueReadResult::Missing;
        // Stored as Windows stores REG_SZ: two bytes a character and the closing NUL.
        if ((found->second.text.GetLength() + 1) * 2 > static_cast<int>(bufferBytes)) return ValueReadResult::TooLong;
        if (!found->second.isText) return ValueReadResult::NotText;
        text = found->second.text;
        return ValueReadResult::Text;
    }

    bool WriteText(const CString& name, const CString& text) override {
        std::lock_guard<std::recursive_mutex> guard(m_owner.lock);
        ++m_owner.writes;
        m_values[name] = FakeRegistry::Value{text, true};
        return true;
    }

    bool DeleteValue(const CString& name) override {
        std::lock_guard<std::recursive_mutex> guard(m_owner.lock);
        return m_values.erase(name) != 0;
    }

private:
    FakeRegistry& m_owner;
    FakeRegistry::Values& m_values;
};

}  // namespace

std::unique_ptr<RegistryKey> FakeRegistry::OpenKey(const CString& path, KeyAccess, KeyOpenResult& result) {
    std::lock_guard<std::recursive_mutex> guard(lock);
    if (deniedKeys.count(path)) {
        result = KeyOpenResult::Failed;
        return nullptr;
    }
    auto found = keys.find(path);
    if (found == keys.end()) {
        result = KeyOpenResult::NotFound;
        return nullptr;
    }
    result = KeyOpenResult::Opened;
    return std::make_unique<FakeKey>(*this, found->second);
}

bool FakeRegistry::CreateKey(const CString& path) {
    std::lock_guard<std::recursive_mutex> guard(lock);
    if (createFails) return false;
    keys[path];
    return true;
}

CString FakeRegistry::Text(const CString& path, const CString& name) const {
    std::lock_guard<std::recursive_mutex> guard(lock);
    auto key = keys.find(path);
    if (key == keys.end()) return L"<none>";
    auto value = key->second.find(name);
    return value == key->second.end() ? CString(L"<none>") : value->second.text;
}
