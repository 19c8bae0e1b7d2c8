// Macro files: the selected macro exported into a folder, a file imported as a new
// macro. The user is told what came of it: the file written, the macro imported and
// every value left out with the reason, or why the file was refused.
#include "MacroPage.h"

#include "FileChoosers.h"
#include "MacroList.h"
#include "MacroTransfer.h"
#include "SettingsDatabase.h"
#include "TextFormat.h"

namespace {

constexpr int kImportTitle = 26;
constexpr int kExportTitle = 27;
constexpr int kNotice = 0;

// The language texts of the file messages.
constexpr int kFilterName = 760;
constexpr int kExported = 761;
constexpr int kNotExported = 762;
constexpr int kImported = 763;
constexpr int kNotImported = 764;
constexpr int kLeftOut = 765;
constexpr int kLeftOutLine = 766;
constexpr int kDetail = 767;
constexpr int kMoreLeftOut = 768;
// A message box has room for a few lines; the rest are counted.
constexpr size_t kShownLeftOut = 6;

int ProblemText(FileProblem problem) {
    switch (problem) {
    case FileProblem::kNone: return 0;
    case FileProblem::kUnreadable: return 770;
    case FileProblem::kTooLarge: return 771;
    case FileProblem::kBadEncoding: return 772;
    case FileProblem::kNotXml: return 773;
    case FileProblem::kForeign: return 774;
    case FileProblem::kMissingPart: return 775;
    case FileProblem::kNoSuchProfile: return 776;
    case FileProblem::kNoSuchMacro: return 777;
    case FileProblem::kStoreRefused: return 778;
    case FileProblem::kUndoFailed: return 779;
    case FileProblem::kUnwritable: return 780;
    }
    return 770;
}

int ReasonText(SkipReason reason) {
    switch (reason) {
    case SkipReason::kEmpty: return 781;
    case SkipReason::kNotANumber: return 782;
    case SkipReason::kOutOfRange: return 783;
    case SkipReason::kBadText: return 784;
    case SkipReason::kOutOfOrder: return 785;
    case SkipReason::kNoLightingMode: return 786;
    case SkipReason::kUnknownMacro: return 787;
    }
    return 781;
}

}  // namespace

CString MacroPage::ProblemReport(int textId, const FileOutcome& outcome) {
    PageContext& context = m_c.Context();
    CString report = FormatText(context.Text(textId), {outcome.path, context.Text(ProblemText(outcome.problem))});
    if (!outcome.detail.IsEmpty()) report += FormatText(context.Text(kDetail), {outcome.detail});
    return report;
}

void MacroPage::ExportMacro() {
    const int macroId = SelectedMacro();
    if (macroId <= 0) return;
    const std::optional<CString> folder = ChooseFolder(m_c.Window().GetSafeHwnd(), m_c.Context().Text(kExportTitle));
    if (!folder) return;
    const CString shown = m_macros->GetItemText(m_macros->GetCurSel());
    const FileOutcome outcome = ::ExportMacro(m_c.Context().Store(), macroId, shown, *folder, GetTickCount());
    const CString report = outcome.Ok() ? FormatText(m_c.Context().Text(kExported), {outcome.path})
                                        : ProblemReport(kNotExported, outcome);
    m_c.Context().AskText(kExportTitle, report, kNotice);
}

void MacroPage::ImportMacro() {
    const std::optional<CString> path = ChooseXmlFile(m_c.Window().GetSafeHwnd(), m_c.Context().Text(kFilterName));
    if (!path) return;
    MacroHeader added;
    const FileOutcome outcome = ::ImportMacro(m_c.Context().Store(), *path, added);
    if (outcome.Ok() && added.macro_id > 0 && m_macros) {
        m_macros->AddString(LocalizeMacroName(added.name).GetString(), static_cast<DWORD>(added.macro_id), -1);
        m_c.Context().MacrosChanged();
    }
    const CString report = outcome.Ok() ? ImportReport(outcome, added) : ProblemReport(kNotImported, outcome);
    m_c.Context().AskText(kImportTitle, report, kNotice);
}

// The macro imported, then one line for each value the file had that was left out.
CString MacroPage::ImportReport(const FileOutcome& outcome, const MacroHeader& added) {
    PageContext& context = m_c.Context();
    CString report = FormatText(context.Text(kImported), {LocalizeMacroName(added.name), outcome.path});
    if (outcome.skipped.empty()) return report;
    report += L"\n";
    report += context.Text(kLeftOut);
    for (size_t i = 0; i < outcome.skipped.size() && i < kShownLeftOut; ++i) {
        const SkippedValue& skipped = outcome.skipped[i];
        const CString where = skipped.attribute.IsEmpty() ? skipped.where : skipped.where + L"@" + skipped.attribute;
        report += L"\n";
        report += FormatText(context.Text(kLeftOutLine), {where, skipped.text, context.Text(ReasonText(skipped.reason))});
    }
    if (outcome.skipped.size() > kShownLeftOut) {
        report += L"\n";
        report += FormatText(context.Text(kMoreLeftOut), {static_cast<int>(outcome.skipped.size() - kShownLeftOut)});
    }
    return report;
}
