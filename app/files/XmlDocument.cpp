#include "XmlDocument.h"

#include "XmlEntities.h"

namespace {

constexpr wchar_t kLineBreak[] = L"\r\n";
constexpr std::size_t kMaxResultLength = 999;

bool IsValidName(const wchar_t* name) {
    if (!name || !*name) return false;
    for (const wchar_t* p = name; *p; ++p) {
        if (xml::IsNameDelimiter(*p)) return false;
    }
    return true;
}

}  // namespace

// Where one attribute stands in a start tag. `valueStart`..`valueEnd` is the raw
// value; `replaceStart`..`replaceEnd` is what a new value replaces (the quotes
// included, or an insertion point right after a name written without a value).
struct XmlDocument::AttributeSpan {
    std::size_t valueStart = 0;
    std::size_t valueEnd = 0;
    std::size_t replaceStart = 0;
    std::size_t replaceEnd = 0;
    bool hasEquals = false;
};

XmlDocument::XmlDocument() { m_elements.resize(1); }

void XmlDocument::Clear() {
    m_text.Empty();
    m_elements.assign(1, xml::Element{});
    m_parent = 0;
    m_current = 0;
    m_wellFormed = false;
}

bool XmlDocument::SetDocumentText(const wchar_t* text) {
    m_result.Empty();
    m_text = CString(text);
    return Parse();
}

bool XmlDocument::Parse() {
    xml::ParseResult parsed = xml::Parse(m_text.str());
    m_elements = std::move(parsed.elements);
    m_parent = 0;
    m_current = 0;
    m_wellFormed = parsed.WellFormed();
    for (const xml::Issue& issue : parsed.issues) {
        std::vector<std::pair<const wchar_t*, std::wstring>> attributes;
        if (!issue.tagName.empty()) attributes.emplace_back(L"tagname", issue.tagName);
        attributes.emplace_back(L"offset", std::to_wstring(issue.offset));
        if (issue.offset2) attributes.emplace_back(L"offset2", std::to_wstring(issue.offset2));
        AddRecord(issue.name.c_str(), attributes);
    }
    return m_wellFormed;
}

void XmlDocument::AddRecord(const wchar_t* name,
                            const std::vector<std::pair<const wchar_t*, std::wstring>>& attributes) {
    if (m_result.str().size() > kMaxResultLength) return;
    std::wstring record = L"<" + std::wstring(name);
    for (const auto& [key, value] : attributes) record += L" " + std::wstring(key) + L"=\"" + xml::EncodeEntities(value) + L"\"";
    record += L"/>";
    m_result += CString(std::move(record));
}

bool XmlDocument::NameIs(int index, const wchar_t* name) const {
    std::size_t start = m_elements[static_cast<std::size_t>(index)].start + 1;
    return m_text.str().compare(start, NameEndOf(index) - start, name) == 0;
}

std::size_t XmlDocument::NameEndOf(int index) const {
    return xml::NameEnd(m_text.str(), m_elements[static_cast<std::size_t>(index)].start + 1);
}

std::size_t XmlDocument::End(int index) const {
    const xml::Element& e = m_elements[static_cast<std::size_t>(index)];
    return e.start + e.length;
}

CString XmlDocument::GetTagName() const {
    if (!m_current) return CString();
    std::size_t start = m_elements[static_cast<std::size_t>(m_current)].start + 1;
    return CString(m_text.str().substr(start, NameEndOf(m_current) - start));
}

bool XmlDocument::FindNextElement(const wchar_t* name) {
    if (!name) return false;
    int i = m_current ? m_elements[static_cast<std::size_t>(m_current)].next
                      : m_elements[static_cast<std::size_t>(m_parent)].firstChild;
    for (; i; i = m_elements[static_cast<std::size_t>(i)].next) {
        if (NameIs(i, name)) {
            m_current = i;
            return true;
        }
    }
    return false;
}

bool XmlDocument::EnterElement() {
    if (!m_current) return false;
    m_parent = m_current;
    m_current = 0;
    return true;
}

bool XmlDocument::LeaveElement() {
    if (!m_parent) return false;
    m_current = m_parent;
    m_parent = m_elements[static_cast<std::size_t>(m_parent)].parent;
    return true;
}

