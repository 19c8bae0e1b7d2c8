// Rate of single-row configuration updates, the store's commonest write, in
// the journal mode the store uses (WAL, synchronous NORMAL) and in the rollback
// journal with synchronous OFF. Each update is its own transaction, as when a
// page stores one changed setting.
// The machine may be busy with other work, so the modes take turns for a few
// rounds and the median rate of each is reported.
//   store_bench [updates]     (default 1000; files are made in the working folder)
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "File.h"
#include "SQLiteDB.h"
#include "SQLiteStatement.h"
#include "SettingsDatabase.h"

namespace {

struct Mode {
    const char* label;
    const char* pragmas;  // run after the store's own opening pragmas
    const wchar_t* attr;
};

void RemoveFiles(const CString& path) {
    for (const wchar_t* suffix : {L"", L"-wal", L"-shm", L"-journal"}) file::Remove(path + suffix);
}

// A fresh file with the store's schema and five default profiles.
bool MakeFile(const CString& folder, const wchar_t* attr) {
    RemoveFiles(SettingsDatabase::DatabasePath(folder, attr));
    SettingsDatabase store;
    return store.OpenForDevice(folder, attr) && store.EnsureProfiles() == 1;
}

// Updates per second, or a negative number when the run failed.
double Run(const CString& folder, const Mode& mode, int updates) {
    if (!MakeFile(folder, mode.attr)) return -1;
    SQLiteDB db;
    std::string path = file::NativeUtf8(SettingsDatabase::DatabasePath(folder, mode.attr));
    if (!db.Open(path.c_str(), SQLiteDB::kOpenExisting)) return -1;
    if (mode.pragmas && db.Exec(mode.pragmas) != SQLITE_OK) return -1;

    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < updates; ++i) {
        SQLiteStatement update;
        db.Prepare(update, "UPDATE t_configdata SET value = ? WHERE profile = ? and key = ?");
        update.BindText(1, CString(std::to_wstring(400 + (i % 100) * 50)));
        update.BindInt(2, 1 + i % 5);
        update.BindText(3, CString(L"dpi_x_group1_value"));
        if (update.Step() != SQLITE_DONE) return -1;
    }
    std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return updates / elapsed.count();
}

constexpr int kRounds = 5;

}  // namespace

int main(int argc, char** argv) {
    int updates = argc > 1 ? std::atoi(argv[1]) : 1000;
    if (updates < 1) updates = 1000;
    CString folder = L"store-bench";
    file::MakeDirectory(folder);
    file::MakeDirectory(file::Join(folder, L"db"));

    const Mode wal = {"WAL journal, synchronous NORMAL", nullptr, L"wal"};
    const Mode rollback = {"rollback journal, synchronous OFF",
                           "PRAGMA journal_mode = DELETE; PRAGMA synchronous = OFF;", L"rollback"};
    std::vector<double> walRates;
    std::vector<double> rollbackRates;
    for (int round = 0; round < kRounds; ++round) {
        walRates.push_back(Run(folder, wal, updates));
        rollbackRates.push_back(Run(folder, rollback, updates));
        if (walRates.back() <= 0 || rollbackRates.back() <= 0) {
            std::fprintf(stderr, "store_bench: a run failed (folder %s)\n", file::NativeUtf8(folder).c_str());
            return 1;
        }
    }
    double walRate = Median(walRates);
    double rollbackRate = Median(rollbackRates);
    std::printf("%d single-row updates, one transaction each; median of %d rounds\n", updates, kRounds);
    std::printf("  %-36s %10.0f updates/s\n", wal.label, walRate);
    std::printf("  %-36s %10.0f updates/s\n", rollback.label, rollbackRate);
    std::printf("  ratio WAL+NORMAL / rollback+OFF      %10.2f\n", walRate / rollbackRate);
    return 0;
}
