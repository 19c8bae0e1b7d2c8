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

TEST(NodicFrameTest, AnswerValidity) {
    std::uint8_t answer[64] = {};
    answer[2] = 0x80;
    EXPECT_FALSE(IsValidNodicAnswer(answer));  // no length
    answer[2] = 0x10;
    EXPECT_FALSE(IsValidNodicAnswer(answer));  // no valid bit
    answer[2] = 0x95;
    EXPECT_TRUE(IsValidNodicAnswer(answer));
    EXPECT_TRUE(IsNodicWriteAccepted(answer, 0x95));
    EXPECT_FALSE(IsNodicWriteAccepted(answer, 0x8F));
}

}  // namespace
