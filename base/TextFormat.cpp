#include "TextFormat.h"

CString FormatText(const CString& pattern, std::initializer_list<TextArg> args) {
    const std::wstring& in = pattern.str();
    std::wstring out;
    out.reserve(in.size() + 16);
    auto next = args.begin();
    for (std::size_t i = 0; i < in.size(); ++i) {
        wchar_t c = in[i];
        if (c == L'%' && i + 1 < in.size()) {
            wchar_t conv = in[i + 1];
            if ((conv == L's' || conv == L'd') && next != args.end()) {
                out += next->Text();
                ++next;
                ++i;
                continue;
            }
            if (conv == L'%') {
                out += L'%';
                ++i;
                continue;
            }
        }
        out += c;
    }
    return CString(std::move(out));
}
