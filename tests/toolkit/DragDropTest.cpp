// The drop target in a real window under OLE: registration and revocation, reference
// counting that never frees the embedding object, format choice, drop effects, and the
// images made from dropped data, well-formed or not (including a real DoDragDrop).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "DataObject.h"
#include "DropSource.h"
#include "DropTarget.h"
#include "DroppedImage.h"
#include "MRender.h"
#include "RenderCanvas.h"

namespace Kelvo {
namespace {

FORMATETC Format(CLIPFORMAT cf, DWORD tymed) { return FORMATETC{cf, nullptr, DVASPECT_CONTENT, -1, tymed}; }

// What the paint manager declares, in its order.
void AddImageFormats(CIDropTarget& target) {
    FORMATETC formats[] = {Format(CF_BITMAP, TYMED_GDI), Format(CF_DIB, TYMED_HGLOBAL),
                           Format(CF_HDROP, TYMED_HGLOBAL), Format(CF_ENHMETAFILE, TYMED_ENHMF)};
    for (FORMATETC& f : formats) target.AddSuportedFormat(f);
}

class RecordingTarget : public CIDropTarget {
public:
    using CIDropTarget::CIDropTarget;
    ~RecordingTarget() override {
        for (HBITMAP b : images)
            if (b) DeleteObject(b);
    }
    bool OnDrop(FORMATETC* format, STGMEDIUM& medium, DWORD*) override {
        dropped.push_back(format->cfFormat);
        images.push_back(DroppedImage::FromMedium(*format, medium));
        return true;
    }
    std::vector<CLIPFORMAT> dropped;
    std::vector<HBITMAP> images;
};

// A packed DIB in global memory: a header of `headerBytes`, then `body`.
HGLOBAL PackedDib(const BITMAPINFOHEADER& header, const std::vector<unsigned char>& body, size_t headerBytes = 40) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, headerBytes + body.size());
    auto* bytes = static_cast<unsigned char*>(GlobalLock(block));
    memset(bytes, 0, headerBytes);
    memcpy(bytes, &header, sizeof(header));
    reinterpret_cast<BITMAPINFOHEADER*>(bytes)->biSize = static_cast<DWORD>(headerBytes);
    if (!body.empty()) memcpy(bytes + headerBytes, body.data(), body.size());
    GlobalUnlock(block);
    return block;
}

BITMAPINFOHEADER Header(LONG width, LONG height, WORD bits, DWORD clrUsed = 0) {
    BITMAPINFOHEADER h{};
    h.biSize = 40;
    h.biWidth = width;
    h.biHeight = height;
    h.biPlanes = 1;
    h.biBitCount = bits;
    h.biClrUsed = clrUsed;
    return h;
}

// 2 × 2, 24 bpp, bottom-up: bottom row blue, red; top row green, white.
std::vector<unsigned char> TwoByTwo() {
    return {0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0, 0};
}

IDataObject* DataWith(FORMATETC format, STGMEDIUM medium) {
    auto* data = new CIDataObject(nullptr);
    data->SetData(&format, &medium, TRUE);
    return data;
}

IDataObject* DataWithGlobal(CLIPFORMAT cf, HGLOBAL block) {
    STGMEDIUM medium{TYMED_HGLOBAL, {nullptr}, nullptr};
    medium.hGlobal = block;
    return DataWith(Format(cf, TYMED_HGLOBAL), medium);
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return colour;
}

std::wstring TempFile(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

HGLOBAL FileDrop(const std::wstring& path, DWORD offset = sizeof(DROPFILES), bool terminate = true) {
    const size_t chars = path.size() + (terminate ? 2 : 0);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    auto* files = static_cast<DROPFILES*>(GlobalLock(block));
    files->pFiles = offset;
    files->fWide = TRUE;
    memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), path.data(), path.size() * sizeof(wchar_t));
    GlobalUnlock(block);
    return block;
}

class DragDropTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        OleInitialize(nullptr);
        test::StartGdiplus();
    }
    void SetUp() override {
        static const ATOM atom = [] {
            WNDCLASSW cls{};
            cls.lpfnWndProc = DefWindowProcW;
            cls.hInstance = GetModuleHandleW(nullptr);
            cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
            cls.lpszClassName = L"KelvoDropTestWindow";
            return RegisterClassW(&cls);
        }();
        (void)atom;
        m_window = CreateWindowExW(0, L"KelvoDropTestWindow", L"drop here", WS_POPUP | WS_VISIBLE, 100, 100, 200, 150, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(m_window, nullptr);
    }
    void TearDown() override { DestroyWindow(m_window); }

    // Enter with `data`, then drop, as OLE would; returns the effect reported back.
    static DWORD EnterAndDrop(CIDropTarget& target, IDataObject* data, DWORD keys = 0) {
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        POINTL point{150, 150};
        EXPECT_EQ(target.DragEnter(data, keys, point, &effect), S_OK);
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        EXPECT_EQ(target.Drop(data, keys, point, &effect), S_OK);
        return effect;
    }
    HWND m_window = nullptr;
};

