#include "CString.h"

#include <algorithm>
#include <cwctype>

namespace {
std::size_t Clamp(int value, std::size_t limit) {
    if (value < 0) return 0;
    return std::min(static_cast<std::size_t>(value), limit);
}
}

wchar_t CString::GetAt(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_str.size()) return L'\0';
    return m_str[static_cast<std::size_t>(index)];
}

CString CString::Left(int count) const { return CString(m_str.substr(0, Clamp(count, m_str.size()))); }

CString CString::Right(int count) const {
    std::size_t n = Clamp(count, m_str.size());
    return CString(m_str.substr(m_str.size() - n));
}

CString CString::Mid(int first) const { return CString(m_str.substr(Clamp(first, m_str.size()))); }

CString CString::Mid(int first, int count) const {
    std::size_t start = Clamp(first, m_str.size());
    return CString(m_str.substr(start, Clamp(count, m_str.size() - start)));
}

int CString::Find(wchar_t ch, int start) const {
    if (start < 0) start = 0;
    std::size_t pos = m_str.find(ch, static_cast<std::size_t>(start));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const wchar_t* sub, int start) const {
    if (!sub) return -1;
    if (start < 0) start = 0;
    if (static_cast<std::size_t>(start) > m_str.size()) return -1;
    std::size_t pos = m_str.find(sub, static_cast<std::size_t>(start));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(wchar_t ch) const {
    std::size_t pos = m_str.rfind(ch);
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

CString& CString::MakeUpper() {
    for (auto& c : m_str) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    return *this;
}

CString& CString::MakeLower() {
    for (auto& c : m_str) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return *this;
}

CString& CString::Trim() {
    auto isSpace = [](wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; };
    std::size_t b = 0, e = m_str.size();
    while (b < e && isSpace(m_str[b])) ++b;
    while (e > b && isSpace(m_str[e - 1])) --e;
    m_str = m_str.substr(b, e - b);
    return *this;
}

int CString::Replace(const wchar_t* from, const wchar_t* to) {
    if (!from || !*from) return 0;
    std::wstring f(from), t(to ? to : L"");
    int count = 0;
    std::size_t pos = 0;
    while ((pos = m_str.find(f, pos)) != std::wstring::npos) {
        m_str.replace(pos, f.size(), t);
        pos += t.size();
        ++count;
    }
    return count;
}

int CString::CompareNoCase(const wchar_t* other) const {
    CString a(*this), b(other);
    a.MakeLower();
    b.MakeLower();
    return a.m_str.compare(b.m_str);
}
