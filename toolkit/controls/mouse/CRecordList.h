#pragma once
// The events of one macro: per row its number, a type icon, its text and a "more"
// button. A press selects the row and its time-stamp group (the press and release of one
// key) and sends 1 (wparam the row); the group is highlighted together and deleted
// together. The page reorders rows and edits a row's text in place; the editor's text is
// read back with GetEditText (29 tells that it changed; the row itself keeps its text).
#include <vector>

#include "EditableRowList.h"
#include "RecordItem.h"

namespace Kelvo {

class KELVO_API CRecordList : public EditableRowList {
public:
    static constexpr int kItemHeight = 30;

    CRecordList(MObject* parent, UINT id, CRect rect, int visible);
    ~CRecordList() override;

    const wchar_t* GetClassNameW() override;

    int AddString(const wchar_t* text, int type, int value, int timeStamp);
    // Inserts before `index`; -1, the row count or an empty list appends. -1 for any
    // other index.
    int InsertString(int index, const wchar_t* text, int type, int value, int timeStamp);
    // The rows that are not delays.
    int GetEventCount();
    int DeleteItem(int index);
    int DeleteAllItems();
    // The type icons: frames 0/1 moves, 2/3 keys and wheel, 4/5 buttons, 6/7 delays.
    int SetImageList(const wchar_t* path, int frames);
    int SetMoreImage(const wchar_t* path, int frames);

    bool GetRecordInfo(int index, CString& text, int& type, int& value, int& timeStamp);
    bool SetRecordInfo(int index, const wchar_t* text, int type, int value, int timeStamp);
    // Every row of that time stamp and type takes the text and value.
    void SetRecordInfo(int timeStamp, int type, const wchar_t* text, int value);
    int GetRecrodTimeStamp(int index);
    void SetTimeStampSelect(int timeStamp);
    void DeleteTimeStamp(int timeStamp);
    // Gives the last row of `type` and `key` the time stamp `value`; for a release (3 or
    // 5) also the nearest earlier press of that key, unless another release of it comes
    // first: a release recorded without its press stays a group of its own.
    void UpdateTimeStamp(int type, int key, int value);
    // The last row's time stamp; false when the list is empty.
    bool UpdateDelayTime(int value);
    void MoveTop(int index);
    void MoveBottom(int index);
    int SwapItem(int first, int second);
    std::vector<RecordItem> GetRecordItems();

    void SetEditText(const wchar_t* text);
    CString GetEditText();

protected:
    int RowCount() const override { return static_cast<int>(m_items.size()); }
    CString RowText(int index) const override { return m_items[index].text; }
    void DrawRow(HDC dc, Gdiplus::Graphics& graphics, int index, const CRect& row, RowLook look) override;
    void RowPressed(int row) override;
    void TakeEditedText(int, const CString&) override {}

private:
    bool Valid(int index) const { return index >= 0 && index < static_cast<int>(m_items.size()); }
    // Moves row `from` to position `to`; the moved row becomes the selection.
    void MoveRow(int from, int to);
    void UpdateGroupedTimeStamp(int release, int press, int key, int value);
    void DrawTypeIcon(Gdiplus::Graphics& graphics, int type, const CRect& row, bool highlighted);

    std::vector<RecordItem> m_items;
    int m_nSelectedStamp = 0;
    bool m_bStampSelected = false;
    Gdiplus::Image* m_pIcons = nullptr;  // belongs to the paint manager's image cache
    int m_nIconWidth = 0;
    int m_nIconHeight = 0;
};

}  // namespace Kelvo
