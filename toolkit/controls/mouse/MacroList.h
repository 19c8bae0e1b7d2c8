#pragma once
// The list of macros: one row per macro with its name, an optional icon from an image
// list and the macro's identifier as the row's data. A double click on a row renames it
// in place (when EnableShowEdit(1)); the new name is stored in the row before 29 is sent.
// A press selects a row without a notification; see EditableRowList for the rest.
#include <vector>

#include "EditableRowList.h"

namespace Kelvo {

class MImageList;

struct MacroListItem {
    CString text;
    int image = -1;
    DWORD data = 0;
};

class KELVO_API MacroList : public EditableRowList {
public:
    static constexpr int kItemHeight = 36;

    MacroList(MObject* parent, UINT id, CRect rect, int visible);
    ~MacroList() override;

    const wchar_t* GetClassNameW() override;

    int AddString(const wchar_t* text, int image);
    int AddString(const wchar_t* text, DWORD data, int image);
    // Inserts before `index` (-1 appends); -1 for any other index outside the list.
    int InsertString(int index, const wchar_t* text, int image, DWORD data);
    int SetItemData(int index, DWORD data);
    DWORD GetItemData(int index);
    int ModifyItemString(int index, const wchar_t* text);
    CString GetItemText(int index);
    int FindString(const wchar_t* text);
    int FindItemData(DWORD data);
    // Selects the row holding `data`; its index, or -1.
    int SetCurData(DWORD data);
    // The selected row's data; 0 without a selection.
    DWORD GetCurData();
    int SwapItem(int first, int second);
    int DeleteItem(int index);
    int DeleteAllItems();
    void SetImageList(MImageList* images);
    // The picture under the row being renamed, `frames` frames wide (frame 0 is drawn).
    int SetEditImage(const wchar_t* path, int frames);

protected:
    int RowCount() const override { return static_cast<int>(m_items.size()); }
    CString RowText(int index) const override { return m_items[index].text; }
    void DrawRow(HDC dc, Gdiplus::Graphics& graphics, int index, const CRect& row, RowLook look) override;
    void TakeEditedText(int row, const CString& text) override { m_items[row].text = text; }

private:
    bool Valid(int index) const { return index >= 0 && index < static_cast<int>(m_items.size()); }

    std::vector<MacroListItem> m_items;
    MImageList* m_pImageList = nullptr;
};

}  // namespace Kelvo
