#include "XmlParser.h"

namespace xml {

bool IsBlank(wchar_t ch) { return ch == L' ' || ch == L'\t' || ch == L'\r' || ch == L'\n'; }

bool IsNameDelimiter(wchar_t ch) {
    switch (ch) {
    case L' ': case L'\t': case L'\r': case L'\n': case L'>': case L'/': case L'=':
    case L'?': case L'!': case L'"': case L'\'': case L';': case L'<': case L'\\':
        return true;
    default:
        return false;
    }
}

std::size_t NameEnd(std::wstring_view text, std::size_t pos) {
    while (pos < text.size() && !IsNameDelimiter(text[pos])) ++pos;
    return pos;
}

namespace {

constexpr std::size_t npos = std::wstring_view::npos;

class Parser {
public:
    explicit Parser(std::wstring_view text) : m_text(text) { m_result.elements.resize(1); }

    ParseResult Run() {
        std::size_t pos = 0;
        while (pos < m_text.size()) {
            std::size_t lt = m_text.find(L'<', pos);
            if (lt == npos) break;
            pos = Markup(lt);
        }
        CloseOpen(m_text.size());
        if (m_result.rootCount == 0) AddIssue(L"no_root_element", L"", m_text.size());
        m_result.elements[0].length = m_text.size();
        return std::move(m_result);
    }

private:
    // Handles the markup starting at `lt` and returns where scanning goes on;
    // the end of the text when the rest cannot be understood.
    std::size_t Markup(std::size_t lt) {
        if (lt + 1 >= m_text.size()) return Stop(L"unterminated_tag_syntax", lt);
        wchar_t c = m_text[lt + 1];
        if (c == L'?') return SkipPast(lt, lt + 2, L"?>", L"unterminated_tag_syntax");
        if (c == L'!') return Declaration(lt);
        if (c == L'/') return EndTag(lt);
        return StartTag(lt);
    }

    std::size_t Declaration(std::size_t lt) {
        std::wstring_view rest = m_text.substr(lt);
        if (rest.starts_with(L"<!--")) return SkipPast(lt, lt + 4, L"-->", L"comment_tag_syntax");
        if (rest.starts_with(L"<![CDATA[")) return SkipPast(lt, lt + 9, L"]]>", L"cdata_section_syntax");
        if (rest.starts_with(L"<!-")) return Recover(L"comment_tag_syntax", lt);
        if (rest.starts_with(L"<![")) return Recover(L"cdata_section_syntax", lt);
        if (!rest.starts_with(L"<!DOCTYPE")) return Recover(L"doctype_tag_syntax", lt);
        // The internal subset may hold '>' inside brackets and quotes.
        int depth = 0;
        for (std::size_t p = lt + 9; p < m_text.size(); ++p) {
            wchar_t ch = m_text[p];
            if (ch == L'"' || ch == L'\'') {
                p = m_text.find(ch, p + 1);
                if (p == npos) break;
            } else if (ch == L'[') {
                ++depth;
            } else if (ch == L']') {
                if (depth > 0) --depth;
            } else if (ch == L'>' && depth == 0) {
                return p + 1;
            }
        }
        return Stop(L"doctype_tag_syntax", lt);
    }

    std::size_t EndTag(std::size_t lt) {
        std::size_t nameStart = lt + 2;
        std::size_t nameEnd = NameEnd(m_text, nameStart);
        std::wstring_view name = m_text.substr(nameStart, nameEnd - nameStart);
        std::size_t p = nameEnd;
        while (p < m_text.size() && m_text[p] != L'>' && m_text[p] != L'<') ++p;
        if (p >= m_text.size()) return Stop(L"unterminated_tag_syntax", lt, name);
        if (m_text[p] == L'<') {
            AddIssue(L"unterminated_tag_syntax", name, lt, p);
            return p;
        }
        std::size_t tagEnd = p + 1;
        int depth = FindOpen(name);
        if (depth < 0) {
            AddIssue(L"lone_end_tag", name, lt, tagEnd);
            return tagEnd;
        }
        while (static_cast<int>(m_open.size()) - 1 > depth) CloseUnended(lt);
        Element& e = m_result.elements[m_open.back()];
        e.length = tagEnd - e.start;
        e.endTagLength = tagEnd - lt;
        m_open.pop_back();
        return tagEnd;
    }

