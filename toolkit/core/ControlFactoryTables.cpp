// The class names that dialogs and panels create controls from. Each family of controls
// keeps its rows in its own file; a name is looked up family by family (names are unique,
// so the order does not matter).
#include "ControlFactory.h"

#include <cwchar>
#include <iterator>

#include "MenuItem.h"

namespace Kelvo {

namespace {

const ControlFactoryRow kMenuRows[] = {
    {L"MenuItem", &MakeWithTitle<MenuItem>},
};

using Family = ControlFactoryRows (*)();
const Family kFamilies[] = {&ButtonFactoryRows,  &CheckButtonFactoryRows, &PanelFactoryRows,
                            &PictureFactoryRows, &IndicatorFactoryRows,   &TabFactoryRows,
                            &TextInputFactoryRows, &ListFactoryRows,        &StatusFactoryRows,
                            &DpiFactoryRows,     &ColourFactoryRows,      &MouseFactoryRows};

MControl* Find(const ControlFactoryRow* rows, std::size_t count, const wchar_t* name, MObject* parent, UINT id,
               CRect rect, const wchar_t* title, int visible, int enabled) {
    for (std::size_t i = 0; i < count; ++i)
        if (std::wcscmp(rows[i].name, name) == 0) return rows[i].make(parent, id, rect, title, visible, enabled);
    return nullptr;
}

MControl* Create(bool dialog, const wchar_t* name, MObject* parent, UINT id, CRect rect, const wchar_t* title,
                 int visible, int enabled) {
    if (!name) return nullptr;
    if (MControl* made = Find(kMenuRows, std::size(kMenuRows), name, parent, id, rect, title, visible, enabled))
        return made;
    for (Family family : kFamilies) {
        const ControlFactoryRows rows = family();
        MControl* made = dialog ? Find(rows.dialog, rows.dialogCount, name, parent, id, rect, title, visible, enabled)
                                : Find(rows.panel, rows.panelCount, name, parent, id, rect, title, visible, enabled);
        if (made) return made;
    }
    return nullptr;
}

}  // namespace

MControl* CreateDialogControl(const wchar_t* name, MObject* parent, UINT id, CRect rect, const wchar_t* title,
                              int visible, int enabled) {
    return Create(true, name, parent, id, rect, title, visible, enabled);
}

MControl* CreatePanelControl(const wchar_t* name, MObject* parent, UINT id, CRect rect, const wchar_t* title,
                             int visible, int enabled) {
    return Create(false, name, parent, id, rect, title, visible, enabled);
}

}  // namespace Kelvo