bool XmlDocument::FindAttribute(int index, const wchar_t* name, AttributeSpan& span) const {
    const std::wstring& t = m_text.str();
    const xml::Element& e = m_elements[static_cast<std::size_t>(index)];
    std::size_t closer = (e.flags & xml::kElementEmpty) ? 2 : 1;
    std::size_t end = e.start + e.startTagLength - closer;
    std::size_t p = NameEndOf(index);
    while (p < end) {
        if (xml::IsBlank(t[p])) { ++p; continue; }
        if (t[p] == L'"' || t[p] == L'\'') {  // a stray value without a name
            std::size_t q = t.find(t[p], p + 1);
            p = (q == std::wstring::npos || q >= end) ? end : q + 1;
            continue;
        }
        std::size_t nameStart = p;
        while (p < end && !xml::IsBlank(t[p]) && t[p] != L'=' && t[p] != L'"' && t[p] != L'\'') ++p;
        if (p == nameStart) { ++p; continue; }  // a lone '='
        std::size_t nameEnd = p;
        AttributeSpan s;
        s.valueStart = s.valueEnd = s.replaceStart = s.replaceEnd = nameEnd;
        while (p < end && xml::IsBlank(t[p])) ++p;
        if (p < end && t[p] == L'=') {
            s.hasEquals = true;
            ++p;
            while (p < end && xml::IsBlank(t[p])) ++p;
            s.replaceStart = p;
            if (p < end && (t[p] == L'"' || t[p] == L'\'')) {
                std::size_t q = t.find(t[p], p + 1);
                if (q == std::wstring::npos || q >= end) q = end;
                s.valueStart = p + 1;
                s.valueEnd = q;
                p = q < end ? q + 1 : end;
            } else {
                s.valueStart = p;
                while (p < end && !xml::IsBlank(t[p])) ++p;
                s.valueEnd = p;
            }
            s.replaceEnd = p;
        } else {
            p = nameEnd;
        }
        if (t.compare(nameStart, nameEnd - nameStart, name) == 0) {
            span = s;
            return true;
        }
    }
    return false;
}

CString XmlDocument::GetAttribute(const wchar_t* name) const {
    AttributeSpan span;
    if (!m_current || !IsValidName(name) || !FindAttribute(m_current, name, span)) return CString();
    return CString(xml::DecodeEntities(std::wstring_view(m_text.str()).substr(span.valueStart, span.valueEnd - span.valueStart)));
}

bool XmlDocument::HasAttribute(const wchar_t* name) const {
    AttributeSpan span;
    return m_current && IsValidName(name) && FindAttribute(m_current, name, span);
}

// `firstMoved` is the first element (in document order) that starts at or after
// `pos`, 0 when none does; the caller knows it from where the edit lies. Only
// the elements from there on move, so appending stays linear in the size of
// what is built: the elements after an append point are few (none while a
// document is built front to back).
void XmlDocument::Splice(std::size_t pos, std::size_t removed, const std::wstring& inserted, int owner, int firstMoved) {
    m_text.str().replace(pos, removed, inserted);
    std::size_t grow = inserted.size();
    auto adjust = [&](std::size_t& v) { v = v + grow - removed; };
    for (int i = firstMoved; i; i = NextInDocument(i)) adjust(m_elements[static_cast<std::size_t>(i)].start);
    // Every edit lies inside `owner`, after its start: the owner and its ancestors grow.
    for (int i = owner; i; i = m_elements[static_cast<std::size_t>(i)].parent) adjust(m_elements[static_cast<std::size_t>(i)].length);
    adjust(m_elements[0].length);
}

// The index is a tree whose pre-order is the order of the start tags in the text.
int XmlDocument::NextInDocument(int index) const {
    int child = m_elements[static_cast<std::size_t>(index)].firstChild;
    return child ? child : NextAfter(index);
}

// The first element after `index` and everything inside it.
int XmlDocument::NextAfter(int index) const {
    for (int i = index; i; i = m_elements[static_cast<std::size_t>(i)].parent) {
        if (int next = m_elements[static_cast<std::size_t>(i)].next) return next;
    }
    return 0;
}

