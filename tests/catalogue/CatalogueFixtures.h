#pragma once
#include "CString.h"
#include "File.h"
#include "Utf.h"
#include "TestPaths.h"

// A folder laid out like the program's: config.xml and device/.
inline CString Fixture(const char* name) {
    CString root = utf::Utf8ToWide(testpaths::SourceDir());
    return file::Join(file::Join(file::Join(root, L"tests"), file::Join(L"catalogue", L"fixtures")),
                      utf::Utf8ToWide(name));
}

inline CString ShippedAssets() { return file::Join(utf::Utf8ToWide(testpaths::SourceDir()), L"assets"); }
