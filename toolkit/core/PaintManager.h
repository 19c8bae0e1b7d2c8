#pragma once
// The bridge between one native window and its windowless controls. Every skinned window
// owns one. It keeps the window's two top-level control lists (areas, drawn first, and
// controls, drawn after them and given the mouse and keys), paints the client area
// through an off-screen 32-bit buffer (optionally as a layered window with per-pixel
// alpha), routes mouse, wheel, keys, focus and Tab to the controls, runs their timers,
// caches skin images and fonts, and owns the window's tooltip, caret, message overlay and
// OLE drop target.
//
// Control code only ever runs on the window's thread: the periodic multimedia timer's
// callback merely posts to the window, and the ticks are run from there.
//
// Life: construct; Init(window) from the window's initialisation (registers the drop
// target); hand it every window message through OnWindowMessage and every message of the
// window's loop through PreTranslateMessage. WM_DESTROY stops the timers and revokes the
// drop target while the window still exists; WM_NCDESTROY (or DestroyData) frees the
// controls, images and fonts.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "GdiPlus.h"

#include "BackBuffer.h"
#include "CMTimer.h"
#include "CString.h"
#include "ControlTimerIds.h"
#include "DropTarget.h"
#include "Geometry.h"
#include "KelvoApi.h"
#include "Lock.h"
#include "MShadow.h"
#include "WheelSteps.h"

namespace Kelvo {

class MControl;
class MWindow;
class MAirBladder;

// The kinds of balloon: type 4 stays until hidden, every other type hides itself after
// 5 seconds; buttons use type 5.
enum AIRBLADDER_TYPE : int {
    AIRBLADDER_TYPE_TIMED = 0,
    AIRBLADDER_TYPE_STAY = 4,
    AIRBLADDER_TYPE_BUTTON = 5,
};

// Where a balloon lies against its point: none; to the right of it (below the point);
// to the left of it; below it; centred above it; mode 5 keeps the balloon when it loses
// the keyboard focus (it has no placement of its own).
enum AIRBLADDER_MODE : int {
    AIRBLADDER_MODE_NONE = 0,
    AIRBLADDER_MODE_RIGHT = 1,
    AIRBLADDER_MODE_LEFT = 2,
    AIRBLADDER_MODE_BELOW = 3,
    AIRBLADDER_MODE_ABOVE = 4,
    AIRBLADDER_MODE_KEEP = 5,
};

// One cached skin image: the image (owned by the cache, shared by every control that
// asked for the same file), the width of one of `frames` frames, and the image height.
struct ImgResInfo {
    Gdiplus::Image* image = nullptr;
    int frameWidth = 0;
    int height = 0;
    int frames = 1;
    CString path;       // for images from the skin folder
    UINT resourceId = 0;  // for images from resources
};

// How the background image is drawn: at its natural size at the top-left corner, or
// stretched over the client area as a nine-grid frame.
enum enumBackMode { BACKMODE_NATURAL = 0, BACKMODE_FRAME = 1 };

class KELVO_API PaintManager : public CMTimer, public CIDropTarget {
public:
    explicit PaintManager(MWindow* window = nullptr);
    ~PaintManager() override;

    // --- set-up --------------------------------------------------------------------------
    // Attaches to a live window: keeps its DC, registers the drop target, starts taking
    // ticks, loads the toolkit's fonts. A null or dead handle is ignored.
    void Init(HWND window, MWindow* owner);
    // Frees controls, images, fonts, timers and the window DC; the manager is empty after.
    void DestroyData();
    void OnDestroyMessage(HWND window);
    int IsInitialised() const { return m_bInit; }
    MWindow* GetMDialog() const { return m_pWindow; }
    HWND GetPaintWnd() const { return m_hWnd; }
    HDC GetPaintDC() const { return m_hPaintDC; }
    HWND GetToolTipWnd() const { return m_hToolTip; }
    void GetClientRect(CRect& rect) const;
    void GetWindowRect(CRect& rect) const;
    void GetClientSize(int& width, int& height) const;

