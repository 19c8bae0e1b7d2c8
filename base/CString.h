#pragma once
// Wide string value type shared by the application and the toolkit.
// Text is UTF-16 on Windows and UTF-32 elsewhere; convert at boundaries with Utf.h.
#include <cstddef>
#include <string>

class CString {
public:
    CString() = default;
    CString(const wchar_t* text) : m_str(text ? text : L"") {}
    CString(const wchar_t* text, std::size_t length) : m_str(text ? std::wstring(text, length) : std::wstring()) {}
    CString(std::wstring text) : m_str(std::move(text)) {}
    CString(std::size_t count, wchar_t ch) : m_str(count, ch) {}

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    const wchar_t* GetString() const { return m_str.c_str(); }
    operator const wchar_t*() const { return m_str.c_str(); }
    const std::wstring& str() const { return m_str; }
    std::wstring& str() { return m_str; }

    wchar_t GetAt(int index) const;
    wchar_t operator[](int index) const { return GetAt(index); }

    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;

    // Positions are 0-based; -1 when not found.
    int Find(wchar_t ch, int start = 0) const;
    int Find(const wchar_t* sub, int start = 0) const;
    int ReverseFind(wchar_t ch) const;

    CString& MakeUpper();
    CString& MakeLower();
    CString& Trim();
    int Replace(const wchar_t* from, const wchar_t* to);
    int CompareNoCase(const wchar_t* other) const;

    CString& operator+=(const CString& rhs) { m_str += rhs.m_str; return *this; }
    CString& operator+=(const wchar_t* rhs) { if (rhs) m_str += rhs; return *this; }
    CString& operator+=(wchar_t ch) { m_str += ch; return *this; }

    friend CString operator+(CString lhs, const CString& rhs) { lhs += rhs; return lhs; }
    friend CString operator+(CString lhs, const wchar_t* rhs) { lhs += rhs; return lhs; }
    friend CString operator+(const wchar_t* lhs, const CString& rhs) { return CString(lhs) += rhs; }
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.m_str == (b ? b : L""); }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_str < b.m_str; }

private:
    std::wstring m_str;
};
