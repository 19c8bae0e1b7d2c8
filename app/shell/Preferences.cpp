#include "Preferences.h"

#include <climits>

#include "Product.h"
#include "TextFormat.h"

CString Preferences::ProductKey() { return FormatText(L"SOFTWARE\\%s", {product::kName}); }

CString Preferences::AutorunCommand(const CString& programFolder) {
    return FormatText(L"\"%s%s\"", {programFolder, product::kExecutable});
}

int Preferences::LeadingNumber(const CString& text) {
    const std::wstring& s = text.str();
    std::size_t i = 0;
    while (i < s.size() && (s[i] == L' ' || (s[i] >= L'\t' && s[i] <= L'\r'))) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == L'-' || s[i] == L'+')) negative = s[i++] == L'-';
    long long value = 0;
    for (; i < s.size() && s[i] >= L'0' && s[i] <= L'9'; ++i) {
        value = value * 10 + (s[i] - L'0');
        if (value > static_cast<long long>(INT_MAX) + 1) break;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

int Preferences::ReadNumber(const wchar_t* name) {
    KeyOpenResult opened = KeyOpenResult::Failed;
    auto key = m_registry.OpenKey(ProductKey(), KeyAccess::All, opened);
    if (!key) return 0;
    CString text;
    // A value too long for the buffer is no usable number.
    if (key->ReadText(name, kValueBufferBytes, text) != ValueReadResult::Text) return 0;
    return LeadingNumber(text);
}

void Preferences::WriteNumber(const wchar_t* name, int value) {
    KeyOpenResult opened = KeyOpenResult::Failed;
    if (auto key = m_registry.OpenKey(ProductKey(), KeyAccess::All, opened))
        key->WriteText(name, FormatText(L"%d", {value}));
}

int Preferences::ReadSavedLanguage() {
    KeyOpenResult opened = KeyOpenResult::Failed;
    auto key = m_registry.OpenKey(ProductKey(), KeyAccess::All, opened);
    if (!key) {
        if (opened == KeyOpenResult::NotFound && m_registry.CreateKey(ProductKey())) return 0;
        return product::kSecondLanguage;
    }
    CString text;
    if (key->ReadText(L"LCID", kValueBufferBytes, text) != ValueReadResult::Text) return 0;
    return LeadingNumber(text);
}

void Preferences::SaveLanguage(int lcid) { WriteNumber(L"LCID", lcid); }

int Preferences::SettleLanguage(int uiLanguage) {
    int language = ReadSavedLanguage();
    if (language == 0) language = uiLanguage;
    if (language != product::kEnglish) language = product::kSecondLanguage;
    SaveLanguage(language);
    return language;
}

int Preferences::ReadDeviceType() { return ReadNumber(L"DeviceType"); }

void Preferences::WriteDeviceType(int deviceType) { WriteNumber(L"DeviceType", deviceType); }

bool Preferences::IsAutorunEnabled() {
    KeyOpenResult opened = KeyOpenResult::Failed;
    auto key = m_registry.OpenKey(RunKey(), KeyAccess::Query, opened);
    if (!key) return false;
    CString text;
    switch (key->ReadText(product::kName, kValueBufferBytes, text)) {
    case ValueReadResult::Text:
    case ValueReadResult::TooLong:  // a long path is still an entry
    case ValueReadResult::NotText:
        return true;
    default:
        return false;
    }
}

void Preferences::SetAutorun(bool enabled, const CString& programFolder) {
    KeyOpenResult opened = KeyOpenResult::Failed;
    auto key = m_registry.OpenKey(RunKey(), KeyAccess::All, opened);
    if (!key) return;
    if (enabled)
        key->WriteText(product::kName, AutorunCommand(programFolder));
    else
        key->DeleteValue(product::kName);
}
