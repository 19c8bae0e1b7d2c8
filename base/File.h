#pragma once
// Whole-file reads and writes by wide path, on Windows and elsewhere.
#include <string>

#include "CString.h"

namespace file {

// Reads the whole file; false (and `out` empty) when it cannot be opened or read.
bool ReadAll(const CString& path, std::string& out);
// Writes through a temporary file beside the target and renames it over the target,
// so a failed write never leaves a half-written file.
bool WriteAll(const CString& path, const std::string& bytes);
bool Exists(const CString& path);
bool IsDirectory(const CString& path);
// Creates one folder; true when it exists afterwards.
bool MakeDirectory(const CString& path);
bool Remove(const CString& path);
// Joins with the platform's separator unless `a` already ends in one.
CString Join(const CString& a, const CString& b);
wchar_t Separator();
// The path as the C runtime and SQLite expect it (UTF-8).
std::string NativeUtf8(const CString& path);

}  // namespace file