TEST_F(DragDropTest, ReferenceCountingNeverFreesTheEmbeddingObject) {
    struct Owner {
        int before = 0x1234;
        RecordingTarget target{nullptr};
        int after = 0x5678;
    } owner;
    EXPECT_EQ(owner.target.AddRef(), 1u);
    EXPECT_EQ(owner.target.Release(), 0u);
    EXPECT_EQ(owner.target.Release(), 0u);  // an extra release does not wrap around
    void* object = nullptr;
    EXPECT_EQ(owner.target.QueryInterface(IID_IDropTarget, &object), S_OK);
    EXPECT_EQ(object, static_cast<IDropTarget*>(&owner.target));
    EXPECT_EQ(owner.target.GetRefCount(), 1u);
    EXPECT_EQ(owner.target.QueryInterface(IID_IDataObject, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(owner.target.Release(), 0u);
    EXPECT_EQ(owner.before, 0x1234);
    EXPECT_EQ(owner.after, 0x5678);
}

TEST_F(DragDropTest, RegisteredWithTheWindowAndRevokedWhileItExists) {
    RecordingTarget other(nullptr);
    {
        RecordingTarget target(nullptr);
        EXPECT_FALSE(target.RegisterTarget(nullptr));
        ASSERT_TRUE(target.RegisterTarget(m_window));
        EXPECT_TRUE(target.IsRegistered());
        EXPECT_EQ(target.GetTargetWnd(), m_window);
        EXPECT_GE(target.GetRefCount(), 1u);  // OLE holds it now
        EXPECT_EQ(RegisterDragDrop(m_window, &other), DRAGDROP_E_ALREADYREGISTERED);
        target.RevokeTarget();
        EXPECT_EQ(target.GetRefCount(), 0u);
        EXPECT_FALSE(target.IsRegistered());
        ASSERT_TRUE(target.RegisterTarget(m_window));
    }  // destroyed while registered: it revokes itself
    EXPECT_EQ(RegisterDragDrop(m_window, &other), S_OK);
    EXPECT_EQ(RevokeDragDrop(m_window), S_OK);
    EXPECT_EQ(other.GetRefCount(), 0u);
}

TEST_F(DragDropTest, FirstSupportedFormatIsChosenAndUnknownDataRefused) {
    RecordingTarget target(m_window);
    AddImageFormats(target);
    const CLIPFORMAT privateFormat = static_cast<CLIPFORMAT>(RegisterClipboardFormatW(L"Kelvo private image"));

    IDataObject* both = DataWithGlobal(privateFormat, GlobalAlloc(GMEM_MOVEABLE, 16));
    FORMATETC dib = Format(CF_DIB, TYMED_HGLOBAL);
    STGMEDIUM medium{TYMED_HGLOBAL, {nullptr}, nullptr};
    medium.hGlobal = PackedDib(Header(2, 2, 24), TwoByTwo());
    both->SetData(&dib, &medium, TRUE);
    DWORD effect = DROPEFFECT_COPY;
    EXPECT_EQ(target.DragEnter(both, 0, POINTL{0, 0}, &effect), S_OK);
    EXPECT_EQ(target.GetChosenFormat().cfFormat, CF_DIB);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(target.DragLeave(), S_OK);
    EXPECT_EQ(target.GetChosenFormat().cfFormat, 0);
    both->Release();

    IDataObject* foreign = DataWithGlobal(privateFormat, GlobalAlloc(GMEM_MOVEABLE, 16));
    effect = DROPEFFECT_COPY;
    target.DragEnter(foreign, 0, POINTL{0, 0}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(EnterAndDrop(target, foreign), static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_TRUE(target.dropped.empty());
    foreign->Release();

    effect = DROPEFFECT_COPY;
    EXPECT_EQ(target.DragEnter(nullptr, 0, POINTL{0, 0}, &effect), E_INVALIDARG);
    EXPECT_EQ(target.Drop(nullptr, 0, POINTL{0, 0}, &effect), E_INVALIDARG);
}

TEST_F(DragDropTest, DropEffectFollowsKeysAndWhatTheSourceAllows) {
    RecordingTarget target(m_window);
    AddImageFormats(target);
    IDataObject* data = DataWithGlobal(CF_DIB, PackedDib(Header(2, 2, 24), TwoByTwo()));
    DWORD effect = DROPEFFECT_COPY;
    target.DragEnter(data, 0, POINTL{0, 0}, &effect);

    const DWORD copyMove = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    const struct {
        DWORD keys, allowed, effect;
        bool result;
    } cases[] = {
        {MK_CONTROL | MK_SHIFT, copyMove, DROPEFFECT_NONE, false},  // a link the source does not offer
        {MK_CONTROL | MK_SHIFT, DROPEFFECT_LINK, DROPEFFECT_LINK, true},
        {MK_CONTROL, copyMove, DROPEFFECT_COPY, true},
        {MK_SHIFT, copyMove, DROPEFFECT_MOVE, true},
        {MK_SHIFT, DROPEFFECT_COPY, DROPEFFECT_NONE, false},
        {0, copyMove, DROPEFFECT_COPY, true},
        {0, DROPEFFECT_MOVE | DROPEFFECT_LINK, DROPEFFECT_MOVE, true},
        {0, DROPEFFECT_LINK, DROPEFFECT_LINK, true},
        {0, DROPEFFECT_NONE, DROPEFFECT_NONE, false},
    };
    for (const auto& c : cases) {
        DWORD answer = c.allowed;
        EXPECT_EQ(target.QueryDrop(c.keys, &answer), c.result) << c.keys << "/" << c.allowed;
        EXPECT_EQ(answer, c.effect) << c.keys << "/" << c.allowed;
    }
    // Ctrl + Shift with copy and move only: nothing is dropped.
    EXPECT_EQ(EnterAndDrop(target, data, MK_CONTROL | MK_SHIFT), static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_TRUE(target.dropped.empty());
    target.DragLeave();
    DWORD answer = copyMove;
    EXPECT_FALSE(target.QueryDrop(0, &answer));  // nothing accepted after the drag left
    EXPECT_EQ(answer, static_cast<DWORD>(DROPEFFECT_NONE));
    data->Release();
}

TEST_F(DragDropTest, DroppedImagesAreBuiltFromValidDataOnly) {
    // A BMP file for the file-manager case.
    const std::wstring bmp = TempFile(L"kelvo-dropped.bmp");
    {
        test::Canvas picture(3, 2);
        picture.SetPixel(1, 0, 0xFF00FF00);
        ASSERT_EQ(MRender::SaveBitmapToFile(picture.bitmap(), bmp.c_str()), 1);
    }
    HBITMAP source = CreateBitmap(2, 1, 1, 32, nullptr);
    {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ previous = SelectObject(dc, source);
        SetPixel(dc, 1, 0, RGB(0x12, 0x34, 0x56));
        SelectObject(dc, previous);
        DeleteDC(dc);
    }
    HDC metaDc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    Rectangle(metaDc, 0, 0, 50, 50);
    HENHMETAFILE metafile = CloseEnhMetaFile(metaDc);

    // A V5 header whose embedded colour profile is said to lie past the block.
    HGLOBAL v5 = PackedDib(Header(1, 1, 24), std::vector<unsigned char>(4), sizeof(BITMAPV5HEADER));
    {
        auto* header = static_cast<BITMAPV5HEADER*>(GlobalLock(v5));
        header->bV5CSType = 0x4D424544;  // 'MBED': an embedded profile
        header->bV5ProfileData = 120;
        header->bV5ProfileSize = 4000;
        GlobalUnlock(v5);
    }

    STGMEDIUM gdi{TYMED_GDI, {nullptr}, nullptr};
    gdi.hBitmap = source;
    STGMEDIUM enhanced{TYMED_ENHMF, {nullptr}, nullptr};
    enhanced.hEnhMetaFile = metafile;
    const struct {
        const char* what;
        IDataObject* data;
        bool image;
    } cases[] = {
        {"CF_DIB 2 x 2", DataWithGlobal(CF_DIB, PackedDib(Header(2, 2, 24), TwoByTwo())), true},
        {"CF_BITMAP", DataWith(Format(CF_BITMAP, TYMED_GDI), gdi), true},
        {"CF_HDROP of a BMP file", DataWithGlobal(CF_HDROP, FileDrop(bmp)), true},
        {"CF_ENHMETAFILE", DataWith(Format(CF_ENHMETAFILE, TYMED_ENHMF), enhanced), true},
        {"CF_DIB cut short", DataWithGlobal(CF_DIB, PackedDib(Header(2, 2, 24), std::vector<unsigned char>(15))), false},
        {"CF_DIB with 2^20 colours", DataWithGlobal(CF_DIB, PackedDib(Header(1, 1, 24, 1u << 20), TwoByTwo())), false},
        {"CF_DIB 8 bpp without room for its table", DataWithGlobal(CF_DIB, PackedDib(Header(4, 1, 8), std::vector<unsigned char>(64))), false},
        {"CF_DIB with a V5 profile outside", DataWithGlobal(CF_DIB, v5), false},
        {"CF_DIB header alone", DataWithGlobal(CF_DIB, PackedDib(Header(2, 2, 24), {}, 40)), false},
        {"CF_HDROP pointing past its block", DataWithGlobal(CF_HDROP, FileDrop(bmp, 4000)), false},
        {"CF_HDROP without a terminator", DataWithGlobal(CF_HDROP, FileDrop(bmp, sizeof(DROPFILES), false)), false},
        {"CF_HDROP of a missing file", DataWithGlobal(CF_HDROP, FileDrop(TempFile(L"kelvo-none.bmp"))), false},
    };
    RecordingTarget target(m_window);
    AddImageFormats(target);
    for (const auto& c : cases) {
        EXPECT_EQ(EnterAndDrop(target, c.data), static_cast<DWORD>(DROPEFFECT_NONE)) << c.what;
        ASSERT_FALSE(target.images.empty()) << c.what << ": OnDrop not called";
        EXPECT_EQ(target.images.back() != nullptr, c.image) << c.what;
        c.data->Release();
    }
    ASSERT_EQ(target.images.size(), std::size(cases));
    EXPECT_EQ(PixelOf(target.images[0], 0, 0), RGB(0, 0xFF, 0));     // top-left: green
    EXPECT_EQ(PixelOf(target.images[0], 1, 1), RGB(0xFF, 0, 0));     // bottom-right: red
    EXPECT_EQ(PixelOf(target.images[1], 1, 0), RGB(0x12, 0x34, 0x56));
    EXPECT_NE(target.images[1], source);                               // a copy of our own
    EXPECT_EQ(PixelOf(target.images[2], 1, 0), RGB(0, 0xFF, 0));
    BITMAP described{};
    GetObjectW(target.images[3], sizeof(described), &described);
    EXPECT_GT(described.bmWidth, 10);

    // Handles that are not what the format claims.
    STGMEDIUM brush{TYMED_GDI, {nullptr}, nullptr};
    brush.hBitmap = reinterpret_cast<HBITMAP>(GetStockObject(GRAY_BRUSH));
    EXPECT_EQ(DroppedImage::FromMedium(Format(CF_BITMAP, TYMED_GDI), brush), nullptr);
    STGMEDIUM wrongKind{TYMED_GDI, {nullptr}, nullptr};
    wrongKind.hBitmap = CreateBitmap(1, 1, 1, 32, nullptr);
    EXPECT_EQ(DroppedImage::FromMedium(Format(CF_DIB, TYMED_HGLOBAL), wrongKind), nullptr);
    DeleteObject(wrongKind.hBitmap);
    DeleteFileW(bmp.c_str());
}

// A whole drag inside this process: OLE finds the registered window under the cursor and
// the drop source ends the drag at once (no button is held).
TEST_F(DragDropTest, DoDragDropDeliversToTheWindowUnderTheCursor) {
    RecordingTarget target(nullptr);
    AddImageFormats(target);
    ASSERT_TRUE(target.RegisterTarget(m_window));
    SetForegroundWindow(m_window);
    SetCursorPos(200, 170);

    auto* source = new CIDropSource;
    auto* data = new CIDataObject(source);
    FORMATETC dib = Format(CF_DIB, TYMED_HGLOBAL);
    STGMEDIUM medium{TYMED_HGLOBAL, {nullptr}, nullptr};
    medium.hGlobal = PackedDib(Header(2, 2, 24), TwoByTwo());
    data->SetData(&dib, &medium, TRUE);
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = DoDragDrop(data, source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
    EXPECT_EQ(result, DRAGDROP_S_DROP);
    EXPECT_TRUE(source->IsDropped());
    ASSERT_EQ(target.dropped.size(), 1u);
    EXPECT_EQ(target.dropped[0], CF_DIB);
    EXPECT_NE(target.images[0], nullptr);
    EXPECT_EQ(data->Release(), 0u);
    EXPECT_EQ(source->Release(), 0u);
    target.RevokeTarget();
}

}  // namespace
}  // namespace Kelvo
