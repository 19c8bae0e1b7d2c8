#pragma once
// The data object that carries a dragged control image, and the enumerator of its formats.
// Reference counts are plain: every call arrives on the window's thread.
#include <windows.h>
#include <ole2.h>

#include <vector>

#include "KelvoApi.h"

// COM interfaces are released through Release, never deleted through the interface, so
// their lack of a virtual destructor is by design.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif

namespace Kelvo {

class CIDropSource;

class KELVO_API CIDataObject : public IDataObject {
public:
    // Starts with one reference, owned by the creator.
    explicit CIDataObject(CIDropSource* source);
    CIDataObject(const CIDataObject&) = delete;
    CIDataObject& operator=(const CIDataObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) override;
    // With `release` the medium itself is taken over; otherwise its content is copied.
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** enumerator) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override;
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override;
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override;

    // Copies `source` into `destination`: handles are duplicated (OleDuplicateData),
    // streams, storages and the release object are shared with an added reference.
    // False for a medium type that cannot be copied (destination left empty).
    static bool CopyMedium(STGMEDIUM* destination, STGMEDIUM* source, FORMATETC* format);

    CIDropSource* GetDropSource() const { return m_source; }

private:
    virtual ~CIDataObject();

    ULONG m_refCount = 1;
    CIDropSource* m_source;
    std::vector<FORMATETC*> m_formats;   // owned copies, parallel to m_media
    std::vector<STGMEDIUM*> m_media;     // owned; released on destruction
};

class KELVO_API CEnumFormatEtc : public IEnumFORMATETC {
public:
    // Both copy the formats (target-device blocks included). One reference to start.
    explicit CEnumFormatEtc(const std::vector<FORMATETC>& formats);
    explicit CEnumFormatEtc(const std::vector<FORMATETC*>& formats);
    CEnumFormatEtc(const CEnumFormatEtc&) = delete;
    CEnumFormatEtc& operator=(const CEnumFormatEtc&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // The caller owns the target-device blocks of the formats it receives.
    HRESULT STDMETHODCALLTYPE Next(ULONG count, FORMATETC* formats, ULONG* fetched) override;
    // S_OK after skipping exactly `count`; at an overrun the position moves to the end
    // and the answer is S_FALSE.
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumFORMATETC** clone) override;

private:
    virtual ~CEnumFormatEtc();
    void Append(const FORMATETC& format);

    ULONG m_refCount = 1;
    std::vector<FORMATETC> m_formats;
    size_t m_position = 0;
};

}  // namespace Kelvo

#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
