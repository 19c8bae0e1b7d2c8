// The virtual mouse must count bytes as hidapi's Windows back end does, since the
// transfers' success conditions depend on it.
#include <gtest/gtest.h>

#include <hidapi.h>

#include <cstring>
#include <string>

#include "Clock.h"
#include "SimControl.h"

namespace {

class HidApiConventionsTest : public ::testing::Test {
protected:
    void SetUp() override { sim::Reset(); }
    void TearDown() override { sim::Reset(); }

    hid_device* OpenVendor(const char* name, sim::Family family, sim::Kind kind = sim::Kind::kWired) {
        sim::DeviceSetup setup;
        setup.name = name;
        setup.family = family;
        setup.kind = kind;
        setup.pid = 0x1234;
        setup.pairedPid = 0x1111;
        EXPECT_TRUE(sim::Plug(setup));
        auto paths = sim::PathsOf(name);
        return paths.size() < 2 ? nullptr : hid_open_path(paths[1].c_str());
    }

    VirtualClock clock;
    ScopedClock scoped{clock};
};

TEST_F(HidApiConventionsTest, EnumerationListsEveryCollectionWithItsUsage) {
    sim::DeviceSetup setup;
    setup.name = "rx";
    setup.family = sim::Family::kOutput;
    setup.kind = sim::Kind::kReceiver;
    setup.pid = 0xFF12;
    setup.release = 0x0207;
    ASSERT_TRUE(sim::Plug(setup));
    setup.name = "ble";
    setup.kind = sim::Kind::kBluetooth;
    setup.pid = 0x5B02;
    ASSERT_TRUE(sim::Plug(setup));
    ASSERT_FALSE(sim::Plug(setup));  // names are unique

    hid_device_info* all = hid_enumerate(0, 0);
    std::vector<std::pair<unsigned, unsigned>> usages;
    for (hid_device_info* i = all; i; i = i->next) usages.emplace_back(i->usage_page, i->usage);
    ASSERT_EQ(usages.size(), 3u);
    EXPECT_EQ(usages[0], std::make_pair(0x0001u, 0x0002u));
    EXPECT_EQ(usages[1], std::make_pair(0xFFC1u, 0x0001u));
    EXPECT_EQ(usages[2], std::make_pair(0x0001u, 0x0006u));
    EXPECT_EQ(all->next->release_number, 0x0207);
    EXPECT_NE(std::string(all->next->path).find("vid_248a&pid_ff12&mi_01"), std::string::npos);
    std::string blePath = all->next->next->path;
    EXPECT_NE(blePath.find("{00001812-0000-1000-8000-00805f9b34fb}"), std::string::npos);
    EXPECT_NE(blePath.find("vid&02248a_pid&5b02"), std::string::npos);
    EXPECT_EQ(hid_open_path(blePath.c_str()), nullptr);  // the system holds keyboard collections
    hid_free_enumeration(all);
    hid_device_info* one = hid_enumerate(0x248A, 0x5B02);
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(one->product_id, 0x5B02);  // filtered enumeration
    EXPECT_EQ(one->next, nullptr);
    hid_free_enumeration(one);
}

TEST_F(HidApiConventionsTest, UnnumberedCollectionReadsDropTheZeroId) {
    hid_device* h = OpenVendor("n", sim::Family::kNodic, sim::Kind::kWired);
    ASSERT_NE(h, nullptr);
    unsigned char frame[65] = {0x00, 0x01, 0x00, 0x81, 0x01};
    unsigned sum = 0x01 + 0x81 + 0x01;
    frame[64] = static_cast<unsigned char>(0xA1 - sum);
    EXPECT_EQ(hid_write(h, frame, 65), 65);
    unsigned char in[65] = {};
    EXPECT_EQ(hid_read_timeout(h, in, 65, 100), 64);
    EXPECT_EQ(in[0], 0x01);  // the frame itself, not the report id
    EXPECT_EQ(hid_read_timeout(h, in, 65, 100), 0);
    frame[64] ^= 0xFF;  // a damaged checksum gets no answer
    EXPECT_EQ(hid_write(h, frame, 65), 65);
    EXPECT_EQ(hid_read_timeout(h, in, 65, 100), 0);
    hid_close(h);
}

TEST_F(HidApiConventionsTest, NumberedCollectionsKeepTheirIdAndPadWrites) {
    hid_device* h = OpenVendor("o", sim::Family::kOutput);
    ASSERT_NE(h, nullptr);
    unsigned char query[3] = {0xB5, 0x02};
    EXPECT_EQ(hid_write(h, query, 3), 65);  // short writes go out at the full length
    unsigned char in[65] = {};
    EXPECT_EQ(hid_read_timeout(h, in, 65, 100), 64);
    EXPECT_EQ(in[0], 0xB4);
    EXPECT_EQ(hid_write(h, query, 3), 65);
    EXPECT_EQ(hid_read_timeout(h, in, 21, 100), 21);  // a shorter buffer gets the start
    unsigned char tooLong[66] = {0xB5};
    EXPECT_EQ(hid_write(h, tooLong, 66), -1);
    unsigned char feature[21] = {0x51};
    EXPECT_EQ(hid_send_feature_report(h, feature, 21), -1);  // no feature reports here
    hid_close(h);
}

TEST_F(HidApiConventionsTest, FeatureReadsCountTheReportId) {
    hid_device* h = OpenVendor("f", sim::Family::kFeature);
    ASSERT_NE(h, nullptr);
    unsigned char request[21] = {0x51, 0x06};
    EXPECT_EQ(hid_send_feature_report(h, request, 21), 21);
    unsigned char reply[21] = {0x51};
    EXPECT_EQ(hid_get_feature_report(h, reply, 21), 21);
    EXPECT_EQ(reply[0], 0x51);
    unsigned char unknownId[21] = {0x53};
    EXPECT_EQ(hid_get_feature_report(h, unknownId, 21), -1);
    // Up to the collection's longest feature report (0x52, 65 bytes) is taken; longer is refused.
    unsigned char longest[66] = {0x51, 0x0B, 0x01, 0x05};
    EXPECT_EQ(hid_send_feature_report(h, longest, 65), 65);
    EXPECT_EQ(hid_send_feature_report(h, longest, 66), -1);
    unsigned char out[65] = {0x51};
    EXPECT_EQ(hid_write(h, out, 65), -1);  // no output reports on this collection
    wchar_t product[64];
    EXPECT_EQ(hid_get_product_string(h, product, 64), 0);
    EXPECT_EQ(std::wstring(product), L"Virtual mouse");
    unsigned char descriptor[HID_API_MAX_REPORT_DESCRIPTOR_SIZE];
    EXPECT_GT(hid_get_report_descriptor(h, descriptor, sizeof descriptor), 0);
    hid_close(h);
}

TEST_F(HidApiConventionsTest, TimeOutsPassOnTheVirtualClockAndUnplugFailsTheHandle) {
    hid_device* h = OpenVendor("o", sim::Family::kOutput);
    ASSERT_NE(h, nullptr);
    unsigned char in[64];
    std::uint64_t start = clock.NowMs();
    EXPECT_EQ(hid_read_timeout(h, in, 64, 250), 0);
    EXPECT_EQ(clock.NowMs() - start, 250u);
    sim::InjectFault("o", sim::Fault::kLateReply);
    unsigned char query[65] = {0xB5, 0x02};
    ASSERT_EQ(hid_write(h, query, 65), 65);
    EXPECT_EQ(hid_read_timeout(h, in, 64, 1000), 0);
    EXPECT_EQ(hid_read_timeout(h, in, 64, 60000), 64);  // it came, late
    EXPECT_TRUE(sim::Unplug("o"));
    EXPECT_EQ(hid_read_timeout(h, in, 64, 10), -1);
    EXPECT_EQ(hid_write(h, query, 65), -1);
    EXPECT_NE(std::wstring(hid_error(h)), L"Success");
    hid_close(h);
}

}  // namespace