int XmlDocument::InsertRecord(std::size_t start, std::size_t length) {
    xml::Element e;
    e.start = start;
    e.length = length;
    e.startTagLength = length;
    e.flags = xml::kElementEmpty;
    e.parent = m_parent;
    int index = static_cast<int>(m_elements.size());
    xml::Element& parent = m_elements[static_cast<std::size_t>(m_parent)];
    int after = m_current ? m_current : parent.lastChild;
    if (after) {
        xml::Element& a = m_elements[static_cast<std::size_t>(after)];
        e.prev = after;
        e.next = a.next;
        if (a.next) m_elements[static_cast<std::size_t>(a.next)].prev = index;
        else parent.lastChild = index;
        a.next = index;
    } else {
        parent.firstChild = parent.lastChild = index;
    }
    m_elements.push_back(e);
    return index;
}

bool XmlDocument::AddElement(const wchar_t* name) {
    if (!IsValidName(name)) return false;
    const std::wstring tag = L"<" + std::wstring(name) + L"/>";
    const std::wstring& t = m_text.str();
    xml::Element& parent = m_elements[static_cast<std::size_t>(m_parent)];
    int after = m_current ? m_current : parent.lastChild;
    std::size_t pos = 0;
    std::wstring inserted;
    std::size_t offset = 0;  // of the new element within `inserted`
    int firstMoved = 0;
    if (after) {
        pos = End(after);
        inserted = kLineBreak + tag;
        offset = 2;
        firstMoved = NextAfter(after);
    } else if (m_parent == 0) {
        pos = t.size();
        bool needBreak = !t.empty() && t.back() != L'\n';
        offset = needBreak ? 2 : 0;
        inserted = (needBreak ? kLineBreak : L"") + tag + kLineBreak;
    } else if (parent.flags & xml::kElementEmpty) {
        AddFirstChildToEmpty(tag);
        return true;
    } else {
        pos = parent.start + parent.startTagLength;
        bool breakFollows = t.compare(pos, 2, kLineBreak) == 0;
        inserted = kLineBreak + tag + (breakFollows ? L"" : kLineBreak);
        offset = 2;
        firstMoved = NextAfter(m_parent);
    }
    Splice(pos, 0, inserted, m_parent, firstMoved);
    m_current = InsertRecord(pos + offset, tag.size());
    return true;
}

// <p/> becomes <p>, the child on its own line, </p>.
void XmlDocument::AddFirstChildToEmpty(const std::wstring& tag) {
    const std::wstring& t = m_text.str();
    const xml::Element& parent = m_elements[static_cast<std::size_t>(m_parent)];
    std::size_t nameStart = parent.start + 1;
    std::wstring endTag = L"</" + t.substr(nameStart, NameEndOf(m_parent) - nameStart) + L">";
    std::size_t pos = parent.start + parent.startTagLength - 2;
    // A stray '/' before the closer would make "/>" again.
    std::wstring closer = t[pos - 1] == L'/' ? L" >" : L">";
    Splice(pos, 2, closer + kLineBreak + tag + kLineBreak + endTag, m_parent, NextAfter(m_parent));
    xml::Element& p = m_elements[static_cast<std::size_t>(m_parent)];
    p.flags &= ~static_cast<unsigned>(xml::kElementEmpty);
    p.startTagLength = p.startTagLength - 2 + closer.size();
    p.endTagLength = endTag.size();
    m_current = InsertRecord(pos + closer.size() + 2, tag.size());
}

bool XmlDocument::SetAttribute(const wchar_t* name, const CString& value) {
    if (!m_current || !IsValidName(name)) return false;
    const std::wstring quoted = L"\"" + xml::EncodeEntities(value.str()) + L"\"";
    AttributeSpan span;
    std::size_t pos = 0;
    std::size_t removed = 0;
    std::wstring inserted;
    if (FindAttribute(m_current, name, span)) {
        pos = span.replaceStart;
        removed = span.replaceEnd - span.replaceStart;
        inserted = span.hasEquals ? quoted : L"=" + quoted;
    } else {
        const xml::Element& e = m_elements[static_cast<std::size_t>(m_current)];
        std::size_t closer = (e.flags & xml::kElementEmpty) ? 2 : 1;
        pos = e.start + e.startTagLength - closer;
        std::size_t nameEnd = NameEndOf(m_current);
        while (pos > nameEnd && xml::IsBlank(m_text.str()[pos - 1])) --pos;
        inserted = L" " + std::wstring(name) + L"=" + quoted;
    }
    Splice(pos, removed, inserted, m_current, NextInDocument(m_current));
    xml::Element& e = m_elements[static_cast<std::size_t>(m_current)];
    e.startTagLength = e.startTagLength + inserted.size() - removed;
    return true;
}