    // --- painting ------------------------------------------------------------------------
    void Invalidate();
    // A layered window always repaints its whole client area (with erase).
    void InvalidateRect(CRect rect, int erase);
    // A repaint request of `control` (see MObject::OnControlUpdate): marks it stale when
    // `redraw`, and with it every later control it lies under, then invalidates.
    LRESULT OnControlUpdate(const CRect& rect, int redraw, MControl* control);
    void SetLayeredWindow(int layered);
    int IsLayered() const { return m_bLayered; }
    // Background image from the skin folder, or from the application's resources.
    int LoadBKImage(const wchar_t* path);
    int LoadBKImage(UINT resourceId, const wchar_t* resourceType);
    void SetBackMode(enumBackMode mode, int frameSize);
    // Colour references: without a background image the client area is filled with
    // `border` and, one pixel in, with `fill`.
    void SetBackColor(COLORREF fill, COLORREF border);
    COLORREF GetBackColor() const { return m_fillColor; }
    COLORREF GetBorderColor() const { return m_borderColor; }
    void SetDefaultEnabledColor(COLORREF colour) { m_defaultEnabledColor = colour; }
    COLORREF GetDefaultEnabledColor() const { return m_defaultEnabledColor; }
    // A pixel of the off-screen buffer as the last paint left it, 0xAARRGGBB (client
    // coordinates); 0 before the first paint or outside the client area.
    DWORD GetBufferPixel(int x, int y) const;
    CSize GetBufferSize() const { return CSize(m_buffer.Width(), m_buffer.Height()); }

    // --- controls ------------------------------------------------------------------------
    // Takes ownership of a constructed control: gives it this manager (InitControl) and
    // appends it to the area list (kind 0) or the control list (kind 1). Returns it.
    MControl* AttachControl(int kind, MControl* control);
    // Depth first through the control list, then the area list; null when absent.
    MControl* GetControl(UINT id);
    const std::vector<MControl*>& GetControls() const { return m_controls; }
    const std::vector<MControl*>& GetAreas() const { return m_areas; }
    // Destroys a control anywhere in the window's trees; 1 when it was found.
    int RemoveControl(MControl* control);
    // `forgotten` hears of every control this window forgets (taken out of its trees or
    // destroyed), so `watcher` can drop pointers to controls it refers to but does not
    // own. Ends when the watcher itself is forgotten or unwatches.
    void WatchForgottenControls(MControl* watcher, std::function<void(MControl*)> forgotten);
    void UnwatchForgottenControls(MControl* watcher);
    void ClearAreaControls();
    void ClearControls();
    void ClearAllControls();

    // --- focus and hover -------------------------------------------------------------------
    // Moves the focus: the old control loses it (SetControlFocus(0)), the new one gains it.
    void SetFocusControl(MControl* control);
    MControl* GetFocusControl() const { return m_pFocus; }
    MControl* GetHoverControl() const { return m_pHover; }
    // Tab order over the top-level controls that are visible, enabled and tab stops.
    MControl* GetNextFocusableControl();
    MControl* GetPrevFocusableControl();

    // --- mouse capture and the window --------------------------------------------------------
    void SetCapture();
    void ReleaseCapture();
    int IsCaptured() const { return m_bCaptured; }
    // Presses that no control takes inside the caption rectangle move the window.
    void EnableWndDrag(int enable) { m_bWndDrag = enable ? 1 : 0; }
    void SetCaptionRect(CRect rect) { m_rcCaption = rect; }
    CRect GetCaptionRect() const { return m_rcCaption; }
    // Track-size limits; values <= 0 mean no limit.
    void SetWindowMaxSize(int width, int height) { m_szMax = CSize(width, height); }
    CSize GetWindowManSize() const { return m_szMax; }
    void SetWindowMixSize(int width, int height) { m_szMin = CSize(width, height); }
    CSize GetWindowMinSize() const { return m_szMin; }
    LRESULT SendMessageW(UINT msg, WPARAM wparam, LPARAM lparam);
    BOOL PostMessageW(UINT msg, WPARAM wparam, LPARAM lparam);

    // --- messages ----------------------------------------------------------------------------
    // Offered every message of the window after the window's own handlers; non-zero
    // when the message was handled and the result is final.
    LRESULT OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam);
    // Called for every message of the window's loop: Tab traversal (1: consumed) and the
    // tooltip's view of the mouse.
    int PreTranslateMessage(MSG* msg);

