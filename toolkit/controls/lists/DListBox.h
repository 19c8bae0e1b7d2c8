#pragma once
// The profile list's variant of MListBox: taller centred rows, a hover outline instead of
// a fill, renaming started by a right-button press, and the selection made by a left
// click, reported on release as notification 2 (no notification 1).
#include <windows.h>

#include "MListBox.h"

namespace Kelvo {

class KELVO_API DListBox : public MListBox {
public:
    DListBox(MObject* parent, UINT id, CRect rect, int visible);

    const wchar_t* GetClassNameW() override;
    DWORD GetCurData() { return GetItemData(m_nSelected); }
    // The skin drawn under the row being renamed, `frames` frames wide (the first is used).
    int SetEditImage(const wchar_t* path, int frames);

protected:
    void DrawRow(HDC dc, Gdiplus::Graphics& graphics, const ListBoxItem& item, const CRect& row, RowLook look) override;
    CRect EditorRect(const CRect& row) override;
    void PressRow(int row) override;
    void ReleaseRow(int row) override;
    void RightPressRow(int row) override;
    void DoubleClickRow(int row) override;
    void KeySelected(int row) override;

private:
    int m_nPressed = -1;
};

}  // namespace Kelvo
