#include "ProfileFileMessages.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kTextImported = 622;
constexpr int kTextNotImported = 623;
constexpr int kTextNotExported = 624;
constexpr int kTextLeftOut = 625;
constexpr int kTextMoreLeftOut = 626;
// The message box has room for a few lines; the rest is counted.
constexpr size_t kListedSkips = 4;

int ProblemText(FileProblem problem) {
    switch (problem) {
    case FileProblem::kUnreadable: return 630;
    case FileProblem::kTooLarge: return 631;
    case FileProblem::kBadEncoding: return 632;
    case FileProblem::kNotXml: return 633;
    case FileProblem::kForeign: return 634;
    case FileProblem::kMissingPart: return 635;
    case FileProblem::kNoSuchProfile:
    case FileProblem::kNoSuchMacro: return 636;
    case FileProblem::kStoreRefused: return 637;
    case FileProblem::kUndoFailed: return 638;
    case FileProblem::kUnwritable: return 639;
    case FileProblem::kNone: break;
    }
    return 0;
}

int ReasonText(SkipReason reason) {
    switch (reason) {
    case SkipReason::kEmpty: return 640;
    case SkipReason::kNotANumber: return 641;
    case SkipReason::kOutOfRange: return 642;
    case SkipReason::kBadText: return 643;
    case SkipReason::kOutOfOrder: return 644;
    case SkipReason::kNoLightingMode: return 645;
    case SkipReason::kUnknownMacro: return 646;
    }
    return 0;
}

// The file's own name: the folder is the one the user just chose.
CString FileName(const CString& path) {
    const std::wstring text = path.str();
    const size_t slash = text.find_last_of(L"\\/");
    return CString(slash == std::wstring::npos ? text.c_str() : text.substr(slash + 1).c_str());
}

CString SkipLine(const SkippedValue& skip, const TextById& texts) {
    CString line = skip.where;
    if (!skip.attribute.IsEmpty()) line += L" " + skip.attribute;
    return line + L": " + texts(ReasonText(skip.reason));
}

CString Refusal(int headline, const FileOutcome& outcome, const TextById& texts) {
    return texts(headline) + L" " + FileName(outcome.path) + L"\n" + texts(ProblemText(outcome.problem));
}

}  // namespace

CString ProfileImportMessage(const FileOutcome& outcome, const TextById& texts) {
    if (!texts) return CString();
    if (!outcome.Ok()) return Refusal(kTextNotImported, outcome, texts);
    CString message = texts(kTextImported) + L" " + FileName(outcome.path);
    if (outcome.skipped.empty()) return message;
    message += L"\n" + texts(kTextLeftOut);
    const size_t listed = std::min(outcome.skipped.size(), kListedSkips);
    for (size_t i = 0; i < listed; ++i) message += L"\n" + SkipLine(outcome.skipped[i], texts);
    if (outcome.skipped.size() > listed) {
        message += L"\n" + texts(kTextMoreLeftOut) + L" " +
                   CString(std::to_wstring(outcome.skipped.size() - listed).c_str());
    }
    return message;
}

CString ProfileExportFailureMessage(const FileOutcome& outcome, const TextById& texts) {
    if (!texts) return CString();
    return Refusal(kTextNotExported, outcome, texts);
}
