// Packed DIBs as other programs drop them: well-formed headers of every kind are located,
// malformed ones are refused before anything reads past the block.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "PackedDib.h"

namespace Kelvo {
namespace {

struct Dib {
    std::vector<unsigned char> bytes;
    void U16(size_t at, uint32_t v) {
        bytes[at] = static_cast<unsigned char>(v);
        bytes[at + 1] = static_cast<unsigned char>(v >> 8);
    }
    void U32(size_t at, uint32_t v) {
        U16(at, v & 0xFFFF);
        U16(at + 2, v >> 16);
    }
};

// An info-style header of `headerSize` bytes followed by `rest` bytes of zeroes.
Dib InfoDib(uint32_t headerSize, int32_t width, int32_t height, uint16_t bits, uint32_t compression,
            uint32_t clrUsed, size_t rest) {
    Dib dib;
    dib.bytes.assign(headerSize + rest, 0);
    dib.U32(0, headerSize);
    dib.U32(4, static_cast<uint32_t>(width));
    dib.U32(8, static_cast<uint32_t>(height));
    dib.U16(12, 1);
    dib.U16(14, bits);
    dib.U32(16, compression);
    dib.U32(32, clrUsed);
    return dib;
}

TEST(DragDropPackedDibTest, LocatesThePixelsOfWellFormedDibs) {
    const struct {
        const char* what;
        Dib dib;
        size_t pixelOffset, pixelBytes;
        uint32_t colours;
    } cases[] = {
        {"24 bpp, rows padded to 4 bytes", InfoDib(40, 3, 2, 24, 0, 0, 24), 40, 24, 0},
        {"top-down 32 bpp", InfoDib(40, 2, -2, 32, 0, 0, 16), 40, 16, 0},
        {"8 bpp, full table", InfoDib(40, 4, 1, 8, 0, 0, 1024 + 4), 1064, 4, 256},
        {"4 bpp, 3 colours used", InfoDib(40, 5, 2, 4, 0, 3, 12 + 8), 52, 8, 3},
        {"8 bpp, colour count capped at 256", InfoDib(40, 4, 1, 8, 0, 100000, 1024 + 4), 1064, 4, 256},
        {"bit fields after an info header", InfoDib(40, 1, 1, 32, 3, 0, 12 + 4), 52, 4, 0},
        {"bit fields inside a V4 header", InfoDib(108, 1, 1, 16, 3, 0, 4), 108, 4, 0},
        {"V5 header", InfoDib(124, 2, 2, 24, 0, 0, 16), 124, 16, 0},
    };
    for (const auto& c : cases) {
        PackedDibLayout layout;
        ASSERT_TRUE(ParsePackedDib(c.dib.bytes.data(), c.dib.bytes.size(), layout)) << c.what;
        EXPECT_EQ(layout.pixelOffset, c.pixelOffset) << c.what;
        EXPECT_EQ(layout.pixelBytes, c.pixelBytes) << c.what;
        EXPECT_EQ(layout.colourCount, c.colours) << c.what;
    }

    Dib core;
    core.bytes.assign(12 + 2 * 3 + 4, 0);
    core.U32(0, 12);
    core.U16(4, 3);
    core.U16(6, 1);
    core.U16(8, 1);
    core.U16(10, 1);
    PackedDibLayout layout;
    ASSERT_TRUE(ParsePackedDib(core.bytes.data(), core.bytes.size(), layout));
    EXPECT_EQ(layout.colourCount, 2u);
    EXPECT_EQ(layout.colourEntrySize, 3u);
    EXPECT_EQ(layout.pixelOffset, 18u);
}

TEST(DragDropPackedDibTest, RefusesMalformedDibs) {
    Dib profile = InfoDib(124, 1, 1, 24, 0, 0, 4);
    profile.U32(56, 0x4D424544);  // embedded profile …
    profile.U32(112, 120);
    profile.U32(116, 400);  // … said to lie past the block
    Dib badPlanes = InfoDib(40, 1, 1, 24, 0, 0, 4);
    badPlanes.U16(12, 2);

    const struct {
        const char* what;
        Dib dib;
    } cases[] = {
        {"pixels cut short", InfoDib(40, 3, 2, 24, 0, 0, 23)},
        {"colour count beyond the block", InfoDib(40, 1, 1, 24, 0, 1000, 8)},
        {"unknown header size", InfoDib(64, 1, 1, 24, 0, 0, 4)},
        {"header larger than the block", {std::vector<unsigned char>{40, 0, 0, 0, 1, 0}}},
        {"fewer bytes than a size field", {std::vector<unsigned char>{40, 0}}},
        {"zero width", InfoDib(40, 0, 1, 24, 0, 0, 4)},
        {"negative width", InfoDib(40, -4, 1, 24, 0, 0, 64)},
        {"zero height", InfoDib(40, 1, 0, 24, 0, 0, 4)},
        {"most negative height", InfoDib(40, 1, INT32_MIN, 24, 0, 0, 4)},
        {"huge image in a small block", InfoDib(40, 0x7FFFFFFF, 0x7FFFFFFF, 32, 0, 0, 16)},
        {"run-length compression", InfoDib(40, 2, 2, 8, 1, 0, 1024 + 8)},
        {"embedded JPEG", InfoDib(40, 2, 2, 0, 4, 0, 16)},
        {"bit fields at 24 bpp", InfoDib(40, 1, 1, 24, 3, 0, 16)},
        {"odd depth", InfoDib(40, 1, 1, 7, 0, 0, 16)},
        {"two planes", badPlanes},
        {"V5 profile outside the block", profile},
    };
    for (const auto& c : cases) {
        PackedDibLayout layout;
        EXPECT_FALSE(ParsePackedDib(c.dib.bytes.data(), c.dib.bytes.size(), layout)) << c.what;
    }
    PackedDibLayout layout;
    EXPECT_FALSE(ParsePackedDib(nullptr, 100, layout));
}

TEST(DragDropPackedDibTest, NormalisedInfoCarriesOnlyCheckedFields) {
    Dib dib = InfoDib(108, 2, -1, 32, 3, 0, 8);
    dib.U32(40, 0x00FF0000);
    dib.U32(44, 0x0000FF00);
    dib.U32(48, 0x000000FF);
    PackedDibLayout layout;
    ASSERT_TRUE(ParsePackedDib(dib.bytes.data(), dib.bytes.size(), layout));
    const std::vector<unsigned char> info = NormalisedDibInfo(dib.bytes.data(), layout);
    ASSERT_EQ(info.size(), 52u);  // 40-byte header and three masks
    const unsigned char header[] = {40, 0, 0, 0, 2, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 32, 0, 3, 0, 0, 0, 8, 0, 0, 0};
    EXPECT_EQ(std::memcmp(info.data(), header, sizeof(header)), 0);
    const unsigned char masks[] = {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0};
    EXPECT_EQ(std::memcmp(info.data() + 40, masks, sizeof(masks)), 0);

    // A core header's three-byte colours become four-byte entries.
    Dib core;
    core.bytes = {12, 0, 0, 0, 1, 0, 1, 0, 1, 0, 1, 0, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x80, 0, 0, 0};
    ASSERT_TRUE(ParsePackedDib(core.bytes.data(), core.bytes.size(), layout));
    const std::vector<unsigned char> converted = NormalisedDibInfo(core.bytes.data(), layout);
    ASSERT_EQ(converted.size(), 48u);
    const unsigned char table[] = {0x10, 0x20, 0x30, 0, 0x40, 0x50, 0x60, 0};
    EXPECT_EQ(std::memcmp(converted.data() + 40, table, sizeof(table)), 0);
}

}  // namespace
}  // namespace Kelvo