    // --- timers ------------------------------------------------------------------------------
    // A window timer for `control` under its own `key`; OnTimer() of the control runs on
    // each tick. 0 when it already runs or the window refused.
    int SetTimer(MControl* control, UINT key, UINT elapse);
    int KillTimer(MControl* control, UINT key);
    int KillTimer(MControl* control);
    void ClearTimers();
    // The periodic tick of every control on the tick list (AddMTimer).
    UINT SetMTimer(UINT milliseconds);
    int KillMTimer(UINT id);
    void KillMTimer();
    // Puts a control on the tick list once, however often it asks; it ticks while its
    // timer flag and it and its parents are visible.
    int AddMTimer(MControl* control);
    // Ticks on demand: once a period is set, the periodic tick starts when a control on
    // the list starts animating (its timer flag turns on, or it comes into view) while
    // the window can be seen, and stops by itself once nothing animates or the window
    // is hidden. A tick started with SetMTimer runs until KillMTimer, as before.
    void SetTickPeriod(UINT milliseconds);
    void WakeTicks();
    bool TicksRunning() const { return m_uMTimerID != 0; }
    int DeleteTimer(MControl* control);
    using CMTimer::OnMTimer;
    // Runs one tick of the tick list; called on the window's thread.
    void OnMTimer(UINT id) override;
    bool AnyControlAnimates();

    // --- images and fonts --------------------------------------------------------------------
    // A skin image by path relative to the skin folder (an absolute path is used as it
    // is), loaded once per window; null when it cannot be loaded (nothing is cached).
    const ImgResInfo* AddImgResInfo(const wchar_t* path, int frames);
    // The same from resources of the application module (fromApplication) or the toolkit.
    const ImgResInfo* AddImgResInfo(UINT resourceId, const wchar_t* resourceType, int frames, int fromApplication);
    void ClearImgResInfo();
    // A font resource of the toolkit module as a process-private GDI font; 1 on success.
    int AddGDITempFont(UINT resourceId, const wchar_t* resourceType);
    Gdiplus::FontFamily* AddTempFont(const wchar_t* name, const wchar_t* fontFile);
    Gdiplus::FontFamily* AddTempFont(const wchar_t* name, UINT resourceId);
    // The cached family of `name`, else the installed font of that name; null if none.
    Gdiplus::FontFamily* FindTempFont(const wchar_t* name);
    void ClearTempFont();

    // --- tooltip -----------------------------------------------------------------------------
    // Shows `text` for `rect`; an empty text hides the tip. `owner` becomes the tooltip's
    // owner (its ID the owner ID).
    void SetTooltip(const wchar_t* text, CRect rect, MControl* owner = nullptr);
    // Hides the tip and forgets its owner.
    void ClearTooltip();
    void SetTooltipCtrlID(int id) { m_nTooltipCtrlID = id; }
    int GetTooltipCtrlID() const { return m_nTooltipCtrlID; }

    // --- balloon tips -------------------------------------------------------------------------
    // The window's balloon (made by the first SetAirBladderMsg, then reused) is placed and
    // painted at once; it shows only through ShowAirBladder and never takes activation.
    // 1 (0 when the balloon window cannot be made).
    int SetAirBladderMsg(const wchar_t* text, POINT point, AIRBLADDER_TYPE type, AIRBLADDER_MODE mode);
    // 0 before any SetAirBladderMsg. A non-zero owner ID asking to show becomes the owner;
    // a request to hide from another non-zero ID than the owner is ignored (0).
    int ShowAirBladder(int show, int ownerId);
    // Null before the first SetAirBladderMsg.
    MAirBladder* GetAirBladder() const { return m_pAirBladder; }
    int GetAirBladderOwner() const { return m_nAirBladderOwner; }
    bool IsAirBladderShown() const;

