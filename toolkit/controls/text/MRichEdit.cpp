#include "MRichEdit.h"

#include <imm.h>
#include <windowsx.h>

#include "CTxtWinHost.h"
#include "PaintManager.h"

namespace Kelvo {

namespace {

// {8D33F740-CF58-11CE-A89D-00AA006CADC5}: declared by mingw-w64 but not in its libraries.
constexpr IID kIidTextServices = {0x8d33f740, 0xcf58, 0x11ce, {0xa8, 0x9d, 0x00, 0xaa, 0x00, 0x6c, 0xad, 0xc5}};
constexpr Gdiplus::ARGB kTipColour = 0xFF7A808A;
constexpr int kTwipsPerInch = 1440;
constexpr int kSkinCorner = 10;

COLORREF ToColorRef(Gdiplus::ARGB colour) {
    return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

const struct {
    UINT command;
    const wchar_t* text;
} kMenuItems[] = {
    {kRichUndo, L"Undo(&U)"}, {kRichRedo, L"Redo(&R)"}, {0, nullptr},
    {kRichCut, L"Cut(&X)"},   {kRichCopy, L"Copy(&C)"}, {kRichPaste, L"Paste(&V)"},
    {kRichClear, L"Clear(&L)"}, {0, nullptr},           {kRichSelectAll, L"SelectAll(&A)"},
};

bool IsMouseMessage(UINT msg) {
    switch (msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return true;
    default:
        return false;
    }
}

bool IsKeyMessage(UINT msg) {
    switch (msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_COMPOSITION:
    case WM_IME_ENDCOMPOSITION:
    case WM_IME_CHAR:
        return true;
    default:
        return false;
    }
}

}  // namespace

MRichEdit::MRichEdit(MObject* parent, UINT id, CRect rect, const wchar_t* tip, int visible, int enabled)
    : MPanel(parent, id, rect, visible), m_strTip(tip) {
    m_bEnabled = enabled ? 1 : 0;
    m_bTabStop = 1;
    m_textColor = 0xFF141414;
    SetEnableScroll(0);
}

MRichEdit::~MRichEdit() {
    if (m_pManager && m_pManager->GetCurrentCaretObject() == this) m_pManager->ShowCaret(0);
    if (m_pHost) m_pHost->Detach();
    if (m_pServices) {
        m_pServices->OnTxInPlaceDeactivate();
        m_pServices->Release();
    }
    if (m_pHost) m_pHost->Release();
    if (m_hLibrary) ::FreeLibrary(m_hLibrary);
}

const wchar_t* MRichEdit::GetClassNameW() { return L"MRichEdit"; }

const wchar_t* MRichEdit::TextServicesLibrary() { return L"Msftedit.dll"; }

void MRichEdit::InitControl(PaintManager* manager) {
    MPanel::InitControl(manager);
    if (!m_hLibrary) CreateTextServices();
}

void MRichEdit::CreateTextServices() {
    m_hLibrary = ::LoadLibraryW(TextServicesLibrary());
    if (!m_hLibrary) return;
    auto create = reinterpret_cast<PCreateTextServices>(
        reinterpret_cast<void*>(::GetProcAddress(m_hLibrary, "CreateTextServices")));
    if (!create) return;
    m_pHost = new CTxtWinHost(this);
    m_pHost->SetMaxLength(static_cast<DWORD>(m_nLimit));
    m_pHost->SetScrollBars(m_dwStyle);
    m_pHost->SetPropertyBits(TXTBIT_RICHTEXT | TXTBIT_MULTILINE, TXTBIT_RICHTEXT | (IsMultiLine() ? TXTBIT_MULTILINE : 0));
    ApplyCharFormat();
    IUnknown* unknown = nullptr;
    if (FAILED(create(nullptr, m_pHost, &unknown)) || !unknown) return;
    unknown->QueryInterface(kIidTextServices, reinterpret_cast<void**>(&m_pServices));
    unknown->Release();
    if (!m_pServices) return;
    const CRect area = GetTextArea();
    const RECT client{area.left, area.top, area.right, area.bottom};
    m_pServices->OnTxInPlaceActivate(&client);
    TxSendMessage(EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_LINK);
    const CString text = MControlFont::GetControlTitle();
    if (!text.IsEmpty()) m_pServices->TxSetText(text);
}

LRESULT MRichEdit::TxSendMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    if (!m_pServices) return 0;
    LRESULT result = 0;
    m_pServices->TxSendMessage(msg, wparam, lparam, &result);
    return result;
}

CRect MRichEdit::GetTextArea() const {
    return CRect(m_rcControl.left + m_rcPadding.left, m_rcControl.top + m_rcPadding.top,
                 m_rcControl.right - m_rcPadding.right, m_rcControl.bottom - m_rcPadding.bottom);
}

// --- text --------------------------------------------------------------------------------------

void MRichEdit::SetControlTitle(const wchar_t* text) {
    MControlFont::SetControlTitle(text);
    m_bWasEmpty = MControlFont::GetControlTitle().IsEmpty() ? 1 : 0;
    if (m_pServices) m_pServices->TxSetText(text ? text : L"");
}

CString MRichEdit::GetControlTitle() {
    if (!m_pServices) return MControlFont::GetControlTitle();
    BSTR text = nullptr;
    if (FAILED(m_pServices->TxGetText(&text)) || !text) return CString();
    CString result(text, static_cast<int>(::SysStringLen(text)));
    ::SysFreeString(text);
    return result;
}

void MRichEdit::SetTipInfo(const wchar_t* tip) {
    m_strTip = CString(tip);
    if (m_bVisible && m_pManager) UpdateControl(1, 0);
}

HRESULT MRichEdit::OnTxNotify(DWORD code, void*) {
    if (code != EN_CHANGE) return S_OK;
    const CString text = GetControlTitle();
    MControlFont::SetControlTitle(text);
    const int empty = text.IsEmpty() ? 1 : 0;
    // The tip shows exactly while the text is empty.
    if (empty != m_bWasEmpty && m_bVisible) UpdateControl(1, 0);
    m_bWasEmpty = empty;
    OnTextChanged();
    return S_OK;
}

void MRichEdit::OnTxViewChanged(int) {
    if (m_bVisible && m_pParent) UpdateControl(1, 0);
}

// --- drawing -----------------------------------------------------------------------------------

void MRichEdit::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 1, 0, [this](HDC cache, int width, int height) {
        if (m_pImage) {
            // The edit boxes' skin, when given one: normal, or disabled.
            Gdiplus::Graphics graphics(cache);
            DrawImageFrame(graphics, CRect(0, 0, width, height), m_bEnabled ? 0 : 3, kSkinCorner);
        }
        CRect area = GetTextArea();
        const CString stored = MControlFont::GetControlTitle();
        if (m_pServices) {
            // The text services lay out in the window's coordinates; shift the cache to match.
            POINT origin{};
            ::SetViewportOrgEx(cache, -m_rcControl.left, -m_rcControl.top, &origin);
            RECTL bounds{area.left, area.top, area.right, area.bottom};
            m_pServices->TxDraw(DVASPECT_CONTENT, 0, nullptr, nullptr, cache, nullptr, &bounds, nullptr, nullptr,
                                nullptr, 0, TXTVIEW_ACTIVE);
            ::SetViewportOrgEx(cache, origin.x, origin.y, nullptr);
        }
        area.OffsetRect(-m_rcControl.left, -m_rcControl.top);
        if (!stored.IsEmpty()) {
            if (!m_pServices) DrawTitle(cache, area, stored, IsMultiLine() != 0);
            return;
        }
        const Gdiplus::ARGB textColour = m_textColor;
        m_textColor = kTipColour;
        DrawTitle(cache, area, m_strTip, false);
        m_textColor = textColour;
    });
    if (!m_pIcon) return;
    Gdiplus::Graphics graphics(dc);
    const int top = m_rcControl.top + (m_rcControl.Height() - m_nIconHeight) / 2;
    graphics.DrawImage(m_pIcon, Gdiplus::Rect(m_rcControl.right - 9 - m_nIconFrameWidth, top, m_nIconFrameWidth,
                                              m_nIconHeight),
                       0, 0, m_nIconFrameWidth, m_nIconHeight, Gdiplus::UnitPixel);
}

