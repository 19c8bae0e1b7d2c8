#pragma once
// What NumberEdit and NumberEdit2 share: a panel showing a whole number (the decimal
// text of its title) with an increase button (ID 20) and a decrease button (ID 21),
// and a native editor (CNumberEditWnd, digits only, at most two) over its text while
// the user types. The buttons, Up and Down and the wheel (while focused) step the value
// and keep it inside the range (0 … 20 unless set); so does closing the editor.
#include <windows.h>

#include "CString.h"
#include "EditorOwner.h"
#include "MPanel.h"
#include "TextNotifications.h"

namespace Kelvo {

class CImageButton;
class CNumberEditWnd;

class KELVO_API NumberEditBase : public MPanel, public EditorOwner {
public:
    static constexpr UINT kIncreaseId = 20;
    static constexpr UINT kDecreaseId = 21;

    ~NumberEditBase() override;

    void InitControl(PaintManager* manager) override;
    void SetControlRect(CRect rect) override;
    void SetControlVisible(int visible) override;
    void SetControlEnabled(int enabled) override;
    void DrawControl(HDC dc, const CRect& clip) override;
    int SetControlFocus(int focus) override;
    LRESULT OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlKeyDown(UINT key, UINT repeat, UINT modifiers) override;
    int OnControlScroll(int bar, int direction, CPoint point) override;

    // The editor's live text while it shows, else the title.
    CString GetEditText();
    void SetEditText(const wchar_t* text);
    void SetTextRect(CRect rect);
    CRect GetTextRect();
    // Applies the control's font to a live editor.
    void SetEditFont();
    void SetEditFont(const wchar_t* face, int size, int bold, int italic, int underline);
    HFONT GetDefaultFont() { return GetGDIFont(); }
    void SetEditBKColor(COLORREF colour) { m_editBackground = colour; }
    COLORREF GetEditBKColor() const { return m_editBackground; }
    COLORREF GetEditTextColor() const;

    // The range the buttons, keys and a closing editor keep the value in.
    void SetValueRange(int minimum, int maximum);
    int GetMinValue() const { return m_nMin; }
    int GetMaxValue() const { return m_nMax; }
    // The value shown (an empty or unreadable text counts as 0).
    int GetValue();
    // Adds `delta` within the range; when the text changes, notification 2 and a repaint.
    int Step(int delta);

    int ShowEdit();
    void HideEdit();
    CNumberEditWnd* GetEditWnd() const { return m_pEditWnd; }

    // EditorOwner
    void OnEditorChanged() override;
    void OnEditorFocusLost() override;
    int OnEditorFinish(int keep) override;
    int OnEditorStep(int delta) override;
    int PassesCharacters() override;
    COLORREF EditorBackground() override;
    COLORREF EditorTextColour() override;
    int IsOverLayeredWindow() override;
    void OnEditorGone(CEditWnd* editor) override;

protected:
    NumberEditBase(MObject* parent, UINT id, CRect rect, int visible, const wchar_t* increaseImage,
                   const wchar_t* decreaseImage, int buttonSize);
    // Places the two buttons for the box `rect` and returns the text rectangle.
    virtual CRect LayOut(const CRect& rect) = 0;

    CImageButton* m_pIncrease = nullptr;
    CImageButton* m_pDecrease = nullptr;
    int m_nButtonSize;

private:
    void CloseEditor(int keep);
    void DestroyEditor();
    CString ClampedText(const CString& typed) const;

    const wchar_t* m_increaseImage;
    const wchar_t* m_decreaseImage;
    CRect m_rcText;
    int m_bTextRectSet = 0;
    CString m_strBeforeEdit;
    COLORREF m_editBackground = 0x333333;
    int m_nMin = 0;
    int m_nMax = 20;
    CNumberEditWnd* m_pEditWnd = nullptr;
    int m_bEditing = 0;
    POINT m_dialogCorner{};
};

}  // namespace Kelvo