    // --- drop shadow ---------------------------------------------------------------------------
    // Registers the shadow's window class (once per process unless `force`), stores the
    // show flag and makes the shadow of this window.
    void CreateShadow(int show, bool force);
    // Each setter returns 0 for a value out of its range and keeps the old one.
    int SetSize(int size) { return m_shadow.SetSize(size); }                 // -35 ... 35
    int SetSharpness(unsigned sharpness) { return m_shadow.SetSharpness(sharpness); }  // 0 ... 35
    int SetDarkness(unsigned darkness) { return m_shadow.SetDarkness(darkness); }      // 0 ... 255
    int SetPosition(int x, int y) { return m_shadow.SetPosition(x, y); }     // both -35 ... 35
    int SetShadowColor(COLORREF colour) { return m_shadow.SetColor(colour); }  // colour reference
    // Image mode: a nine-grid picture from the skin folder or a "PNG" resource around the
    // window; the corners are kept when all four are >= 0.
    void SetShadowImage(const wchar_t* path, CRect corners);
    void SetShadowImage(UINT resourceId, CRect corners);
    void SetShadowShow(int show) { m_shadow.ShowShadow(show); }
    void DisableShadow(int disable) { m_shadow.DisableShadow(disable); }
    MShadow& GetShadow() { return m_shadow; }

    // --- caret of edit controls ----------------------------------------------------------------
    int CreateCaret(HBITMAP bitmap, int width, int height);
    void SetCaretPos(MControl* edit, int x, int y);
    void ShowCaret(int show);
    MControl* GetCurrentCaretObject() const { return m_pCaretObject; }
    void DrawCaret(HDC dc, const CRect& clip);

    // --- message overlay ------------------------------------------------------------------------
    void SetMessage(const wchar_t* text, CRect rect, int fontSize);
    // A progress message that fills up to `percent` and fades out after 100.
    void SetProgress(int percent, const wchar_t* text, CRect rect);

    // --- drag and drop ---------------------------------------------------------------------------
    // Registers the window as a drop target of the image formats; 1 on success.
    int InitDragDrop();
    // A drop on the window: ends the press the drag began and hands a usable image to the
    // window with STM_SETIMAGE.
    bool OnDrop(FORMATETC* format, STGMEDIUM& medium, DWORD* effect) override;
    // The control's picture, cut to `rect` (relative to the control), as a new 32-bit DIB.
    HBITMAP GetDropBitmap(MControl* control, const CRect& rect, COLORREF colour);

    // --- scroll-bar skins of panels --------------------------------------------------------------
    void SetScrollResID(UINT vertical, UINT horizontal);
    UINT GetScrollVID() const { return m_uScrollVID; }
    UINT GetScrollHID() const { return m_uScrollHID; }

private:
    // The Open Sans faces of the toolkit's resources, for GDI and for GDI+ alike.
    void LoadEmbeddedFonts();
    friend class MControl;

    struct ControlTimer {
        HWND window;
        MControl* control;
        UINT key;
        UINT id;
        bool killed;
    };

    // Unregisters `control` and its whole subtree from everything the manager keeps:
    // hover, focus, caret, tooltip owner, drag source and every timer list.
    void ForgetControl(MControl* control);
    void ForgetOne(MControl* control);
    bool IsLive() const { return m_hWnd && ::IsWindow(m_hWnd); }
    std::vector<MControl*> Snapshot(Lock& lock, const std::vector<MControl*>& list);
    bool Unlink(MControl* control);
    void DestroyList(Lock& lock, std::vector<MControl*>& list);
    MControl* TopLevelOf(MControl* control);

    // painting
    LRESULT OnPaint();
    void DrawBackground(HDC dc, int width, int height);
    void DrawOverlay(HDC dc);
    void InvalidateCaret();

    // input
    LRESULT OnMouseMove(UINT flags, CPoint point);
    LRESULT OnMouseLeave();
    LRESULT OnButtonDown(UINT flags, CPoint point, bool left);
    LRESULT OnButtonUp(UINT flags, CPoint point, bool left);
    LRESULT OnDoubleClick(UINT flags, CPoint point, bool left);
    LRESULT OnMouseWheel(WPARAM wparam, LPARAM lparam);
    LRESULT OnKeyDown(UINT key);
    LRESULT OnNcActivate(BOOL active);
    LRESULT OnGetMinMaxInfo(MINMAXINFO* info);
    LRESULT OnDestroy();
    void StartDragOut();
    void ClearDragSource();

    // timers
    void OnWindowTimer(UINT id);
    void OnCaretBlink();
    void OnOverlayFade();
    void OnProgressStep();

