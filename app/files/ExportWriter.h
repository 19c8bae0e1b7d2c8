#pragma once
// Writing an export file built as an XML document.
#include "CString.h"
#include "FileOutcome.h"
#include "XmlDocument.h"

// Saves `doc` as `path` inside `folder` (which must exist). The file appears
// whole or not at all. On success the outcome's path is the file written.
FileOutcome WriteExport(XmlDocument& doc, const CString& folder, const CString& path);
