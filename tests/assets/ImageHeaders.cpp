#include "ImageHeaders.h"

#include <cstring>

namespace skin {
namespace {

uint32_t BigEndian32(const std::string& bytes, size_t at) {
    return (uint32_t(uint8_t(bytes[at])) << 24) | (uint32_t(uint8_t(bytes[at + 1])) << 16) |
           (uint32_t(uint8_t(bytes[at + 2])) << 8) | uint32_t(uint8_t(bytes[at + 3]));
}

// A cursor over the GIF's bytes that refuses to read past the end.
class Reader {
public:
    explicit Reader(const std::string& bytes) : m_bytes(bytes) {}

    bool Byte(int& value) {
        if (m_at >= m_bytes.size()) return false;
        value = uint8_t(m_bytes[m_at++]);
        return true;
    }
    bool Word(int& value) {
        int low = 0, high = 0;
        if (!Byte(low) || !Byte(high)) return false;
        value = low | (high << 8);
        return true;
    }
    bool Skip(size_t count) {
        if (m_bytes.size() - m_at < count) return false;
        m_at += count;
        return true;
    }
    // Data sub-blocks: a length byte and that many bytes, up to a zero length.
    bool SkipSubBlocks() {
        for (;;) {
            int length = 0;
            if (!Byte(length)) return false;
            if (length == 0) return true;
            if (!Skip(size_t(length))) return false;
        }
    }
    // A colour table follows when bit 7 of the flags is set; 2^(n+1) RGB entries.
    bool SkipColourTable(int flags) {
        if ((flags & 0x80) == 0) return true;
        return Skip(size_t(3) << ((flags & 0x07) + 1));
    }

private:
    const std::string& m_bytes;
    size_t m_at = 0;
};

constexpr int kExtension = 0x21;
constexpr int kImage = 0x2C;
constexpr int kTrailer = 0x3B;
constexpr int kGraphicControl = 0xF9;

}  // namespace

std::optional<PngSize> ReadPngSize(const std::string& bytes) {
    static const char kSignature[] = "\x89PNG\r\n\x1a\n";
    // Signature, then the first chunk: length 13, type IHDR, width, height.
    if (bytes.size() < 24 || std::memcmp(bytes.data(), kSignature, 8) != 0) return std::nullopt;
    if (BigEndian32(bytes, 8) != 13 || bytes.compare(12, 4, "IHDR") != 0) return std::nullopt;
    PngSize size{int(BigEndian32(bytes, 16)), int(BigEndian32(bytes, 20))};
    if (size.width <= 0 || size.height <= 0) return std::nullopt;
    return size;
}

std::optional<GifLayout> ReadGifLayout(const std::string& bytes) {
    if (bytes.compare(0, 6, "GIF87a") != 0 && bytes.compare(0, 6, "GIF89a") != 0) return std::nullopt;
    Reader in(bytes);
    GifLayout layout;
    int flags = 0, ignored = 0;
    if (!in.Skip(6) || !in.Word(layout.screenWidth) || !in.Word(layout.screenHeight) || !in.Byte(flags) ||
        !in.Byte(ignored) || !in.Byte(ignored) || !in.SkipColourTable(flags))
        return std::nullopt;
    bool nextTransparent = false;
    for (;;) {
        int block = 0;
        if (!in.Byte(block)) return std::nullopt;
        if (block == kTrailer) return layout;
        if (block == kExtension) {
            int label = 0;
            if (!in.Byte(label)) return std::nullopt;
            if (label == kGraphicControl) {
                int length = 0, packed = 0;
                if (!in.Byte(length) || length != 4 || !in.Byte(packed) || !in.Skip(3)) return std::nullopt;
                nextTransparent = (packed & 0x01) != 0;
            }
            if (!in.SkipSubBlocks()) return std::nullopt;
        } else if (block == kImage) {
            GifFrame frame;
            int imageFlags = 0, codeSize = 0;
            if (!in.Word(frame.left) || !in.Word(frame.top) || !in.Word(frame.width) || !in.Word(frame.height) ||
                !in.Byte(imageFlags) || !in.SkipColourTable(imageFlags) || !in.Byte(codeSize) || !in.SkipSubBlocks())
                return std::nullopt;
            frame.transparent = nextTransparent;
            nextTransparent = false;
            layout.frames.push_back(frame);
        } else {
            return std::nullopt;
        }
    }
}

}  // namespace skin
