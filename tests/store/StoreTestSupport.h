#pragma once
// Scratch files and direct SQLite access for checking what the store wrote.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "CString.h"
#include "SettingsDatabase.h"

struct sqlite3;

// Shows wide strings as UTF-8 in failure messages.
void PrintTo(const CString& text, std::ostream* os);

namespace storetest {

using Row = std::vector<std::string>;

// A fresh data folder (with its db folder) in the test's working directory,
// named after the running test; database files left by an earlier run are removed.
CString ScratchFolder(const std::vector<CString>& deviceAttrs = {L"M1"});
void RemoveDatabase(const CString& path);

std::string ReadBytes(const CString& path);
void WriteBytes(const CString& path, const std::string& bytes);

// A second, independent connection to a file: what another reader would see.
class RawDb {
public:
    explicit RawDb(const CString& path, bool create = false);
    ~RawDb();
    RawDb(const RawDb&) = delete;
    RawDb& operator=(const RawDb&) = delete;

    bool IsOpen() const { return m_db != nullptr; }
    bool Exec(const std::string& sql);
    // Every row as text; NULL reads as "<null>".
    std::vector<Row> Rows(const std::string& sql);
    // First column of the first row, or "<none>".
    std::string Value(const std::string& sql);
    int Int(const std::string& sql);

private:
    sqlite3* m_db = nullptr;
};

// A store opened on model M1 in a fresh scratch folder.
class StoreTest : public ::testing::Test {
protected:
    void SetUp() override;
    CString DbPath() const { return SettingsDatabase::DatabasePath(m_folder, L"M1"); }

    CString m_folder;
    SettingsDatabase m_store;
};

}  // namespace storetest
