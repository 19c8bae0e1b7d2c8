#pragma once
// Loading a file that a user hands us for import. Such a file may come from
// anywhere, so before it reaches the XML component its size and encoding are
// checked, and afterwards it must be one well-formed document with our root
// element. Every refusal names the file and says what is wrong with it.
#include <cstddef>
#include <string>

#include "CString.h"
#include "FileOutcome.h"
#include "XmlDocument.h"

// Our files are a few kilobytes; a macro of ten thousand steps still fits.
inline constexpr std::size_t kMaxImportFileBytes = 1024 * 1024;

// Reads the whole file into `bytes`, refusing one larger than kMaxImportFileBytes
// without reading it all.
FileOutcome ReadImportFile(const CString& path, std::string& bytes);

// Loads bytes read from `path` into `doc`. On success the root element named
// `rootName` is the current element; on failure the outcome says why.
FileOutcome LoadImportBytes(const std::string& bytes, const CString& path, const wchar_t* rootName, XmlDocument& doc);
