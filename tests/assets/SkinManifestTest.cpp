// The shipped skin against its manifest: every listed file is there, is the kind of
// image its name says, and splits into the listed number of frames of the listed size;
// the wait animation has full-size opaque frames only; nothing unlisted ships.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "ImageHeaders.h"
#include "SkinManifest.h"
#include "TestPaths.h"

namespace {

namespace fs = std::filesystem;
using namespace skin;

const fs::path kSource = fs::path(testpaths::SourceDir());
const fs::path kSkinFolder = kSource / "assets" / "skins" / "theme1";

// Files of the skin folder that are not skin images.
const std::set<std::string> kNotSkin = {"Mirevo.ico"};

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

SkinManifest ShippedManifest() {
    return ParseSkinManifest(ReadBytes(kSource / "assets" / "src" / "skin" / "manifest.txt"));
}

bool IsGif(const std::string& path) {
    return path.size() > 4 && path.compare(path.size() - 4, 4, ".gif") == 0;
}

TEST(SkinManifestTest, ManifestIsWellFormedAndListsEachFileOnce) {
    const SkinManifest manifest = ShippedManifest();
    EXPECT_TRUE(manifest.errors.empty()) << manifest.errors.front();
    ASSERT_FALSE(manifest.entries.empty());
    std::set<std::string> seen;
    for (const SkinEntry& entry : manifest.entries) EXPECT_TRUE(seen.insert(entry.path).second) << entry.path;
}

TEST(SkinManifestTest, EveryListedPngSplitsIntoItsFrames) {
    for (const SkinEntry& entry : ShippedManifest().entries) {
        if (IsGif(entry.path)) continue;
        SCOPED_TRACE(entry.path);
        const auto size = ReadPngSize(ReadBytes(kSkinFolder / entry.path));
        ASSERT_TRUE(size.has_value()) << "missing or not a PNG";
        EXPECT_EQ(size->width, entry.frames * entry.frameWidth);
        EXPECT_EQ(size->height, entry.frameHeight);
    }
}

TEST(SkinManifestTest, EveryListedGifHasOnlyFullSizeOpaqueFrames) {
    int gifs = 0;
    for (const SkinEntry& entry : ShippedManifest().entries) {
        if (!IsGif(entry.path)) continue;
        ++gifs;
        SCOPED_TRACE(entry.path);
        const auto gif = ReadGifLayout(ReadBytes(kSkinFolder / entry.path));
        ASSERT_TRUE(gif.has_value()) << "missing or not a complete GIF";
        EXPECT_EQ(gif->screenWidth, entry.frameWidth);
        EXPECT_EQ(gif->screenHeight, entry.frameHeight);
        EXPECT_EQ(int(gif->frames.size()), entry.frames);
        EXPECT_GE(gif->frames.size(), 8u) << "an animation needs several frames";
        for (size_t i = 0; i < gif->frames.size(); ++i) {
            const GifFrame& frame = gif->frames[i];
            EXPECT_EQ(frame.left, 0) << "frame " << i;
            EXPECT_EQ(frame.top, 0) << "frame " << i;
            EXPECT_EQ(frame.width, gif->screenWidth) << "frame " << i;
            EXPECT_EQ(frame.height, gif->screenHeight) << "frame " << i;
            EXPECT_FALSE(frame.transparent) << "frame " << i;
        }
    }
    EXPECT_EQ(gifs, 1) << "the wait animation";
}

TEST(SkinManifestTest, NothingUnlistedShips) {
    std::set<std::string> listed;
    for (const SkinEntry& entry : ShippedManifest().entries) listed.insert(entry.path);
    for (const auto& item : fs::recursive_directory_iterator(kSkinFolder)) {
        if (!item.is_regular_file()) continue;
        const std::string name = item.path().filename().string();
        const std::string relative = item.path().lexically_relative(kSkinFolder).generic_string();
        if (name.front() == '.' || kNotSkin.count(relative)) continue;
        EXPECT_TRUE(listed.count(relative)) << relative << " ships but is not in the manifest";
    }
}

}  // namespace
