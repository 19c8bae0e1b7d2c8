#pragma once
// Language files are INI files with one section, LAN, whose keys are decimal text
// ids. They ship as UTF-16LE with a byte-order mark; this reader also accepts a
// UTF-8 file with or without a mark. It follows the Windows profile reader's rules:
// the first occurrence of a key wins, surrounding quotes are removed, and a text
// is cut to 259 characters.
#include <map>
#include <string>

#include "CString.h"

namespace language {

constexpr int kMaxTextLength = 259;

// Parses the bytes of a whole file and returns the texts of `section` by id.
// Malformed lines are skipped; never fails.
std::map<int, CString> ParseSection(const std::string& fileBytes, const CString& section);

}  // namespace language