int MRichEdit::SetIconImage(const wchar_t* path, int frames) {
    if (!m_pManager || !path || frames <= 0) return 0;
    const ImgResInfo* info = m_pManager->AddImgResInfo(path, frames);
    if (!info || !info->image) return 0;
    m_pIcon = info->image;
    m_nIconFrameWidth = info->frameWidth;
    m_nIconHeight = info->height;
    if (m_bVisible) UpdateControl(1, 0);
    return 1;
}

void MRichEdit::SetControlRect(CRect rect) {
    MPanel::SetControlRect(rect);
    if (m_pServices) m_pServices->OnTxPropertyBitsChange(TXTBIT_CLIENTRECTCHANGE, TXTBIT_CLIENTRECTCHANGE);
}

// --- input -------------------------------------------------------------------------------------

int MRichEdit::SetControlFocus(int focus) {
    const int had = m_bFocused;
    MPanel::SetControlFocus(focus);
    if (!m_pServices || had == m_bFocused) return 0;
    TxSendMessage(focus ? WM_SETFOCUS : WM_KILLFOCUS, 0, 0);
    if (!focus && m_pManager && m_pManager->GetCurrentCaretObject() == this) m_pManager->ShowCaret(0);
    return 0;
}

bool MRichEdit::IsInside(LPARAM clientPoint) const {
    return GetTextArea().PtInRect(CPoint(GET_X_LPARAM(clientPoint), GET_Y_LPARAM(clientPoint))) != 0;
}

