#include "XmlParser.h"

#include <unordered_map>

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
        // The internal subset may hold '>' inside brackets, quotes, comments and
        // processing instructions. Comments and instructions are skipped whole
        // first: an apostrophe or bracket in their text is no quote or bracket.
        int depth = 0;
        for (std::size_t p = lt + 9; p < m_text.size(); ++p) {
            wchar_t ch = m_text[p];
            if (depth > 0 && m_text.compare(p, 4, L"<!--") == 0) {
                p = m_text.find(L"-->", p + 4);
                if (p == npos) break;
                p += 2;
            } else if (depth > 0 && m_text.compare(p, 2, L"<?") == 0) {
                p = m_text.find(L"?>", p + 2);
                if (p == npos) break;
                p += 1;
            } else if (ch == L'"' || ch == L'\'') {
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
        std::size_t depth = 0;
        if (!FindOpen(name, depth)) {
            AddIssue(L"lone_end_tag", name, lt, tagEnd);
            return tagEnd;
        }
        while (m_open.size() - 1 > depth) CloseUnended(lt);
        Element& e = m_result.elements[static_cast<std::size_t>(m_open.back().index)];
        e.length = tagEnd - e.start;
        e.endTagLength = tagEnd - lt;
        PopOpen();
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
            if (ch == L'>') return AddElement(lt, p + 1, name, false);
            if (ch == L'/' && p + 1 < m_text.size() && m_text[p + 1] == L'>') return AddElement(lt, p + 2, name, true);
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

    std::size_t AddElement(std::size_t lt, std::size_t tagEnd, std::wstring_view name, bool empty) {
        int parent = m_open.empty() ? 0 : m_open.back().index;
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
            AddIssue(L"root_has_sibling", name, lt, tagEnd);
        }
        if (!empty) PushOpen(index, name);
        return tagEnd;
    }

    // The open elements are a stack; beside it, the stack depths at which each
    // name is open, so an end tag finds the innermost element it closes without
    // walking the stack (a deep document full of stray end tags stays linear).
    struct OpenElement {
        int index;
        std::wstring_view name;
    };

    void PushOpen(int index, std::wstring_view name) {
        m_depthsByName[name].push_back(m_open.size());
        m_open.push_back(OpenElement{index, name});
    }

    // An emptied entry stays: the same name usually opens again soon.
    void PopOpen() {
        m_depthsByName[m_open.back().name].pop_back();
        m_open.pop_back();
    }

    bool FindOpen(std::wstring_view name, std::size_t& depth) const {
        auto it = m_depthsByName.find(name);
        if (it == m_depthsByName.end() || it->second.empty()) return false;
        depth = it->second.back();
        return true;
    }

    void CloseUnended(std::size_t at) {
        const OpenElement& open = m_open.back();
        Element& e = m_result.elements[static_cast<std::size_t>(open.index)];
        e.length = at - e.start;
        e.flags |= kElementIllFormed;
        AddIssue(L"unended_start_tag", open.name, e.start, at);
        PopOpen();
    }

    void CloseOpen(std::size_t at) {
        while (!m_open.empty()) CloseUnended(at);
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
    std::vector<OpenElement> m_open;
    std::unordered_map<std::wstring_view, std::vector<std::size_t>> m_depthsByName;
};

}  // namespace

ParseResult Parse(std::wstring_view text) { return Parser(text).Run(); }

}  // namespace xml
