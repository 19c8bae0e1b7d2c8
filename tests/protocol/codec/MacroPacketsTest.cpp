#include <gtest/gtest.h>

#include <numeric>

#include "CodecTestSupport.h"
#include "MacroPackets.h"

using namespace codec;
using codec_test::Wire;

namespace {

// A body of `length` bytes counting 1, 2, 3 ... so every byte's place shows.
std::vector<std::uint8_t> Counting(std::size_t length) {
    std::vector<std::uint8_t> body(length);
    std::iota(body.begin(), body.end(), std::uint8_t{1});
    return body;
}

std::vector<std::uint8_t> Slice(const std::vector<std::uint8_t>& v, std::size_t from, std::size_t count) {
    return {v.begin() + static_cast<std::ptrdiff_t>(from), v.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

TEST(MacroPacketsTest, ThirteenEventsTravelInOnePacket) {
    auto body = Counting(58);
    auto feature = MacroBodyPackets(Dialect::kFeature, 5, body);
    auto output = MacroBodyPackets(Dialect::kOutput, 5, body);
    ASSERT_EQ(feature.size(), 1u);
    ASSERT_EQ(output.size(), 1u);
    EXPECT_PACKET(feature[0], Wire(65, {{0, {0x52, 0x54, 5, 0, 58}}, {5, body}}));
    EXPECT_PACKET(output[0], Wire(65, {{0, {0xB3, 0x54, 5, 0, 58, 0}}, {6, body}}));
}

TEST(MacroPacketsTest, FourteenEventsTravelInTwoChunks) {
    auto body = Counting(62);
    auto feature = MacroBodyPackets(Dialect::kFeature, 2, body);
    ASSERT_EQ(feature.size(), 2u);
    EXPECT_PACKET(feature[0], Wire(65, {{0, {0x52, 0x55, 2, 1, 0, 0, 58}}, {7, Slice(body, 0, 58)}}));
    EXPECT_PACKET(feature[1], Wire(65, {{0, {0x52, 0x55, 2, 0, 58, 0, 4}}, {7, Slice(body, 58, 4)}}));

    // 0x54, button, 0, length (2 bytes), body: 67 bytes in chunks of 58 and 9.
    std::vector<std::uint8_t> stream = {0x54, 2, 0, 62, 0};
    stream.insert(stream.end(), body.begin(), body.end());
    auto output = MacroBodyPackets(Dialect::kOutput, 2, body);
    ASSERT_EQ(output.size(), 2u);
    EXPECT_PACKET(output[0], Wire(65, {{0, {0xB3, 0x71, 0x03, 58}}, {4, Slice(stream, 0, 58)}}));
    EXPECT_PACKET(output[1], Wire(65, {{0, {0xB3, 0x71, 0x06, 9}}, {4, Slice(stream, 58, 9)}}));
}

std::vector<int> FullChunksThen(int full, int last) {
    std::vector<int> lengths(static_cast<std::size_t>(full), 58);
    lengths.push_back(last);
    return lengths;
}

// Chunk boundaries: how many chunks of which lengths, and the output sequence bytes.
TEST(MacroPacketsTest, ChunkBoundaries) {
    struct Case {
        std::size_t body;
        std::vector<int> featureLengths;  // one entry: the single packet
        std::vector<int> outputLengths;
        std::vector<int> outputSequence;
    };
    const Case cases[] = {
        {57, {57}, {57}, {}},
        {58, {58}, {58}, {}},
        {59, {58, 1}, {58, 6}, {0x03, 0x06}},
        {111, {58, 53}, {58, 58, 0}, {0x03, 0x07, 0x0A}},  // the output stream is 116 bytes: an empty last chunk
        {116, {58, 58}, {58, 58, 5}, {0x03, 0x07, 0x0A}},
        {117, {58, 58, 1}, {58, 58, 6}, {0x03, 0x07, 0x0A}},
        {174, {58, 58, 58}, {58, 58, 58, 5}, {0x03, 0x07, 0x0B, 0x0E}},  // 42 events: three full feature chunks
        {1022, FullChunksThen(17, 36), FullChunksThen(17, 41), {}},  // 254 events
        {1024, FullChunksThen(17, 38), FullChunksThen(17, 43), {}},
    };
    for (const Case& c : cases) {
        auto body = Counting(c.body);
        auto feature = MacroBodyPackets(Dialect::kFeature, 0, body);
        auto output = MacroBodyPackets(Dialect::kOutput, 0, body);
        if (c.body <= 58) {
            ASSERT_EQ(feature.size(), 1u);
            EXPECT_EQ(feature[0][1], 0x54);
            EXPECT_EQ(feature[0][4], c.body);
            ASSERT_EQ(output.size(), 1u);
            EXPECT_EQ(output[0][4] | (output[0][5] << 8), static_cast<int>(c.body));
            continue;
        }
        ASSERT_EQ(feature.size(), c.featureLengths.size()) << c.body;
        ASSERT_EQ(output.size(), c.outputLengths.size()) << c.body;
        for (std::size_t i = 0; i < feature.size(); ++i) EXPECT_EQ(feature[i][6], c.featureLengths[i]) << c.body;
        for (std::size_t i = 0; i < output.size(); ++i) EXPECT_EQ(output[i][3], c.outputLengths[i]) << c.body;
        for (std::size_t i = 0; i < c.outputSequence.size(); ++i) EXPECT_EQ(output[i][2], c.outputSequence[i]);
    }
}

// Reassembled as the mouse reassembles them, the chunks give back the body.
TEST(MacroPacketsTest, ChunksReassembleIntoTheBody) {
    for (std::size_t length : {59u, 62u, 111u, 116u, 117u, 174u, 500u, 1022u, 1024u}) {
        auto body = Counting(length);
        std::vector<std::uint8_t> feature(length, 0);
        std::size_t total = 0;
        auto chunks = MacroBodyPackets(Dialect::kFeature, 9, body);
        for (std::size_t i = 0; i < chunks.size(); ++i) {
            const Packet& p = chunks[i];
            ASSERT_EQ(p.size(), 65u);
            EXPECT_EQ(p[3], i + 1 < chunks.size() ? 1 : 0);
            std::size_t offset = p[4] | (p[5] << 8), n = p[6];
            ASSERT_LE(offset + n, length);
            for (std::size_t b = 0; b < n; ++b) feature[offset + b] = p[7 + b];
            total += n;
        }
        EXPECT_EQ(total, length);
        EXPECT_EQ(feature, body) << length;

        std::vector<std::uint8_t> stream;
        auto out = MacroBodyPackets(Dialect::kOutput, 9, body);
        for (std::size_t i = 0; i < out.size(); ++i) {
            const Packet& p = out[i];
            ASSERT_EQ(p.size(), 65u);
            EXPECT_EQ(p[64], 0);  // the transfer sends this byte as zero whatever it holds
            EXPECT_EQ(p[2], i * 4 + (i + 1 < out.size() ? 3 : 2));
            for (std::size_t b = 0; b < p[3]; ++b) stream.push_back(p[4 + b]);
        }
        ASSERT_EQ(stream.size(), length + 5);
        EXPECT_EQ(Slice(stream, 0, 5), (std::vector<std::uint8_t>{0x54, 9, 0, static_cast<std::uint8_t>(length & 0xFF),
                                                                   static_cast<std::uint8_t>(length >> 8)}));
        EXPECT_EQ(Slice(stream, 5, length), body) << length;
    }
}

TEST(MacroPacketsTest, BodiesLargerThanTheMacroAreaAreRefused) {
    EXPECT_TRUE(MacroBodyPackets(Dialect::kFeature, 0, Counting(1025)).empty());
    EXPECT_TRUE(MacroBodyPackets(Dialect::kOutput, 0, Counting(4000)).empty());
}

}  // namespace