LRESULT MRichEdit::OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    if (!m_pServices || !m_bVisible || !m_bEnabled || !m_bResponse || !IsParentVisible()) return 0;
    if (IsMouseMessage(msg)) return OnMouseMessage(msg, wparam, lparam);
    if (IsKeyMessage(msg)) return m_bFocused ? OnKeyMessage(msg, wparam, lparam) : 0;
    switch (msg) {
    case WM_MOUSEWHEEL: {
        POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
        ::ScreenToClient(m_pManager->GetPaintWnd(), &point);
        if (!(GET_KEYSTATE_WPARAM(wparam) & MK_SHIFT) || !GetTextArea().PtInRect(CPoint(point.x, point.y))) return 0;
        TxSendMessage(msg, wparam, lparam);
        return 1;
    }
    case WM_SETCURSOR: {
        POINT point{};
        ::GetCursorPos(&point);
        ::ScreenToClient(m_pManager->GetPaintWnd(), &point);
        const CRect area = GetTextArea();
        if (!area.PtInRect(CPoint(point.x, point.y))) return 0;
        const RECT client{area.left, area.top, area.right, area.bottom};
        m_pServices->OnTxSetCursor(DVASPECT_CONTENT, 0, nullptr, nullptr, nullptr, nullptr, &client, point.x, point.y);
        return 1;
    }
    case WM_CONTEXTMENU: {
        POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
        POINT client = point;
        ::ScreenToClient(m_pManager->GetPaintWnd(), &client);
        if (!m_rcControl.PtInRect(CPoint(client.x, client.y))) return 0;
        ShowContextMenu(point);
        return 1;
    }
    case WM_COMMAND:
        return lparam == 0 && m_bFocused && DoCommand(LOWORD(wparam)) ? 1 : 0;
    default:
        return 0;
    }
}

LRESULT MRichEdit::OnMouseMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    const bool inside = IsInside(lparam);
    if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN) {
        if (!inside) return 0;
        if (m_pManager->GetFocusControl() != this) m_pManager->SetFocusControl(this);
        m_bSelecting = msg == WM_LBUTTONDOWN ? 1 : 0;
    } else if (!inside && !m_bSelecting) {
        return 0;
    }
    if (msg == WM_LBUTTONUP) m_bSelecting = 0;
    TxSendMessage(msg, wparam, lparam);
    return 0;  // the paint manager goes on with its own routing (hover, capture)
}

