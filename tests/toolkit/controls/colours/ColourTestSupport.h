#pragma once
// What the colour picker tests share: the status widgets' recording parent, skin reader
// and colour comparisons, and the one conversion only colour tests need.
#include <windows.h>

#include "StatusTestSupport.h"

namespace colourtest {

using namespace statustest;

// A colour reference (0x00BBGGRR) as the window's pixels read (0xRRGGBB).
inline DWORD AsPixel(DWORD colourReference) {
    return (colourReference & 0xFF) << 16 | (colourReference & 0xFF00) | (colourReference >> 16 & 0xFF);
}

}  // namespace colourtest
