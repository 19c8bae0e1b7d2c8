#pragma once
// Where the parts of a packed DIB (a BITMAPINFO followed by its pixels, as CF_DIB holds
// it) lie, checked against the size of the buffer. Portable: it reads the little-endian
// header fields itself, so it builds and is tested natively too.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Kelvo {

struct PackedDibLayout {
    uint32_t headerSize = 0;        // 12 (core), 40 (info), 52/56 (info + masks), 108 (V4), 124 (V5)
    int32_t width = 0;
    int32_t height = 0;             // negative for top-down rows
    uint16_t bitCount = 0;
    uint32_t compression = 0;
    uint32_t colourCount = 0;       // colour-table entries
    uint32_t colourEntrySize = 4;   // 3 for the core header's triples
    std::size_t maskOffset = 0;     // where the three bit-field masks lie; 0 without masks
    std::size_t colourTableOffset = 0;  // from the start of the buffer: header, then external masks
    std::size_t pixelOffset = 0;
    std::size_t pixelBytes = 0;     // what the pixels occupy (biSizeImage or rows × stride)
};

// Fills `layout` and returns true when the header is one we know, the geometry is sane
// and header, colour table and pixels all fit inside `size` bytes; false otherwise.
// Only uncompressed and bit-field images are accepted.
bool ParsePackedDib(const unsigned char* data, std::size_t size, PackedDibLayout& layout);

// The same image described in the plainest form: a 40-byte info header, the three masks
// for a bit-field image, and the colour table as four-byte entries. Building the bitmap
// from this (and the pixels at layout.pixelOffset) keeps the system from reading any
// header field we did not check, such as a V5 header's colour profile.
std::vector<unsigned char> NormalisedDibInfo(const unsigned char* data, const PackedDibLayout& layout);

}  // namespace Kelvo
