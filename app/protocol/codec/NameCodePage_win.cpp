#include <windows.h>

#include "NameCodePage.h"

namespace codec {
namespace {

class AnsiCodePage : public NameCodePage {
public:
    std::string EncodeChar(char32_t ch) const override {
        wchar_t units[2];
        int count = 1;
        if (ch >= 0x10000) {
            units[0] = static_cast<wchar_t>(0xD800 + ((ch - 0x10000) >> 10));
            units[1] = static_cast<wchar_t>(0xDC00 + ((ch - 0x10000) & 0x3FF));
            count = 2;
        } else {
            units[0] = static_cast<wchar_t>(ch);
        }
        char bytes[8];
        BOOL usedDefault = FALSE;
        // A system whose ANSI page is UTF-8 takes neither the flag nor the default-character report.
        bool utf8 = GetACP() == CP_UTF8;
        int length = WideCharToMultiByte(CP_ACP, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, units, count, bytes, sizeof bytes,
                                         nullptr, utf8 ? nullptr : &usedDefault);
        if (length <= 0 || usedDefault) return std::string();
        return std::string(bytes, static_cast<std::size_t>(length));
    }

    std::wstring Decode(Bytes bytes) const override {
        if (bytes.empty()) return std::wstring();
        const char* source = reinterpret_cast<const char*>(bytes.data());
        int size = static_cast<int>(bytes.size());
        int length = MultiByteToWideChar(CP_ACP, 0, source, size, nullptr, 0);
        if (length <= 0) return std::wstring();
        std::wstring text(static_cast<std::size_t>(length), L'\0');
        MultiByteToWideChar(CP_ACP, 0, source, size, text.data(), length);
        return text;
    }
};

}  // namespace

const NameCodePage& SystemCodePage() {
    static const AnsiCodePage page;
    return page;
}

}  // namespace codec
