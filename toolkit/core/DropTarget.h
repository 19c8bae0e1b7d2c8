#pragma once
// The OLE drop target that every toolkit window embeds (as a base of its paint manager).
//
// The object belongs to its owner, not to OLE: AddRef and Release only count, and Release
// never deletes it. The owner registers it with RegisterTarget once its window exists and
// must call RevokeTarget while the window still exists (WM_DESTROY at the latest), so that
// OLE holds no pointer to it afterwards; the destructor revokes as a last resort.
// All calls arrive on the window's thread.
#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <vector>

#include "KelvoApi.h"

// COM interfaces are released through Release, never deleted through the interface, so
// their lack of a virtual destructor is by design.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif

namespace Kelvo {

class KELVO_API CIDropTarget : public IDropTarget {
public:
    explicit CIDropTarget(HWND target = nullptr);
    CIDropTarget(const CIDropTarget&) = delete;
    CIDropTarget& operator=(const CIDropTarget&) = delete;

    // IUnknown: answers IUnknown and IDropTarget.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDropTarget
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;

    virtual ~CIDropTarget();
    // Takes the dropped data in the chosen format. Return true to have the medium released
    // afterwards, false when the medium's content was handed on and must stay alive.
    // The default takes nothing and returns true.
    virtual bool OnDrop(FORMATETC* format, STGMEDIUM& medium, DWORD* effect);

    void SetTargetWnd(HWND target);
    HWND GetTargetWnd() const { return m_targetWnd; }
    // Formats are tried in the order they were added.
    void AddSuportedFormat(FORMATETC& format);
    // Decides the drop effect from the keys and what the source allows (*effect on entry).
    bool QueryDrop(DWORD keyState, DWORD* effect);

    // RegisterDragDrop for the window (which becomes the target window); false on failure.
    bool RegisterTarget(HWND window);
    // RevokeDragDrop, when registered. Call it while the window still exists.
    void RevokeTarget();
    bool IsRegistered() const { return m_registered; }
    // The references OLE and others currently hold.
    ULONG GetRefCount() const { return m_refCount; }
    // The format chosen for the drag in progress (cfFormat 0 when none).
    const FORMATETC& GetChosenFormat() const { return m_chosen; }

protected:
    ULONG m_refCount = 0;
    bool m_accept = false;
    bool m_registered = false;
    HWND m_targetWnd = nullptr;
    IDropTargetHelper* m_dropHelper = nullptr;  // shows the drag image; null without the shell's helper
    std::vector<FORMATETC> m_formats;
    FORMATETC m_chosen{};
};

}  // namespace Kelvo

#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
