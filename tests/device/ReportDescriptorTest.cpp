#include <gtest/gtest.h>

#include <vector>

#include "ReportDescriptor.h"

namespace {

struct DescriptorCase {
    const char* what;
    std::vector<unsigned char> bytes;
    int expected;
};

class ReportDescriptorTest : public ::testing::TestWithParam<DescriptorCase> {};

TEST_P(ReportDescriptorTest, FindsFeatureItems) {
    const DescriptorCase& c = GetParam();
    EXPECT_EQ(DescriptorHasFeatureReports(c.bytes.data(), c.bytes.size()), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Descriptors, ReportDescriptorTest, ::testing::Values(
    DescriptorCase{"empty", {}, 0},
    DescriptorCase{"input only", {0x06, 0x8C, 0x00, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x54, 0x95, 0x14, 0x81, 0x02, 0xC0}, 0},
    DescriptorCase{"feature", {0x06, 0x8C, 0x00, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x51, 0x96, 0x14, 0x00, 0xB1, 0x02, 0xC0}, 1},
    DescriptorCase{"feature without data", {0xA1, 0x01, 0xB0, 0xC0}, 1},
    // 0xB1 inside a long item's data is not an item.
    DescriptorCase{"long item hides bytes", {0xFE, 0x02, 0x10, 0xB1, 0x02, 0xC0}, 0},
    DescriptorCase{"truncated item", {0x06, 0x8C}, -1},
    DescriptorCase{"truncated long item", {0xFE, 0x05}, -1}));

}  // namespace
