#include "UpdaterOutput.h"

#include <algorithm>
#include <cwctype>

namespace {

constexpr std::wstring_view kProgress = L"PROCESS: %";
constexpr std::wstring_view kCompleted = L"UPDATE COMPLETED";
constexpr size_t kLongestNumber = 3;

// The number at `at`: its digits, at most three of them, clamped to 0-100; -1 without a digit.
int NumberAt(std::wstring_view text, size_t at) {
    int value = -1;
    for (size_t i = at; i < text.size() && i < at + kLongestNumber && std::iswdigit(text[i]); ++i)
        value = (value < 0 ? 0 : value * 10) + (text[i] - L'0');
    return value < 0 ? -1 : std::min(value, 100);
}

int LastProgress(std::wstring_view text) {
    int progress = -1;
    for (size_t at = text.find(kProgress); at != std::wstring_view::npos; at = text.find(kProgress, at + 1)) {
        int value = NumberAt(text, at + kProgress.size());
        if (value >= 0) progress = value;
    }
    return progress;
}

}  // namespace

std::wstring UpperCase(std::wstring_view text) {
    std::wstring upper(text);
    for (wchar_t& c : upper) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    return upper;
}

UpdaterOutputScanner::UpdaterOutputScanner(std::wstring_view programFolder) {
    std::wstring_view folder = programFolder;
    if (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) folder.remove_suffix(1);
    m_endMarker = UpperCase(folder);
    // Enough of the previous chunk to complete any marker, or a progress number cut
    // between its digits, that the new chunk finishes.
    m_tailLength = std::max({kProgress.size() + kLongestNumber, kCompleted.size(), m_endMarker.size()});
}

UpdaterOutputScanner::Findings UpdaterOutputScanner::Take(std::wstring_view chunk) {
    const std::wstring text = m_tail + UpperCase(chunk);
    Findings found;
    found.progress = LastProgress(text);
    found.completed = text.find(kCompleted) != std::wstring::npos;
    found.ended = !m_endMarker.empty() && text.find(m_endMarker) != std::wstring::npos;
    m_tail = text.size() > m_tailLength ? text.substr(text.size() - m_tailLength) : text;
    return found;
}
