#pragma once
// A control with a title, a font, text alignment and colour, and an optional skin image
// of equally wide state frames side by side (buttons use four: normal, hover, pressed,
// disabled). The base of nearly every concrete control.
//
// Titles are drawn with GDI by default; SetTextByGdi(0) switches to GDI+. The paint
// manager gives both the toolkit's private Open Sans faces. Fonts are made lazily and cached until a
// font property changes. A null text is taken as an empty one.
#include <windows.h>

#include "GdiPlus.h"

#include "CString.h"
#include "Lock.h"
#include "MControl.h"

namespace Kelvo {

class KELVO_API MControlFont : public MControl {
public:
    MControlFont(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled,
                 int responsive);
    ~MControlFont() override;

    const wchar_t* GetClassNameW() override;

    virtual void SetTextFont(CString face);
    virtual void SetTextColor(Gdiplus::ARGB colour);
    // Skin image from a resource of the application module, `frames` frames wide.
    virtual int SetImage(UINT resourceId, const wchar_t* resourceType, int frames);
    // Skin image from the skin folder (or an absolute path), `frames` frames wide.
    // 1 on success; 0 without a paint manager or when the image cannot be loaded, in
    // which case the previous image stays.
    virtual int SetImage(const wchar_t* path, int frames);
    virtual void SetControlTitle(const wchar_t* text);
    virtual CString GetControlTitle();

    // Stores the title and repaints when visible.
    void SetTitle(const wchar_t* text);
    CString GetTitle() { return GetControlTitle(); }

    // Horizontal 0 left, 1 centre, 2 right; vertical 0 top, 4 centre, 8 bottom (DT_*).
    void SetAlignment(int horizontal);
    void SetVAlignment(int vertical);
    void SetAlignment(int horizontal, int vertical);
    void GetAlignment(int& horizontal, int& vertical) const;

    // Face (null: empty), size in pixels and GDI+ style bits (1 bold, 2 italic,
    // 4 underline, 8 strike-out). None of the font setters repaints.
    void SetFont(const wchar_t* face, int size, int style);
    void SetFontName(const wchar_t* face);
    void SetFontWidth(int size);
    void SetFontStyle(int style);
    int GetFontWidth() const { return m_nFontSize; }
    int GetFontStyle() const { return m_nFontStyle; }
    CString GetTextFont() const { return m_strFontFace; }
    Gdiplus::ARGB GetTextColor() const { return m_textColor; }
    void SetTextRenderingHint(int hint) { m_nRenderingHint = hint; }
    void SetTextByGdi(int byGdi) { m_bTextByGdi = byGdi ? 1 : 0; }
    int IsTextByGdi() const { return m_bTextByGdi; }

    // The GDI font of face, size and style, made on first use and cached.
    HFONT GetGDIFont();
    void ClearGDIFont();
    // The GDI+ family of `face` from the paint manager's font cache; null without a
    // paint manager or such a font. The control keeps it while the face is the same.
    Gdiplus::FontFamily* GetFontFamily(const wchar_t* face);

    // Width of one frame and the image height.
    CSize GetImageSize() const { return CSize(m_nFrameWidth, m_nFrameHeight); }
    void SetImageCount(int frames);
    int GetImageCount() const { return m_nFrameCount; }
    CString GetImagePath() const { return m_strImagePath; }
    Gdiplus::Image* GetImage() const { return m_pImage; }

protected:
    // Draws `text` into `rect` of `dc` in the control's font, colour and alignment, on a
    // single line with an ellipsis, or wrapped and centred vertically when `multiLine`.
    void DrawTitle(HDC dc, const CRect& rect, const wchar_t* text, bool multiLine);
    // Nine-grid draw of state frame `frame` of the skin image into `dest`.
    void DrawImageFrame(Gdiplus::Graphics& graphics, const CRect& dest, int frame, int corner);

    Lock m_textLock;  // the title may be read while another thread sets it
    CString m_strTitle;
    CString m_strFontFace;
    CString m_strImagePath;
    int m_nFontSize;
    Gdiplus::ARGB m_textColor = 0xFFFFFFFF;
    Gdiplus::SolidBrush* m_pTextBrush = nullptr;
    int m_nFontStyle = 0;
    Gdiplus::FontFamily* m_pFontFamily = nullptr;
    int m_nAlignment = DT_LEFT;
    int m_nVAlignment = DT_VCENTER;
    int m_nRenderingHint = Gdiplus::TextRenderingHintClearTypeGridFit;
    HFONT m_hFont = nullptr;
    int m_bTextByGdi = 1;
    // A single-line title too long for its rectangle ends in "..." instead of being
    // cut off mid-letter (GDI+ text only; GDI text always ends a cut word so).
    bool m_bEllipsis = false;
    Gdiplus::Image* m_pImage = nullptr;  // belongs to the paint manager's image cache
    int m_nFrameWidth = 0;
    int m_nFrameHeight = 0;
    int m_nFrameCount = 4;

private:
    void DrawTitleByGdi(HDC dc, const CRect& rect, const CString& text, bool multiLine);
    void DrawTitleByGdiplus(HDC dc, const CRect& rect, const CString& text, bool multiLine);
    void RepaintIfVisible();

    CString m_strFamilyFace;  // the face m_pFontFamily was taken for
};

}  // namespace Kelvo
