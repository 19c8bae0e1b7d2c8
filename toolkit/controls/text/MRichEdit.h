#pragma once
// A windowless rich edit: the system's text services ("Msftedit.dll", loaded when the
// control is attached) keep, lay out and draw the text into the control's cache, and
// take the dialog's mouse and key messages while the control shows, is enabled and (for
// keys) focused. The title is the text; the tip text shows while it is empty. A right
// click offers Undo, Redo, Cut, Copy, Paste, Clear and Select all.
//
// Without the text services (the library is missing) the control still draws its tip
// and title but cannot be edited.
#include <windows.h>
#include <ole2.h>
#include <richedit.h>

#include "CString.h"
#include "MPanel.h"
#include "TextNotifications.h"

class ITextServices;

namespace Kelvo {

class CTxtWinHost;

// The commands of the rich edit's context menu.
enum RichEditCommand : UINT {
    kRichUndo = 101,
    kRichCut = 102,
    kRichCopy = 103,
    kRichPaste = 104,
    kRichClear = 105,
    kRichSelectAll = 106,
    kRichRedo = 107,
};

class KELVO_API MRichEdit : public MPanel {
public:
    MRichEdit(MObject* parent, UINT id, CRect rect, const wchar_t* tip, int visible, int enabled);
    ~MRichEdit() override;

    const wchar_t* GetClassNameW() override;
    void InitControl(PaintManager* manager) override;
    void DrawControl(HDC dc, const CRect& clip) override;
    void SetControlRect(CRect rect) override;
    int SetControlFocus(int focus) override;
    LRESULT OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;
    int OnControlScroll(int bar, int direction, CPoint point) override;
    void SetControlTitle(const wchar_t* text) override;
    CString GetControlTitle() override;
    void SetTextColor(Gdiplus::ARGB colour) override;

    // Whether the text services are there (editing works).
    int HasTextServices() const { return m_pServices ? 1 : 0; }
    // Any message of the text services; 0 without them.
    LRESULT TxSendMessage(UINT msg, WPARAM wparam, LPARAM lparam);

    void SetTipInfo(const wchar_t* tip);
    CString GetTipInfo() const { return m_strTip; }
    int SetIconImage(const wchar_t* path, int frames);

    // Styles and behaviour.
    void SetWinStyle(DWORD style);
    DWORD GetWinStyle() const { return m_dwStyle; }
    void SetMultiLine(int on);
    int IsMultiLine() const { return (m_dwStyle & ES_MULTILINE) ? 1 : 0; }
    void SetWantTab(int on) { m_bWantTab = on ? 1 : 0; }
    void SetWantReturn(int on) { m_bWantReturn = on ? 1 : 0; }
    void SetWantCtrlReturn(int on) { m_bWantCtrlReturn = on ? 1 : 0; }
    void SetRich(int on);
    void SetReadOnly(int on);
    int IsReadOnly() const { return m_bReadOnly; }
    void SetWordWrap(int on);
    void SetPassword(int on);
    void SetPassWordChar(wchar_t ch);
    void SetLimitText(int limit);
    int GetLimitText() const { return m_nLimit; }
    void SetTextPadding(CRect padding);
    CRect GetTextPadding() const { return m_rcPadding; }
    void SetAccumulateDBCMode(int on) { m_bAccumulateDBC = on ? 1 : 0; }
    int IsAccumulateDBCMode() const { return m_bAccumulateDBC; }
    void SetDropAcceptFile(int on) { m_bDropFiles = on ? 1 : 0; }

    // Fonts and formats.
    void SetFont();
    void SetFont(const wchar_t* face, int size, int bold, int underline, int italic);
    HFONT GetDefaultFont() { return GetGDIFont(); }
    void SetTextFont(CString face) override;
    int GetDefaultCharFormat(CHARFORMAT2W& format);
    int SetDefaultCharFormat(CHARFORMAT2W& format);
    int GetSelectionCharFormat(CHARFORMAT2W& format);
    int SetSelectionCharFormat(CHARFORMAT2W& format);
    int SetWordCharFormat(CHARFORMAT2W& format);
    int GetParaFormat(PARAFORMAT2& format);
    int SetParaFormat(PARAFORMAT2& format);

