#pragma once
// The text host of a windowless rich edit: what the system's text services ask of the
// place they live in (the control's rectangle in the dialog, its formats, the dialog's
// caret, capture and focus) is answered from the MRichEdit that owns the host.
#include <windows.h>
#include <ole2.h>
#include <richedit.h>
#include <textserv.h>

namespace Kelvo {

class MRichEdit;

// A COM object goes through Release, never through a delete of the interface: the
// interface's missing virtual destructor does not matter here.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif
class CTxtWinHost final : public ITextHost {
public:
    explicit CTxtWinHost(MRichEdit* owner);
    ~CTxtWinHost() = default;

    // The owner goes: the host answers no more callbacks about it.
    void Detach() { m_pOwner = nullptr; }

    // The formats the text services start from and read again after a change.
    CHARFORMAT2W& CharFormat() { return m_charFormat; }
    PARAFORMAT2& ParaFormat() { return m_paraFormat; }
    // TXTBIT_* properties; `mask` bits take the values of `bits`.
    void SetPropertyBits(DWORD mask, DWORD bits) { m_bits = (m_bits & ~mask) | (bits & mask); }
    DWORD PropertyBits() const { return m_bits; }
    void SetMaxLength(DWORD length) { m_maxLength = length; }
    DWORD MaxLength() const { return m_maxLength; }
    void SetPasswordChar(wchar_t ch) { m_passwordChar = ch; }
    wchar_t PasswordChar() const { return m_passwordChar; }
    void SetScrollBars(DWORD style) { m_scrollBars = style; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // ITextHost
    HDC TxGetDC() override;
    INT TxReleaseDC(HDC dc) override;
    WINBOOL TxShowScrollBar(INT bar, WINBOOL show) override;
    WINBOOL TxEnableScrollBar(INT flags, INT arrows) override;
    WINBOOL TxSetScrollRange(INT bar, LONG minimum, INT maximum, WINBOOL redraw) override;
    WINBOOL TxSetScrollPos(INT bar, INT position, WINBOOL redraw) override;
    void TxInvalidateRect(LPCRECT rect, WINBOOL mode) override;
    void TxViewChange(WINBOOL update) override;
    WINBOOL TxCreateCaret(HBITMAP bitmap, INT width, INT height) override;
    WINBOOL TxShowCaret(WINBOOL show) override;
    WINBOOL TxSetCaretPos(INT x, INT y) override;
    WINBOOL TxSetTimer(UINT id, UINT timeout) override;
    void TxKillTimer(UINT id) override;
    void TxScrollWindowEx(INT dx, INT dy, LPCRECT scroll, LPCRECT clip, HRGN update, LPRECT updated,
                          UINT flags) override;
    void TxSetCapture(WINBOOL capture) override;
    void TxSetFocus() override;
    void TxSetCursor(HCURSOR cursor, WINBOOL text) override;
    WINBOOL TxScreenToClient(LPPOINT point) override;
    WINBOOL TxClientToScreen(LPPOINT point) override;
    HRESULT TxActivate(LONG* oldState) override;
    HRESULT TxDeactivate(LONG newState) override;
    HRESULT TxGetClientRect(LPRECT rect) override;
    HRESULT TxGetViewInset(LPRECT rect) override;
    HRESULT TxGetCharFormat(const CHARFORMATW** format) override;
    HRESULT TxGetParaFormat(const PARAFORMAT** format) override;
    COLORREF TxGetSysColor(int index) override;
    HRESULT TxGetBackStyle(TXTBACKSTYLE* style) override;
    HRESULT TxGetMaxLength(DWORD* length) override;
    HRESULT TxGetScrollBars(DWORD* scrollBars) override;
    HRESULT TxGetPasswordChar(TCHAR* ch) override;
    HRESULT TxGetAcceleratorPos(LONG* position) override;
    HRESULT TxGetExtent(LPSIZEL extent) override;
    HRESULT OnTxCharFormatChange(const CHARFORMATW* format) override;
    HRESULT OnTxParaFormatChange(const PARAFORMAT* format) override;
    HRESULT TxGetPropertyBits(DWORD mask, DWORD* bits) override;
    HRESULT TxNotify(DWORD code, void* data) override;
    HIMC TxImmGetContext() override;
    void TxImmReleaseContext(HIMC context) override;
    HRESULT TxGetSelectionBarWidth(LONG* width) override;

private:
    HWND Window() const;

    MRichEdit* m_pOwner;
    LONG m_refs = 1;
    CHARFORMAT2W m_charFormat{};
    PARAFORMAT2 m_paraFormat{};
    DWORD m_bits = 0;
    DWORD m_maxLength = 256;
    wchar_t m_passwordChar = 0x25CF;
    DWORD m_scrollBars = 0;
};
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

}  // namespace Kelvo
