#pragma once
// The macro file: one macro's header and steps as XML.
//
//   <macro>
//   <macroinfo macro_name=".." macro_type=".." play_times=".." delay_type=".." delay_time=".."/>
//   <macroitems>
//   <item desc=".." index=".." type=".." value=".." timestamp=".."/>
//   </macroitems>
//   </macro>
//
// macro_type holds the header's play_type, timestamp a step's delay_time (the
// group number that ties a key's press and release together). UTF-8, one
// element per line, CR LF line ends, no indentation.
#include <string>
#include <vector>

#include "CString.h"
#include "FileOutcome.h"
#include "MacroRecords.h"
#include "XmlDocument.h"

struct MacroFileContent {
    MacroHeader header;  // macro_id is not part of the file
    std::vector<MacroStep> steps;  // macro_id and record_id are not part of the file
};

// The document of a macro, built with the XML component's layout.
void BuildMacroDocument(const MacroFileContent& content, XmlDocument& doc);

// Reads a macro file's bytes (taken from `path`, which only names it in the
// outcome). Header values that are missing or outside their domain keep the
// settings of a new macro; a step with any such value is left out. Both are
// listed in the outcome. The outcome fails only for a file that is no macro
// file at all.
FileOutcome ReadMacroFile(const std::string& bytes, const CString& path, MacroFileContent& content);

// The settings of a macro created from the macro page.
MacroHeader NewMacroHeader();