    // Text and selection.
    int GetTextLength();
    int GetModify();
    void SetModify(int modified);
    void GetSel(long& start, long& end);
    void SetSel(long start, long end);
    void SetSelAll() { SetSel(0, -1); }
    void SetSelNone() { SetSel(-1, 0); }
    void ReplaceSel(const wchar_t* text, int canUndo);
    void ReplaceSelW(const wchar_t* text, int canUndo) { ReplaceSel(text, canUndo); }
    CString GetSelText();
    WORD GetSelectionType();
    CString GetTextRange(long start, long end);
    void HideSelection(int hide, int changeStyle);
    void ScrollCaret();
    // Inserts at `position` (−1: the end); returns the position after the insertion.
    long InsertText(long position, const wchar_t* text, int canUndo);
    long AppendText(const wchar_t* text, int canUndo) { return InsertText(-1, text, canUndo); }
    int GetAutoURLDetect();
    void SetAutoURLDetect(int on);
    DWORD GetEventMask();
    DWORD SetEventMask(DWORD mask);
    int GetZoom(int& numerator, int& denominator);
    int SetZoom(int numerator, int denominator);
    int SetZoomOff() { return SetZoom(0, 0); }

    // Editing commands.
    int CanUndo();
    int CanRedo();
    int CanPaste();
    void Undo();
    void Redo();
    void Clear();
    void Copy();
    void Cut();
    void Paste();
    void EmptyUndoBuffer();
    int SetUndoLimit(int limit);
    // MF_ENABLED or MF_GRAYED: what the context menu offers for `command` now.
    UINT GetCommandState(UINT command);
    // Runs a context-menu command; 1 when it was one.
    int DoCommand(UINT command);

    // Lines and positions.
    int GetLineCount();
    CString GetLine(int line);
    int LineIndex(int line);
    int LineLength(int line);
    int LineFromChar(long position);
    void LineScroll(int lines, int chars);
    CPoint PosFromChar(long position);
    int CharFromPos(CPoint point);
    void LineUp() { Scroll(WM_VSCROLL, SB_LINEUP); }
    void LineDown() { Scroll(WM_VSCROLL, SB_LINEDOWN); }
    void PageUp() { Scroll(WM_VSCROLL, SB_PAGEUP); }
    void PageDown() { Scroll(WM_VSCROLL, SB_PAGEDOWN); }
    void HomeUp() { Scroll(WM_VSCROLL, SB_TOP); }
    void EndDown() { Scroll(WM_VSCROLL, SB_BOTTOM); }
    void LineLeft() { Scroll(WM_HSCROLL, SB_LINELEFT); }
    void LineRight() { Scroll(WM_HSCROLL, SB_LINERIGHT); }
    void PageLeft() { Scroll(WM_HSCROLL, SB_PAGELEFT); }
    void PageRight() { Scroll(WM_HSCROLL, SB_PAGERIGHT); }
    void HomeLeft() { Scroll(WM_HSCROLL, SB_LEFT); }
    void EndRight() { Scroll(WM_HSCROLL, SB_RIGHT); }

    // Streams and files (rich text format).
    long StreamIn(int format, EDITSTREAM& stream);
    long StreamOut(int format, EDITSTREAM& stream);
    int LoadRtf(const wchar_t* path);
    int SaveRtf(const wchar_t* path);

    IDropTarget* GetTxDropTarget();

    // Host callbacks.
    virtual void OnTxViewChanged(int update);
    virtual HRESULT OnTxNotify(DWORD code, void* data);
    // The text area: the control less the padding.
    CRect GetTextArea() const;

protected:
    // The library that provides the text services.
    virtual const wchar_t* TextServicesLibrary();
    // Notifications of the text services (EN_CHANGE and others) after the title followed.
    virtual void OnTextChanged() {}

    CTxtWinHost* m_pHost = nullptr;
    ITextServices* m_pServices = nullptr;
    DWORD m_dwStyle = ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;

private:
    void CreateTextServices();
    void ApplyCharFormat();
    void ChangeBits(DWORD bit, int on);
    void Scroll(UINT msg, int code) { TxSendMessage(msg, code, 0); }
    bool IsInside(LPARAM clientPoint) const;
    LRESULT OnMouseMessage(UINT msg, WPARAM wparam, LPARAM lparam);
    LRESULT OnKeyMessage(UINT msg, WPARAM wparam, LPARAM lparam);
    void ShowContextMenu(POINT screen);

    HMODULE m_hLibrary = nullptr;
    CString m_strTip;
    CRect m_rcPadding = CRect(5, 5, 5, 5);
    int m_bWantTab = 1;
    int m_bWantReturn = 1;
    int m_bWantCtrlReturn = 1;
    int m_bReadOnly = 0;
    int m_nLimit = 256;
    int m_bAccumulateDBC = 0;
    int m_bDropFiles = 0;
    int m_bSelecting = 0;
    int m_bWasEmpty = 1;
    Gdiplus::Image* m_pIcon = nullptr;  // belongs to the paint manager's image cache
    int m_nIconFrameWidth = 0;
    int m_nIconHeight = 0;
};

}  // namespace Kelvo
