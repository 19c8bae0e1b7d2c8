// The readers the skin checks rely on: they must see the sizes a file declares and
// refuse what is not a whole image, or the skin checks would pass broken files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ImageHeaders.h"
#include "SkinManifest.h"

namespace {

using namespace skin;

std::string Png(uint32_t width, uint32_t height, const char* chunk = "IHDR") {
    std::string bytes("\x89PNG\r\n\x1a\n", 8);
    bytes += std::string("\0\0\0\x0d", 4) + chunk;
    for (uint32_t v : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8) bytes += char((v >> shift) & 0xFF);
    bytes += std::string("\x08\x06\0\0\0", 5);
    return bytes;
}

std::string Word(int v) { return {char(v & 0xFF), char((v >> 8) & 0xFF)}; }

// A GIF without colour tables, with one frame per rectangle; `transparent` marks the
// frames whose graphic control block names a transparent colour.
std::string Gif(int width, int height, const std::vector<std::vector<int>>& frames,
                const std::vector<bool>& transparent = {}) {
    std::string bytes = "GIF89a" + Word(width) + Word(height) + std::string("\0\0\0", 3);
    for (size_t i = 0; i < frames.size(); ++i) {
        const bool clear = i < transparent.size() && transparent[i];
        bytes += std::string("\x21\xF9\x04", 3) + char(clear ? 0x09 : 0x08) + std::string("\x05\0\0\0", 4);
        bytes += '\x2C';
        for (int v : frames[i]) bytes += Word(v);
        bytes += std::string("\0\x02\x02\x4C\x01\0", 6);  // no local table, one data block
    }
    return bytes + '\x3B';
}

TEST(ImageHeadersTest, PngSizeComesFromTheHeaderChunk) {
    struct Case {
        const char* what;
        std::string bytes;
        int width, height;  // 0, 0: refused
    } cases[] = {
        {"a strip", Png(256, 32), 256, 32},
        {"a wide picture", Png(1121, 780), 1121, 780},
        {"no header chunk first", Png(16, 16, "IDAT"), 0, 0},
        {"a zero width", Png(0, 16), 0, 0},
        {"cut short", Png(16, 16).substr(0, 20), 0, 0},
        {"a GIF", Gif(16, 16, {{0, 0, 16, 16}}), 0, 0},
        {"nothing", "", 0, 0},
    };
    for (const Case& c : cases) {
        const auto size = ReadPngSize(c.bytes);
        if (c.width == 0) {
            EXPECT_FALSE(size.has_value()) << c.what;
        } else {
            ASSERT_TRUE(size.has_value()) << c.what;
            EXPECT_EQ(size->width, c.width) << c.what;
            EXPECT_EQ(size->height, c.height) << c.what;
        }
    }
}

TEST(ImageHeadersTest, GifFramesAreListedWithTheirPlacement) {
    const auto gif = ReadGifLayout(Gif(100, 100, {{0, 0, 100, 100}, {10, 20, 30, 40}, {0, 0, 100, 100}},
                                       {false, false, true}));
    ASSERT_TRUE(gif.has_value());
    EXPECT_EQ(gif->screenWidth, 100);
    EXPECT_EQ(gif->screenHeight, 100);
    ASSERT_EQ(gif->frames.size(), 3u);
    const GifFrame& partial = gif->frames[1];
    EXPECT_EQ(std::vector<int>({partial.left, partial.top, partial.width, partial.height}),
              std::vector<int>({10, 20, 30, 40}));
    EXPECT_EQ(std::vector<bool>({gif->frames[0].transparent, partial.transparent, gif->frames[2].transparent}),
              std::vector<bool>({false, false, true}));
}

TEST(ImageHeadersTest, IncompleteOrForeignGifsAreRefused) {
    const std::string whole = Gif(8, 8, {{0, 0, 8, 8}});
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"no trailer", whole.substr(0, whole.size() - 1)},
        {"cut inside a frame", whole.substr(0, whole.size() - 4)},
        {"an unknown block", whole.substr(0, whole.size() - 1) + "\x55"},
        {"a PNG", Png(8, 8)},
        {"a colour table that runs past the end", std::string("GIF89a\x08\0\x08\0\x87\0\0", 13) + "\x3B"},
    };
    for (const Case& c : cases) EXPECT_FALSE(ReadGifLayout(c.bytes).has_value()) << c.what;
}

TEST(ImageHeadersTest, ManifestLinesNeedAPathAndThreePositiveNumbers) {
    const SkinManifest manifest = ParseSkinManifest(
        "# comment\n"
        "img_button.png 4 64 32   # trailing comment\n"
        "\n"
        "icon/tab_home.png 2 56\n"
        "btn_reset.png 0 13 13\n"
        "logo/logo.png 4 65 40 extra\n"
        "loading.gif 12 100 100\n");
    ASSERT_EQ(manifest.entries.size(), 2u);
    EXPECT_EQ(manifest.entries[0].path, "img_button.png");
    EXPECT_EQ(manifest.entries[0].frames, 4);
    EXPECT_EQ(manifest.entries[0].frameWidth, 64);
    EXPECT_EQ(manifest.entries[0].frameHeight, 32);
    EXPECT_EQ(manifest.entries[1].path, "loading.gif");
    ASSERT_EQ(manifest.errors.size(), 3u);
    EXPECT_EQ(manifest.errors[0].rfind("line 4:", 0), 0u) << manifest.errors[0];
    EXPECT_EQ(manifest.errors[1].rfind("line 5:", 0), 0u) << manifest.errors[1];
    EXPECT_EQ(manifest.errors[2].rfind("line 6:", 0), 0u) << manifest.errors[2];
}

}  // namespace
