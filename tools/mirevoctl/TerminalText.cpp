#include "TerminalText.h"

#include "Utf.h"

namespace {

bool IsControl(wchar_t ch) { return ch < 0x20 || (ch >= 0x7F && ch <= 0x9F); }

std::wstring Hex(wchar_t ch, int digits) {
    constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring text;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) text += kDigits[(static_cast<unsigned>(ch) >> shift) & 0xF];
    return text;
}

}  // namespace

CString EscapeControls(const CString& text) {
    std::wstring out;
    for (wchar_t ch : text.str()) out += IsControl(ch) ? L"\\x" + Hex(ch, 2) : std::wstring(1, ch);
    return CString(std::move(out));
}

std::string TerminalText(const CString& text) { return utf::WideToUtf8(EscapeControls(text).str()); }

std::string JsonText(const CString& text) {
    std::wstring out = L"\"";
    for (wchar_t ch : text.str()) {
        if (ch == L'"' || ch == L'\\') out += L'\\';
        out += IsControl(ch) ? L"\\u" + Hex(ch, 4) : std::wstring(1, ch);
    }
    return utf::WideToUtf8(out + L"\"");
}