LRESULT MRichEdit::OnKeyMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    const bool control = ::GetKeyState(VK_CONTROL) < 0;
    if ((msg == WM_KEYDOWN || msg == WM_CHAR)) {
        const bool tab = wparam == VK_TAB || wparam == L'\t';
        const bool enter = wparam == VK_RETURN || wparam == L'\r' || wparam == L'\n';
        if (tab && !m_bWantTab) return 0;
        if (enter && (control ? !m_bWantCtrlReturn : !m_bWantReturn)) return 0;
    }
    if (msg == WM_IME_STARTCOMPOSITION && m_pManager) {
        HWND window = m_pManager->GetPaintWnd();
        if (HIMC context = ::ImmGetContext(window)) {
            POINT caret{};
            ::GetCaretPos(&caret);
            COMPOSITIONFORM form{CFS_POINT, caret, RECT{}};
            ::ImmSetCompositionWindow(context, &form);
            ::ImmReleaseContext(window, context);
        }
    }
    TxSendMessage(msg, wparam, lparam);
    return 1;
}

int MRichEdit::OnControlScroll(int, int direction, CPoint) {
    if (!m_pServices || !m_bFocused) return 0;
    Scroll(WM_VSCROLL, direction == 0 ? SB_LINEUP : SB_LINEDOWN);
    return 1;
}

// --- context menu --------------------------------------------------------------------------------

UINT MRichEdit::GetCommandState(UINT command) {
    long start = 0, end = 0;
    GetSel(start, end);
    const bool selection = end != start;
    const bool writable = !m_bReadOnly;
    bool enabled = false;
    switch (command) {
    case kRichUndo: enabled = CanUndo() != 0; break;
    case kRichRedo: enabled = CanRedo() != 0; break;
    case kRichCut:
    case kRichClear: enabled = selection && writable; break;
    case kRichCopy: enabled = selection; break;
    case kRichPaste: enabled = writable; break;
    case kRichSelectAll: enabled = true; break;
    default: break;
    }
    return enabled ? MF_ENABLED : MF_GRAYED;
}

int MRichEdit::DoCommand(UINT command) {
    switch (command) {
    case kRichUndo: Undo(); return 1;
    case kRichRedo: Redo(); return 1;
    case kRichCut: Cut(); return 1;
    case kRichCopy: Copy(); return 1;
    case kRichPaste: Paste(); return 1;
    case kRichClear: Clear(); return 1;
    case kRichSelectAll: SetSelAll(); return 1;
    default: return 0;
    }
}

void MRichEdit::ShowContextMenu(POINT screen) {
    HMENU menu = ::CreatePopupMenu();
    if (!menu) return;
    for (const auto& item : kMenuItems) {
        if (!item.text)
            ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        else
            ::AppendMenuW(menu, MF_STRING | GetCommandState(item.command), item.command, item.text);
    }
    // The chosen command comes back to the dialog as WM_COMMAND.
    ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, m_pManager->GetPaintWnd(), nullptr);
    ::DestroyMenu(menu);
}

// --- styles and formats ----------------------------------------------------------------------------

void MRichEdit::ChangeBits(DWORD bit, int on) {
    const DWORD value = on ? bit : 0;
    if (m_pHost) m_pHost->SetPropertyBits(bit, value);
    if (m_pServices) m_pServices->OnTxPropertyBitsChange(bit, value);
}

void MRichEdit::SetWinStyle(DWORD style) {
    m_dwStyle = style;
    if (m_pHost) m_pHost->SetScrollBars(style);
    ChangeBits(TXTBIT_MULTILINE, (style & ES_MULTILINE) ? 1 : 0);
    if (m_pServices) m_pServices->OnTxPropertyBitsChange(TXTBIT_SCROLLBARCHANGE, TXTBIT_SCROLLBARCHANGE);
}

