#include "MacroPageNames.h"

#include <string>

namespace {

constexpr int kEnglish = 1033;

// Taken in this order: the first that matches is the one replaced.
const wchar_t* const kDefaultWords[] = {L"\u81EA\u5B9A\u4E49", L"\u81EA\u5B9A\u7FA9", L"\u30AB\u30B9\u30BF\u30E0",
                                        L"\uCEE4\uC2A4\uD140", L"\u0645\u062E\u0635\u0635"};
const wchar_t* const kCopyWords[] = {L"\u590D\u5236", L"\u8907\u88FD", L"\uBCF5\uC0AC", L"\u0646\u0633\u062E"};

bool EndsWith(const std::wstring& text, const std::wstring& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

CString LocalizeMacroName(const CString& stored, int language, const CString& defaultWord) {
    if (language != kEnglish) return stored;
    std::wstring name = stored.str();
    for (const wchar_t* word : kDefaultWords) {
        if (name.rfind(word, 0) == 0) {
            name = defaultWord.str() + name.substr(std::wstring(word).size());
            break;
        }
    }
    for (const wchar_t* word : kCopyWords) {
        if (EndsWith(name, word)) {
            name = name.substr(0, name.find(word)) + L" Copy";
            break;
        }
    }
    return CString(name);
}
