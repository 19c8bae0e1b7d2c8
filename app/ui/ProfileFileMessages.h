#pragma once
// What the user is told after a profile file was imported or could not be exported: the
// outcome of the file readers and writers in the interface language, naming the file,
// with the values an import left out and why.
#include "CUIMessageBox.h"
#include "FileOutcome.h"

// Language ids of the two message titles.
constexpr int kTextProfileImportTitle = 620;
constexpr int kTextProfileExportTitle = 621;

CString ProfileImportMessage(const FileOutcome& outcome, const TextById& texts);
CString ProfileExportFailureMessage(const FileOutcome& outcome, const TextById& texts);
