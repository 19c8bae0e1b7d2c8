#include "DamagedFile.h"

#include <chrono>
#include <iterator>
#include <filesystem>
#include <string>
#include <system_error>

#include "File.h"

namespace {

namespace fs = std::filesystem;

fs::path NativePath(const CString& path) {
    std::string utf8 = file::NativeUtf8(path);
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::wstring TwoDigits(unsigned value) {
    return std::wstring(1, static_cast<wchar_t>(L'0' + value / 10 % 10)) + static_cast<wchar_t>(L'0' + value % 10);
}

// "20240131-235959" in UTC: no time zone to get wrong, and it sorts.
std::wstring Timestamp() {
    using namespace std::chrono;
    auto now = floor<seconds>(system_clock::now());
    auto day = floor<days>(now);
    year_month_day date{day};
    hh_mm_ss time{now - day};
    return std::to_wstring(static_cast<int>(date.year())) + TwoDigits(static_cast<unsigned>(date.month())) +
           TwoDigits(static_cast<unsigned>(date.day())) + L"-" + TwoDigits(static_cast<unsigned>(time.hours().count())) +
           TwoDigits(static_cast<unsigned>(time.minutes().count())) +
           TwoDigits(static_cast<unsigned>(time.seconds().count()));
}

bool Move(const CString& from, const CString& to) {
    std::error_code error;
    fs::rename(NativePath(from), NativePath(to), error);
    return !error;
}

}  // namespace

CString SetAsideDamagedFile(const CString& path) {
    CString base = path + CString(L".damaged-" + Timestamp());
    CString aside = base;
    for (int n = 2; file::Exists(aside) || file::Exists(aside + L"-wal") || file::Exists(aside + L"-journal"); ++n) {
        if (n > 100) return CString();
        aside = base + CString(L"-" + std::to_wstring(n));
    }
    // The log and journal hold changes that belong to the file and go with it
    // first: left behind, a fresh file would take them for its own.
    const wchar_t* const companions[] = {L"-wal", L"-journal"};
    std::size_t moved = 0;
    for (; moved < std::size(companions); ++moved) {
        CString companion = path + companions[moved];
        if (file::Exists(companion) && !Move(companion, aside + companions[moved])) break;
    }
    if (moved < std::size(companions) || !Move(path, aside)) {
        for (std::size_t i = 0; i < moved; ++i) {
            if (file::Exists(aside + companions[i])) Move(aside + companions[i], path + companions[i]);
        }
        return CString();
    }
    // The index of the log is only a cache of it.
    file::Remove(path + L"-shm");
    return aside;
}
