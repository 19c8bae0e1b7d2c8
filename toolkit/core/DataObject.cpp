#include "DataObject.h"

#include <cstring>
#include <memory>
#include <new>

namespace Kelvo {

namespace {

// A FORMATETC copy that owns its own target-device block (freed with FreeFormat).
FORMATETC CopyFormat(const FORMATETC& format) {
    FORMATETC copy = format;
    if (format.ptd) {
        const DWORD size = format.ptd->tdSize;
        copy.ptd = static_cast<DVTARGETDEVICE*>(::CoTaskMemAlloc(size));
        if (copy.ptd) std::memcpy(copy.ptd, format.ptd, size);
    }
    return copy;
}

void FreeFormat(FORMATETC& format) {
    if (format.ptd) ::CoTaskMemFree(format.ptd);
    format.ptd = nullptr;
}

HGLOBAL CopyGlobal(HGLOBAL source) {
    const SIZE_T size = ::GlobalSize(source);
    const void* from = ::GlobalLock(source);
    if (!from) return nullptr;
    HGLOBAL copy = ::GlobalAlloc(GMEM_MOVEABLE, size);
    void* to = copy ? ::GlobalLock(copy) : nullptr;
    if (to) {
        std::memcpy(to, from, size);
        ::GlobalUnlock(copy);
    } else if (copy) {
        ::GlobalFree(copy);
        copy = nullptr;
    }
    ::GlobalUnlock(source);
    return copy;
}

HBITMAP CopyBitmap(HBITMAP source) {
    DIBSECTION section{};
    const bool isDibSection = ::GetObjectW(source, sizeof(section), &section) == sizeof(section);
    return static_cast<HBITMAP>(::CopyImage(source, IMAGE_BITMAP, 0, 0, isDibSection ? LR_CREATEDIBSECTION : 0));
}

LPOLESTR CopyFileName(LPCOLESTR name) {
    if (!name) return nullptr;
    const size_t bytes = (std::wcslen(name) + 1) * sizeof(wchar_t);
    auto* copy = static_cast<LPOLESTR>(::CoTaskMemAlloc(bytes));
    if (copy) std::memcpy(copy, name, bytes);
    return copy;
}

}  // namespace

CIDataObject::CIDataObject(CIDropSource* source) : m_source(source) {}

CIDataObject::~CIDataObject() {
    for (size_t i = 0; i < m_formats.size(); ++i) {
        ::ReleaseStgMedium(m_media[i]);
        delete m_media[i];
        FreeFormat(*m_formats[i]);
        delete m_formats[i];
    }
}

HRESULT STDMETHODCALLTYPE CIDataObject::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
        *object = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CIDataObject::AddRef() { return ++m_refCount; }

ULONG STDMETHODCALLTYPE CIDataObject::Release() {
    const ULONG left = --m_refCount;
    if (left == 0) delete this;
    return left;
}

HRESULT STDMETHODCALLTYPE CIDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
    if (!format || !medium) return E_INVALIDARG;
    for (size_t i = 0; i < m_formats.size(); ++i) {
        const FORMATETC& stored = *m_formats[i];
        if ((stored.tymed & format->tymed) && stored.dwAspect == format->dwAspect &&
            stored.cfFormat == format->cfFormat) {
            return CopyMedium(medium, m_media[i], m_formats[i]) ? S_OK : STG_E_MEDIUMFULL;
        }
    }
    return DV_E_FORMATETC;
}

HRESULT STDMETHODCALLTYPE CIDataObject::GetDataHere(FORMATETC*, STGMEDIUM*) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE CIDataObject::QueryGetData(FORMATETC* format) {
    if (!format) return E_INVALIDARG;
    if (!(format->dwAspect & DVASPECT_CONTENT)) return DV_E_DVASPECT;
    HRESULT result = DV_E_TYMED;
    for (const FORMATETC* stored : m_formats) {
        if (stored->tymed & format->tymed) {
            if (stored->cfFormat == format->cfFormat) return S_OK;
            result = DV_E_CLIPFORMAT;
        } else {
            result = DV_E_TYMED;
        }
    }
    return result;
}

HRESULT STDMETHODCALLTYPE CIDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
    if (!out) return E_INVALIDARG;
    out->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