    std::size_t StartTag(std::size_t lt) {
        std::size_t nameEnd = NameEnd(m_text, lt + 1);
        if (nameEnd == lt + 1) return Recover(L"first_tag_syntax", lt);
        std::wstring_view name = m_text.substr(lt + 1, nameEnd - lt - 1);
        std::size_t p = nameEnd;
        for (;;) {
            if (p >= m_text.size()) return Stop(L"unterminated_tag_syntax", lt, name);
            wchar_t ch = m_text[p];
            if (ch == L'>') return AddElement(lt, p + 1, false);
            if (ch == L'/' && p + 1 < m_text.size() && m_text[p + 1] == L'>') return AddElement(lt, p + 2, true);
            if (ch == L'<') {
                AddIssue(L"unterminated_tag_syntax", name, lt, p);
                return p;
            }
            if (ch == L'"' || ch == L'\'') {
                p = m_text.find(ch, p + 1);
                if (p == npos) return Stop(L"unterminated_tag_syntax", lt, name);
            }
            ++p;
        }
    }

    std::size_t AddElement(std::size_t lt, std::size_t tagEnd, bool empty) {
        int parent = m_open.empty() ? 0 : m_open.back();
        int index = static_cast<int>(m_result.elements.size());
        Element e;
        e.start = lt;
        e.startTagLength = tagEnd - lt;
        e.length = empty ? e.startTagLength : 0;
        e.flags = empty ? static_cast<unsigned>(kElementEmpty) : 0u;
        e.parent = parent;
        e.prev = m_result.elements[parent].lastChild;
        m_result.elements.push_back(e);
        Element& p = m_result.elements[parent];
        if (p.lastChild) m_result.elements[p.lastChild].next = index;
        else p.firstChild = index;
        p.lastChild = index;
        if (parent == 0 && ++m_result.rootCount > 1) {
            AddIssue(L"root_has_sibling", NameOf(index), lt, tagEnd);
        }
        if (!empty) m_open.push_back(index);
        return tagEnd;
    }

    int FindOpen(std::wstring_view name) const {
        for (int i = static_cast<int>(m_open.size()) - 1; i >= 0; --i) {
            if (NameOf(m_open[static_cast<std::size_t>(i)]) == name) return i;
        }
        return -1;
    }

    void CloseUnended(std::size_t at) {
        Element& e = m_result.elements[m_open.back()];
        e.length = at - e.start;
        e.flags |= kElementIllFormed;
        AddIssue(L"unended_start_tag", NameOf(m_open.back()), e.start, at);
        m_open.pop_back();
    }

    void CloseOpen(std::size_t at) {
        while (!m_open.empty()) CloseUnended(at);
    }

    std::wstring_view NameOf(int index) const {
        std::size_t start = m_result.elements[static_cast<std::size_t>(index)].start + 1;
        return m_text.substr(start, NameEnd(m_text, start) - start);
    }

    std::size_t SkipPast(std::size_t lt, std::size_t from, std::wstring_view terminator, const wchar_t* issue) {
        std::size_t end = m_text.find(terminator, from);
        if (end == npos) return Stop(issue, lt);
        return end + terminator.size();
    }

    // A construct that is not understood is reported and read as text.
    std::size_t Recover(const wchar_t* issue, std::size_t lt) {
        AddIssue(issue, L"", lt);
        return lt + 1;
    }

    // Nothing after an unterminated construct can be told apart from its content.
    std::size_t Stop(const wchar_t* issue, std::size_t lt, std::wstring_view name = {}) {
        AddIssue(issue, name, lt, m_text.size());
        return m_text.size();
    }

    void AddIssue(const wchar_t* name, std::wstring_view tag, std::size_t offset, std::size_t offset2 = 0) {
        if (++m_result.issueCount > kMaxIssues) return;
        m_result.issues.push_back(Issue{name, std::wstring(tag), offset, offset2});
    }

    std::wstring_view m_text;
    ParseResult m_result;
    std::vector<int> m_open;
};

}  // namespace

ParseResult Parse(std::wstring_view text) { return Parser(text).Run(); }

}  // namespace xml
