#pragma once
// A small XML reader and writer: the whole document as one wide text, an index of
// the elements over it, and a cursor (a current element within a current parent).
// Edits splice the text in place, so what is saved is exactly the text as built.
// Used by one thread at a time.
#include <optional>
#include <string>
#include <vector>

#include "CString.h"
#include "XmlEncoding.h"
#include "XmlParser.h"

class XmlDocument {
public:
    // Set only while a file operation runs; callers save only when neither is set.
    enum DocFlags : unsigned {
        kReadingFile = 0x10,
        kWritingFile = 0x20,
    };

    XmlDocument();

    // Replaces the text and parses it (null empties the document); true when it is
    // well-formed. The cursor then stands before the root element.
    bool SetDocumentText(const wchar_t* text);
    // Reads a file in any accepted encoding; true when it was read and is well-formed.
    // A file that cannot be read leaves the document empty.
    bool LoadFromFile(const CString& path);
    // Writes the text in the encoding its declaration names (UTF-8 when none).
    bool SaveToFile(const CString& path);
    // The same two conversions on bytes held in memory. SaveToBytes is false when
    // the encoding lacks a character of the text (written as '?').
    bool LoadFromBytes(const std::string& bytes);
    bool SaveToBytes(std::string& bytes);

    bool FindNextElement(const wchar_t* name);
    bool EnterElement();
    bool LeaveElement();
    // Decoded value; empty when the attribute or the current element is missing.
    CString GetAttribute(const wchar_t* name) const;
    // Tells a missing attribute from one written empty.
    bool HasAttribute(const wchar_t* name) const;
    bool AddElement(const wchar_t* name);
    bool SetAttribute(const wchar_t* name, const CString& value);

    CString GetTagName() const;  // of the current element; empty when none
    const CString& GetDocumentText() const { return m_text; }
    // Diagnostic records of the last parse or file operation.
    const CString& GetResult() const { return m_result; }
    unsigned GetDocFlags() const { return m_docFlags; }
    bool IsWellFormed() const { return m_wellFormed; }

private:
    struct AttributeSpan;

    bool Parse();
    void Clear();
    void AddRecord(const wchar_t* name, const std::vector<std::pair<const wchar_t*, std::wstring>>& attributes);
    xml::Encoding NamedEncoding(const std::string& bytes, std::optional<xml::CodePageConverter>& converter);
    void DecodeFile(const std::string& bytes, std::wstring& text);
    bool EncodeFile(std::string& bytes);

    bool NameIs(int index, const wchar_t* name) const;
    std::size_t NameEndOf(int index) const;
    bool FindAttribute(int index, const wchar_t* name, AttributeSpan& span) const;
    std::size_t End(int index) const;
    void Splice(std::size_t pos, std::size_t removed, const std::wstring& inserted, int owner, int firstMoved);
    int NextInDocument(int index) const;
    int NextAfter(int index) const;
    int InsertRecord(std::size_t start, std::size_t length);
    void AddFirstChildToEmpty(const std::wstring& tag);

    CString m_text;
    std::vector<xml::Element> m_elements;
    int m_parent = 0;
    int m_current = 0;
    unsigned m_docFlags = 0;
    bool m_wellFormed = false;
    CString m_result;
};