HRESULT STDMETHODCALLTYPE CIDataObject::SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) {
    if (!format || !medium) return E_INVALIDARG;
    STGMEDIUM kept{};
    if (release) {
        kept = *medium;
    } else if (!CopyMedium(&kept, medium, format)) {
        return DV_E_TYMED;
    }
    // Out of memory is an answer here, never an exception through the interface.
    try {
        m_formats.reserve(m_formats.size() + 1);
        m_media.reserve(m_media.size() + 1);
        auto storedFormat = std::make_unique<FORMATETC>(CopyFormat(*format));
        auto storedMedium = std::make_unique<STGMEDIUM>(kept);
        m_formats.push_back(storedFormat.release());
        m_media.push_back(storedMedium.release());
    } catch (const std::bad_alloc&) {
        if (!release) ::ReleaseStgMedium(&kept);
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CIDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** enumerator) {
    if (!enumerator) return E_POINTER;
    *enumerator = nullptr;
    if (direction != DATADIR_GET) return E_NOTIMPL;
    try {
        *enumerator = new CEnumFormatEtc(m_formats);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CIDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) {
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT STDMETHODCALLTYPE CIDataObject::DUnadvise(DWORD) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE CIDataObject::EnumDAdvise(IEnumSTATDATA**) { return OLE_E_ADVISENOTSUPPORTED; }

// Every copy owns what it holds, so it is released on its own (no shared release object,
// which would leave a duplicated handle unfreed).
bool CIDataObject::CopyMedium(STGMEDIUM* destination, STGMEDIUM* source, FORMATETC* format) {
    if (!destination || !source || !format) return false;
    STGMEDIUM copy{};
    copy.tymed = source->tymed;
    switch (source->tymed) {
    case TYMED_HGLOBAL:
        copy.hGlobal = CopyGlobal(source->hGlobal);
        if (!copy.hGlobal) return false;
        break;
    case TYMED_FILE:
        copy.lpszFileName = CopyFileName(source->lpszFileName);
        if (!copy.lpszFileName) return false;
        break;
    case TYMED_GDI:
        copy.hBitmap = format->cfFormat == CF_PALETTE
                           ? static_cast<HBITMAP>(::OleDuplicateData(source->hBitmap, CF_PALETTE, 0))
                           : CopyBitmap(source->hBitmap);
        if (!copy.hBitmap) return false;
        break;
    case TYMED_MFPICT:
        copy.hMetaFilePict = ::OleDuplicateData(source->hMetaFilePict, CF_METAFILEPICT, 0);
        if (!copy.hMetaFilePict) return false;
        break;
    case TYMED_ENHMF:
        copy.hEnhMetaFile = ::CopyEnhMetaFileW(source->hEnhMetaFile, nullptr);
        if (!copy.hEnhMetaFile) return false;
        break;
    case TYMED_ISTREAM:
        copy.pstm = source->pstm;
        if (copy.pstm) copy.pstm->AddRef();
        break;
    case TYMED_ISTORAGE:
        copy.pstg = source->pstg;
        if (copy.pstg) copy.pstg->AddRef();
        break;
    case TYMED_NULL:
        break;
    default:
        return false;
    }
    *destination = copy;
    return true;
}

CEnumFormatEtc::CEnumFormatEtc(const std::vector<FORMATETC>& formats) {
    for (const FORMATETC& format : formats) Append(format);
}

CEnumFormatEtc::CEnumFormatEtc(const std::vector<FORMATETC*>& formats) {
    for (const FORMATETC* format : formats)
        if (format) Append(*format);
}

CEnumFormatEtc::~CEnumFormatEtc() {
    for (FORMATETC& format : m_formats) FreeFormat(format);
}

void CEnumFormatEtc::Append(const FORMATETC& format) { m_formats.push_back(CopyFormat(format)); }

HRESULT STDMETHODCALLTYPE CEnumFormatEtc::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IEnumFORMATETC)) {
        *object = static_cast<IEnumFORMATETC*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CEnumFormatEtc::AddRef() { return ++m_refCount; }

ULONG STDMETHODCALLTYPE CEnumFormatEtc::Release() {
    const ULONG left = --m_refCount;
    if (left == 0) delete this;
    return left;
}

HRESULT STDMETHODCALLTYPE CEnumFormatEtc::Next(ULONG count, FORMATETC* formats, ULONG* fetched) {
    if (fetched) *fetched = 0;
    if (count == 0 || !formats || m_position >= m_formats.size() || (count > 1 && !fetched)) return S_FALSE;
    ULONG copied = 0;
    while (copied < count && m_position < m_formats.size()) formats[copied++] = CopyFormat(m_formats[m_position++]);
    if (fetched) *fetched = copied;
    return copied == count ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE CEnumFormatEtc::Skip(ULONG count) {
    const size_t left = m_formats.size() - m_position;
    if (count > left) {
        m_position = m_formats.size();
        return S_FALSE;
    }
    m_position += count;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CEnumFormatEtc::Reset() {
    m_position = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CEnumFormatEtc::Clone(IEnumFORMATETC** clone) {
    if (!clone) return E_POINTER;
    *clone = nullptr;
    try {
        auto* copy = new CEnumFormatEtc(m_formats);
        copy->m_position = m_position;
        *clone = copy;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

}  // namespace Kelvo
