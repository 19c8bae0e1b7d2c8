#pragma once
// Reads what the skin checks need from image files without decoding pixels: a PNG's
// size from its header chunk, and a GIF's logical screen with the placement of every
// frame and whether any frame declares a transparent colour.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace skin {

struct PngSize {
    int width = 0;
    int height = 0;
};

// Null when the bytes are not a PNG that starts with its header chunk.
std::optional<PngSize> ReadPngSize(const std::string& bytes);

struct GifFrame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool transparent = false;  // its graphic control block names a transparent colour
};

struct GifLayout {
    int screenWidth = 0;
    int screenHeight = 0;
    std::vector<GifFrame> frames;
};

// Null when the bytes are not a complete GIF (header, blocks, trailer).
std::optional<GifLayout> ReadGifLayout(const std::string& bytes);

}  // namespace skin
