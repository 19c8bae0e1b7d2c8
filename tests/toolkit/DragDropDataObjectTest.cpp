// The data object, its format enumerator and the drop source, through their COM interfaces.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "DataObject.h"
#include "DropSource.h"

namespace Kelvo {
namespace {

FORMATETC Format(CLIPFORMAT cf, DWORD tymed, DWORD aspect = DVASPECT_CONTENT) {
    return FORMATETC{cf, nullptr, aspect, -1, tymed};
}

HGLOBAL GlobalText(const char* text) {
    const size_t size = strlen(text) + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    memcpy(GlobalLock(block), text, size);
    GlobalUnlock(block);
    return block;
}

std::string GlobalString(HGLOBAL block) {
    std::string text(static_cast<const char*>(GlobalLock(block)));
    GlobalUnlock(block);
    return text;
}

ULONG RefCount(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

TEST(DragDropDataObjectTest, StoredDataIsHandedOutAsCopies) {
    auto* data = new CIDataObject(nullptr);
    FORMATETC text = Format(CF_TEXT, TYMED_HGLOBAL);
    STGMEDIUM owned{TYMED_HGLOBAL, {nullptr}, nullptr};
    owned.hGlobal = GlobalText("taken over");
    ASSERT_EQ(data->SetData(&text, &owned, TRUE), S_OK);

    STGMEDIUM first{}, second{};
    ASSERT_EQ(data->GetData(&text, &first), S_OK);
    ASSERT_EQ(data->GetData(&text, &second), S_OK);
    EXPECT_NE(first.hGlobal, owned.hGlobal);
    EXPECT_NE(first.hGlobal, second.hGlobal);
    EXPECT_EQ(GlobalString(first.hGlobal), "taken over");
    EXPECT_EQ(first.pUnkForRelease, nullptr);
    ReleaseStgMedium(&first);
    ReleaseStgMedium(&second);

    // Without `release` the caller keeps its medium and the object keeps a copy.
    FORMATETC unicode = Format(CF_UNICODETEXT, TYMED_HGLOBAL);
    STGMEDIUM lent{TYMED_HGLOBAL, {nullptr}, nullptr};
    lent.hGlobal = GlobalText("lent");
    ASSERT_EQ(data->SetData(&unicode, &lent, FALSE), S_OK);
    memcpy(GlobalLock(lent.hGlobal), "LENT", 4);
    GlobalUnlock(lent.hGlobal);
    ReleaseStgMedium(&lent);
    STGMEDIUM copy{};
    ASSERT_EQ(data->GetData(&unicode, &copy), S_OK);
    EXPECT_EQ(GlobalString(copy.hGlobal), "lent");
    ReleaseStgMedium(&copy);
    EXPECT_EQ(data->Release(), 0u);
}

TEST(DragDropDataObjectTest, AnswersForEveryKindOfRequest) {
    auto* data = new CIDataObject(nullptr);
    FORMATETC empty = Format(CF_DIB, TYMED_HGLOBAL);
    EXPECT_EQ(data->QueryGetData(&empty), DV_E_TYMED);  // nothing stored yet

    FORMATETC dib = Format(CF_DIB, TYMED_HGLOBAL), bitmap = Format(CF_BITMAP, TYMED_GDI);
    STGMEDIUM dibMedium{TYMED_HGLOBAL, {nullptr}, nullptr};
    dibMedium.hGlobal = GlobalText("dib");
    STGMEDIUM bitmapMedium{TYMED_GDI, {nullptr}, nullptr};
    bitmapMedium.hBitmap = CreateBitmap(2, 2, 1, 32, nullptr);
    data->SetData(&dib, &dibMedium, TRUE);
    data->SetData(&bitmap, &bitmapMedium, TRUE);

    const CLIPFORMAT privateFormat = static_cast<CLIPFORMAT>(RegisterClipboardFormatW(L"Kelvo test format"));
    const struct {
        const char* what;
        FORMATETC request;
        HRESULT query, get;
    } cases[] = {
        {"stored DIB", Format(CF_DIB, TYMED_HGLOBAL), S_OK, S_OK},
        {"stored bitmap, any medium that includes GDI", Format(CF_BITMAP, TYMED_GDI | TYMED_HGLOBAL), S_OK, S_OK},
        {"DIB asked on GDI: the bitmap entry decides", Format(CF_DIB, TYMED_GDI), DV_E_CLIPFORMAT, DV_E_FORMATETC},
        {"private format in memory", Format(privateFormat, TYMED_HGLOBAL), DV_E_TYMED, DV_E_FORMATETC},
        {"thumbnail aspect", Format(CF_DIB, TYMED_HGLOBAL, DVASPECT_THUMBNAIL), DV_E_DVASPECT, DV_E_FORMATETC},
    };
    for (auto c : cases) {
        EXPECT_EQ(data->QueryGetData(&c.request), c.query) << c.what;
        STGMEDIUM medium{};
        EXPECT_EQ(data->GetData(&c.request, &medium), c.get) << c.what;
        if (c.get == S_OK) ReleaseStgMedium(&medium);
    }
    STGMEDIUM medium{};
    EXPECT_EQ(data->QueryGetData(nullptr), E_INVALIDARG);
    EXPECT_EQ(data->GetData(nullptr, &medium), E_INVALIDARG);
    EXPECT_EQ(data->SetData(&dib, nullptr, TRUE), E_INVALIDARG);
    EXPECT_EQ(data->GetDataHere(&dib, &medium), E_NOTIMPL);
    FORMATETC canonical{};
    canonical.ptd = reinterpret_cast<DVTARGETDEVICE*>(&canonical);
    EXPECT_EQ(data->GetCanonicalFormatEtc(&dib, &canonical), DATA_S_SAMEFORMATETC);
    EXPECT_EQ(canonical.ptd, nullptr);
    EXPECT_EQ(data->GetCanonicalFormatEtc(&dib, nullptr), E_INVALIDARG);
    DWORD connection = 0;
    IEnumSTATDATA* advises = nullptr;
    EXPECT_EQ(data->DAdvise(&dib, 0, nullptr, &connection), OLE_E_ADVISENOTSUPPORTED);
    EXPECT_EQ(data->EnumDAdvise(&advises), OLE_E_ADVISENOTSUPPORTED);
    EXPECT_EQ(data->DUnadvise(0), E_NOTIMPL);

    void* object = nullptr;
    EXPECT_EQ(data->QueryInterface(IID_IDataObject, &object), S_OK);
    EXPECT_EQ(data->Release(), 1u);
    EXPECT_EQ(data->QueryInterface(IID_IDropTarget, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(data->Release(), 0u);
}

TEST(DragDropDataObjectTest, EnumeratorWalksSkipsResetsAndClones) {
    auto* data = new CIDataObject(nullptr);
    const CLIPFORMAT formats[] = {CF_BITMAP, CF_DIB, CF_ENHMETAFILE};
    const DWORD media[] = {TYMED_GDI, TYMED_HGLOBAL, TYMED_ENHMF};
    for (int i = 0; i < 3; ++i) {
        FORMATETC format = Format(formats[i], media[i]);
        STGMEDIUM medium{TYMED_NULL, {nullptr}, nullptr};
        data->SetData(&format, &medium, TRUE);
    }
    IEnumFORMATETC* enumerator = nullptr;
    EXPECT_EQ(data->EnumFormatEtc(DATADIR_SET, &enumerator), E_NOTIMPL);
    EXPECT_EQ(data->EnumFormatEtc(DATADIR_GET, nullptr), E_POINTER);
    ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, &enumerator), S_OK);

    FORMATETC got[5]{};
    ULONG fetched = 0;
    EXPECT_EQ(enumerator->Next(1, got, nullptr), S_OK);
    EXPECT_EQ(got[0].cfFormat, CF_BITMAP);
    EXPECT_EQ(enumerator->Next(2, got, nullptr), S_FALSE);  // more than one needs a counter
    EXPECT_EQ(enumerator->Next(5, got, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 2u);
    EXPECT_EQ(got[1].cfFormat, CF_ENHMETAFILE);
    EXPECT_EQ(enumerator->Next(1, got, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 0u);
    EXPECT_EQ(enumerator->Next(0, got, &fetched), S_FALSE);

    // Skipping exactly what is left succeeds; skipping past the end stops at the end.
    const struct {
        ULONG skip;
        HRESULT result;
        ULONG left;
    } skips[] = {{3, S_OK, 0}, {2, S_OK, 1}, {4, S_FALSE, 0}, {0, S_OK, 3}};
    for (const auto& s : skips) {
        enumerator->Reset();
        EXPECT_EQ(enumerator->Skip(s.skip), s.result) << s.skip;
        EXPECT_EQ(enumerator->Next(5, got, &fetched), s.left == 5 ? S_OK : S_FALSE) << s.skip;
        EXPECT_EQ(fetched, s.left) << s.skip;
    }

    enumerator->Reset();
    enumerator->Skip(1);
    IEnumFORMATETC* clone = nullptr;
    ASSERT_EQ(enumerator->Clone(&clone), S_OK);
    EXPECT_EQ(enumerator->Clone(nullptr), E_POINTER);
    EXPECT_EQ(clone->Next(1, got, nullptr), S_OK);
    EXPECT_EQ(got[0].cfFormat, CF_DIB);
    EXPECT_EQ(clone->Release(), 0u);
    EXPECT_EQ(enumerator->Release(), 0u);
    EXPECT_EQ(data->Release(), 0u);
}

TEST(DragDropDataObjectTest, MediaAreCopiedByKindAndReleasedWithTheObject) {
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
    auto* data = new CIDataObject(nullptr);
    FORMATETC streamed = Format(CF_DIB, TYMED_ISTREAM);
    STGMEDIUM lent{TYMED_ISTREAM, {nullptr}, nullptr};
    lent.pstm = stream;
    ASSERT_EQ(data->SetData(&streamed, &lent, FALSE), S_OK);
    EXPECT_EQ(RefCount(stream), 2u);  // shared with an added reference
    STGMEDIUM got{};
    ASSERT_EQ(data->GetData(&streamed, &got), S_OK);
    EXPECT_EQ(got.pstm, stream);
    EXPECT_EQ(RefCount(stream), 3u);
    ReleaseStgMedium(&got);
    EXPECT_EQ(data->Release(), 0u);
    EXPECT_EQ(RefCount(stream), 1u);  // the object let go of its reference
    stream->Release();

    FORMATETC any = Format(CF_TEXT, TYMED_FILE);
    wchar_t name[] = L"C:\\dropped.txt";
    STGMEDIUM file{TYMED_FILE, {nullptr}, nullptr};
    file.lpszFileName = name;
    STGMEDIUM fileCopy{};
    ASSERT_TRUE(CIDataObject::CopyMedium(&fileCopy, &file, &any));
    EXPECT_NE(fileCopy.lpszFileName, name);
    EXPECT_STREQ(fileCopy.lpszFileName, name);
    ReleaseStgMedium(&fileCopy);

    HDC metaDc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    Rectangle(metaDc, 0, 0, 10, 10);
    STGMEDIUM meta{TYMED_ENHMF, {nullptr}, nullptr};
    meta.hEnhMetaFile = CloseEnhMetaFile(metaDc);
    STGMEDIUM metaCopy{};
    FORMATETC emf = Format(CF_ENHMETAFILE, TYMED_ENHMF);
    ASSERT_TRUE(CIDataObject::CopyMedium(&metaCopy, &meta, &emf));
    EXPECT_NE(metaCopy.hEnhMetaFile, meta.hEnhMetaFile);
    EXPECT_GT(GetEnhMetaFileHeader(metaCopy.hEnhMetaFile, 0, nullptr), 0u);
    ReleaseStgMedium(&metaCopy);
    ReleaseStgMedium(&meta);

    STGMEDIUM odd{0x1000, {nullptr}, nullptr};
    STGMEDIUM oddCopy{};
    EXPECT_FALSE(CIDataObject::CopyMedium(&oddCopy, &odd, &any));
    EXPECT_FALSE(CIDataObject::CopyMedium(nullptr, &odd, &any));
}

TEST(DragDropDataObjectTest, DropSourceFollowsKeysAndButtons) {
    const struct {
        BOOL escape;
        DWORD keys;
        HRESULT result;
        bool dropped;
    } cases[] = {
        {TRUE, MK_LBUTTON, DRAGDROP_S_CANCEL, false},
        {FALSE, MK_LBUTTON, S_OK, false},
        {FALSE, MK_RBUTTON | MK_SHIFT, S_OK, false},
        {FALSE, MK_CONTROL, DRAGDROP_S_DROP, true},
        {FALSE, 0, DRAGDROP_S_DROP, true},
    };
    for (const auto& c : cases) {
        auto* source = new CIDropSource;
        EXPECT_EQ(source->QueryContinueDrag(c.escape, c.keys), c.result) << c.keys;
        EXPECT_EQ(source->IsDropped(), c.dropped) << c.keys;
        EXPECT_EQ(source->GiveFeedback(DROPEFFECT_COPY), DRAGDROP_S_USEDEFAULTCURSORS);
        EXPECT_EQ(source->AddRef(), 2u);
        EXPECT_EQ(source->Release(), 1u);
        EXPECT_EQ(source->Release(), 0u);
    }
    CDragSourceHelper helper;
    POINT cursor{0, 0};
    RECT area{0, 0, 4, 4};
    EXPECT_EQ(helper.InitializeFromBitmap(nullptr, cursor, area, nullptr, 0), E_FAIL);
    EXPECT_EQ(helper.InitializeFromWindow(nullptr, cursor, nullptr), E_FAIL);
}

}  // namespace
}  // namespace Kelvo
