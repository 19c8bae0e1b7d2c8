#pragma once
// Bitmaps made from data that other programs drop on a toolkit window. The data is not
// trusted: a packed DIB is checked against the size of its memory block, a bitmap handle
// must name a real bitmap, a metafile must have a sane frame. Every function returns a
// new device-dependent bitmap that the caller owns (the medium itself is never taken
// over, so the caller always releases it), or null when the data is not a usable image.
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include "KelvoApi.h"

namespace Kelvo {

class KELVO_API DroppedImage {
public:
    // By format: CF_DIB in global memory, CF_BITMAP as a GDI object, CF_ENHMETAFILE and
    // CF_HDROP (the first file, loaded as a BMP file). Null for anything else.
    static HBITMAP FromMedium(const FORMATETC& format, const STGMEDIUM& medium);

    static HBITMAP FromPackedDib(HGLOBAL dib);
    static HBITMAP FromBitmap(HBITMAP bitmap);
    // Played at its frame's size in the pixels of the screen.
    static HBITMAP FromEnhMetaFile(HENHMETAFILE metafile);
    static HBITMAP FromFileDrop(HDROP drop);
};

}  // namespace Kelvo
