#include "PrintfConversions.h"

#include <cwchar>

namespace {

bool IsOneOf(wchar_t c, const wchar_t* set) { return c != 0 && std::wcschr(set, c) != nullptr; }

// Skips what printf allows between '%' and the conversion character. A blank
// flag is deliberately not accepted: "50% done" is prose, not "% d".
std::size_t SkipSpecification(const std::wstring& text, std::size_t i) {
    while (i < text.size() && IsOneOf(text[i], L"-+#0")) ++i;
    while (i < text.size() && IsOneOf(text[i], L"0123456789*")) ++i;
    if (i < text.size() && text[i] == L'.') {
        ++i;
        while (i < text.size() && IsOneOf(text[i], L"0123456789*")) ++i;
    }
    // Length modifiers, including the Microsoft forms I32 and I64.
    while (i < text.size() && IsOneOf(text[i], L"hlLqjztIw")) {
        if (text.compare(i, 3, L"I32") == 0 || text.compare(i, 3, L"I64") == 0) i += 2;
        ++i;
    }
    return i;
}

}  // namespace

PrintfConversions CountPrintfConversions(const std::wstring& text) {
    PrintfConversions found;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'%') continue;
        if (i + 1 < text.size() && text[i + 1] == L'%') {
            ++i;
            continue;
        }
        std::size_t end = SkipSpecification(text, i + 1);
        if (end >= text.size() || !IsOneOf(text[end], L"diouxXeEfFgGaAcCsSpn")) continue;
        bool bare = end == i + 1 && (text[end] == L's' || text[end] == L'd');
        (bare ? found.fillable : found.other) += 1;
        i = end;
    }
    return found;
}
