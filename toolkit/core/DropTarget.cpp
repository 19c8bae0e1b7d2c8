#include "DropTarget.h"

namespace Kelvo {

CIDropTarget::CIDropTarget(HWND target) : m_targetWnd(target) {
    // The shell's helper draws the drag image over the window; without it drops still work.
    if (FAILED(::CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IDropTargetHelper,
                                  reinterpret_cast<void**>(&m_dropHelper))))
        m_dropHelper = nullptr;
}

CIDropTarget::~CIDropTarget() {
    if (m_registered && ::IsWindow(m_targetWnd)) RevokeTarget();
    if (m_dropHelper) m_dropHelper->Release();
}

HRESULT STDMETHODCALLTYPE CIDropTarget::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CIDropTarget::AddRef() { return ++m_refCount; }

// The object is part of its owner and dies with it; the count only tells who still holds it.
ULONG STDMETHODCALLTYPE CIDropTarget::Release() {
    if (m_refCount > 0) --m_refCount;
    return m_refCount;
}

HRESULT STDMETHODCALLTYPE CIDropTarget::DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    if (!data || !effect) return E_INVALIDARG;
    if (m_dropHelper) {
        POINT p{point.x, point.y};
        m_dropHelper->DragEnter(m_targetWnd, data, &p, *effect);
    }
    m_accept = false;
    m_chosen = FORMATETC{};
    for (FORMATETC& format : m_formats) {
        if (data->QueryGetData(&format) == S_OK) {
            m_chosen = format;
            m_accept = true;
            break;
        }
    }
    QueryDrop(keyState, effect);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CIDropTarget::DragOver(DWORD keyState, POINTL point, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    if (m_dropHelper) {
        POINT p{point.x, point.y};
        m_dropHelper->DragOver(&p, *effect);
    }
    QueryDrop(keyState, effect);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CIDropTarget::DragLeave() {
    if (m_dropHelper) m_dropHelper->DragLeave();
    m_accept = false;
    m_chosen = FORMATETC{};
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CIDropTarget::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    if (!data || !effect) return E_INVALIDARG;
    if (m_dropHelper) {
        POINT p{point.x, point.y};
        m_dropHelper->Drop(data, &p, *effect);
    }
    if (QueryDrop(keyState, effect) && m_chosen.cfFormat != 0) {
        STGMEDIUM medium{};
        FORMATETC format = m_chosen;
        if (data->GetData(&format, &medium) == S_OK) {
            if (OnDrop(&format, medium, effect)) ::ReleaseStgMedium(&medium);
        }
    }
    m_accept = false;
    m_chosen = FORMATETC{};
    *effect = DROPEFFECT_NONE;
    return S_OK;
}

bool CIDropTarget::OnDrop(FORMATETC*, STGMEDIUM&, DWORD*) { return true; }

void CIDropTarget::SetTargetWnd(HWND target) { m_targetWnd = target; }

void CIDropTarget::AddSuportedFormat(FORMATETC& format) { m_formats.push_back(format); }

bool CIDropTarget::QueryDrop(DWORD keyState, DWORD* effect) {
    if (!effect) return false;
    const DWORD allowed = *effect;
    if (!m_accept) {
        *effect = DROPEFFECT_NONE;
        return false;
    }
    DWORD wanted = DROPEFFECT_NONE;
    const bool control = (keyState & MK_CONTROL) != 0, shift = (keyState & MK_SHIFT) != 0;
    if (control && shift) wanted = DROPEFFECT_LINK;
    else if (control) wanted = DROPEFFECT_COPY;
    else if (shift) wanted = DROPEFFECT_MOVE;

    if (wanted != DROPEFFECT_NONE) {
        *effect = (allowed & wanted) ? wanted : DROPEFFECT_NONE;
        return *effect != DROPEFFECT_NONE;
    }
    for (DWORD candidate : {DROPEFFECT_COPY, DROPEFFECT_MOVE, DROPEFFECT_LINK}) {
        if (allowed & candidate) {
            *effect = candidate;
            return true;
        }
    }
    *effect = DROPEFFECT_NONE;
    return false;
}

bool CIDropTarget::RegisterTarget(HWND window) {
    if (!window || !::IsWindow(window)) return false;
    if (m_registered) RevokeTarget();
    // Hold a reference of our own across the call, as OLE may add and drop its own.
    AddRef();
    const HRESULT result = ::RegisterDragDrop(window, this);
    Release();
    if (FAILED(result)) return false;
    m_targetWnd = window;
    m_registered = true;
    return true;
}

void CIDropTarget::RevokeTarget() {
    if (!m_registered) return;
    ::RevokeDragDrop(m_targetWnd);
    m_registered = false;
    m_accept = false;
    m_chosen = FORMATETC{};
}

}  // namespace Kelvo
