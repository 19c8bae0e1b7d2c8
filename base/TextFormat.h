#pragma once
// Fills the %s and %d placeholders of a text that may come from a file.
// The text is never handed to printf: each %s or %d takes the next argument in
// order, "%%" gives one %, and every other % sequence, or a placeholder with
// no argument left, is copied literally. A bad language file can therefore show
// odd text but never crash the program.
#include <initializer_list>
#include <string>

#include "CString.h"

class TextArg {
public:
    TextArg(const wchar_t* text) : m_text(text ? text : L"") {}
    TextArg(const CString& text) : m_text(text.str()) {}
    TextArg(const std::wstring& text) : m_text(text) {}
    TextArg(int value) : m_text(std::to_wstring(value)) {}
    TextArg(long value) : m_text(std::to_wstring(value)) {}
    TextArg(long long value) : m_text(std::to_wstring(value)) {}
    TextArg(unsigned value) : m_text(std::to_wstring(value)) {}
    const std::wstring& Text() const { return m_text; }

private:
    std::wstring m_text;
};

CString FormatText(const CString& pattern, std::initializer_list<TextArg> args);
