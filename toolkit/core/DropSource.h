#pragma once
// The source side of dragging a control's image out of a window: the drop source that
// follows the keys and buttons, and the shell's drag-image helper.
#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include "KelvoApi.h"

// COM interfaces are released through Release, never deleted through the interface, so
// their lack of a virtual destructor is by design.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif

namespace Kelvo {

class KELVO_API CIDropSource : public IDropSource {
public:
    // Starts with one reference, owned by the creator.
    CIDropSource();
    CIDropSource(const CIDropSource&) = delete;
    CIDropSource& operator=(const CIDropSource&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // Escape cancels; a held left or right button goes on; otherwise the drop happens.
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override;

    // Set once QueryContinueDrag has decided to drop.
    bool IsDropped() const { return m_dropped; }

private:
    virtual ~CIDropSource();

    ULONG m_refCount = 1;
    bool m_dropped = false;
};

// The shell's drag image for a drag we start. Without the shell's helper object both
// initialisers answer E_FAIL and the drag simply shows no image.
class KELVO_API CDragSourceHelper {
public:
    CDragSourceHelper();
    virtual ~CDragSourceHelper();
    CDragSourceHelper(const CDragSourceHelper&) = delete;
    CDragSourceHelper& operator=(const CDragSourceHelper&) = delete;

    // The helper takes ownership of `bitmap` only when this succeeds.
    HRESULT InitializeFromBitmap(HBITMAP bitmap, POINT& cursor, RECT& imageRect, IDataObject* data,
                                 COLORREF colourKey);
    HRESULT InitializeFromWindow(HWND window, POINT& cursor, IDataObject* data);

    bool IsAvailable() const { return m_helper != nullptr; }

private:
    IDragSourceHelper* m_helper = nullptr;
};

}  // namespace Kelvo

#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
