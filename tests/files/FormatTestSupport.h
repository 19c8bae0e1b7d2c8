#pragma once
// Sample files, a store with five profiles, and whole-store snapshots for the
// macro and profile file tests.
#include <string>
#include <vector>

#include "CString.h"
#include "FileOutcome.h"
#include "StoreTestSupport.h"

namespace formattest {

// A file under tests/files/data.
CString SamplePath(const char* relative);
std::string SampleBytes(const char* relative);

// Exactly what the store holds that a file operation could touch: every row of
// the profile, configuration, button, lighting and macro tables, in row order
// (button rows without their identifier, which a restore renews).
std::string StoreRows(const CString& dbPath);

// A store on a feature-dialect model (device type 100) with its five profiles.
class FileStoreTest : public storetest::StoreTest {
protected:
    void SetUp() override;

    // A folder for exports, created empty.
    CString ExportFolder();
    // Writes bytes to a scratch file and returns its path.
    CString Scratch(const wchar_t* name, const std::string& bytes);
    std::string Rows() { return StoreRows(DbPath()); }

    // Profile 1 as expected/profile-seeded.xml shows it; the macro it plays is
    // SeedMacro's.
    void SeedProfile1();
    // The macro of expected/macro-seeded.xml; its id.
    int SeedMacro();
};

// Readable failure messages.
std::string Text(const FileOutcome& outcome);
void PrintTo(const SkippedValue& s, std::ostream* os);

}  // namespace formattest

void PrintTo(const SkippedValue& s, std::ostream* os);
