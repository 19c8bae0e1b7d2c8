#include "MObject.h"

namespace Kelvo {

MObject::~MObject() = default;

int MObject::IsClass(const wchar_t* name) {
    const wchar_t* own = GetClassNameW();
    if (!name || !own) return 0;
    while (*name && *name == *own) {
        ++name;
        ++own;
    }
    return *name == *own ? 1 : 0;
}

const wchar_t* MObject::GetClassNameW() { return nullptr; }
const wchar_t* MObject::GetObjectClass() { return nullptr; }
const wchar_t* MObject::BaseObjectClassName() { return nullptr; }
LRESULT MObject::OnBaseMessage(UINT, UINT, WPARAM, LPARAM) { return 0; }
LRESULT MObject::OnControlUpdate(const CRect&, int, MControl*) { return 0; }

}  // namespace Kelvo