void MRichEdit::SetMultiLine(int on) { SetWinStyle(on ? (m_dwStyle | ES_MULTILINE) : (m_dwStyle & ~ES_MULTILINE)); }
void MRichEdit::SetRich(int on) { ChangeBits(TXTBIT_RICHTEXT, on); }

void MRichEdit::SetReadOnly(int on) {
    m_bReadOnly = on ? 1 : 0;
    ChangeBits(TXTBIT_READONLY, on);
}

void MRichEdit::SetWordWrap(int on) { ChangeBits(TXTBIT_WORDWRAP, on); }
void MRichEdit::SetPassword(int on) { ChangeBits(TXTBIT_USEPASSWORD, on); }

void MRichEdit::SetPassWordChar(wchar_t ch) {
    if (m_pHost) m_pHost->SetPasswordChar(ch);
    TxSendMessage(EM_SETPASSWORDCHAR, ch, 0);
}

void MRichEdit::SetLimitText(int limit) {
    m_nLimit = limit;
    if (m_pHost) m_pHost->SetMaxLength(static_cast<DWORD>(limit));
    if (m_pServices) m_pServices->OnTxPropertyBitsChange(TXTBIT_MAXLENGTHCHANGE, TXTBIT_MAXLENGTHCHANGE);
}

void MRichEdit::SetTextPadding(CRect padding) {
    m_rcPadding = padding;
    if (m_pServices) m_pServices->OnTxPropertyBitsChange(TXTBIT_CLIENTRECTCHANGE, TXTBIT_CLIENTRECTCHANGE);
    if (m_bVisible && m_pManager) UpdateControl(1, 0);
}

void MRichEdit::SetTextColor(Gdiplus::ARGB colour) {
    MControlFont::SetTextColor(colour);
    ApplyCharFormat();
}

void MRichEdit::SetTextFont(CString face) {
    MControlFont::SetTextFont(face);
    ApplyCharFormat();
}

void MRichEdit::SetFont() { ApplyCharFormat(); }

void MRichEdit::SetFont(const wchar_t* face, int size, int bold, int underline, int italic) {
    MControlFont::SetFont(face, size,
                          (bold ? Gdiplus::FontStyleBold : 0) | (italic ? Gdiplus::FontStyleItalic : 0) |
                              (underline ? Gdiplus::FontStyleUnderline : 0));
    ApplyCharFormat();
}

void MRichEdit::ApplyCharFormat() {
    if (!m_pHost) return;
    CHARFORMAT2W& format = m_pHost->CharFormat();
    format.dwMask = CFM_SIZE | CFM_OFFSET | CFM_FACE | CFM_CHARSET | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE;
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ::ReleaseDC(nullptr, screen);
    format.yHeight = m_nFontSize * kTwipsPerInch / (dpi > 0 ? dpi : 96);
    format.yOffset = 0;
    format.crTextColor = ToColorRef(m_textColor);
    format.bCharSet = DEFAULT_CHARSET;
    format.dwEffects = 0;
    if (m_nFontStyle & Gdiplus::FontStyleBold) format.dwEffects |= CFE_BOLD;
    if (m_nFontStyle & Gdiplus::FontStyleItalic) format.dwEffects |= CFE_ITALIC;
    if (m_nFontStyle & Gdiplus::FontStyleUnderline) format.dwEffects |= CFE_UNDERLINE;
    ::lstrcpynW(format.szFaceName, m_strFontFace.GetString(), LF_FACESIZE);
    if (!m_pServices) return;
    m_pServices->OnTxPropertyBitsChange(TXTBIT_CHARFORMATCHANGE, TXTBIT_CHARFORMATCHANGE);
    // Text set later starts from the default format, text already there keeps its own:
    // both are told, as not every text services reads the host's format again.
    CHARFORMAT2W copy = format;
    TxSendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&copy));
    copy = format;
    TxSendMessage(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&copy));
}

}  // namespace Kelvo
