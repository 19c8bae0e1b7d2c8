// The main of every test program. Over GoogleTest's own it adds what a run needs to
// be trusted: a run that tests nothing fails (a filter that matches no test, a program
// without tests), every skipped test is named with its reason, and one tally line is
// printed for scripts/test to add up. Under CI=true a skip that gives no reason fails.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool RunningOnCi() {
    const char* ci = std::getenv("CI");
    return ci != nullptr && std::strcmp(ci, "true") == 0;
}

// What the test passed to GTEST_SKIP, on one line; empty when it gave nothing.
std::string SkipReason(const testing::TestResult& result) {
    for (int i = 0; i < result.total_part_count(); ++i) {
        const testing::TestPartResult& part = result.GetTestPartResult(i);
        if (!part.skipped()) continue;
        std::string reason = part.message();
        for (char& c : reason)
            if (c == '\n' || c == '\r') c = ' ';
        std::size_t first = reason.find_first_not_of(' ');
        return first == std::string::npos ? std::string() : reason.substr(first);
    }
    return {};
}

// Prints one line per skipped test; returns how many gave no reason.
int ReportSkips(const testing::UnitTest& unit) {
    int silent = 0;
    for (int s = 0; s < unit.total_test_suite_count(); ++s) {
        const testing::TestSuite& suite = *unit.GetTestSuite(s);
        for (int t = 0; t < suite.total_test_count(); ++t) {
            const testing::TestInfo& test = *suite.GetTestInfo(t);
            if (!test.should_run() || !test.result()->Skipped()) continue;
            std::string reason = SkipReason(*test.result());
            if (reason.empty()) ++silent;
            std::printf("mirevo-skip: %s.%s: %s\n", suite.name(), test.name(),
                        reason.empty() ? "(no reason given)" : reason.c_str());
        }
    }
    return silent;
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    int status = RUN_ALL_TESTS();
    if (GTEST_FLAG_GET(list_tests)) return status;

    const testing::UnitTest& unit = *testing::UnitTest::GetInstance();
    int silentSkips = ReportSkips(unit);
    std::printf("mirevo-tally: %d passed, %d failed, %d skipped\n", unit.successful_test_count(),
                unit.failed_test_count(), unit.skipped_test_count());
    std::fflush(stdout);

    if (unit.test_to_run_count() == 0) {
        std::fprintf(stderr, "mirevo-test: no test ran: the filter '%s' matches none of the %d tests\n",
                     GTEST_FLAG_GET(filter).c_str(), unit.total_test_count());
        return 1;
    }
    if (silentSkips > 0 && RunningOnCi()) {
        std::fprintf(stderr, "mirevo-test: %d test(s) skipped without saying why; on CI every skip names its reason\n",
                     silentSkips);
        return 1;
    }
    return status;
}
