#pragma once
// A skinned context menu: a borderless window of MenuItems that reports the chosen item
// to its owner window by posting a message (wparam 0, lparam = the item's ID) and closes.
// It also closes, without a message, on Escape and when it loses activation.
//
// Use: new MenuWnd(parent); Create(owner, point, message, width) - on failure delete it;
// one AddMenu per command; ShowWindow(SW_SHOWNORMAL). From then on the menu deletes itself
// when its window is gone: the caller must not use the pointer after showing it.
//
// The menu opens at the given point, moved as far as needed to lie inside the work area
// of the monitor there.
#include <windows.h>

#include <vector>

#include "GdiPlus.h"

#include "CString.h"
#include "Geometry.h"
#include "MSkinWindow.h"

namespace Kelvo {

class MenuItem;

class KELVO_API MenuWnd : public MSkinWindow {
public:
    explicit MenuWnd(MObject* parent);
    ~MenuWnd() override;

    const wchar_t* GetClassNameW() override;
    const wchar_t* GetWindowClassName() override;
    LRESULT OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;
    virtual MObject* GetParent() { return m_pParent; }
    // Applies the recorded item changes and lays the menu out.
    void InitUI(CRect client) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    LRESULT OnCreate(CREATESTRUCTW* create) override;
    LRESULT OnSize(UINT type, int width, int height) override;
    LRESULT OnNcActivate(int active) override;
    LRESULT PostNcDestroy() override;
    // Posts WM_CLOSE.
    virtual void CloseWindow();

    // Makes the (hidden) menu window at `point` for `owner`, which will receive `message`;
    // the box is filled dark grey inside a border in the selection colour. 1 on success.
    int Create(HWND owner, CPoint point, UINT message, int width);
    // The same with the current width and colours.
    int Create(HWND owner, CPoint point, UINT message);
    // With a background image from the skin folder drawn in `mode` with `frameSize` corners.
    int Create(HWND owner, CPoint point, UINT message, const wchar_t* background, int frameSize, int width,
               enumBackMode mode);

    // An item with this text and command ID, in the menu's font; `icon` (a skin path, 4
    // frames) is kept on the item. Returns -1.
    int AddMenu(const wchar_t* text, UINT id, const wchar_t* icon = L"", int = 0, int = 0);
    // The same with an icon resource of the toolkit, which menus do not draw.
    int AddMenu(const wchar_t* text, UINT id, int iconResource, int = 0, int = 0);
    // A separator line. Returns -1.
    int AddSeparator(UINT id, const wchar_t* image = L"");

    // Changes recorded now and applied by InitUI to the item whose title is `name`.
    void SetItemTitle(const wchar_t* name, const wchar_t* title);
    void SetItemVisible(const wchar_t* name, int visible);
    void SetItemEnable(const wchar_t* name, int enabled);
    void SetItemCheck(const wchar_t* name, int check);

    // Lays the items out top to bottom and sizes the window to them.
    void SetMenuPoint();
    // Posts the menu's message to the owner (wparam, lparam = id); a choice (code 2)
    // closes the menu. Returns 1.
    LRESULT SendMessageToParent(UINT id, UINT code, WPARAM wparam, LPARAM lparam);

    void SetMenuFont(const wchar_t* face, int size, int style);
    void SetTextIndent(int indent) { m_nTextIndent = indent; }
    void SetItemHeight(int height) { m_nItemHeight = height; }
    void SetWidth(int width) { m_nWidth = width; }
    int GetWidth() const { return m_nWidth; }
    void SetFrameWidth(int inset) { m_nInset = inset; }
    void SetMargins(int top, int bottom);
    void SetHighlightColor(Gdiplus::ARGB colour) { m_highlightColor = colour; }
    // Skin images for the highlight and the check mark (after Create); 1 when loaded.
    int SetHighlightImage(const wchar_t* path);
    int SetCheckImage(const wchar_t* path);

private:
    struct PendingChange {
        CString name;
        CString title;
        int visible = 1;
        int enabled = 1;
        int check = -1;
    };

    int CreateMenuWindow();
    MenuItem* AddItem(const wchar_t* text, UINT id);
    void ApplyPendingChanges();

    MObject* m_pParent;
    HWND m_hOwner = nullptr;
    UINT m_uMessage = 0;
    CPoint m_ptAnchor;
    CString m_strFont = CString(L"SourceHanSansCN-Regular");
    int m_nFontSize = 14;
    int m_nFontStyle = 0;
    int m_nTextIndent = 5;
    int m_nItemHeight = 25;
    int m_nWidth = 300;
    int m_nInset = 0;
    int m_nTopMargin = 6;
    int m_nBottomMargin = 6;
    Gdiplus::ARGB m_highlightColor;
    Gdiplus::Image* m_pHighlightImage = nullptr;  // in the paint manager's image cache
    Gdiplus::Image* m_pCheckImage = nullptr;
    std::vector<PendingChange> m_pending;
    bool m_bDeletesItself = false;  // set once the window exists: the menu then owns itself
    bool m_bClosing = false;        // a choice was sent; later clicks send nothing
};

// The colour reference (0x00BBGGRR) of an ARGB colour; the alpha is dropped.
KELVO_API COLORREF ArgbToColorRef(DWORD argb);

}  // namespace Kelvo
