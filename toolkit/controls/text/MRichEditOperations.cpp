// The rich edit's operations that are one message of the text services each.
#include <vector>

#include "MRichEdit.h"
#include "CTxtWinHost.h"

namespace Kelvo {

namespace {

DWORD CALLBACK ReadFromFile(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
    DWORD read = 0;
    const BOOL ok = ::ReadFile(reinterpret_cast<HANDLE>(cookie), buffer, static_cast<DWORD>(size), &read, nullptr);
    *done = static_cast<LONG>(read);
    return ok ? 0 : 1;
}

DWORD CALLBACK WriteToFile(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
    DWORD written = 0;
    const BOOL ok = ::WriteFile(reinterpret_cast<HANDLE>(cookie), buffer, static_cast<DWORD>(size), &written, nullptr);
    *done = static_cast<LONG>(written);
    return ok ? 0 : 1;
}

}  // namespace

int MRichEdit::GetTextLength() {
    GETTEXTLENGTHEX length{GTL_DEFAULT, 1200};
    return static_cast<int>(TxSendMessage(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
}

int MRichEdit::GetModify() { return TxSendMessage(EM_GETMODIFY, 0, 0) ? 1 : 0; }
void MRichEdit::SetModify(int modified) { TxSendMessage(EM_SETMODIFY, modified ? TRUE : FALSE, 0); }

void MRichEdit::GetSel(long& start, long& end) {
    CHARRANGE range{0, 0};
    TxSendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    start = range.cpMin;
    end = range.cpMax;
}

void MRichEdit::SetSel(long start, long end) {
    CHARRANGE range{start, end};
    TxSendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void MRichEdit::ReplaceSel(const wchar_t* text, int canUndo) {
    TxSendMessage(EM_REPLACESEL, canUndo ? TRUE : FALSE, reinterpret_cast<LPARAM>(text ? text : L""));
}

CString MRichEdit::GetSelText() {
    long start = 0, end = 0;
    GetSel(start, end);
    return GetTextRange(start, end);
}

WORD MRichEdit::GetSelectionType() { return static_cast<WORD>(TxSendMessage(EM_SELECTIONTYPE, 0, 0)); }

CString MRichEdit::GetTextRange(long start, long end) {
    if (end < 0) end = GetTextLength();
    if (start < 0 || end <= start) return CString();
    std::vector<wchar_t> buffer(static_cast<size_t>(end - start) + 1, L'\0');
    TEXTRANGEW range{{start, end}, buffer.data()};
    const LRESULT copied = TxSendMessage(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    return CString(buffer.data(), static_cast<int>(copied));
}

void MRichEdit::HideSelection(int hide, int changeStyle) {
    TxSendMessage(EM_HIDESELECTION, hide ? TRUE : FALSE, changeStyle ? TRUE : FALSE);
}

void MRichEdit::ScrollCaret() { TxSendMessage(EM_SCROLLCARET, 0, 0); }

long MRichEdit::InsertText(long position, const wchar_t* text, int canUndo) {
    const long at = position < 0 ? GetTextLength() : position;
    SetSel(at, at);
    ReplaceSel(text, canUndo);
    long start = 0, end = 0;
    GetSel(start, end);
    return end;
}

int MRichEdit::GetAutoURLDetect() { return TxSendMessage(EM_GETAUTOURLDETECT, 0, 0) ? 1 : 0; }
void MRichEdit::SetAutoURLDetect(int on) { TxSendMessage(EM_AUTOURLDETECT, on ? TRUE : FALSE, 0); }
DWORD MRichEdit::GetEventMask() { return static_cast<DWORD>(TxSendMessage(EM_GETEVENTMASK, 0, 0)); }
DWORD MRichEdit::SetEventMask(DWORD mask) { return static_cast<DWORD>(TxSendMessage(EM_SETEVENTMASK, 0, mask)); }

int MRichEdit::GetZoom(int& numerator, int& denominator) {
    return TxSendMessage(EM_GETZOOM, reinterpret_cast<WPARAM>(&numerator), reinterpret_cast<LPARAM>(&denominator))
               ? 1
               : 0;
}

int MRichEdit::SetZoom(int numerator, int denominator) {
    return TxSendMessage(EM_SETZOOM, numerator, denominator) ? 1 : 0;
}

int MRichEdit::CanUndo() { return TxSendMessage(EM_CANUNDO, 0, 0) ? 1 : 0; }
int MRichEdit::CanRedo() { return TxSendMessage(EM_CANREDO, 0, 0) ? 1 : 0; }
int MRichEdit::CanPaste() { return TxSendMessage(EM_CANPASTE, 0, 0) ? 1 : 0; }
void MRichEdit::Undo() { TxSendMessage(EM_UNDO, 0, 0); }
void MRichEdit::Redo() { TxSendMessage(EM_REDO, 0, 0); }
void MRichEdit::Clear() { TxSendMessage(WM_CLEAR, 0, 0); }
void MRichEdit::Copy() { TxSendMessage(WM_COPY, 0, 0); }
void MRichEdit::Cut() { TxSendMessage(WM_CUT, 0, 0); }
void MRichEdit::Paste() { TxSendMessage(WM_PASTE, 0, 0); }
void MRichEdit::EmptyUndoBuffer() { TxSendMessage(EM_EMPTYUNDOBUFFER, 0, 0); }
int MRichEdit::SetUndoLimit(int limit) { return static_cast<int>(TxSendMessage(EM_SETUNDOLIMIT, limit, 0)); }

int MRichEdit::GetLineCount() { return static_cast<int>(TxSendMessage(EM_GETLINECOUNT, 0, 0)); }

CString MRichEdit::GetLine(int line) {
    const int length = LineLength(LineIndex(line));
    if (length <= 0) return CString();
    // EM_GETLINE reads the buffer size from its first word.
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 2, L'\0');
    buffer[0] = static_cast<wchar_t>(length + 1);
    const LRESULT copied = TxSendMessage(EM_GETLINE, line, reinterpret_cast<LPARAM>(buffer.data()));
    return CString(buffer.data(), static_cast<int>(copied));
}

int MRichEdit::LineIndex(int line) { return static_cast<int>(TxSendMessage(EM_LINEINDEX, line, 0)); }
int MRichEdit::LineLength(int line) { return static_cast<int>(TxSendMessage(EM_LINELENGTH, line, 0)); }
int MRichEdit::LineFromChar(long position) { return static_cast<int>(TxSendMessage(EM_EXLINEFROMCHAR, 0, position)); }
void MRichEdit::LineScroll(int lines, int chars) { TxSendMessage(EM_LINESCROLL, chars, lines); }

CPoint MRichEdit::PosFromChar(long position) {
    POINTL point{0, 0};
    TxSendMessage(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), position);
    return CPoint(point.x, point.y);
}

int MRichEdit::CharFromPos(CPoint point) {
    POINTL at{point.x, point.y};
    return static_cast<int>(TxSendMessage(EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&at)));
}

int MRichEdit::GetDefaultCharFormat(CHARFORMAT2W& format) {
    format.cbSize = sizeof format;
    return static_cast<int>(TxSendMessage(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format)));
}

int MRichEdit::SetDefaultCharFormat(CHARFORMAT2W& format) {
    format.cbSize = sizeof format;
    return TxSendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format)) ? 1 : 0;
}

