#pragma once
// The committed list of the skin's files: one line per file with its frame count and
// the size of one frame; '#' starts a comment.
#include <string>
#include <vector>

namespace skin {

struct SkinEntry {
    std::string path;  // relative to the skin folder, '/' between folders
    int frames = 0;
    int frameWidth = 0;
    int frameHeight = 0;
};

struct SkinManifest {
    std::vector<SkinEntry> entries;
    std::vector<std::string> errors;  // one per line that is not "path frames width height"
};

SkinManifest ParseSkinManifest(const std::string& text);

}  // namespace skin
