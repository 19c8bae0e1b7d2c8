#pragma once
// A skinned edit box. It draws its text (or, while the text is empty, its tip) itself
// over a four-cell nine-grid skin (normal, hover, editing, disabled) and, only while the
// user types, lays a native editor (CEditWnd) over its text rectangle.
//
// One editing session runs from opening the editor to closing it; it closes when the
// editor loses the focus, on Enter (keeping the text) or Escape (restoring the text from
// before it opened), when the box loses the focus, is hidden, disabled, moved or
// destroyed, and when the dialog under it is hidden, disabled or moved. Each close sends
// notification 29 exactly once.
#include <windows.h>

#include "CString.h"
#include "EditorOwner.h"
#include "MControlFont.h"
#include "TextNotifications.h"

namespace Kelvo {

class CEditWnd;

// A black circle: a clearer mask than the 0xA1F1 that double-byte code pages used.
constexpr wchar_t kDefaultPasswordChar = 0x25CF;

class KELVO_API MEdit : public MControlFont, public EditorOwner {
public:
    enum Look { kNormal = 0, kHover = 1, kEditing = 2, kDisabled = 3 };

    // The title argument is the tip text; the text starts empty.
    MEdit(MObject* parent, UINT id, CRect rect, const wchar_t* tip, int visible, int enabled);
    ~MEdit() override;

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;
    int SetControlFocus(int focus) override;
    LRESULT OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;
    void SetControlRect(CRect rect) override;
    void SetControlVisible(int visible) override;
    void SetControlEnabled(int enabled) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;
    int OnControlKeyDown(UINT key, UINT repeat, UINT modifiers) override;
    // Updates a live editor too.
    void SetControlTitle(const wchar_t* text) override;
    // Closes the editor first, committing its text.
    CString GetControlTitle() override;

    // The editor's live text while it shows, else the stored text.
    CString GetEditText();
    // Stores the text without repainting.
    void SetEditText(const wchar_t* text);
    // The stored text; the editor stays open.
    CString GetTitleEx();
    void SetTipInfo(const wchar_t* tip);
    CString GetTipInfo() const { return m_strTip; }
    void SetTextRect(CRect rect);
    CRect GetTextRect();
    // The icon from the skin folder, `frames` frames wide, at the right edge; 1 when loaded.
    int SetIconImage(const wchar_t* path, int frames);
    CRect GetIconRect() const { return m_rcIcon; }
    int GetIconState() const { return m_nIconState; }

    void SetPassWordChar(wchar_t ch) { m_chPassword = ch; }
    wchar_t GetPassWordChar() const { return m_chPassword; }
    void EnablePassWord(int on) { m_bPassword = on ? 1 : 0; }
    int IsPassWordMode() const { return m_bPassword; }
    void EnableMultLine(int on) { m_bMultiLine = on ? 1 : 0; }
    int IsMultLineMode() const { return m_bMultiLine; }
    void SetReadOnly(int on) { m_bReadOnly = on ? 1 : 0; }
    int IsReadOnly() const { return m_bReadOnly; }
    void SetNumberOnly(int on) { m_bNumberOnly = on ? 1 : 0; }
    int IsNumberOnly() const { return m_bNumberOnly; }
    void EnableCharMessage(int on) { m_bCharMessage = on ? 1 : 0; }
    int GetCharMessage() const { return m_bCharMessage; }
    void SetLimitText(int limit) { m_nLimit = limit; }
    int GetLimitText() const { return m_nLimit; }
    void SetEditBKColor(COLORREF colour) { m_editBackground = colour; }
    COLORREF GetEditBKColor() const { return m_editBackground; }
    COLORREF GetEditTextColor() const;

    int GetLook() const { return m_nLook; }
    // 1 while the editor exists, shows and has the keyboard focus.
    int IsEditFocused();
    CEditWnd* GetEditWnd() const { return m_pEditWnd; }

    // Opens the editor over the text (enabled and writable boxes only); 1 when it shows.
    int ShowEdit();
    // Closes the editor keeping its text; nothing when no editing session runs.
    void HideEdit();

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
    CRect CalcTextRect();

private:
    // Ends the session: keeps the editor's text or restores the one from before it opened.
    void CloseEditor(int keep);
    void DestroyEditor();
    CRect EditorRect();
    DWORD EditorStyle() const;
    void SetLook(int look);
    void PlaceIcon();
    CString ShownText();
    void DrawPasswordDots(HDC dc, const CRect& rect, int count);

    CString m_strTip;
    CString m_strBeforeEdit;
    CRect m_rcText;
    int m_bTextRectSet = 0;
    int m_nLook = kNormal;
    int m_bCharMessage = 1;
    int m_nLimit = 120;
    int m_bPassword = 0;
    wchar_t m_chPassword = kDefaultPasswordChar;
    int m_bMultiLine = 0;
    int m_bReadOnly = 0;
    int m_bNumberOnly = 0;
    COLORREF m_editBackground = 0x222527;
    int m_nCorner = 10;
    Gdiplus::Image* m_pIcon = nullptr;  // belongs to the paint manager's image cache
    int m_nIconFrames = 1;
    int m_nIconFrameWidth = 0;
    int m_nIconHeight = 0;
    CRect m_rcIcon;
    int m_nIconState = 0;
    int m_bPressed = 0;
    CEditWnd* m_pEditWnd = nullptr;
    int m_bEditing = 0;  // an editing session runs (between opening and closing the editor)
    POINT m_dialogCorner{};
};

}  // namespace Kelvo
