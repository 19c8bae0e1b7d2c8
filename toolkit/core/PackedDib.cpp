#include "PackedDib.h"

#include <cstdlib>

namespace Kelvo {

namespace {

constexpr uint32_t kCoreHeader = 12;
constexpr uint32_t kInfoHeader = 40;
constexpr uint32_t kCompressionRgb = 0;
constexpr uint32_t kCompressionBitFields = 3;

uint16_t Read16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t Read32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}
void Write16(std::vector<unsigned char>& out, uint32_t v) {
    out.push_back(static_cast<unsigned char>(v));
    out.push_back(static_cast<unsigned char>(v >> 8));
}
void Write32(std::vector<unsigned char>& out, uint32_t v) {
    Write16(out, v & 0xFFFF);
    Write16(out, v >> 16);
}

bool IsInfoHeaderSize(uint32_t size) {
    // BITMAPINFOHEADER, its V2/V3 extensions with masks, BITMAPV4HEADER and BITMAPV5HEADER.
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool IsKnownDepth(uint16_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

bool ParsePackedDib(const unsigned char* data, std::size_t size, PackedDibLayout& layout) {
    if (!data || size < 4) return false;
    PackedDibLayout out;
    out.headerSize = Read32(data);
    if (size < out.headerSize) return false;

    uint32_t clrUsed = 0;
    if (out.headerSize == kCoreHeader) {
        out.width = Read16(data + 4);
        out.height = Read16(data + 6);
        if (Read16(data + 8) != 1) return false;
        out.bitCount = Read16(data + 10);
        if (out.bitCount != 1 && out.bitCount != 4 && out.bitCount != 8 && out.bitCount != 24) return false;
        out.colourEntrySize = 3;
    } else if (IsInfoHeaderSize(out.headerSize)) {
        out.width = static_cast<int32_t>(Read32(data + 4));
        out.height = static_cast<int32_t>(Read32(data + 8));
        if (Read16(data + 12) != 1) return false;
        out.bitCount = Read16(data + 14);
        out.compression = Read32(data + 16);
        clrUsed = Read32(data + 32);
        if (!IsKnownDepth(out.bitCount)) return false;
        if (out.compression == kCompressionBitFields) {
            if (out.bitCount != 16 && out.bitCount != 32) return false;
        } else if (out.compression != kCompressionRgb) {
            return false;  // run-length, JPEG and PNG payloads are not taken from other programs
        }
        // A V5 header may point at a colour profile; it must lie inside the block too.
        if (out.headerSize == 124) {
            const uint32_t csType = Read32(data + 56);
            if (csType == 0x4D424544u /* 'MBED' */ || csType == 0x4C494E4Bu /* 'LINK' */) {
                const uint64_t end = static_cast<uint64_t>(Read32(data + 112)) + Read32(data + 116);
                if (end > size) return false;
            }
        }
    } else {
        return false;
    }
    if (out.width <= 0 || out.height == 0 || out.height == INT32_MIN) return false;

    // Colour table: at most 2^bits entries for palette images; bigger images may carry an
    // optional table of biClrUsed entries.
    if (out.bitCount <= 8) {
        const uint32_t most = 1u << out.bitCount;
        out.colourCount = clrUsed == 0 || clrUsed > most ? most : clrUsed;
    } else {
        out.colourCount = clrUsed;
    }

    uint64_t offset = out.headerSize;
    if (out.compression == kCompressionBitFields) {
        if (out.headerSize == kInfoHeader) {
            out.maskOffset = kInfoHeader;
            offset += 12;  // three masks follow a plain info header
        } else {
            out.maskOffset = kInfoHeader;  // the masks are inside the longer headers
        }
    }
    out.colourTableOffset = static_cast<std::size_t>(offset < size ? offset : size);
    offset += static_cast<uint64_t>(out.colourCount) * out.colourEntrySize;

    const uint64_t stride = ((static_cast<uint64_t>(out.width) * out.bitCount + 31) / 32) * 4;
    const uint64_t rows = static_cast<uint64_t>(std::llabs(static_cast<long long>(out.height)));
    const uint64_t pixels = stride * rows;
    if (offset > size || pixels > size - offset) return false;

    out.pixelOffset = static_cast<std::size_t>(offset);
    out.pixelBytes = static_cast<std::size_t>(pixels);
    layout = out;
    return true;
}

std::vector<unsigned char> NormalisedDibInfo(const unsigned char* data, const PackedDibLayout& layout) {
    std::vector<unsigned char> out;
    Write32(out, kInfoHeader);
    Write32(out, static_cast<uint32_t>(layout.width));
    Write32(out, static_cast<uint32_t>(layout.height));
    Write16(out, 1);
    Write16(out, layout.bitCount);
    Write32(out, layout.compression);
    Write32(out, static_cast<uint32_t>(layout.pixelBytes));
    Write32(out, 0);  // horizontal resolution
    Write32(out, 0);  // vertical resolution
    Write32(out, layout.colourCount);
    Write32(out, 0);  // important colours: all
    if (layout.maskOffset)
        for (int i = 0; i < 3; ++i) Write32(out, Read32(data + layout.maskOffset + 4 * i));
    for (uint32_t i = 0; i < layout.colourCount; ++i) {
        const unsigned char* entry = data + layout.colourTableOffset + static_cast<std::size_t>(i) * layout.colourEntrySize;
        out.push_back(entry[0]);  // blue
        out.push_back(entry[1]);  // green
        out.push_back(entry[2]);  // red
        out.push_back(0);
    }
    return out;
}

}  // namespace Kelvo
