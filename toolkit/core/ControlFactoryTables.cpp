// The class names that dialogs and panels create controls from, in the order they are
// tried (the first match wins). Each control joins its table with one row.
#include "ControlFactory.h"

#include <cwchar>
#include <iterator>

#include "MenuItem.h"

namespace Kelvo {

namespace {

const ControlFactoryRow kDialogControls[] = {
    {L"MenuItem", &MakeWithTitle<MenuItem>},
};

const ControlFactoryRow kPanelControls[] = {
    {L"MenuItem", &MakeWithTitle<MenuItem>},
};

template <std::size_t N>
MControl* Create(const ControlFactoryRow (&table)[N], const wchar_t* name, MObject* parent, UINT id, CRect rect,
                 const wchar_t* title, int visible, int enabled) {
    if (!name) return nullptr;
    for (const ControlFactoryRow& row : table)
        if (std::wcscmp(row.name, name) == 0) return row.make(parent, id, rect, title, visible, enabled);
    return nullptr;
}

}  // namespace

MControl* CreateDialogControl(const wchar_t* name, MObject* parent, UINT id, CRect rect, const wchar_t* title,
                              int visible, int enabled) {
    return Create(kDialogControls, name, parent, id, rect, title, visible, enabled);
}

MControl* CreatePanelControl(const wchar_t* name, MObject* parent, UINT id, CRect rect, const wchar_t* title,
                             int visible, int enabled) {
    return Create(kPanelControls, name, parent, id, rect, title, visible, enabled);
}

}  // namespace Kelvo
