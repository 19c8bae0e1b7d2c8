#pragma once

#include <string>

// Where a test finds the source tree and the build tree. ctest hands both to every test
// program in its environment (MIREVO_SOURCE_DIR, MIREVO_BUILD_DIR) rather than each object
// carrying them as constants, so that a clone in another folder compiles to the same
// objects and reuses the compiler cache. A program started without them stops at once
// and says which variable is missing.
namespace testpaths {

// The folders as the build system knows them, with '/' separators ("/work/main").
const std::string& SourceDir();
const std::string& BuildDir();

// SourceDir() + "/" + relative, with '/' separators; on Linux and under Wine (whose
// current drive maps the Unix root) both the C library and Win32 open it.
std::string Source(const std::string& relative = {});
std::string Build(const std::string& relative = {});

// The same file as Windows names it: "Z:\work\main\assets\...". Shell dialogs and GDI+
// want this form; a relative part may use either separator.
std::wstring WindowsSource(const std::wstring& relative = {});
std::wstring WindowsBuild(const std::wstring& relative = {});
std::wstring WindowsPath(const std::string& unixPath);

// Widens an ASCII/UTF-8 path (every path here is ASCII in practice).
std::wstring Wide(const std::string& path);

}  // namespace testpaths
