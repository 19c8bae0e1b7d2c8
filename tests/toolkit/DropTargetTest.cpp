// The paint manager as its window's OLE drop target: registered when the window is set
// up, revoked while it is torn down, never deleted by OLE's releases, and turning dropped
// data into one image for the window only when the data holds up.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "DataObject.h"
#include "TestWindow.h"

namespace {

using harness::TestWindow;

// A packed DIB: header, then `width` x `height` pixels of 24 bits.
HGLOBAL PackedDib(int width, int height, DWORD headerSize = sizeof(BITMAPINFOHEADER), SIZE_T cut = 0) {
    const DWORD stride = (width * 3 + 3) & ~3u;
    const SIZE_T size = sizeof(BITMAPINFOHEADER) + stride * height - cut;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(memory));
    header->biSize = headerSize;
    header->biWidth = width;
    header->biHeight = height;
    header->biPlanes = 1;
    header->biBitCount = 24;
    header->biCompression = BI_RGB;
    GlobalUnlock(memory);
    return memory;
}

// Drags `data` onto the window's drop target and drops it, as OLE would.
void DragAndDrop(Kelvo::PaintManager& manager, IDataObject* data) {
    IDropTarget* target = &manager;
    POINTL point{150, 150};
    DWORD effect = DROPEFFECT_COPY;
    target->DragEnter(data, MK_CONTROL, point, &effect);
    effect = DROPEFFECT_COPY;
    target->DragOver(MK_CONTROL, point, &effect);
    effect = DROPEFFECT_COPY;
    target->Drop(data, MK_CONTROL, point, &effect);
    data->Release();
}

IDataObject* DataWith(HGLOBAL dib) {
    auto* data = new Kelvo::CIDataObject(nullptr);
    FORMATETC format{CF_DIB, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = dib;
    data->SetData(&format, &medium, TRUE);
    return data;
}

TEST(DropTargetTest, RegisteredAtInitAndRevokedWhileTheWindowIsDestroyed) {
    TestWindow window;
    Kelvo::PaintManager& manager = window.Manager();
    EXPECT_TRUE(manager.IsRegistered());
    EXPECT_GE(manager.GetRefCount(), 1u);  // OLE holds the target
    // A second registration of the same window is refused: ours is in place.
    Kelvo::CIDropTarget other;
    EXPECT_EQ(RegisterDragDrop(window.Handle(), &other), DRAGDROP_E_ALREADYREGISTERED);

    // Right after WM_DESTROY, with the window still there, OLE no longer knows our target.
    HRESULT probe = E_FAIL;
    window.afterMessage = [&](HWND handle, UINT msg) {
        if (msg != WM_DESTROY) return;
        probe = RegisterDragDrop(handle, &other);
        if (probe == S_OK) RevokeDragDrop(handle);
    };
    HWND handle = window.Handle();
    window.Destroy();
    EXPECT_EQ(probe, S_OK);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_FALSE(manager.IsRegistered());
    EXPECT_EQ(manager.GetRefCount(), 0u);  // OLE let go, and the manager object is still whole
    EXPECT_EQ(manager.IsInitialised(), 0);
}

TEST(DropTargetTest, ADroppedDibReachesTheWindowAsOneBitmap) {
    TestWindow window;
    DragAndDrop(window.Manager(), DataWith(PackedDib(3, 2)));
    EXPECT_EQ(window.offeredImages.size(), 1u);
    ASSERT_NE(window.keptImage, nullptr);
    BITMAP bitmap{};
    ASSERT_EQ(GetObjectW(window.keptImage, sizeof bitmap, &bitmap), static_cast<int>(sizeof bitmap));
    EXPECT_EQ(bitmap.bmWidth, 3);
    EXPECT_EQ(bitmap.bmHeight, 2);
    // The drop ended the press the drag would have begun, with a point in client coordinates.
    EXPECT_NE(std::find(window.messages.begin(), window.messages.end(), static_cast<UINT>(WM_LBUTTONUP)),
              window.messages.end());

    // A second drop replaces the image; the window's previous one is freed.
    HBITMAP first = window.keptImage;
    DragAndDrop(window.Manager(), DataWith(PackedDib(4, 4)));
    EXPECT_EQ(window.offeredImages.size(), 2u);
    EXPECT_NE(window.keptImage, first);
    EXPECT_EQ(GetObjectType(first), 0u);
}

TEST(DropTargetTest, AnImageTheWindowDoesNotTakeIsFreed) {
    TestWindow window;
    window.acceptImages = false;
    for (int i = 0; i < 3; ++i) DragAndDrop(window.Manager(), DataWith(PackedDib(8, 8)));
    ASSERT_EQ(window.offeredImages.size(), 3u);
    for (HBITMAP offered : window.offeredImages) EXPECT_EQ(GetObjectType(offered), 0u);
}

TEST(DropTargetTest, DibsThatDoNotHoldUpAreIgnored) {
    TestWindow window;
    const struct {
        const char* what;
        HGLOBAL dib;
    } cases[] = {
        {"pixels cut short", PackedDib(16, 16, sizeof(BITMAPINFOHEADER), 40)},
        {"header larger than the block", PackedDib(4, 4, 4096)},
    };
    for (const auto& c : cases) {
        DragAndDrop(window.Manager(), DataWith(c.dib));
        EXPECT_TRUE(window.offeredImages.empty()) << c.what;
    }
}

}  // namespace
