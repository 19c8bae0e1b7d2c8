#include "MacroTransfer.h"

#include <string>

#include "ExportFileName.h"
#include "ExportWriter.h"
#include "ImportedDocument.h"
#include "MacroFile.h"

namespace {

constexpr const wchar_t* kStoreClosed = L"it is not open";

}  // namespace

FileOutcome ExportMacro(SettingsDatabase& store, int macroId, const CString& shownName, const CString& folder,
                        std::uint32_t tick) {
    if (!store.IsOpen()) return FileOutcome::Failure(FileProblem::kStoreRefused, folder, kStoreClosed);
    MacroFileContent content;
    if (!store.GetMacro(macroId, content.header)) {
        return FileOutcome::Failure(FileProblem::kNoSuchMacro, folder, CString(std::to_wstring(macroId)));
    }
    if (!shownName.IsEmpty()) content.header.name = shownName;
    store.ListMacroSteps(macroId, content.steps);
    XmlDocument doc;
    BuildMacroDocument(content, doc);
    return WriteExport(doc, folder, ExportFilePath(folder, content.header.name, tick));
}

FileOutcome ImportMacro(SettingsDatabase& store, const CString& path, MacroHeader& added) {
    std::string bytes;
    FileOutcome outcome = ReadImportFile(path, bytes);
    if (!outcome.Ok()) return outcome;
    MacroFileContent content;
    outcome = ReadMacroFile(bytes, path, content);
    if (!outcome.Ok()) return outcome;
    if (!store.IsOpen()) return FileOutcome::Failure(FileProblem::kStoreRefused, path, kStoreClosed);

    int macroId = store.AddMacroWithSettings(content.header);
    if (macroId <= 0) return FileOutcome::Failure(FileProblem::kStoreRefused, path, L"adding the macro");
    for (MacroStep& step : content.steps) step.macro_id = macroId;
    // The steps go in as one change; when they cannot, the new header goes too,
    // so a failed import never leaves an empty macro behind.
    if (!content.steps.empty() && !store.SaveMacroSteps(content.steps)) {
        FileProblem problem = store.DeleteMacro(macroId) ? FileProblem::kStoreRefused : FileProblem::kUndoFailed;
        return FileOutcome::Failure(problem, path, L"adding the macro's steps");
    }
    added = content.header;
    added.macro_id = macroId;
    return outcome;
}
