#pragma once
// The preferences kept in the registry: the interface language, the chosen model and
// the autorun entry. Every failure is silent: reads fall back, writes are skipped.
#include "CString.h"
#include "Registry.h"

class Preferences {
public:
    explicit Preferences(Registry& registry) : m_registry(registry) {}

    // 0 when nothing usable is stored; the second language when the key can neither
    // be opened nor created.
    int ReadSavedLanguage();
    void SaveLanguage(int lcid);
    // The language start-up settles on: the saved one, else the Windows UI language,
    // and anything but English becomes the second language. Saved before returning.
    int SettleLanguage(int uiLanguage);

    int ReadDeviceType();
    void WriteDeviceType(int deviceType);

    bool IsAutorunEnabled();
    void SetAutorun(bool enabled, const CString& programFolder);

    static CString ProductKey();
    static const wchar_t* RunKey() { return L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"; }
    // The Run value: the program path in quotes, so a folder with blanks cannot start
    // another program.
    static CString AutorunCommand(const CString& programFolder);
    // The decimal number at the start of a text (after blanks and a sign); 0 without
    // digits; saturates instead of overflowing.
    static int LeadingNumber(const CString& text);

    static constexpr std::size_t kValueBufferBytes = 255;

private:
    int ReadNumber(const wchar_t* name);
    void WriteNumber(const wchar_t* name, int value);

    Registry& m_registry;
};
