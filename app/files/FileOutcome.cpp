#include "FileOutcome.h"

#include "TextFormat.h"

namespace {

const wchar_t* ProblemText(FileProblem problem) {
    switch (problem) {
    case FileProblem::kNone: return L"\"%s\": done";
    case FileProblem::kUnreadable: return L"\"%s\" cannot be read: %s";
    case FileProblem::kTooLarge: return L"\"%s\" is too large to be a file of ours (%s)";
    case FileProblem::kBadEncoding: return L"\"%s\" is not readable text: %s";
    case FileProblem::kNotXml: return L"\"%s\" is not a complete XML document: %s";
    case FileProblem::kForeign: return L"\"%s\" is not a file of this kind: %s";
    case FileProblem::kMissingPart: return L"\"%s\" lacks its <%s> element";
    case FileProblem::kNoSuchProfile: return L"\"%s\": there is no profile %s";
    case FileProblem::kNoSuchMacro: return L"\"%s\": there is no macro %s";
    case FileProblem::kStoreRefused: return L"\"%s\": the settings store failed (%s); nothing was changed";
    case FileProblem::kUndoFailed: return L"\"%s\": the settings store refused a change (%s) and the previous settings could not all be restored";
    case FileProblem::kUnwritable: return L"\"%s\" cannot be written: %s";
    }
    return L"\"%s\": %s";
}

const wchar_t* ReasonText(SkipReason reason) {
    switch (reason) {
    case SkipReason::kEmpty: return L"it is missing or empty";
    case SkipReason::kNotANumber: return L"it is not a whole number";
    case SkipReason::kOutOfRange: return L"it is out of range";
    case SkipReason::kBadText: return L"the text is too long or holds control characters";
    case SkipReason::kOutOfOrder: return L"it stands before an element that comes after it in this format";
    case SkipReason::kNoLightingMode: return L"the profile has no lighting mode of that number";
    case SkipReason::kUnknownMacro: return L"no macro of that name is stored here";
    }
    return L"";
}

}  // namespace

FileOutcome FileOutcome::Success(const CString& path) { return Failure(FileProblem::kNone, path); }

FileOutcome FileOutcome::Failure(FileProblem problem, const CString& path, const CString& detail) {
    FileOutcome outcome;
    outcome.problem = problem;
    outcome.path = path;
    outcome.detail = detail;
    return outcome;
}

CString Describe(const FileOutcome& outcome) {
    CString text = FormatText(ProblemText(outcome.problem), {outcome.path, outcome.detail});
    for (const SkippedValue& s : outcome.skipped) {
        CString place = s.attribute.IsEmpty() ? s.where : s.where + L"@" + s.attribute;
        text += FormatText(L"\n  skipped %s (\"%s\"): %s", {place, s.text, ReasonText(s.reason)});
    }
    return text;
}
