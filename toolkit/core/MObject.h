#pragma once
// The root of everything that owns controls or hears from them: controls, dialogs and
// popup windows. A child control reports to its parent through OnBaseMessage and asks
// it for repaints through OnControlUpdate.
#include <windows.h>

#include "Geometry.h"
#include "KelvoApi.h"

namespace Kelvo {

class MControl;

class KELVO_API MObject {
public:
    MObject() = default;
    MObject(const MObject&) = delete;
    MObject& operator=(const MObject&) = delete;
    virtual ~MObject();

    // 1 when GetClassNameW() equals `name` exactly; 0 otherwise, and for a null name or
    // an object without a class name.
    virtual int IsClass(const wchar_t* name);
    // The class name ("MControl", "MButton", "MDialog" ...); null for a bare MObject.
    virtual const wchar_t* GetClassNameW();
    virtual const wchar_t* GetObjectClass();
    virtual const wchar_t* BaseObjectClassName();
    // A child's notification (`code`, see MControl.h) about control `id`. Containers pass
    // it on to their own OnMessage. The default ignores it and returns 0.
    virtual LRESULT OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam);
    // A child asks for `rect` to be repainted; a non-zero `redraw` also asks for its
    // cached image to be rendered again. The default does nothing and returns 0.
    virtual LRESULT OnControlUpdate(const CRect& rect, int redraw, MControl* control);
};

}  // namespace Kelvo
