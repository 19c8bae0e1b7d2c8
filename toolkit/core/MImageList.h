#pragma once
// A small thread-safe list of images, each with an ID and state frames side by side.
#include <windows.h>

#include <vector>

#include "GdiPlus.h"

#include "CString.h"
#include "Geometry.h"
#include "KelvoApi.h"
#include "Lock.h"

namespace Kelvo {

// One entry. The image is null (and the sizes 0) when the file could not be loaded.
struct _M_IAMGELIST {
    Gdiplus::Image* image = nullptr;  // owned by the list
    int frameWidth = 0;               // image width / frames
    int height = 0;
    UINT id = 0;
    int frames = 1;
    CString path;
};

class KELVO_API MImageList {
public:
    MImageList();
    ~MImageList();
    MImageList(const MImageList&) = delete;
    MImageList& operator=(const MImageList&) = delete;

    // InsertImage(-1, ...).
    int AddImage(const wchar_t* path, UINT id, int frames);
    // Loads `path` (used as given) into a new entry before position `index`, or at the end
    // for -1. Returns the index of the new entry; -1 for a null path or an index
    // outside -1 … count − 1. A frame count below 1 counts as 1. An image that fails to
    // load still gets its entry, with a null image.
    int InsertImage(int index, const wchar_t* path, UINT id, int frames);

    // Frame 0 of entry `index` stretched over `rect`; nothing for a bad index or no image.
    void DrawItemIcon(Gdiplus::Graphics& graphics, CRect rect, int index);
    // Frame min(frame, last) of entry `index` at its natural size, centred in `rect`.
    void DrawItemIcon(Gdiplus::Graphics& graphics, CRect rect, int index, int frame);

    // The entry, or null. The pointer stays valid until the entries are deleted.
    _M_IAMGELIST* GetItemImageData(int index);
    _M_IAMGELIST* GetImageDataByID(UINT id);
    // The entry's path; empty when there is no such entry.
    CString GetImagePath(int index);
    CString GetImagePathByID(UINT id);

    int GetImageCount();
    // Deletes every entry and its image; returns 1.
    int DelAllImages();
    // The draw size callers may store here for their own use; returns 1.
    int SetDrawImgSize(int width, int height);
    CSize GetIconSize();

private:
    Lock m_lock;
    std::vector<_M_IAMGELIST*> m_items;
    CSize m_drawSize;
};

}  // namespace Kelvo