    // tooltip
    bool EnsureTooltip();
    // balloon: made on first use; follows this window's moves, hides with it, goes with it
    MAirBladder* EnsureAirBladder();
    void FollowOwnerWindow(UINT msg, WPARAM wparam, LPARAM lparam);
    void DestroyAirBladder();

    MWindow* m_pWindow;
    int m_bInit = 0;
    HWND m_hWnd = nullptr;
    HDC m_hPaintDC = nullptr;
    COLORREF m_fillColor = RGB(3, 6, 11);
    COLORREF m_borderColor = RGB(0x6D, 0x6D, 0x6D);
    CRect m_rcCaption;
    CSize m_szMax;
    CSize m_szMin;
    // drag-out: the control pressed, where, and its picture
    int m_bDragPending = 0;
    MControl* m_pDragSource = nullptr;
    CPoint m_ptPress;
    CPoint m_ptLastMove;
    HBITMAP m_hDragBitmap = nullptr;
    int m_bLayered = 0;
    Gdiplus::Image* m_pBkImage = nullptr;
    int m_nBkWidth = 0;
    int m_nBkHeight = 0;
    // message overlay
    CString m_strMessage;
    int m_nMessageAlpha = 255;
    int m_nProgressShown = 0;
    int m_nProgressTarget = 0;
    CRect m_rcMessage;
    HFONT m_hMessageFont = nullptr;
    int m_nMessageFontSize = 16;
    UINT m_uMTimerID = 0;
    UINT m_uTickPeriod = 0;      // 0: no ticks on demand
    bool m_bTicksOnDemand = false;  // the running tick was started by WakeTicks
    ControlTimerIds m_timerIds;
    int m_bWndDrag = 1;
    int m_bTracking = 0;
    int m_bLeftPressed = 0;
    int m_bDoubleClicked = 0;
    int m_bRightPressed = 0;
    int m_bCaptured = 0;
    MControl* m_pHover = nullptr;
    MControl* m_pFocus = nullptr;
    int m_nTooltipCtrlID = 0;
    MControl* m_pTooltipOwner = nullptr;
    HWND m_hToolTip = nullptr;
    CString m_strTooltipText;
    MAirBladder* m_pAirBladder = nullptr;  // owned
    int m_nAirBladderOwner = 0;
    CRect m_rcAirBladderOwner;             // the window's rectangle the balloon was placed against
    MShadow m_shadow;
    Lock m_areaLock;
    std::vector<MControl*> m_areas;
    Lock m_controlLock;
    std::vector<MControl*> m_controls;
    Lock m_tickLock;
    std::vector<MControl*> m_tickControls;
    std::vector<std::pair<MControl*, std::function<void(MControl*)>>> m_forgetWatchers;
    enumBackMode m_backMode = BACKMODE_NATURAL;
    int m_nFrameSize = 4;
    // caret
    CRect m_rcCaret;
    int m_bCaretPhase = 0;  // 1 while the blinking caret is in its visible half
    int m_bCaretShown = 0;
    MControl* m_pCaretObject = nullptr;
    // image cache: each file or resource is loaded once; entries per frame count
    Lock m_imageLock;
    std::map<CString, std::unique_ptr<Gdiplus::Image>> m_imagesByPath;
    std::map<std::pair<int, UINT>, std::unique_ptr<Gdiplus::Image>> m_imagesById;  // (from application, ID)
    std::map<std::pair<CString, int>, ImgResInfo> m_pathEntries;
    std::map<std::pair<std::pair<int, UINT>, int>, ImgResInfo> m_idEntries;
    // window timers of controls
    Lock m_timerLock;
    std::vector<ControlTimer> m_timers;
    // font cache
    Lock m_fontLock;
    std::map<CString, std::unique_ptr<Gdiplus::FontFamily>> m_fonts;
    std::vector<std::unique_ptr<Gdiplus::PrivateFontCollection>> m_fontCollections;
    std::vector<HANDLE> m_gdiFonts;
    COLORREF m_defaultEnabledColor = RGB(0x80, 0x80, 0x80);
    UINT m_uScrollVID = 102;
    UINT m_uScrollHID = 101;
    WheelSteps m_wheel;
    BackBuffer m_buffer;
};

}  // namespace Kelvo
