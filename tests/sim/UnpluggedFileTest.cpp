// Pulling devices out and plugging them back through the unplugged file, seen
// through the hidapi calls a program makes.
#include <gtest/gtest.h>

#include <hidapi.h>

#include <set>
#include <string>

#include "File.h"
#include "Scenario.h"
#include "SimControl.h"
#include "Utf.h"

namespace {

const char kDesk[] = "cable feature wired 5A01\n"
                     "dongle feature receiver 5A04 paired=5A01 mouse=cable\n";
const char kControl[] = "sim-unplugged.txt";

std::set<std::string> EnumeratedPaths() {
    std::set<std::string> paths;
    hid_device_info* all = hid_enumerate(0, 0);
    for (hid_device_info* d = all; d; d = d->next) paths.insert(d->path);
    hid_free_enumeration(all);
    return paths;
}

class UnpluggedFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim::Reset();
        file::Remove(CString(utf::Utf8ToWide(kControl)));
        std::string error;
        ASSERT_TRUE(sim::LoadScenario(kDesk, error)) << error;
        cable = sim::PathsOf("cable");
        dongle = sim::PathsOf("dongle");
        sim::WatchUnpluggedFile(kControl);
    }
    void TearDown() override {
        sim::Reset();
        file::Remove(CString(utf::Utf8ToWide(kControl)));
    }
    void Pull(const std::string& text) { ASSERT_TRUE(file::WriteAll(CString(utf::Utf8ToWide(kControl)), text)); }

    std::vector<std::string> cable;
    std::vector<std::string> dongle;
};

TEST_F(UnpluggedFileTest, ListedDevicesLeaveEnumerationAndComeBackWithTheirPaths) {
    std::set<std::string> both(cable.begin(), cable.end());
    both.insert(dongle.begin(), dongle.end());
    struct Case {
        const char* file;
        std::set<std::string> enumerated;
    };
    const Case cases[] = {
        {"cable\n", {dongle.begin(), dongle.end()}},
        {"", both},
        {"# nothing pulled: cable\n  dongle  \n", {cable.begin(), cable.end()}},
        {"cable dongle", {}},
        {"mouse-that-is-not-there", both},
    };
    for (const Case& c : cases) {
        Pull(c.file);
        EXPECT_EQ(EnumeratedPaths(), c.enumerated) << c.file;
    }
    file::Remove(CString(utf::Utf8ToWide(kControl)));
    EXPECT_EQ(EnumeratedPaths(), both) << "no file: everything is plugged in";
}

}  // namespace
