#include <gtest/gtest.h>

#include <cstring>

#include "NodicFrame.h"

namespace {

TEST(NodicChecksumTest, KnownFrames) {
    std::uint8_t frame[64] = {};
    EXPECT_EQ(NodicChecksum(frame), 0xA1);
    frame[0] = 0xA0;
    frame[62] = 0x01;  // the first 63 bytes sum to 0xA1
    EXPECT_EQ(NodicChecksum(frame), 0x00);
    frame[63] = 0x55;  // byte 63 never counts
    EXPECT_EQ(NodicChecksum(frame), 0x00);
    std::memset(frame, 0xFF, sizeof frame);  // 63 * 0xFF = 0x3EC1, low byte 0xC1
    EXPECT_EQ(NodicChecksum(frame), static_cast<std::uint8_t>(0xA1 - 0xC1));
    frame[63] = NodicChecksum(frame);
    EXPECT_TRUE(NodicChecksumMatches(frame));
    frame[10] ^= 1;
    EXPECT_FALSE(NodicChecksumMatches(frame));
}

TEST(NodicFrameTest, ReadRequestsCarryTheirLengthAndRoute) {
    std::uint8_t frame[64];
    std::memset(frame, 0xEE, sizeof frame);
    ASSERT_TRUE(BuildNodicRead(frame, 4, true, 3));
    const std::uint8_t expected[] = {0x44, 0x00, 0x81, 0x03, 0x00};
    EXPECT_EQ(std::memcmp(frame, expected, sizeof expected), 0);
    for (int i = 4; i < 64; ++i) EXPECT_EQ(frame[i], 0) << i;
    ASSERT_TRUE(BuildNodicRead(frame, 5, false, 1, 2));
    EXPECT_EQ(frame[0], 0x05);
    EXPECT_EQ(frame[2], 0x82);
    EXPECT_FALSE(BuildNodicRead(frame, 5, false, 1, 3));
}

TEST(NodicFrameTest, WritesCopyTheirDataAndRefuseTooMuch) {
    std::uint8_t frame[64];
    std::uint8_t data[59];
    for (int i = 0; i < 59; ++i) data[i] = static_cast<std::uint8_t>(i + 1);
    ASSERT_TRUE(BuildNodicWrite(frame, 7, true, 2, data, 59, 3));
    EXPECT_EQ(frame[0], 0x47);
    EXPECT_EQ(frame[1], 3);
    EXPECT_EQ(frame[2], 0x80 + 59);  // 0xBB, a full macro chunk
    EXPECT_EQ(frame[3], 2);
    EXPECT_EQ(frame[4], 1);
    EXPECT_EQ(frame[62], 59);
    std::uint8_t tooMuch[60] = {};
    EXPECT_FALSE(BuildNodicWrite(frame, 7, true, 2, tooMuch, 60));
    EXPECT_FALSE(BuildNodicWrite(frame, 7, true, 2, nullptr, 4));
}

TEST(NodicFrameTest, AnswerValidityAndAcceptance) {
    struct Case {
        bool arrived;
        std::uint8_t byte2;
        int minData;
        bool valid;
        bool accepted;  // as a write that expects 0x95
    };
    const Case cases[] = {
        {true, 0x95, 1, true, true},
        {true, 0x95, 21, true, true},
        {true, 0x95, 22, false, true},   // too few data bytes
        {true, 0x80, 1, false, false},   // no length
        {true, 0x15, 1, false, false},   // no valid bit
        {false, 0x95, 1, false, false},  // nothing came: whatever the buffer holds
    };
    for (const Case& c : cases) {
        NodicReply reply;
        reply.arrived = c.arrived;
        reply.frame[2] = c.byte2;
        EXPECT_EQ(reply.Valid(c.minData), c.valid) << int(c.byte2) << " " << c.minData;
        EXPECT_EQ(reply.Accepted(0x95), c.accepted) << int(c.byte2);
    }
}

}  // namespace
