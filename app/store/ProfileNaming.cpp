#include "ProfileNaming.h"

#include "TextFormat.h"

namespace profile_names {
namespace {

// Tested in this order; the first that begins the name is replaced.
const wchar_t* const kForeignWords[] = {
    L"\u914D\u7F6E",                // Simplified Chinese
    L"\u914D\u5BD8",                // a common misspelling of the above
    L"\u30DC\u30BF\u30F3",          // Japanese
    L"\uD504\uB85C\uD30C\uC77C",    // Korean
    L"\u062A\u0643\u0648\u064A\u0646",  // Arabic
};

}  // namespace

CString DefaultName(const CString& word, int number) {
    return FormatText(L"%s %d", {word, number});
}

CString Localise(const CString& stored, int language) {
    if (language != kEnglish) return stored;
    for (const wchar_t* word : kForeignWords) {
        CString prefix(word);
        if (stored.Left(prefix.GetLength()) == prefix) {
            return FormatText(L"Profile %s", {stored.Mid(prefix.GetLength())});
        }
    }
    return stored;
}

}  // namespace profile_names
