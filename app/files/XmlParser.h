#pragma once
// The one-pass scanner behind XmlDocument: it builds the element index over the
// document text and collects what it could not understand. It never stops early
// on a recoverable error, so an ill-formed document stays navigable as far as it
// was understood. Internal to the XML component.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace xml {

enum ElementFlags : unsigned {
    kElementEmpty = 1,      // written as <name/>
    kElementIllFormed = 2,  // its end tag never came
};

// One element of the index. Index 0 is the document itself: its children are the
// top-level elements, and 0 in a link field means "none".
struct Element {
    std::size_t start = 0;           // offset of '<' of the start tag
    std::size_t length = 0;          // start tag, content and end tag
    std::size_t startTagLength = 0;
    std::size_t endTagLength = 0;
    unsigned flags = 0;
    int parent = 0;
    int firstChild = 0;
    int lastChild = 0;
    int next = 0;
    int prev = 0;
};

struct Issue {
    std::wstring name;     // e.g. "lone_end_tag"
    std::wstring tagName;  // empty when none applies
    std::size_t offset = 0;
    std::size_t offset2 = 0;
};

// Only the first issues are kept: they serve diagnosis, and a hostile file could
// otherwise make the list as long as itself.
constexpr std::size_t kMaxIssues = 64;

struct ParseResult {
    std::vector<Element> elements;  // always holds the document record 0
    std::vector<Issue> issues;      // the first kMaxIssues of them
    std::size_t issueCount = 0;     // all of them
    int rootCount = 0;
    bool WellFormed() const { return rootCount == 1 && issueCount == 0; }
};

ParseResult Parse(std::wstring_view text);

// Names run up to one of these characters (or the end of the text).
bool IsNameDelimiter(wchar_t ch);
std::size_t NameEnd(std::wstring_view text, std::size_t pos);
bool IsBlank(wchar_t ch);

}  // namespace xml
