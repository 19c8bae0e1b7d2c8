// The UI thread and the device worker share the store. These tests run two
// threads against one store and check that every result is one that running
// the operations one after the other could give.
#include <atomic>
#include <chrono>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "StoreTestSupport.h"

using namespace storetest;

namespace {

// Starts `count` threads that each run `body(index)` once all have started.
template <class Body>
void RunTogether(int count, Body body) {
    std::atomic<int> ready{0};
    std::vector<std::thread> threads;
    for (int i = 0; i < count; ++i) {
        threads.emplace_back([&, i] {
            ready.fetch_add(1);
            while (ready.load() < count) std::this_thread::yield();
            body(i);
        });
    }
    for (std::thread& t : threads) t.join();
}

}  // namespace

// Without one lock around each operation, one thread's insert can report the
// other thread's row id.
TEST_F(StoreTest, TwoThreadsInsertingGetTheirOwnIds) {
    constexpr int kEach = 150;
    std::vector<std::vector<int>> ids(2);
    RunTogether(2, [&](int t) {
        for (int i = 0; i < kEach; ++i) {
            ids[t].push_back(m_store.AddMacro(CString(std::to_wstring(t) + L"-" + std::to_wstring(i))));
        }
    });
    std::set<int> all;
    for (int t = 0; t < 2; ++t) {
        for (int i = 0; i < kEach; ++i) {
            int id = ids[t][i];
            ASSERT_GT(id, 0);
            all.insert(id);
            MacroHeader h;
            ASSERT_TRUE(m_store.GetMacro(id, h));
            EXPECT_EQ(h.name, CString(std::to_wstring(t) + L"-" + std::to_wstring(i)));
        }
    }
    EXPECT_EQ(all.size(), 2u * kEach);
}

TEST_F(StoreTest, RacingFirstUseCreatesOneSetOfProfilesAndLights) {
    std::vector<int> active(4);
    std::vector<int> lit(4);
    RunTogether(4, [&](int t) {
        active[t] = m_store.EnsureProfiles();
        lit[t] = m_store.EnsureDefaultLights(1) ? 1 : 0;
    });
    EXPECT_EQ(active, (std::vector<int>{1, 1, 1, 1}));
    EXPECT_EQ(lit, (std::vector<int>{1, 1, 1, 1}));
    RawDb raw(DbPath());
    EXPECT_EQ(raw.Int("SELECT count(*) FROM t_profile_data"), 5);
    EXPECT_EQ(raw.Int("SELECT count(*) FROM t_configdata"), 5 * 35);
    EXPECT_EQ(raw.Rows("SELECT mode, count(*) FROM t_light_data GROUP BY mode ORDER BY mode"),
              (std::vector<Row>{{"0", "1"}, {"1", "1"}, {"2", "1"}, {"3", "1"}}));
}

// The worker uploading a macro while the page saves it must see the old or
// the new steps, never none and never a mixture.
TEST_F(StoreTest, ReaderNeverSeesAMacroWithoutItsSteps) {
    int macro = m_store.AddMacro(L"m");
    auto stepsOf = [](int count, int tag) {
        std::vector<MacroStep> steps(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            steps[static_cast<std::size_t>(i)].record_index = i;
            steps[static_cast<std::size_t>(i)].value = tag;
        }
        return steps;
    };
    ASSERT_TRUE(m_store.ReplaceMacroSteps(macro, stepsOf(3, 3)));
    std::atomic<bool> writing{true};
    std::vector<std::string> bad[2];
    int reads = 0;
    RunTogether(2, [&](int t) {
        if (t == 0) {
            for (int i = 0; i < 200; ++i) {
                int n = i % 2 ? 3 : 5;
                if (!m_store.ReplaceMacroSteps(macro, stepsOf(n, n))) bad[0].push_back("replace failed");
            }
            writing = false;
            return;
        }
        std::vector<MacroStep> read;
        while (writing || reads == 0) {
            ++reads;
            int n = m_store.ListMacroSteps(macro, read);
            bool whole = n == 3 || n == 5;
            for (const MacroStep& s : read) whole = whole && s.value == n;
            if (!whole) bad[1].push_back("read " + std::to_string(n) + " steps");
        }
    });
    for (const std::vector<std::string>& b : bad) EXPECT_TRUE(b.empty()) << (b.empty() ? "" : b.front());
    EXPECT_GT(reads, 0);
}

// An operation of many statements (the default profiles: one transaction of
// some two hundred) is held up inside SQLite by another program's write lock,
// so it is certainly running when the close comes from another thread. The
// close waits for all of it; it neither cuts it short between two statements
// nor is refused and leaves the file open.
TEST_F(StoreTest, CloseWaitsForAnOperationInProgress) {
    RawDb other(DbPath());
    ASSERT_TRUE(other.Exec("BEGIN IMMEDIATE"));
    std::atomic<bool> started{false};
    int active = -1;
    std::thread operation([&] {
        started = true;
        active = m_store.EnsureProfiles();
    });
    while (!started) std::this_thread::yield();
    // The operation takes the store's lock at once and then waits for the
    // other program's lock inside SQLite.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    std::thread closer([&] { m_store.CloseIfOpen(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_TRUE(other.Exec("COMMIT"));
    operation.join();
    closer.join();
    EXPECT_EQ(active, 1) << "the operation was cut short";
    EXPECT_FALSE(m_store.IsOpen()) << "the close was refused while the operation ran";
    EXPECT_EQ(other.Int("SELECT count(*) FROM t_profile_data"), 5);
    EXPECT_EQ(other.Int("SELECT count(*) FROM t_configdata"), 5 * 35);
}

// Creating the default profiles reads the count, then inserts. Another
// program writing at the same moment must neither make it fail nor let it add
// profiles on a count that is no longer true.
TEST_F(StoreTest, ReadThenWriteWaitsForAnotherWriterInsteadOfFailing) {
    RawDb other(DbPath());
    ASSERT_TRUE(other.Exec("BEGIN IMMEDIATE;"
                           "INSERT INTO t_profile_data(name, status, app, type) VALUES ('Other', 0, '', 0);"));
    int active = -1;
    std::thread ui([&] { active = m_store.EnsureProfiles(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_TRUE(other.Exec("COMMIT"));
    ui.join();
    EXPECT_EQ(active, 1);
    EXPECT_EQ(other.Int("SELECT count(*) FROM t_profile_data"), 5);
    EXPECT_EQ(other.Value("SELECT name FROM t_profile_data WHERE profile = 1"), "Other");
    EXPECT_EQ(other.Int("SELECT count(*) FROM t_configdata"), 4 * 35);
}
