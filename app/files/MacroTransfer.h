#pragma once
// Export of a stored macro to a macro file, and import of a macro file as a new
// macro. No dialogs: the caller has chosen the folder or the file.
#include <cstdint>

#include "CString.h"
#include "FileOutcome.h"
#include "MacroRecords.h"
#include "SettingsDatabase.h"

// Writes macro `macroId` to "<folder>\<name>-<tick>.xml" (ExportFileName.h).
// `shownName` is the name as the macro list shows it; it is written as the
// macro's name, and the stored name stands in when it is empty. On success the
// outcome's path is the file written.
FileOutcome ExportMacro(SettingsDatabase& store, int macroId, const CString& shownName, const CString& folder,
                        std::uint32_t tick);

// Stores the macro of the file as a new macro: its header and every valid step
// as one change, or nothing. On success `added` is the new macro (its
// macro_id and name, for the macro lists) and the outcome lists what was left out.
FileOutcome ImportMacro(SettingsDatabase& store, const CString& path, MacroHeader& added);
