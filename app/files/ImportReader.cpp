#include "ImportReader.h"

namespace {

// Enough of a value to recognise it in a message; a hostile file can hold megabytes.
constexpr std::size_t kQuotedLength = 40;

constexpr long long kSaturated = 1LL << 62;

CString Quoted(const CString& text) {
    if (text.str().size() <= kQuotedLength) return text;
    return CString(text.str().substr(0, kQuotedLength) + L"...");
}

}  // namespace

std::optional<long long> ParseDecimal(const std::wstring& text) {
    std::size_t p = 0;
    bool negative = !text.empty() && text[0] == L'-';
    if (negative) ++p;
    if (p == text.size()) return std::nullopt;
    long long value = 0;
    for (; p < text.size(); ++p) {
        wchar_t ch = text[p];
        if (ch < L'0' || ch > L'9') return std::nullopt;
        value = value < kSaturated / 10 ? value * 10 + (ch - L'0') : kSaturated;
    }
    return negative ? -value : value;
}

ImportReader::ImportReader(XmlDocument& doc, std::vector<SkippedValue>& skipped) : m_doc(doc), m_skipped(skipped) {
    Level top;
    top.current = doc.GetTagName();
    m_levels.push_back(top);
}

CString ImportReader::Where() const {
    const Level& level = m_levels.back();
    return level.path.IsEmpty() ? level.current : level.path + L"/" + level.current;
}

bool ImportReader::Find(const wchar_t* name, bool listItem) {
    Level& level = m_levels.back();
    if (!m_doc.FindNextElement(name)) {
        if (!listItem) ListEarlier(name);
        return false;
    }
    level.found.emplace_back(name);
    int n = ++level.counts[name];
    level.current = listItem ? CString(std::wstring(name) + L"[" + std::to_wstring(n) + L"]") : CString(name);
    return true;
}

// A search that found nothing may have passed over the element: look again from
// the first child, then walk back to where the ordered search stands.
void ImportReader::ListEarlier(const wchar_t* name) {
    Level& level = m_levels.back();
    if (level.found.empty() || !m_doc.LeaveElement()) return;
    m_doc.EnterElement();
    if (m_doc.FindNextElement(name)) {
        CString path = level.path.IsEmpty() ? CString(name) : level.path + L"/" + name;
        m_skipped.push_back(SkippedValue{path, CString(), CString(), SkipReason::kOutOfOrder});
    }
    m_doc.LeaveElement();
    m_doc.EnterElement();
    for (const std::wstring& found : level.found) m_doc.FindNextElement(found.c_str());
}

void ImportReader::Enter() {
    CString path = Where();
    m_doc.EnterElement();
    Level inner;
    inner.path = path;
    m_levels.push_back(inner);
}

void ImportReader::Leave() {
    m_doc.LeaveElement();
    if (m_levels.size() > 1) m_levels.pop_back();
}

void ImportReader::Skip(const wchar_t* attribute, const CString& text, SkipReason reason) {
    m_skipped.push_back(SkippedValue{Where(), CString(attribute), Quoted(text), reason});
}

std::optional<int> ImportReader::Int(const wchar_t* attribute, IntRange range, Absence absence) {
    CString text = m_doc.GetAttribute(attribute);
    if (text.IsEmpty()) {
        bool listed = absence == Absence::kListed || (absence == Absence::kEmptyAllowed && !m_doc.HasAttribute(attribute));
        if (listed) Skip(attribute, text, SkipReason::kEmpty);
        return std::nullopt;
    }
    std::optional<long long> value = ParseDecimal(text.str());
    if (!value) {
        Skip(attribute, text, SkipReason::kNotANumber);
        return std::nullopt;
    }
    if (*value < range.min || *value > range.max) {
        Skip(attribute, text, SkipReason::kOutOfRange);
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::optional<CString> ImportReader::Text(const wchar_t* attribute) {
    CString text = m_doc.GetAttribute(attribute);
    bool fits = text.GetLength() <= kMaxImportedTextLength;
    for (wchar_t ch : text.str()) fits = fits && ch >= 0x20 && ch != 0x7F;
    if (!fits) {
        Skip(attribute, text, SkipReason::kBadText);
        return std::nullopt;
    }
    return text;
}
