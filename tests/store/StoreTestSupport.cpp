#include "StoreTestSupport.h"

#include <sqlite3.h>

#include <cstdlib>

#include "File.h"
#include "Utf.h"

void PrintTo(const CString& text, std::ostream* os) { *os << '"' << utf::WideToUtf8(text.str()) << '"'; }

namespace storetest {

CString ScratchFolder(const std::vector<CString>& deviceAttrs) {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : name) {
        if (c == '/') c = '_';
    }
    // A non-ASCII folder name proves the path reaches SQLite intact.
    CString root = L"store-scratch-\u00DC";
    CString folder = file::Join(root, CString(utf::Utf8ToWide(name)));
    file::MakeDirectory(root);
    file::MakeDirectory(folder);
    file::MakeDirectory(file::Join(folder, L"db"));
    for (const CString& attr : deviceAttrs) RemoveDatabase(SettingsDatabase::DatabasePath(folder, attr));
    return folder;
}

void RemoveDatabase(const CString& path) {
    for (const wchar_t* suffix : {L"", L"-wal", L"-shm", L"-journal"}) file::Remove(path + suffix);
}

std::string ReadBytes(const CString& path) {
    std::string bytes;
    file::ReadAll(path, bytes);
    return bytes;
}

void WriteBytes(const CString& path, const std::string& bytes) {
    ASSERT_TRUE(file::WriteAll(path, bytes));
}

RawDb::RawDb(const CString& path, bool create) {
    int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(file::NativeUtf8(path).c_str(), &m_db, flags, nullptr) != SQLITE_OK) {
        sqlite3_close(m_db);
        m_db = nullptr;
        return;
    }
    sqlite3_busy_timeout(m_db, 5000);
}

RawDb::~RawDb() { sqlite3_close(m_db); }

bool RawDb::Exec(const std::string& sql) {
    return m_db && sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

std::vector<Row> RawDb::Rows(const std::string& sql) {
    std::vector<Row> rows;
    sqlite3_stmt* stmt = nullptr;
    if (!m_db || sqlite3_prepare_v2(m_db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "cannot run: " << sql;
        return rows;
    }
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        Row row;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            const unsigned char* text = sqlite3_column_text(stmt, i);
            row.push_back(text ? reinterpret_cast<const char*>(text) : "<null>");
        }
        rows.push_back(row);
    }
    sqlite3_finalize(stmt);
    return rows;
}

std::string RawDb::Value(const std::string& sql) {
    std::vector<Row> rows = Rows(sql);
    return rows.empty() || rows[0].empty() ? "<none>" : rows[0][0];
}

int RawDb::Int(const std::string& sql) {
    std::string value = Value(sql);
    char* end = nullptr;
    long parsed = std::strtol(value.c_str(), &end, 10);
    return value.empty() || *end ? -1 : static_cast<int>(parsed);
}

void StoreTest::SetUp() {
    m_folder = ScratchFolder();
    ASSERT_TRUE(m_store.OpenForDevice(m_folder, L"M1"));
}

}  // namespace storetest