int MRichEdit::GetSelectionCharFormat(CHARFORMAT2W& format) {
    format.cbSize = sizeof format;
    return static_cast<int>(TxSendMessage(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format)));
}

int MRichEdit::SetSelectionCharFormat(CHARFORMAT2W& format) {
    format.cbSize = sizeof format;
    return TxSendMessage(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format)) ? 1 : 0;
}

int MRichEdit::SetWordCharFormat(CHARFORMAT2W& format) {
    format.cbSize = sizeof format;
    return TxSendMessage(EM_SETCHARFORMAT, SCF_SELECTION | SCF_WORD, reinterpret_cast<LPARAM>(&format)) ? 1 : 0;
}

int MRichEdit::GetParaFormat(PARAFORMAT2& format) {
    format.cbSize = sizeof format;
    return static_cast<int>(TxSendMessage(EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format)));
}

int MRichEdit::SetParaFormat(PARAFORMAT2& format) {
    format.cbSize = sizeof format;
    return TxSendMessage(EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format)) ? 1 : 0;
}

long MRichEdit::StreamIn(int format, EDITSTREAM& stream) {
    return static_cast<long>(TxSendMessage(EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream)));
}

long MRichEdit::StreamOut(int format, EDITSTREAM& stream) {
    return static_cast<long>(TxSendMessage(EM_STREAMOUT, format, reinterpret_cast<LPARAM>(&stream)));
}

int MRichEdit::LoadRtf(const wchar_t* path) {
    if (!m_pServices || !path) return 0;
    HANDLE file = ::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(file), 0, &ReadFromFile};
    StreamIn(SF_RTF, stream);
    ::CloseHandle(file);
    return stream.dwError == 0 ? 1 : 0;
}

int MRichEdit::SaveRtf(const wchar_t* path) {
    if (!m_pServices || !path) return 0;
    HANDLE file = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(file), 0, &WriteToFile};
    StreamOut(SF_RTF, stream);
    ::CloseHandle(file);
    return stream.dwError == 0 ? 1 : 0;
}

IDropTarget* MRichEdit::GetTxDropTarget() {
    IDropTarget* target = nullptr;
    if (m_pServices && FAILED(m_pServices->TxGetDropTarget(&target))) target = nullptr;
    return target;
}

}  // namespace Kelvo
