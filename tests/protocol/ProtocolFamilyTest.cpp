#include <gtest/gtest.h>

#include "ProtocolFamily.h"

namespace {

struct FamilyCase {
    int deviceType;
    ProtocolFamily wire;
    bool secondOnPages;
    bool outputOnPages;
};

class ProtocolFamilyTest : public ::testing::TestWithParam<FamilyCase> {};

TEST_P(ProtocolFamilyTest, WireAndPagesRanges) {
    const FamilyCase& c = GetParam();
    EXPECT_EQ(FamilyOf(c.deviceType), c.wire) << c.deviceType;
    EXPECT_EQ(IsSecondFamilyOnPages(c.deviceType), c.secondOnPages) << c.deviceType;
    EXPECT_EQ(IsOutputDialectOnPages(c.deviceType), c.outputOnPages) << c.deviceType;
}

INSTANTIATE_TEST_SUITE_P(Types, ProtocolFamilyTest, ::testing::Values(
    FamilyCase{0, ProtocolFamily::kFeatureReport, false, false},
    FamilyCase{101, ProtocolFamily::kFeatureReport, false, false},
    FamilyCase{200, ProtocolFamily::kFeatureReport, false, false},
    FamilyCase{201, ProtocolFamily::kSecondFamily, true, false},
    FamilyCase{208, ProtocolFamily::kSecondFamily, true, false},
    FamilyCase{299, ProtocolFamily::kSecondFamily, true, false},
    FamilyCase{300, ProtocolFamily::kFeatureReport, true, false},  // the boundary the two tests disagree on
    FamilyCase{301, ProtocolFamily::kOutputReport, false, true},
    FamilyCase{399, ProtocolFamily::kOutputReport, false, true},
    FamilyCase{400, ProtocolFamily::kFeatureReport, false, true},
    FamilyCase{401, ProtocolFamily::kFeatureReport, false, false}));

TEST(DialectIdsTest, ReportIdsPerDialect) {
    EXPECT_EQ(IdsOf(ProtocolFamily::kFeatureReport).settings, 0x51);
    EXPECT_EQ(IdsOf(ProtocolFamily::kFeatureReport).bulk, 0x52);
    EXPECT_EQ(IdsOf(ProtocolFamily::kOutputReport).settings, 0xB5);
    EXPECT_EQ(IdsOf(ProtocolFamily::kOutputReport).bulk, 0xB3);
    EXPECT_TRUE(IsDialectBoundary(300));
    EXPECT_FALSE(IsDialectBoundary(301));
}

}  // namespace
