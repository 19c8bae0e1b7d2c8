#include "DropSource.h"

namespace Kelvo {

CIDropSource::CIDropSource() = default;
CIDropSource::~CIDropSource() = default;

HRESULT STDMETHODCALLTYPE CIDropSource::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropSource)) {
        *object = static_cast<IDropSource*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CIDropSource::AddRef() { return ++m_refCount; }

ULONG STDMETHODCALLTYPE CIDropSource::Release() {
    const ULONG left = --m_refCount;
    if (left == 0) delete this;
    return left;
}

HRESULT STDMETHODCALLTYPE CIDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState) {
    if (escapePressed) return DRAGDROP_S_CANCEL;
    if (keyState & (MK_LBUTTON | MK_RBUTTON)) return S_OK;
    m_dropped = true;
    return DRAGDROP_S_DROP;
}

HRESULT STDMETHODCALLTYPE CIDropSource::GiveFeedback(DWORD) { return DRAGDROP_S_USEDEFAULTCURSORS; }

CDragSourceHelper::CDragSourceHelper() {
    if (FAILED(::CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IDragSourceHelper,
                                  reinterpret_cast<void**>(&m_helper))))
        m_helper = nullptr;
}

CDragSourceHelper::~CDragSourceHelper() {
    if (m_helper) m_helper->Release();
}

HRESULT CDragSourceHelper::InitializeFromBitmap(HBITMAP bitmap, POINT& cursor, RECT& imageRect, IDataObject* data,
                                                COLORREF colourKey) {
    if (!m_helper || !bitmap || !data) return E_FAIL;
    SHDRAGIMAGE image{};
    image.sizeDragImage.cx = imageRect.right - imageRect.left;
    image.sizeDragImage.cy = imageRect.bottom - imageRect.top;
    image.ptOffset = cursor;
    image.hbmpDragImage = bitmap;
    image.crColorKey = colourKey;
    return m_helper->InitializeFromBitmap(&image, data);
}

HRESULT CDragSourceHelper::InitializeFromWindow(HWND window, POINT& cursor, IDataObject* data) {
    if (!m_helper || !data) return E_FAIL;
    return m_helper->InitializeFromWindow(window, &cursor, data);
}

}  // namespace Kelvo
